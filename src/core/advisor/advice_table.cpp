#include "core/advisor/advice_table.h"

#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "core/report/csv.h"
#include "core/report/numbers.h"

namespace vantiq {

std::vector<std::string> AdviceColumns(bool withPullDown, bool underSink) {
    std::vector<std::string> columns = {
        "row",   "index", "name",          "modules", "wiring", "current",   "voltage",
        "power", "cop",   "heat_rejected", "thot",    "dt",     "qmax_at_dt"};
    if (underSink) {
        columns.push_back("sink_rth_max");
    }
    if (withPullDown) {
        columns.insert(columns.end(), {"pull_down_current", "pull_down_s"});
    }
    return columns;
}

std::vector<std::string> AdviceFields(const TemBase& base, const OperatingPoint& p, std::size_t row,
                                      const PullDown* pullDown) {
    std::vector<std::string> fields = {
        std::to_string(row), std::to_string(p.index), Cp1251ToUtf8(base.records.at(p.index).Name()),
        std::to_string(p.modules), p.wiring == Wiring::Series ? "series" : "parallel"};
    for (double v : {p.current, p.voltage, p.power, p.cop, p.heatRejected, p.thot - kCelsiusOffset,
                     p.dt, p.peak}) {
        fields.push_back(FormatShortest(v));
    }
    if (p.sinkRthMax) {
        fields.push_back(FormatShortest(*p.sinkRthMax));
    }
    if (pullDown) {
        fields.insert(fields.end(),
                      {FormatShortest(pullDown->current), PullDownSecondsText(pullDown->seconds)});
    }
    return fields;
}

std::string PullDownSecondsText(const std::optional<double>& seconds) {
    return seconds ? FormatShortest(*seconds) : "never";
}

std::string AdviceCsv(const TemBase& base, const std::vector<OperatingPoint>& points,
                      const std::vector<PullDown>* pullDowns, bool underSink) {
    const bool sinkColumn = underSink || (!points.empty() && points.front().sinkRthMax);
    std::string text = FormatCsvRow(AdviceColumns(pullDowns != nullptr, sinkColumn));
    for (std::size_t row = 0; row < points.size(); ++row) {
        text += FormatCsvRow(
            AdviceFields(base, points[row], row, pullDowns ? &pullDowns->at(row) : nullptr));
    }
    return text;
}

}  // namespace vantiq
