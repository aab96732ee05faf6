#include "core/fit/grid_aim.h"

#include <array>
#include <cmath>

#include "core/fit/continuous_rating.h"
#include "core/fit/fit_constants.h"
#include "core/fit/landed_rating.h"
#include "core/model/balance_grid.h"
#include "core/model/balance_scan.h"
#include "core/model/performance_model.h"

namespace vantiq {
namespace {

std::optional<Vec3> Conditions(const TemRecord& g, double th, const Vec3& p, const GridAim& aim) {
    const TemRecord record = WithConstants(g, p);
    const auto smooth = ContinuousRatedValues(record, th, -kBalanceBand);
    if (!smooth)
        return std::nullopt;
    std::array<double, 4> conditions{(th + smooth->dtMax - (aim.cellTc - aim.gap)) / kScanStep};
    std::size_t count = 1;
    if (aim.currentStep > 0) {
        const double lowest = LowestBalancingCurrent(record, th, aim.cellTc);
        conditions[count++] = (lowest - (aim.imax - aim.currentStep / 2)) / aim.currentStep;
    }
    if (aim.voltage > 0)
        conditions[count++] =
            std::log(ModuleVoltage(record, aim.imax, aim.cellTc, th) / aim.voltage);
    if (aim.heat > 0)
        conditions[count++] = std::log(ColdSideHeat(record, aim.imax, th, th) / aim.heat);
    if (count < 3)
        return std::nullopt;
    const Vec3 first{conditions[0], conditions[1], conditions[2]};
    for (double c : first)
        if (!std::isfinite(c))
            return std::nullopt;
    return first;
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
