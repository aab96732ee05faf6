#include "core/fit/grid_aim.h"

#include <cmath>

#include "core/fit/continuous_rating.h"
#include "core/model/balance_grid.h"
#include "core/model/balance_scan.h"
#include "core/model/performance_model.h"

namespace vantiq {
namespace {

TemRecord WithConstants(TemRecord record, const Vec3& p) {
    record.file.seebeckCoefficient = std::exp(p[0]);
    record.file.electricalConductivity = std::exp(p[1]);
    record.file.thermalConductivity = std::exp(p[2]);
    return record;
}

// The lower root of Qc(I) = peltier·I − joule·I² + conduction = −band in
// the aimed cell, where the derivation's balance band begins; the top of the parabola where the
// cell is out of reach, so that the conditions stay continuous while Newton passes there.
double LowestBalancingCurrent(const TemRecord& record, double th, double tc) {
    const OperatingCoefficients c = CoefficientsAt(record, tc, th);
    const double d = c.peltier * c.peltier + 4 * c.joule * (c.conduction + kBalanceBand);
    return (c.peltier - std::sqrt(std::max(d, 0.0))) / (2 * c.joule);
}

std::optional<Vec3> Conditions(const TemRecord& g, double th, const Vec3& p, const GridAim& aim) {
    const TemRecord record = WithConstants(g, p);
    const auto smooth = ContinuousRatedValues(record, th, -kBalanceBand);
    if (!smooth)
        return std::nullopt;
    const double coldest = th + smooth->dtMax;
    const double lowest = LowestBalancingCurrent(record, th, aim.cellTc);
    const double third =
        aim.voltage > 0 ? std::log(ModuleVoltage(record, aim.imax, aim.cellTc, th) / aim.voltage)
                        : std::log(ColdSideHeat(record, aim.imax, th, th) / aim.heat);
    const Vec3 conditions{(coldest - (aim.cellTc - kScanStep / 2)) / kScanStep,
                          (lowest - (aim.imax - aim.currentStep / 2)) / aim.currentStep, third};
    for (double c : conditions)
        if (!std::isfinite(c))
            return std::nullopt;
    return conditions;
}

}  // namespace

double NearestCell(double tc) {
    return kScanStart + std::round((tc - kScanStart) / kScanStep) * kScanStep;
}

std::optional<Vec3> AimAtGrid(const TemRecord& g, double th, Vec3 p, const GridAim& aim) {
    constexpr double h = 1e-6;
    for (int iteration = 0; iteration < 20; ++iteration) {
        const auto now = Conditions(g, th, p, aim);
        if (!now)
            return std::nullopt;
        if (LargestOf(*now) < 1e-6)
            return p;
        Mat3 slopes{};
        for (int k = 0; k < 3; ++k) {
            Vec3 q = p;
            q[k] += h;
            const auto moved = Conditions(g, th, q, aim);
            if (!moved)
                return std::nullopt;
            for (int i = 0; i < 3; ++i)
                slopes[i][k] = ((*moved)[i] - (*now)[i]) / h;
        }
        const auto step = Solve3(slopes, {-(*now)[0], -(*now)[1], -(*now)[2]});
        if (!step)
            return std::nullopt;
        for (int k = 0; k < 3; ++k)
            p[k] += (*step)[k];
    }
    return std::nullopt;
}

}  // namespace vantiq
