#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/tem_record.h"
#include "core/model/rated_values.h"

namespace vantiq {

// A module as a vendor's datasheet describes it. Leg sizes of 0 are chosen
// from the footprint; a Qmax or AC resistance of 0 was not given.
struct Ratings {
    std::uint32_t couples = 0;
    double ratedThotC = 25.0;   // °C
    double imax = 0.0;          // A
    double umax = 0.0;          // V
    double dtMax = 0.0;         // K, a positive difference
    double qmax = 0.0;          // W
    double width = 0.0;         // mm
    double length = 0.0;        // mm
    double height = 0.0;        // mm
    double pelletLength = 0.0;  // m
    double pelletSide = 0.0;    // m
};

// The constants found for a datasheet and what the model derives from them.
struct RatingFit {
    TemRecord record;     // the fitted file fields
    RatedValues derived;  // at the rated hot side
    bool legsAssumed = false;
    std::string problem;  // empty when the fit meets the tolerances
};

// Why these ratings cannot describe a single-stage bismuth-telluride module,
// or nullopt when they can be fitted.
std::optional<std::string> RatingsProblem(const Ratings& ratings);

// Finds σ, α, κ, nominal current and leg size such that the derivation at
// the rated hot side gives Imax and Umax within 0.5 % and dTmax within
// 0.1 K. `problem` says why when it cannot.
RatingFit FitRatings(const Ratings& ratings);

}  // namespace vantiq
