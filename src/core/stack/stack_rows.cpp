#include "core/stack/stack_rows.h"

#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "core/selection/number_input.h"

namespace vantiq {
namespace {

using Column = AnswerColumn<StackRow>;

std::string Fixed3(double value) {
    return FormatFixed(value, 3);
}

std::optional<double> PullDownSeconds(const StackRow& r) {
    return r.pullDown ? r.pullDown->seconds : std::nullopt;
}

double PullDownCurrentTop(const StackRow& r) {
    return r.pullDown ? r.pullDown->current : 0.0;
}

double PullDownCurrentBottom(const StackRow& r) {
    return r.pullDown ? r.pullDown->currentBottom : 0.0;
}

}  // namespace

std::vector<StackRow> MakeStackRows(const TemBase& base, const std::vector<StackPoint>& stacks,
                                    const std::vector<StackPullDown>& pullDowns) {
    std::vector<StackRow> rows;
    rows.reserve(stacks.size());
    for (std::size_t k = 0; k < stacks.size(); ++k) {
        const StackPoint& s = stacks[k];
        rows.push_back(
            {s, Cp1251ToUtf8(base.records.at(s.top).Name()),
             Cp1251ToUtf8(base.records.at(s.bottom).Name()),
             k < pullDowns.size() ? std::optional<StackPullDown>(pullDowns[k]) : std::nullopt});
    }
    return rows;
}

const std::vector<AnswerColumn<StackRow>>& StackRowColumns() {
    static const std::vector<Column> columns = {
        {"Top / bottom module", [](const StackRow& r) { return r.top + " / " + r.bottom; }},
        {"Top I, A", [](const StackRow& r) { return Fixed3(r.stack.upper.current); },
         [](const StackRow& r) { return r.stack.upper.current; }},
        {"Top U, V", [](const StackRow& r) { return Fixed3(r.stack.upper.voltage); },
         [](const StackRow& r) { return r.stack.upper.voltage; }},
        {"Bottom I, A", [](const StackRow& r) { return Fixed3(r.stack.lower.current); },
         [](const StackRow& r) { return r.stack.lower.current; }},
        {"Bottom U, V", [](const StackRow& r) { return Fixed3(r.stack.lower.voltage); },
         [](const StackRow& r) { return r.stack.lower.voltage; }},
        {"P, W", [](const StackRow& r) { return FormatFixed(r.stack.power, 2); },
         [](const StackRow& r) { return r.stack.power; }},
        {"COP", [](const StackRow& r) { return Fixed3(r.stack.cop); },
         [](const StackRow& r) { return r.stack.cop; }, true},
        {"Th, °C", [](const StackRow& r) { return FormatFixed(r.stack.thot - kCelsiusOffset, 1); },
         [](const StackRow& r) { return r.stack.thot; }},
        {"Between, °C",
         [](const StackRow& r) { return FormatFixed(r.stack.between - kCelsiusOffset, 1); },
         [](const StackRow& r) { return r.stack.between; }},
        {"Top count", [](const StackRow& r) { return std::to_string(r.stack.upper.modules); },
         [](const StackRow& r) { return double(r.stack.upper.modules); }},
        {"Bottom count", [](const StackRow& r) { return std::to_string(r.stack.lower.modules); },
         [](const StackRow& r) { return double(r.stack.lower.modules); }},
        {"Currents",
         [](const StackRow& r) {
             return std::string(r.stack.currents == StageCurrents::Shared ? "one" : "separate");
         }},
        {"Pull-down, s", [](const StackRow& r) { return PullDownCellText(PullDownSeconds(r)); },
         [](const StackRow& r) { return PullDownCellOrder(PullDownSeconds(r)); }, false, true},
        {"Pull-down I top, A", [](const StackRow& r) { return Fixed3(PullDownCurrentTop(r)); },
         PullDownCurrentTop, false, true},
        {"Pull-down I bottom, A",
         [](const StackRow& r) { return Fixed3(PullDownCurrentBottom(r)); }, PullDownCurrentBottom,
         false, true},
    };
    return columns;
}

}  // namespace vantiq
