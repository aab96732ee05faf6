#pragma once

#include <optional>
#include <string>

#include "core/fit/ratings.h"

namespace vantiq {

// Why these ratings cannot describe a single-stage bismuth-telluride module
// (a value that is not a positive number, a hot side outside -50...100 °C,
// a voltage per couple that suggests pellets were counted, a dTmax beyond a
// single stage, legs too thin for the stated resistance), or nullopt when
// they can be fitted. The message is the user's to read.
std::optional<std::string> RatingsProblem(const Ratings& ratings);

}  // namespace vantiq
