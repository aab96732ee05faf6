#include "core/fit/landed_rating.h"

#include <algorithm>
#include <cmath>

#include "core/fit/continuous_rating.h"
#include "core/model/balance_grid.h"
#include "core/model/balance_scan.h"
#include "core/model/performance_model.h"

namespace vantiq {

double LowestBalancingCurrent(const TemRecord& record, double th, double tc) {
    const OperatingCoefficients c = CoefficientsAt(record, tc, th);
    const double d = c.peltier * c.peltier + 4 * c.joule * (c.conduction + kBalanceBand);
    return (c.peltier - std::sqrt(std::max(d, 0.0))) / (2 * c.joule);
}

Landing LandingAt(double reach) {
    constexpr double kNearest = 0.002, kFarthest = kScanStep - kNearest;  // K
    if (reach <= 1)
        return {kFarthest - (kFarthest - kNearest) * reach, kLeastShareAbove};
    return {kNearest, kLeastShareAbove + (kLargestShareAbove - kLeastShareAbove) * (reach - 1)};
}

std::optional<RatedValues> LandedRatings(const TemRecord& record, double th, double reach) {
    const auto coldest = ContinuousRatedValues(record, th, -kBalanceBand);
    if (!coldest)
        return std::nullopt;
    const Landing landing = LandingAt(reach);
    const double cell = th + coldest->dtMax + landing.gap;
    RatedValues v;
    v.dtMax = cell - th;
    v.imax = LowestBalancingCurrent(record, th, cell) / (1 - landing.share);
    v.umax = ModuleVoltage(record, v.imax, cell, th);
    v.qmax = ColdSideHeat(record, v.imax, th, th);
    v.acResistance = AcResistance(record);
    if (!(std::isfinite(v.imax) && std::isfinite(v.umax) && std::isfinite(v.qmax)))
        return std::nullopt;
    return v;
}

}  // namespace vantiq
