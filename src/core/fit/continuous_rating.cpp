#include "core/fit/continuous_rating.h"

#include <cmath>

#include "core/model/performance_model.h"

namespace vantiq {
namespace {

constexpr double kColdestTc = 100.0;  // K, where the derivation's scans end

// The most heat any current pumps at difference x: the top of the quadratic
// Qc(I) = peltier·I − joule·I² + conduction. It grows with x, so its root is
// the coldest balance.
double BestHeat(const TemRecord& record, double x, double th, double floor) {
    const OperatingCoefficients c = CoefficientsAt(record, th + x, th);
    return c.peltier * c.peltier / (4 * c.joule) + c.conduction - floor;
}

// The root of BestHeat on [low, 0] by the Illinois variant of false position,
// which keeps the bracket and converges about as fast as the secant.
std::optional<double> ColdestDifference(const TemRecord& record, double th, double floor) {
    double a = kColdestTc - th, b = 0.0;
    double fa = BestHeat(record, a, th, floor), fb = BestHeat(record, b, th, floor);
    if (!(fa < 0 && fb > 0))
        return std::nullopt;
    int side = 0;
    double c = a;
    for (int i = 0; i < 200; ++i) {
        const double next = b - fb * (b - a) / (fb - fa);
        const bool settled = std::fabs(next - c) < 1e-12;
        c = next;
        const double fc = BestHeat(record, c, th, floor);
        if (!std::isfinite(fc))
            return std::nullopt;
        if (settled || fc == 0)
            break;
        if (fc < 0) {
            a = c, fa = fc;
            fb = side == -1 ? fb / 2 : fb;
            side = -1;
        } else {
            b = c, fb = fc;
            fa = side == 1 ? fa / 2 : fa;
            side = 1;
        }
    }
    return c;
}

}  // namespace

std::optional<RatedValues> ContinuousRatedValues(const TemRecord& record, double th,
                                                 double heatFloor) {
    const auto x = ColdestDifference(record, th, heatFloor);
    if (!x)
        return std::nullopt;
    const OperatingCoefficients c = CoefficientsAt(record, th + *x, th);
    RatedValues v;
    v.dtMax = *x;
    v.imax = c.peltier / (2 * c.joule);
    v.umax = ModuleVoltage(record, v.imax, th + *x, th);
    v.qmax = ColdSideHeat(record, v.imax, th, th);
    v.acResistance = AcResistance(record);
    return v;
}

}  // namespace vantiq
