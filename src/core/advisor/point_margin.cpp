#include "core/advisor/point_margin.h"

#include <algorithm>

#include "core/model/performance_model.h"

namespace vantiq {

PointMargin MarginOf(const TemRecord& record, const OperatingPoint& point, double heat,
                     const SearchCriteria& supply) {
    const double n = point.modules;
    const bool series = point.wiring == Wiring::Series;
    const OperatingCoefficients k = CoefficientsAt(record, point.thot - point.dt, point.thot);
    double current = record.rated.imax;
    if (IsSet(supply.supplyCurrent)) {
        current = std::min(current, series ? supply.supplyCurrent : supply.supplyCurrent / n);
    }
    if (IsSet(supply.supplyVoltage)) {
        const double volts = series ? supply.supplyVoltage / n : supply.supplyVoltage;
        current = std::min(current, (volts - k.seebeckVoltage) / k.resistance);
    }
    current = std::clamp(current, 0.0, k.peltier / (2 * k.joule));
    const double most = n * (k.peltier * current - k.joule * current * current + k.conduction);
    return {most - heat, 100.0 * (most - heat) / heat};
}

}  // namespace vantiq
