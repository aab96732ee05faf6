#include "core/advisor/pull_down.h"

#include <algorithm>
#include <limits>

#include "core/model/performance_model.h"
#include "core/model/pull_down_time.h"
#include "core/parallel/parallel_for.h"

namespace vantiq {
namespace {

// The most current per module whose voltage at the set's every checked cold
// side stays within `volts` per module; the voltage is linear in the current
// at each of them.
double VoltageBound(const TemRecord& record, const OperatingPoint& point, double volts) {
    double bound = std::numeric_limits<double>::infinity();
    for (int k = 0; k < kVoltageChecks; ++k) {
        const double tc = point.thot - point.dt * k / (kVoltageChecks - 1);
        const OperatingCoefficients c = CoefficientsAt(record, tc, point.thot);
        bound = std::min(bound, (volts - c.seebeckVoltage) / c.resistance);
    }
    return bound;
}

}  // namespace

double PullDownCurrent(const TemRecord& record, const OperatingPoint& point,
                       const SearchCriteria& supply) {
    const double n = point.modules;
    const bool series = point.wiring == Wiring::Series;
    double current = record.rated.imax;
    if (IsSet(supply.supplyCurrent)) {
        current = std::min(current, series ? supply.supplyCurrent : supply.supplyCurrent / n);
    }
    if (IsSet(supply.supplyVoltage)) {
        current = std::min(
            current,
            VoltageBound(record, point, series ? supply.supplyVoltage / n : supply.supplyVoltage));
    }
    return std::max(current, 0.0);
}

PullDown PointPullDown(const TemRecord& record, const OperatingPoint& point, double heat,
                       const SearchCriteria& supply, double mass) {
    const double n = point.modules;
    const auto seconds = [&](double current) {
        const auto net = [&](double tc) {
            return n * ColdSideHeat(record, current, tc, point.thot) - heat;
        };
        return PullDownSeconds(net, point.thot - point.dt, point.thot, mass);
    };
    return FastestCurrent(seconds, PullDownCurrent(record, point, supply), point.current);
}

std::vector<PullDown> PointPullDowns(const TemBase& base, const AdviceRequest& request,
                                     const std::vector<OperatingPoint>& points) {
    std::vector<PullDown> pullDowns(points.size());
    ParallelFor(points.size(), [&](std::size_t i) {
        pullDowns[i] =
            PointPullDown(base.records[points[i].index], points[i], request.criteria.requiredQ,
                          request.criteria, request.coldMass.value_or(0.0));
    });
    return pullDowns;
}

}  // namespace vantiq
