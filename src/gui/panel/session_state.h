#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/advisor/advice_request.h"
#include "core/advisor/comparison.h"
#include "core/advisor/operating_point.h"
#include "core/advisor/point_rows.h"
#include "core/stack/stack_rows.h"
#include "core/stack/stack_search.h"

namespace vantiq {

// The answer to the last request for operating points or stacks: the
// request, its rows in the order shown, and the column they were sorted by.
// Empty (no request) after a search, "Show all" or "Clear".
struct AnswerState {
    std::optional<AdviceRequest> advised;  // the request the points answer
    std::optional<StackRequest> stacked;   // the request the stacks answer
    std::vector<PointRow> points;
    std::vector<StackRow> stacks;
    // Why no module carries the load, with figures (UTF-8, CR LF); empty
    // while there are points.
    std::string whyNone;
    int sortColumn = -1;  // -1: the order found
    bool reversed = false;
    // Counts every change of the rows or their order, so a table shows them
    // anew only then.
    int version = 0;

    bool HasRequest() const { return advised.has_value() || stacked.has_value(); }
    std::size_t size() const { return stacked ? stacks.size() : points.size(); }
};

// What the window shows beside the selected module: the row of the answer it
// was chosen from, the point that row gives it and the modules compared with
// it. Everything an earlier request left is cleared with it.
struct ShownState {
    std::optional<int> row;               // the chosen row of the answer
    std::optional<OperatingPoint> point;  // the selected module's point there
    std::optional<double> rowThot;        // the hot side of that row (K)
    Comparison compared;
};

// The state a user acts on beyond the catalogue, hot side and selected
// module: the answer and what is shown of it.
struct SessionState {
    AnswerState answer;
    ShownState shown;
};

}  // namespace vantiq
