#include "core/advisor/operating_point.h"

#include <cmath>

namespace vantiq {

ModuleLoad CarryHeat(const OperatingCoefficients& k, double heat) {
    ModuleLoad load;
    if (!(k.peltier > 0.0 && k.joule > 0.0 && std::isfinite(k.conduction))) {
        return load;
    }
    load.peak = k.conduction + k.peltier * k.peltier / (4 * k.joule);
    const double excess = heat - k.conduction;
    const double discriminant = k.peltier * k.peltier - 4 * k.joule * excess;
    if (!(discriminant >= 0.0)) {
        return load;
    }
    const double current = 2 * excess / (k.peltier + std::sqrt(discriminant));
    if (!(current >= 0.0) || !std::isfinite(current)) {
        return load;
    }
    load.pumps = true;
    load.current = current;
    load.voltage = k.seebeckVoltage + current * k.resistance;
    return load;
}

double OperatingPoint::SupplyVoltage() const {
    return wiring == Wiring::Series ? modules * voltage : voltage;
}

double OperatingPoint::SupplyCurrent() const {
    return wiring == Wiring::Parallel ? modules * current : current;
}

std::optional<OperatingPoint> SetPointAt(const TemRecord& record, double heat, std::int32_t modules,
                                         Wiring wiring, double tc, double th) {
    const double n = modules;
    const ModuleLoad load = CarryHeat(CoefficientsAt(record, tc, th), heat / n);
    if (!load.pumps) {
        return std::nullopt;
    }
    OperatingPoint p;
    p.modules = modules;
    p.wiring = wiring;
    p.current = load.current;
    p.voltage = load.voltage;
    p.power = n * load.voltage * load.current;
    p.cop = heat / p.power;
    p.heatRejected = heat + p.power;
    p.thot = th;
    p.dt = th - tc;
    p.peak = load.peak;
    p.margin = n * load.peak / heat;
    return p;
}

}  // namespace vantiq
