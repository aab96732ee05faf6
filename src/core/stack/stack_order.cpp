#include "core/stack/stack_order.h"

#include <algorithm>
#include <string_view>

namespace vantiq {
namespace {

int Compare(double first, double second) {
    return first < second ? -1 : second < first ? 1 : 0;
}

// Negative when `a` comes first in the key's natural direction.
int CompareKey(const TemBase& base, const StackPoint& a, const StackPoint& b, AdviceKey key) {
    switch (key) {
        case AdviceKey::Cop:
            return Compare(b.cop, a.cop);
        case AdviceKey::Current:
            return Compare(a.upper.current, b.upper.current);
        case AdviceKey::Name:
            return base.records.at(a.top).Name().compare(base.records.at(b.top).Name());
        default:
            break;
    }
    return Compare(a.power, b.power);
}

}  // namespace

void SortStacks(const TemBase& base, std::vector<StackPoint>& stacks, AdviceOrder order) {
    std::sort(stacks.begin(), stacks.end(), [&](const StackPoint& a, const StackPoint& b) {
        const int byKey = CompareKey(base, a, b, order.key);
        if (byKey != 0) {
            return order.reversed ? byKey > 0 : byKey < 0;
        }
        return a.top < b.top;
    });
}

}  // namespace vantiq
