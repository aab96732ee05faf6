#include "core/advisor/advice_order.h"

#include <algorithm>
#include <string_view>

namespace vantiq {
namespace {

// Compares two points by the key in its natural direction: negative when
// `a` comes first, positive when `b` does.
int CompareKey(const TemBase& base, const OperatingPoint& a, const OperatingPoint& b,
               AdviceKey key) {
    const auto order = [](double first, double second) {
        return first < second ? -1 : second < first ? 1 : 0;
    };
    switch (key) {
        case AdviceKey::Power:
            return order(a.power, b.power);
        case AdviceKey::Cop:
            return order(b.cop, a.cop);
        case AdviceKey::Current:
            return order(a.current, b.current);
        case AdviceKey::Margin:
            return order(b.margin, a.margin);
        case AdviceKey::Modules:
            return order(a.modules, b.modules);
        case AdviceKey::Voltage:
            return order(a.voltage, b.voltage);
        case AdviceKey::Thot:
            return order(a.thot, b.thot);
        case AdviceKey::SinkRth:
            return order(b.sinkRthMax.value_or(0.0), a.sinkRthMax.value_or(0.0));
        case AdviceKey::Name:
            break;
    }
    // string_view compares as unsigned bytes, as the list's name sort does.
    const std::string_view nameA = base.records.at(a.index).Name();
    const std::string_view nameB = base.records.at(b.index).Name();
    return nameA.compare(nameB);
}

}  // namespace

void SortPoints(const TemBase& base, std::vector<OperatingPoint>& points, AdviceOrder order) {
    std::sort(points.begin(), points.end(), [&](const OperatingPoint& a, const OperatingPoint& b) {
        const int byKey = CompareKey(base, a, b, order.key);
        if (byKey != 0) {
            return order.reversed ? byKey > 0 : byKey < 0;
        }
        return a.index < b.index;
    });
}

}  // namespace vantiq
