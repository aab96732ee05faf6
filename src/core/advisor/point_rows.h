#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/advisor/advice_request.h"
#include "core/advisor/operating_point.h"
#include "core/advisor/point_margin.h"
#include "core/advisor/pull_down.h"
#include "core/base/tem_base.h"
#include "core/report/answer_columns.h"

namespace vantiq {

// An operating point as the table of answers shows it: the point, its
// module's name (UTF-8), its margin and, with a cold mass, its pull-down.
struct PointRow {
    OperatingPoint point;
    std::string name;
    PointMargin margin;
    std::optional<PullDown> pullDown;
};

// The rows of `points`, found for `request` over `base`, in their order;
// `pullDowns` holds one per point, or none without a cold mass.
std::vector<PointRow> MakePointRows(const TemBase& base, const AdviceRequest& request,
                                    const std::vector<OperatingPoint>& points,
                                    const std::vector<PullDown>& pullDowns);

// The columns of the points' table, in the order shown, the module first:
// count and wiring, current, voltage, power, COP, hot side, heat to reject,
// margin in W and %, the supply's voltage and current, pull-down time.
const std::vector<AnswerColumn<PointRow>>& PointColumns();

}  // namespace vantiq
