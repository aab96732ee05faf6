#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/base/tem_base.h"
#include "gui/panel/session_state.h"

namespace vantiq {

// What the user does with an answer, as changes of the session's state.
// None touches a widget; the views draw the state afterwards.

// Makes `points`, found for `request` (with `pullDowns`, one per point, when
// it gave a cold mass), the answer; nothing of it is chosen yet.
void SetPointAnswer(SessionState& state, const TemBase& base, const AdviceRequest& request,
                    const std::vector<OperatingPoint>& points,
                    const std::vector<PullDown>& pullDowns);
// The same for stacks.
void SetStackAnswer(SessionState& state, const TemBase& base, const StackRequest& request,
                    const std::vector<StackPoint>& stacks,
                    const std::vector<StackPullDown>& pullDowns);
// No answer, nothing chosen, no note.
void ClearAnswer(SessionState& state);

// Chooses point `row`, compared with the points of `picked` (rows, the
// chosen one among them, or none); returns its module, or nullopt for a
// row that is not there (nothing changes then).
std::optional<std::int32_t> ChoosePointRow(SessionState& state, int row, std::vector<int> picked);
// Chooses stack `row`: its top module at its stage's point, compared with
// the bottom module at its own; returns the top module.
std::optional<std::int32_t> ChooseStackRow(SessionState& state, const TemBase& base, int row);

// The row of the answer that holds the same set (module, count and wiring;
// for a stack both sets and how they are fed) as row `row` of `before`.
std::optional<int> RowLike(const AnswerState& answer, const AnswerState& before, int row);

// Sorts the answer by shown column `column`; a second click on the same
// column turns the order round. The chosen row stays chosen where it goes.
void SortAnswer(SessionState& state, int column);

// What the answer holds, for its table's title: "12 operating points for
// 20.0 W at dT 30 K", "134 two-stage stacks for ...".
std::string AnswerTitle(const AnswerState& answer);

// Whether the answer's sorted column runs from the largest value down.
bool AnswerDescending(const AnswerState& answer);

// The answer's headers and cells as the table shows them.
CsvRow AnswerHeaderTexts(const AnswerState& answer);
std::vector<CsvRow> AnswerCellTexts(const AnswerState& answer);
// The same as CSV text.
std::string AnswerCsvText(const AnswerState& answer);

}  // namespace vantiq
