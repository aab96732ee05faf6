#include "core/stack/stack_reach.h"

namespace vantiq {
namespace {

constexpr double kResolution = 0.5;  // K

bool Carried(const TemBase& base, double thot, StackRequest& request, double dt) {
    request.advice.criteria.requiredDT = dt;
    return !FindStacks(base, thot, request).stacks.empty();
}

}  // namespace

std::optional<double> LargestStackDt(const TemBase& base, double thot, StackRequest request) {
    double high = request.advice.criteria.requiredDT;
    if (Carried(base, thot, request, high)) {
        return high;
    }
    double low = 0.0;
    if (!Carried(base, thot, request, low)) {
        return std::nullopt;
    }
    // Stacks that carry the load at one difference carry it at any smaller.
    while (high - low > kResolution) {
        const double middle = (low + high) / 2;
        (Carried(base, thot, request, middle) ? low : high) = middle;
    }
    return low;
}

}  // namespace vantiq
