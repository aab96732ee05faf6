#include "core/stack/stage_grid.h"

#include <cmath>
#include <limits>

namespace vantiq {
namespace {

constexpr double kNoPower = std::numeric_limits<double>::infinity();

}  // namespace

double BetweenAt(const StackDuty& duty, int k) {
    return duty.tc + (duty.th - duty.tc) * (k + 1) / (kBetweenPoints + 1);
}

TopGrid MakeTopGrid(const TemRecord& top, std::int32_t modules, const StackDuty& duty) {
    TopGrid grid;
    grid.modules = modules;
    for (int k = 0; k < kBetweenPoints; ++k) {
        const ModuleLoad load =
            CarryHeat(CoefficientsAt(top, duty.tc, BetweenAt(duty, k)), duty.heat / modules);
        const double power = load.pumps ? modules * load.voltage * load.current : kNoPower;
        grid.loads.push_back(load);
        grid.power.push_back(power);
        grid.rejected.push_back(duty.heat + power);
    }
    return grid;
}

BottomGrid MakeBottomGrid(const TemRecord& bottom, const StackDuty& duty) {
    BottomGrid grid;
    for (int k = 0; k < kBetweenPoints; ++k) {
        const OperatingCoefficients c = CoefficientsAt(bottom, BetweenAt(duty, k), duty.th);
        const ModuleLoad load = CarryHeat(c, 0.0);
        grid.coefficients.push_back(c);
        grid.peak.push_back(load.peak > 0.0 ? load.peak : 0.0);
        grid.bestCop.push_back(BestCop(c));
    }
    return grid;
}

double BestCop(const OperatingCoefficients& k) {
    if (!(k.conduction < 0.0)) {
        return kNoPower;
    }
    const double a = k.joule * k.seebeckVoltage + k.peltier * k.resistance;
    const double b = 2 * k.conduction * k.resistance;
    const double c = k.conduction * k.seebeckVoltage;
    const double current = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
    const double heat = k.peltier * current - k.joule * current * current + k.conduction;
    const double power = (k.seebeckVoltage + current * k.resistance) * current;
    const double cop = heat / power;
    return cop > 0.0 && std::isfinite(cop) ? cop : 0.0;
}

}  // namespace vantiq
