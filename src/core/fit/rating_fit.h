#pragma once

#include <string>

#include "core/base/tem_record.h"
#include "core/fit/ratings.h"
#include "core/model/rated_values.h"

namespace vantiq {

// The constants found for a datasheet and what the model derives from them.
struct RatingFit {
    TemRecord record;     // file values; `imax` holds the nominal current
    RatedValues derived;  // at the rated hot side, by the program's derivation
    bool legsAssumed = false;
    std::string assumption;  // the leg sizes chosen when the datasheet gave none
    std::string problem;     // empty when the fit meets the tolerances
};

// Finds σ, α, κ, the nominal current and (when not given) the leg sizes such
// that the program's derivation at the rated hot side gives the ratings the
// mode keeps: Imax, Umax and Qmax within 0.5 %, dTmax within 0.1 K. In
// LeastLargest mode the largest relative deviation of Imax, Umax, dTmax and
// Qmax (when rated) is as small as the derivation allows, so ratings that the
// model itself derived come back within those tolerances; without Qmax it
// keeps the other three. In BalanceAll mode the derived values balance every
// given rating: the least sum of squared relative deviations the
// derivation's rounds reach. Ratings that RatingsProblem refuses, or that the
// model cannot reach, give a `problem` and a record not to be used.
RatingFit FitRatings(const Ratings& ratings, FitMode mode = FitMode::LeastLargest);

}  // namespace vantiq
