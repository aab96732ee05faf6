#include "core/model/rounding.h"

#include <cassert>
#include <cmath>

namespace vantiq {

double RoundToStep(double value, double step) {
    if (value > 0) {
        return step != 0 ? step * std::floor(value / step + 0.5) : 0.0;
    }
    return step * std::ceil(value / step - 0.5);
}

double RoundOutward(double value, double step) {
    if (value > 0) {
        return step != 0 ? step * std::ceil(value / step + 0.5) : 0.0;
    }
    return step * std::floor(value / step - 0.5);
}

double ArrayMax(std::span<const double> values) {
    assert(!values.empty());
    double high = values[0];
    for (double v : values.subspan(1)) {
        if (v > high) {
            high = v;
        }
    }
    return high;
}

double ArrayMin(std::span<const double> values) {
    assert(!values.empty());
    double low = values[0];
    for (double v : values.subspan(1)) {
        if (v < low) {
            low = v;
        }
    }
    return low;
}

}  // namespace vantiq
