#include "gui/panel/answer_actions.h"

#include <algorithm>

#include "core/advisor/advice_text.h"
#include "core/stack/stack_point.h"

namespace vantiq {
namespace {

ColumnNeeds Needs(const AnswerState& answer) {
    return {(answer.advised && answer.advised->coldMass) ||
                (answer.stacked && answer.stacked->advice.coldMass),
            answer.advised && answer.advised->sink.has_value()};
}

bool SameSet(const OperatingPoint& a, const OperatingPoint& b) {
    return a.index == b.index && a.modules == b.modules && a.wiring == b.wiring;
}

bool SameStack(const StackPoint& a, const StackPoint& b) {
    return a.top == b.top && a.bottom == b.bottom && a.upper.modules == b.upper.modules &&
           a.lower.modules == b.lower.modules && a.currents == b.currents;
}

template <typename Row, typename Same>
std::optional<int> Find(const std::vector<Row>& rows, const Row& like, Same same) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return same(r, like); });
    if (found == rows.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - rows.begin());
}

template <typename Row>
void SortShown(std::vector<Row>& rows, const std::vector<AnswerColumn<Row>>& table,
               ColumnNeeds needs, int column, bool reversed) {
    const auto shown = ShownColumns(table, needs);
    if (column >= 0 && static_cast<std::size_t>(column) < shown.size()) {
        SortAnswerRows(rows, shown[static_cast<std::size_t>(column)], reversed);
    }
}

// Empties the state for a new answer, or none, with the answer's version
// moved on so that every view knows to redraw.
AnswerState& FreshAnswer(SessionState& state) {
    const int version = state.answer.version;
    state = {};
    state.answer.version = version + 1;
    return state.answer;
}

}  // namespace

void SetPointAnswer(SessionState& state, const TemBase& base, const AdviceRequest& request,
                    const std::vector<OperatingPoint>& points,
                    const std::vector<PullDown>& pullDowns) {
    AnswerState& answer = FreshAnswer(state);
    answer.advised = request;
    answer.points = MakePointRows(base, request, points, pullDowns);
}

void SetStackAnswer(SessionState& state, const TemBase& base, const StackRequest& request,
                    const std::vector<StackPoint>& stacks,
                    const std::vector<StackPullDown>& pullDowns) {
    AnswerState& answer = FreshAnswer(state);
    answer.stacked = request;
    answer.stacks = MakeStackRows(base, stacks, pullDowns);
}

void ClearAnswer(SessionState& state) {
    FreshAnswer(state);
}

std::optional<std::int32_t> ChoosePointRow(SessionState& state, int row, std::vector<int> picked) {
    const auto& rows = state.answer.points;
    // A row a Ctrl-click dropped from the picks hands over to one still picked.
    if (!picked.empty() && std::find(picked.begin(), picked.end(), row) == picked.end()) {
        row = picked.front();
    }
    if (!state.answer.advised || row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return std::nullopt;
    }
    const OperatingPoint& point = rows[static_cast<std::size_t>(row)].point;
    ShownState shown;
    shown.row = row;
    shown.point = point;
    shown.rowThot = point.thot;
    std::stable_partition(picked.begin(), picked.end(), [row](int r) { return r == row; });
    for (const int r : picked.empty() ? std::vector<int>{row} : picked) {
        if (r >= 0 && static_cast<std::size_t>(r) < rows.size()) {
            shown.compared.points.push_back(rows[static_cast<std::size_t>(r)].point);
            shown.compared.modules.push_back(
                static_cast<std::int32_t>(shown.compared.points.back().index));
        }
    }
    shown.compared.modules =
        ShownFirst(static_cast<std::int32_t>(point.index), shown.compared.modules);
    state.shown = shown;
    return static_cast<std::int32_t>(point.index);
}

std::optional<std::int32_t> ChooseStackRow(SessionState& state, const TemBase& base, int row) {
    const auto& rows = state.answer.stacks;
    if (!state.answer.stacked || row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return std::nullopt;
    }
    const StackPoint& p = rows[static_cast<std::size_t>(row)].stack;
    const auto stages = StageOperatingPoints(base.records.at(p.top), base.records.at(p.bottom), p);
    ShownState shown;
    shown.row = row;
    shown.point = stages[0];
    shown.rowThot = p.thot;
    for (const OperatingPoint& stage : stages) {
        shown.compared.points.push_back(stage);
        shown.compared.modules.push_back(static_cast<std::int32_t>(stage.index));
    }
    shown.compared.modules = ShownFirst(static_cast<std::int32_t>(p.top), shown.compared.modules);
    state.shown = shown;
    return static_cast<std::int32_t>(p.top);
}

std::optional<int> RowLike(const AnswerState& answer, const AnswerState& before, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= before.size()) {
        return std::nullopt;
    }
    const auto k = static_cast<std::size_t>(row);
    if (before.stacked && answer.stacked) {
        return Find(answer.stacks, before.stacks[k], [](const StackRow& a, const StackRow& b) {
            return SameStack(a.stack, b.stack);
        });
    }
    if (before.advised && answer.advised) {
        return Find(answer.points, before.points[k],
                    [](const PointRow& a, const PointRow& b) { return SameSet(a.point, b.point); });
    }
    return std::nullopt;
}

void SortAnswer(SessionState& state, int column) {
    AnswerState& answer = state.answer;
    const AnswerState before = answer;
    answer.reversed = column == answer.sortColumn && !answer.reversed;
    answer.sortColumn = column;
    if (answer.stacked) {
        SortShown(answer.stacks, StackRowColumns(), Needs(answer), column, answer.reversed);
    } else {
        SortShown(answer.points, PointColumns(), Needs(answer), column, answer.reversed);
    }
    ++answer.version;
    if (state.shown.row) {
        state.shown.row = RowLike(answer, before, *state.shown.row);
    }
}

std::string AnswerTitle(const AnswerState& answer) {
    if (answer.stacked) {
        return std::to_string(answer.stacks.size()) + " two-stage stacks for " +
               LoadPhrase(answer.stacked->advice);
    }
    return answer.advised ? std::to_string(answer.points.size()) + " operating points for " +
                                LoadPhrase(*answer.advised)
                          : std::string();
}

bool AnswerDescending(const AnswerState& answer) {
    const auto descending = [&answer](const auto& table) {
        const auto shown = ShownColumns(table, Needs(answer));
        const auto column = static_cast<std::size_t>(answer.sortColumn);
        return answer.sortColumn >= 0 && column < shown.size() &&
               shown[column].largestFirst != answer.reversed;
    };
    return answer.stacked ? descending(StackRowColumns()) : descending(PointColumns());
}

CsvRow AnswerHeaderTexts(const AnswerState& answer) {
    return answer.stacked ? AnswerHeaders(ShownColumns(StackRowColumns(), Needs(answer)))
                          : AnswerHeaders(ShownColumns(PointColumns(), Needs(answer)));
}

std::vector<CsvRow> AnswerCellTexts(const AnswerState& answer) {
    return answer.stacked
               ? AnswerCells(answer.stacks, ShownColumns(StackRowColumns(), Needs(answer)))
               : AnswerCells(answer.points, ShownColumns(PointColumns(), Needs(answer)));
}

std::string AnswerCsvText(const AnswerState& answer) {
    return answer.stacked ? AnswerCsv(answer.stacks, ShownColumns(StackRowColumns(), Needs(answer)))
                          : AnswerCsv(answer.points, ShownColumns(PointColumns(), Needs(answer)));
}

}  // namespace vantiq
