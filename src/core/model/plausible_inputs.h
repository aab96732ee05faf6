#pragma once

#include <string>
#include <vector>

#include "core/base/tem_record.h"

namespace vantiq {

// What is wrong with a record's file values beyond what the model can
// compute with: constants and sizes far outside anything a bismuth-telluride
// module has, such as legs in millimetres typed as metres or a Seebeck
// coefficient in µV/K typed as V/K. One message per value, naming the
// field, the value and the range; empty when every value is plausible.
std::vector<std::string> ImplausibleInputs(const TemRecord& record);

// The range of electrical conductivity, S/m, that the fit accepts for legs
// it was given; outside it the legs do not fit the stated resistance.
inline constexpr double kLowestConductivity = 1e4;
inline constexpr double kHighestConductivity = 1e6;

}  // namespace vantiq
