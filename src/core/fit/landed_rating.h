#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/model/rated_values.h"

namespace vantiq {

// The lower root of Qc(I) = −0.05 W at the cold side `tc`, where the
// derivation's balance band begins: the lowest current that balances there.
// The top of the parabola where `tc` is out of reach, so that conditions
// built on it stay continuous while a solver passes there.
double LowestBalancingCurrent(const TemRecord& record, double th, double tc);

// Where the derivation's Imax lies against the model's coldest point, as
// one number `reach` from 0 to 2, each value a case the derivation meets:
// from 0 to 1 the coldest point moves from just below the scanned
// temperature the derivation reports to just below the one before it, and
// Imax, at the lowest current that balances there, up to the top current;
// from 1 to 2 Imax moves on above that lowest current, by up to the share
// `kLargestShareAbove` (a current step's length).
struct Landing {
    double gap;    // K, from the coldest point up to the reported temperature
    double share;  // how far Imax lies above the lowest current balancing there
};
inline constexpr double kLeastShareAbove = 2e-4;
// A nominal current up to 1.4 × Imax keeps the scan's range familiar.
inline constexpr double kLargestShareAbove = 0.98 / 72;
Landing LandingAt(double reach);

// The ratings the derivation gives where it lands as `reach` says. Smooth in
// the constants and in `reach`, so a fit can take slopes; with a grid
// temperature at the gap and a nominal current whose steps put Imax at the
// share, the derivation gives exactly these values. nullopt where the
// module balances nowhere.
std::optional<RatedValues> LandedRatings(const TemRecord& record, double th, double reach);

}  // namespace vantiq
