#include "core/stack/stack_reach.h"

#include <cstdio>

namespace vantiq {
namespace {

constexpr double kReachResolution = 0.5;  // K

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
    while (high - low > kReachResolution) {
        const double middle = (low + high) / 2;
        (Carried(base, thot, request, middle) ? low : high) = middle;
    }
    return low;
}

std::string NoStackText(const TemBase& base, double thot, const StackRequest& request) {
    const std::string nothing = "No stack can carry this load within these limits";
    if (request.advice.sink) {
        return nothing;
    }
    const auto dt = LargestStackDt(base, thot, request);
    if (!dt) {
        return nothing + ": no stack carries it at any temperature difference";
    }
    char text[64];
    std::snprintf(text, sizeof text, ": the best dT found is %.1f K", *dt);
    return nothing + text;
}

}  // namespace vantiq
