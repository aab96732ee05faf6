#include "core/model/sweep_within.h"

#include <algorithm>
#include <cmath>

namespace vantiq {
namespace {

constexpr double kTwo53 = 9007199254740992.0;  // 2^53

// The step in units of the spacing of doubles in value's binade, rounded to
// the nearest whole unit: what each addition adds there. 0 on a tie, whose
// rounding would depend on the value.
double UnitsAdded(double step, double spacing) {
    const double units = step / spacing;  // exact: a power-of-two scaling
    const double whole = std::floor(units);
    if (units - whole == 0.5) {
        return 0.0;
    }
    return units - whole < 0.5 ? whole : whole + 1;
}

}  // namespace

double SkipBelow(double value, double step, double limit) {
    // Large values and small steps keep the arithmetic below exact.
    if (!(value >= 1 && step > 0 && step < value / 4 && std::isfinite(value) &&
          std::isfinite(limit) && limit > value)) {
        return value;
    }
    int exponent = 0;
    std::frexp(value, &exponent);  // value in [2^(exponent-1), 2^exponent)
    const double spacing = std::ldexp(1.0, exponent - 53);
    const double added = UnitsAdded(step, spacing);
    if (added == 0) {
        return value;
    }
    // Values as whole numbers of the spacing, in [2^52, 2^53): exact doubles.
    // Every sum along the way stays at least a unit and a half below 2^53,
    // so it rounds within the binade.
    const double units = value / spacing;
    const double below = limit / spacing;
    const double cap = below >= kTwo53 ? kTwo53 - 2 : std::min(std::ceil(below) - 1, kTwo53 - 2);
    double count = std::floor((cap - units) / added);
    while (count > 0 && units + count * added > cap) {
        --count;
    }
    return count > 0 ? (units + count * added) * spacing : value;
}

}  // namespace vantiq
