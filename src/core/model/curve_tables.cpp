#include "model/curve_tables.h"

#include <algorithm>

#include "model/balance_scan.h"
#include "model/performance_model.h"
#include "model/sweep.h"

namespace vantiq {
namespace {

constexpr double kDeltaTCurveCurrentRange = 2.5;  // × imax
constexpr double kDeltaTCurveStart = 223.0;
constexpr double kDeltaTCurveEnd = 373.0;
constexpr double kFamilySpan = 80.0;  // K below Th where heat and COP curves start

// The marker points that open each curve in the traditional table layout.
constexpr double kMarkerMinX = -5.0;
constexpr double kMarkerY = 0.0;

// Runs one pass per current of the family: Tc from `start` (by repeated
// addition of the step) while Tc ≤ Th; `point` returns whether to keep the
// sample and fills its y value.
template <typename Point>
CurveFamily BuildFamily(const TemRecord& record, double th, unsigned steps, double start,
                        Point point) {
    const double step = (th - kFamilySpan) / steps;
    CurveFamily family;
    std::array<double, 5> currents{};
    for (std::size_t k = 0; k < currents.size(); ++k) {
        currents[k] = kCurveFactors[k] * record.imax;
    }
    for (std::size_t k = 0; k < currents.size(); ++k) {
        TypedCurve& curve = family.curves[k];
        curve.factor = kCurveFactors[k];
        curve.current = currents[k];
        Sweep(
            start, step, [th](double tc) { return tc <= th; },
            [&](double tc) {
                double y = 0.0;
                if (point(currents[k], tc, y)) {
                    curve.points.x.push_back(tc - th);
                    curve.points.y.push_back(y);
                }
                return false;
            });
    }
    return family;
}

}  // namespace

std::size_t CurveFamily::PointCount() const {
    std::size_t total = 0;
    for (const auto& curve : curves) {
        total += curve.points.size();
    }
    return total;
}

double CurveFamily::MinX() const {
    double low = kMarkerMinX;
    for (const auto& curve : curves) {
        for (double x : curve.points.x) {
            low = x < low ? x : low;
        }
    }
    return low;
}

double CurveFamily::MaxY() const {
    double high = kMarkerY;
    for (const auto& curve : curves) {
        for (double y : curve.points.y) {
            high = y > high ? y : high;
        }
    }
    return high;
}

Curve BuildDeltaTCurve(const TemRecord& record, double th, unsigned currentSteps,
                       unsigned temperatureSteps) {
    Curve curve;
    const double range = kDeltaTCurveCurrentRange * record.imax;
    if (!(range > 0)) {
        return curve;
    }
    const double currentStep = range / currentSteps;
    const double temperatureStep = (kDeltaTCurveEnd - kDeltaTCurveStart) / temperatureSteps;
    Sweep(
        0.0, currentStep, [range](double i) { return i < range; },
        [&](double current) {
            const auto tc = BalanceScan(record, current, th, kDeltaTCurveStart, temperatureStep,
                                        [](double t) { return t < kDeltaTCurveEnd; });
            if (tc) {
                curve.x.push_back(current);
                curve.y.push_back(*tc - th);
            }
            return false;
        });
    return curve;
}

CurveFamily BuildHeatCurves(const TemRecord& record, double th, unsigned steps) {
    return BuildFamily(record, th, steps, th - kFamilySpan,
                       [&](double current, double tc, double& y) {
                           y = ColdSideHeat(record, current, tc, th);
                           return y >= 0;
                       });
}

CurveFamily BuildVoltageCurves(const TemRecord& record, double th, unsigned steps) {
    return BuildFamily(record, th, steps, th + record.dtMax,
                       [&](double current, double tc, double& y) {
                           y = ModuleVoltage(record, current, tc, th);
                           return true;
                       });
}

CurveFamily BuildCopCurves(const TemRecord& record, double th, unsigned steps) {
    return BuildFamily(record, th, steps, th - kFamilySpan,
                       [&](double current, double tc, double& y) {
                           const double heat = ColdSideHeat(record, current, tc, th);
                           if (!(heat > 0)) {
                               return false;
                           }
                           y = heat / (ModuleVoltage(record, current, tc, th) * current);
                           return true;
                       });
}

}  // namespace vantiq
