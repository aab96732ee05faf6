#include "core/advisor/shortfall.h"

#include <algorithm>

#include "core/advisor/advisor.h"
#include "core/parallel/parallel_for.h"

namespace vantiq {
namespace {

// How far `p` goes beyond the supply: the larger of its voltage and current
// shares; with no limit at all, its power ranks it.
double Overshoot(const OperatingPoint& p, const SearchCriteria& c) {
    double share = 0.0;
    if (IsSet(c.supplyVoltage)) {
        share = std::max(share, p.SupplyVoltage() / c.supplyVoltage);
    }
    if (IsSet(c.supplyCurrent)) {
        share = std::max(share, p.SupplyCurrent() / c.supplyCurrent);
    }
    return share > 0.0 ? share : p.power;
}

std::vector<OperatingPoint> Closest(const TemBase& base, double thot,
                                    const AdviceRequest& request) {
    std::vector<OperatingPoint> points = RunAdvisor(base, thot, UnlimitedSupply(request)).points;
    const auto nearer = [&c = request.criteria](const OperatingPoint& a, const OperatingPoint& b) {
        return Overshoot(a, c) < Overshoot(b, c);
    };
    const std::size_t kept = std::min(points.size(), Shortfall::kClosest);
    std::partial_sort(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(kept),
                      points.end(), nearer);
    points.resize(kept);
    return points;
}

std::optional<OperatingPoint> Fewest(const TemBase& base, double thot, AdviceRequest request) {
    request.modules = AdviceRequest::kFewestModules;
    std::optional<OperatingPoint> best;
    for (const Wiring wiring : {Wiring::Series, Wiring::Parallel}) {
        request.wiring = wiring;
        for (const OperatingPoint& p : RunAdvisor(base, thot, request).points) {
            if (!best || p.modules < best->modules ||
                (p.modules == best->modules && p.power < best->power)) {
                best = p;
            }
        }
    }
    return best;
}

void FindStrongest(const TemBase& base, double thot, const AdviceRequest& request,
                   Shortfall& shortfall) {
    const AskedSides sides = AskedSidesOf(request, thot);
    std::vector<double> peaks(base.records.size(), 0.0);
    std::vector<char> candidate(base.records.size(), 0);
    ParallelFor(base.records.size(), [&](std::size_t i) {
        if (!CandidateExclusion(base.records[i], request)) {
            candidate[i] = 1;
            peaks[i] = PeakHeat(base.records[i], sides);
        }
    });
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        if (candidate[i] && (!shortfall.strongest || peaks[i] > shortfall.strongestPeak)) {
            shortfall.strongest = static_cast<std::uint32_t>(i);
            shortfall.strongestPeak = peaks[i];
        }
    }
    shortfall.needsTwoStages = shortfall.strongest && !(shortfall.strongestPeak > 0.0);
}

}  // namespace

AskedSides AskedSidesOf(const AdviceRequest& request, double thot) {
    if (request.sink) {
        return {request.sink->cold, request.sink->ambient};
    }
    return {thot - request.criteria.requiredDT, thot};
}

double PeakHeat(const TemRecord& record, AskedSides sides) {
    return CarryHeat(CoefficientsAt(record, sides.cold, sides.hot), 0.0).peak;
}

AdviceRequest UnlimitedSupply(const AdviceRequest& request) {
    AdviceRequest unlimited = request;
    unlimited.criteria.supplyVoltage = 0.0;
    unlimited.criteria.supplyCurrent = 0.0;
    unlimited.modules = 1;
    return unlimited;
}

Shortfall FindShortfall(const TemBase& base, double thot, const AdviceRequest& request) {
    Shortfall shortfall;
    if (!(request.criteria.requiredQ > 0.0)) {
        return shortfall;
    }
    shortfall.closest = Closest(base, thot, request);
    shortfall.fewest = Fewest(base, thot, request);
    FindStrongest(base, thot, request, shortfall);
    return shortfall;
}

}  // namespace vantiq
