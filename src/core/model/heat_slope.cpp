#include "core/model/heat_slope.h"

#include <algorithm>
#include <cmath>

#include "core/model/performance_model.h"

namespace vantiq {
namespace {

// Relative margins far above the few dozen units of rounding that the model's
// and these bounds' own arithmetic can lose.
constexpr double kSlopeMargin = 1e-9;
constexpr double kHeatMargin = 1e-12;
// Covers anything that rounds near the bottom of the double range.
constexpr double kHeatFloor = 1e-200;
constexpr double kSmallest = 1e-20;
constexpr double kLargest = 1e20;
constexpr double kLeastFactor = 0.25;

bool Sane(double v) {
    return std::isfinite(v) && v >= kSmallest && v <= kLargest;
}

bool SaneOrZero(double v) {
    return v == 0.0 || Sane(std::fabs(v));
}

// The smallest of the model's temperature factors 1 − 0.002x, 1 − 0.003x,
// 1 − 0.0009x, 1 + 0.00105x and 1 + 0.00075x at one difference x.
double LeastFactor(double x) {
    return std::min(
        {1 - 0.002 * x, 1 - 0.003 * x, 1 - 0.0009 * x, 1 + 0.00105 * x, 1 + 0.00075 * x});
}

// d/dx of 1/(1 − 0.002x) + 1/(1 − 0.003x): positive and rising while both
// factors are positive.
double ResistanceSlope(double x) {
    const double f1 = 1 - 0.002 * x;
    const double f2 = 1 - 0.003 * x;
    return 0.002 / (f1 * f1) + 0.003 / (f2 * f2);
}

}  // namespace

bool HeatSlope::Applies(const TemRecord& r, double th, double tFirst, double tLast) {
    if (!std::isfinite(th) || r.file.pelletCount == 0 || !Sane(r.file.pelletLength) ||
        !Sane(r.file.pelletSide) || !Sane(r.file.electricalConductivity) ||
        !Sane(r.file.thermalConductivity) || !SaneOrZero(r.file.seebeckCoefficient)) {
        return false;
    }
    // The factors are linear in x, so the ends of the range decide.
    return LeastFactor(tFirst - th) >= kLeastFactor && LeastFactor(tLast - th) >= kLeastFactor;
}

HeatSlope::HeatSlope(const TemRecord& r, double th, double current, double tFirst, double tLast)
    : th_(th) {
    const double n = static_cast<double>(r.file.pelletCount);
    const double area = r.file.pelletSide * r.file.pelletSide;
    const double i2 = current * current;
    peltier_ = n * current * r.file.seebeckCoefficient;
    conduction_ = 2 * r.file.thermalConductivity * n * area / r.file.pelletLength;
    joule_ = 0.5 * i2 * n * (r.file.pelletLength / area) / r.file.electricalConductivity;

    const double xMax = std::max(std::fabs(tFirst - th), std::fabs(tLast - th)) + 1;
    const double tMax = std::max(std::fabs(tFirst), std::fabs(tLast)) + 1;
    const double factor = kLeastFactor;
    margin_ =
        kSlopeMargin * (std::fabs(peltier_) * (2 + 0.0018 * (2 * tMax + std::fabs(th))) +
                        conduction_ * (1 + 0.0018 * xMax) + joule_ * (0.005 / (factor * factor)));
    const double heat = std::fabs(peltier_) * tMax * (2 + 0.0018 * xMax) +
                        conduction_ * (1 + 0.0009 * xMax) * xMax + joule_ * (2 / factor) +
                        0.5 * i2 * 4 * n * kContactResistivity / area;
    error_ = kHeatMargin * heat + kHeatFloor;
}

double HeatSlope::Linear(double t) const {
    return peltier_ * (2 + 0.0018 * (2 * t - th_)) + conduction_ * (1 - 0.0018 * (t - th_));
}

double HeatSlope::Joule(double t) const {
    return -joule_ * ResistanceSlope(t - th_);
}

HeatSlope::Range HeatSlope::Over(double a, double b) const {
    // The Peltier and conduction slopes are linear in Tc and the Joule slope
    // falls with Tc, so the ends of the range bound them all.
    const double la = Linear(a);
    const double lb = Linear(b);
    return {std::min(la, lb) + Joule(b) - margin_, std::max(la, lb) + Joule(a) + margin_};
}

}  // namespace vantiq
