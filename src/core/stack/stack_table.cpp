#include "core/stack/stack_table.h"

#include "core/advisor/advice_table.h"
#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "core/report/csv.h"
#include "core/report/numbers.h"

namespace vantiq {

std::vector<std::string> StackColumns(bool withPullDown) {
    std::vector<std::string> columns = {
        "row",          "index",          "name",           "modules",
        "index_bottom", "name_bottom",    "modules_bottom", "current",
        "voltage",      "current_bottom", "voltage_bottom", "power",
        "cop",          "t_between",      "thot",           "dt",
        "currents"};
    if (withPullDown) {
        columns.insert(columns.end(),
                       {"pull_down_current", "pull_down_current_bottom", "pull_down_s"});
    }
    return columns;
}

std::vector<std::string> StackFields(const TemBase& base, const StackPoint& p, std::size_t row,
                                     const StackPullDown* pullDown) {
    std::vector<std::string> fields = {std::to_string(row),
                                       std::to_string(p.top),
                                       Cp1251ToUtf8(base.records.at(p.top).Name()),
                                       std::to_string(p.upper.modules),
                                       std::to_string(p.bottom),
                                       Cp1251ToUtf8(base.records.at(p.bottom).Name()),
                                       std::to_string(p.lower.modules)};
    for (double v : {p.upper.current, p.upper.voltage, p.lower.current, p.lower.voltage, p.power,
                     p.cop, p.between - kCelsiusOffset, p.thot - kCelsiusOffset, p.dt}) {
        fields.push_back(FormatShortest(v));
    }
    fields.push_back(p.currents == StageCurrents::Shared ? "shared" : "separate");
    if (pullDown) {
        fields.insert(fields.end(),
                      {FormatShortest(pullDown->current), FormatShortest(pullDown->currentBottom),
                       PullDownSecondsText(pullDown->seconds)});
    }
    return fields;
}

std::string StackCsv(const TemBase& base, const std::vector<StackPoint>& stacks,
                     const std::vector<StackPullDown>* pullDowns) {
    std::string text = FormatCsvRow(StackColumns(pullDowns != nullptr));
    for (std::size_t row = 0; row < stacks.size(); ++row) {
        text += FormatCsvRow(
            StackFields(base, stacks[row], row, pullDowns ? &pullDowns->at(row) : nullptr));
    }
    return text;
}

}  // namespace vantiq
