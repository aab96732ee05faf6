#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/fit/fit_algebra.h"
#include "core/fit/ratings.h"
#include "core/model/rated_values.h"

namespace vantiq {

// Where the derivation lands (see LandingAt) while nothing moves it: the
// coldest point half a temperature step below the reported one.
inline constexpr double kUsualReach = 0.5;

// The constants (log α, log σ, log κ) and the landing (see LandedRatings)
// at which the derivation's Imax, Umax, dTmax and, when rated, Qmax lie as
// close to the ratings `r` as they can all be at once, and what it gives
// there.
struct LeastLargestFit {
    Vec3 p{};
    double reach = kUsualReach;
    RatedValues landed;
    double largest = 0;  // the largest relative deviation
};

// Makes the largest relative deviation (dTmax relative to the rated dTmax)
// as small as it can be, starting from the constants `p` of the module `g`
// at the hot side `th`. Three ratings are met exactly with the usual reach;
// four are met exactly when some reach within its range does it, or else
// all part by the same amount, each the way that the others cannot help.
// nullopt when the model leaves reach on the way.
std::optional<LeastLargestFit> FitLeastLargest(const TemRecord& g, double th, const Vec3& p,
                                               const Ratings& r);

// The module `g` with constants near `fit.p` and a nominal current at which
// the derivation at `th` gives what `fit` landed on, with dTmax at the
// nearest scanned temperature: Imax a whole number of the nominal current's
// steps, and the voltage and, when `heatRated`, the heat at it. nullopt when
// no constants land there.
std::optional<TemRecord> LandOnGrid(const TemRecord& g, double th, const LeastLargestFit& fit,
                                    bool heatRated);

// A module with its file fields and what the derivation gives from them.
struct DerivedModule {
    TemRecord record;
    RatedValues derived;
};

// The two steps above from the constants `start` of `g`, and the
// derivation's own ratings of the result; nullopt where a step fails.
std::optional<DerivedModule> FitLeastLargestThroughDerivation(const Ratings& r, const TemRecord& g,
                                                              double th, const Vec3& start);

}  // namespace vantiq
