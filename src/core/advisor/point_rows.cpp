#include "core/advisor/point_rows.h"

#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "core/selection/number_input.h"

namespace vantiq {
namespace {

using Column = AnswerColumn<PointRow>;

std::string CountText(const PointRow& r) {
    const OperatingPoint& p = r.point;
    return p.modules == 1
               ? "1"
               : std::to_string(p.modules) + (p.wiring == Wiring::Series ? " series" : " parallel");
}

std::optional<double> PullDownSeconds(const PointRow& r) {
    return r.pullDown ? r.pullDown->seconds : std::nullopt;
}

std::string PullDownText(const PointRow& r) {
    return PullDownCellText(PullDownSeconds(r));
}

double PullDownValue(const PointRow& r) {
    return PullDownCellOrder(PullDownSeconds(r));
}

double PullDownCurrent(const PointRow& r) {
    return r.pullDown ? r.pullDown->current : 0.0;
}

double SinkRthMax(const PointRow& r) {
    return r.point.sinkRthMax.value_or(0.0);
}

}  // namespace

std::vector<PointRow> MakePointRows(const TemBase& base, const AdviceRequest& request,
                                    const std::vector<OperatingPoint>& points,
                                    const std::vector<PullDown>& pullDowns) {
    std::vector<PointRow> rows;
    rows.reserve(points.size());
    for (std::size_t k = 0; k < points.size(); ++k) {
        const OperatingPoint& p = points[k];
        const TemRecord& record = base.records.at(p.index);
        rows.push_back(
            {p, Cp1251ToUtf8(record.Name()),
             MarginOf(record, p, request.criteria.requiredQ, request.criteria),
             k < pullDowns.size() ? std::optional<PullDown>(pullDowns[k]) : std::nullopt});
    }
    return rows;
}

const std::vector<AnswerColumn<PointRow>>& PointColumns() {
    static const std::vector<Column> columns = {
        {"Module", [](const PointRow& r) { return r.name; }},
        {"Count, wiring", CountText, [](const PointRow& r) { return double(r.point.modules); }},
        {"I, A", [](const PointRow& r) { return FormatFixed(r.point.current, 3); },
         [](const PointRow& r) { return r.point.current; }},
        {"U, V", [](const PointRow& r) { return FormatFixed(r.point.voltage, 3); },
         [](const PointRow& r) { return r.point.voltage; }},
        {"P, W", [](const PointRow& r) { return FormatFixed(r.point.power, 2); },
         [](const PointRow& r) { return r.point.power; }},
        {"COP", [](const PointRow& r) { return FormatFixed(r.point.cop, 3); },
         [](const PointRow& r) { return r.point.cop; }, true},
        {"Th, °C", [](const PointRow& r) { return FormatFixed(r.point.thot - kCelsiusOffset, 1); },
         [](const PointRow& r) { return r.point.thot; }},
        {"Qh, W", [](const PointRow& r) { return FormatFixed(r.point.heatRejected, 2); },
         [](const PointRow& r) { return r.point.heatRejected; }},
        {"Margin, W", [](const PointRow& r) { return FormatFixed(r.margin.watts, 2); },
         [](const PointRow& r) { return r.margin.watts; }, true},
        {"Margin, %", [](const PointRow& r) { return FormatFixed(r.margin.percent, 0); },
         [](const PointRow& r) { return r.margin.percent; }, true},
        {"Supply U, V", [](const PointRow& r) { return FormatFixed(r.point.SupplyVoltage(), 2); },
         [](const PointRow& r) { return r.point.SupplyVoltage(); }},
        {"Supply I, A", [](const PointRow& r) { return FormatFixed(r.point.SupplyCurrent(), 2); },
         [](const PointRow& r) { return r.point.SupplyCurrent(); }},
        {"Pull-down, s", PullDownText, PullDownValue, false, true},
        {"Pull-down I, A", [](const PointRow& r) { return FormatFixed(PullDownCurrent(r), 3); },
         PullDownCurrent, false, true},
        {"Sink Rth max, K/W", [](const PointRow& r) { return FormatFixed(SinkRthMax(r), 3); },
         SinkRthMax, true, false, true},
    };
    return columns;
}

}  // namespace vantiq
