#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/advisor/advice_request.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The temperatures a request asks a module to pump between, K: the fixed
// hot side and Th - dT, or, under a heat sink, the cold side and the most
// favourable hot side the sink allows, its ambient.
struct AskedSides {
    double cold = 0.0;
    double hot = 0.0;
};
AskedSides AskedSidesOf(const AdviceRequest& request, double thot);

// The most heat one module `record` pumps between `sides` (W); 0 or less
// when it cannot even hold that difference unloaded, or is not physical.
double PeakHeat(const TemRecord& record, AskedSides sides);

// What would carry a load that no candidate carries within the limits
// asked, worked out over the same candidates as the advisor.
struct Shortfall {
    static constexpr std::size_t kClosest = 3;

    // One module each, whatever the supply: the points of the candidates
    // that need the least beyond the supply (the larger of the voltage and
    // current ratios; the power without limits), closest first. The first
    // is the smallest supply that carries the load with one module.
    std::vector<OperatingPoint> closest;
    // The fewest modules, in series or in parallel, that carry the load
    // within the supply, the set of least power among them; none within
    // the largest automatic count.
    std::optional<OperatingPoint> fewest;
    // The candidate that pumps the most heat at the asked temperatures, and
    // that heat (W), for when no one module pumps the load at all.
    std::optional<std::uint32_t> strongest;
    double strongestPeak = 0.0;
    // No candidate holds the asked difference at all: only a stack of two
    // stages (or a lower hot side) can.
    bool needsTwoStages = false;
};

// Works out the shortfall of `request` over `base`, derived at `thot`. The
// request's Q must be positive; a request without candidates gives an
// empty answer.
Shortfall FindShortfall(const TemBase& base, double thot, const AdviceRequest& request);

// `request` without its supply limits, for one module: what a module needs
// rather than what the supply allows.
AdviceRequest UnlimitedSupply(const AdviceRequest& request);

}  // namespace vantiq
