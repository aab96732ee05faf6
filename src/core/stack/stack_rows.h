#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/report/answer_columns.h"
#include "core/stack/stack_point.h"
#include "core/stack/stack_pull_down.h"

namespace vantiq {

// A stack as the table of answers shows it: the stack, its modules' names
// (UTF-8) and, with a cold mass, its pull-down.
struct StackRow {
    StackPoint stack;
    std::string top;
    std::string bottom;
    std::optional<StackPullDown> pullDown;
};

// The rows of `stacks` of modules of `base`, in their order; `pullDowns`
// holds one per stack, or none without a cold mass.
std::vector<StackRow> MakeStackRows(const TemBase& base, const std::vector<StackPoint>& stacks,
                                    const std::vector<StackPullDown>& pullDowns);

// The columns of the stacks' table, in the order shown, the two modules
// first: each stage's current and voltage per module, power, COP, hot side,
// the temperature between the stages, the counts, how the stages are fed,
// pull-down time.
const std::vector<AnswerColumn<StackRow>>& StackRowColumns();

}  // namespace vantiq
