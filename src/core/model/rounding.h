#pragma once

#include <span>

namespace vantiq {

// `value` rounded to the nearest multiple of `step`, halves away from zero
// (2.5 → 3, −2.5 → −3). A positive value with step 0 gives 0.
double RoundToStep(double value, double step);

// An axis limit beyond `value` by at least half a step: 4.0 → 5, 3.2 → 4,
// −3.2 → −4, 0 → −step (for step 1). A positive value with step 0 gives 0.
double RoundOutward(double value, double step);

// Largest and smallest element; the first one wins ties. `values` must not be empty.
double ArrayMax(std::span<const double> values);
double ArrayMin(std::span<const double> values);

}  // namespace vantiq
