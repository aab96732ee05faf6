#include "core/model/curve_tables.h"

#include <algorithm>
#include <cmath>

#include "core/model/balance_scan.h"
#include "core/model/performance_model.h"
#include "core/model/sweep.h"
#include "core/model/sweep_within.h"

namespace vantiq {
namespace {

constexpr double kDeltaTCurveCurrentRange = 2.5;  // × imax
constexpr double kDeltaTCurveStart = 223.0;
constexpr double kDeltaTCurveEnd = 373.0;
constexpr double kFamilySpan = 80.0;  // K below Th where heat and COP curves start

// The marker points that open each curve in the traditional table layout.
constexpr double kMarkerMinX = -5.0;
constexpr double kMarkerY = 0.0;

// The sample step of every family curve.
double FamilyStep(double th, unsigned steps) {
    return (th - kFamilySpan) / steps;
}

// The heat and COP curves start at Th − 80 K, which cuts short a module
// that reaches further. For such a module (dtMax below −80 K) these are the
// temperatures that continue them down to Th + dtMax: (Th − 80) − step,
// (Th − 80) − 2·step, … by repeated subtraction, returned in ascending order.
std::vector<double> ColdContinuation(const TemRecord& record, double th, double step) {
    std::vector<double> temperatures;
    if (!(record.rated.dtMax < -kFamilySpan)) {
        return temperatures;
    }
    const double coldest = th + record.rated.dtMax;
    for (double tc = (th - kFamilySpan) - step; tc >= coldest;) {
        temperatures.push_back(tc);
        const double next = tc - step;
        if (!(next < tc)) {
            break;
        }
        tc = next;
    }
    std::reverse(temperatures.begin(), temperatures.end());
    return temperatures;
}

// Keeps the sample at `tc` when `point` takes it.
template <typename Point>
void Sample(Curve& curve, double th, double tc, double current, Point& point) {
    double y = 0.0;
    if (point(current, tc, y)) {
        curve.x.push_back(tc - th);
        curve.y.push_back(y);
    }
}

// One curve of a family at `current`: the temperatures of `before` first,
// then Tc from `start` (by repeated addition of `step`) while Tc ≤ Th;
// `point` returns whether to keep a sample and fills its y value.
template <typename Point>
Curve BuildCurve(double th, const std::vector<double>& before, double start, double step,
                 double current, Point point) {
    Curve curve;
    for (double tc : before) {
        Sample(curve, th, tc, current, point);
    }
    Sweep(
        start, step, [th](double tc) { return tc <= th; },
        [&](double tc) {
            Sample(curve, th, tc, current, point);
            return false;
        });
    return curve;
}

// Where a family's curves start: at Th − 80 K, continued colder for a module
// that reaches further (heat and COP), or at the module's dtMax (voltage).
enum class FamilyStart { kSpan, kDtMax };

double StartOf(FamilyStart start, const TemRecord& record, double th) {
    return start == FamilyStart::kSpan ? th - kFamilySpan : th + record.rated.dtMax;
}

std::vector<double> ContinuationOf(FamilyStart start, const TemRecord& record, double th,
                                   double step) {
    return start == FamilyStart::kSpan ? ColdContinuation(record, th, step) : std::vector<double>{};
}

// Runs one pass per current of the family.
template <typename Point>
CurveFamily BuildFamily(const TemRecord& record, double th, unsigned steps, FamilyStart from,
                        Point point) {
    const double step = FamilyStep(th, steps);
    const double start = StartOf(from, record, th);
    const std::vector<double> before = ContinuationOf(from, record, th, step);
    CurveFamily family;
    for (std::size_t k = 0; k < kCurveFactors.size(); ++k) {
        TypedCurve& curve = family.curves[k];
        curve.factor = kCurveFactors[k];
        curve.current = kCurveFactors[k] * record.rated.imax;
        curve.points = BuildCurve(th, before, start, step, curve.current, point);
    }
    return family;
}

// The I = imax curve of a family, with only the samples at x in [xLow, xHigh].
// The sweep visits the temperatures a little beyond the range, so that the
// test on x itself decides every sample near its ends.
template <typename Point>
Curve BuildImaxCurve(const TemRecord& record, double th, unsigned steps, FamilyStart from,
                     double xLow, double xHigh, Point point) {
    const double current = kCurveFactors[kImaxCurve] * record.rated.imax;
    const double step = FamilyStep(th, steps);
    const double margin = 1e-9 * (1 + std::fabs(th) + std::fabs(xLow) + std::fabs(xHigh));
    Curve curve;
    auto within = [&](double tc) {
        const double x = tc - th;
        if (xLow <= x && x <= xHigh) {
            Sample(curve, th, tc, current, point);
        }
    };
    for (double tc : ContinuationOf(from, record, th, step)) {
        within(tc);
    }
    SweepWithin(StartOf(from, record, th), step, th, th + xLow - margin, th + xHigh + margin,
                within);
    return curve;
}

// The samples of the three families.
auto HeatPoint(const TemRecord& record, double th) {
    return [&record, th](double current, double tc, double& y) {
        y = ColdSideHeat(record, current, tc, th);
        return y >= 0;
    };
}

auto VoltagePoint(const TemRecord& record, double th) {
    return [&record, th](double current, double tc, double& y) {
        y = ModuleVoltage(record, current, tc, th);
        return true;
    };
}

}  // namespace

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
    const double range = kDeltaTCurveCurrentRange * record.rated.imax;
    if (!(range > 0)) {
        return curve;
    }
    const double currentStep = range / currentSteps;
    const double temperatureStep = (kDeltaTCurveEnd - kDeltaTCurveStart) / temperatureSteps;
    Sweep(
        0.0, currentStep, [range](double i) { return i < range; },
        [&](double current) {
            const auto tc =
                BalanceScanWithLowStart(record, current, th, kDeltaTCurveStart, temperatureStep,
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
    return BuildFamily(record, th, steps, FamilyStart::kSpan, HeatPoint(record, th));
}

CurveFamily BuildVoltageCurves(const TemRecord& record, double th, unsigned steps) {
    return BuildFamily(record, th, steps, FamilyStart::kDtMax, VoltagePoint(record, th));
}

Curve BuildImaxHeatCurve(const TemRecord& record, double th, unsigned steps, double xLow,
                         double xHigh) {
    return BuildImaxCurve(record, th, steps, FamilyStart::kSpan, xLow, xHigh,
                          HeatPoint(record, th));
}

Curve BuildImaxVoltageCurve(const TemRecord& record, double th, unsigned steps, double xLow,
                            double xHigh) {
    return BuildImaxCurve(record, th, steps, FamilyStart::kDtMax, xLow, xHigh,
                          VoltagePoint(record, th));
}

CurveFamily BuildCopCurves(const TemRecord& record, double th, unsigned steps) {
    return BuildFamily(record, th, steps, FamilyStart::kSpan,
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
