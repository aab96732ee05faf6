#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "core/base/tem_record.h"

namespace vantiq {

// One sampled curve: parallel x and y values in sampling order.
struct Curve {
    std::vector<double> x;
    std::vector<double> y;

    std::size_t size() const { return x.size(); }
    bool empty() const { return x.empty(); }
};

// The current factors of a curve family, in the order the curves are built.
inline constexpr std::array<double, 5> kCurveFactors = {0.2, 0.4, 0.6, 0.8, 1.0};
inline constexpr std::size_t kImaxCurve = 4;

// A curve of a family, sampled at current = factor × imax.
struct TypedCurve {
    double factor = 0.0;
    double current = 0.0;
    Curve points;
};

// Five curves against the signed temperature difference x = Tc − Th, one per
// current 0.2 … 1.0 × imax. Consumers take a curve by its place, so a genuine
// point at x = −1 … −5 K is never mistaken for the start of another curve.
struct CurveFamily {
    std::array<TypedCurve, 5> curves;

    const TypedCurve& AtImax() const { return curves[kImaxCurve]; }

    // Axis extents as the graphs have always drawn them: every curve is
    // opened by a point (−k, 0), k = 1…5, that takes part in the extents, so
    // the smallest x is at most −5 and the largest y at least 0.
    double MinX() const;
    double MaxY() const;
};

// Graph 1: the zero-load temperature difference (y, K, ≤ 0) against current
// (x, A) for currents 0 … below 2.5 × imax in nI steps, each balanced by a
// scan of Tc from 223 K in nT steps up to below 373 K; a current that finds
// none but still pumps heat at 223 K is scanned again from 100 K by the same
// step up to below 223 K. Currents without a balance point contribute nothing.
Curve BuildDeltaTCurve(const TemRecord& record, double th, unsigned currentSteps,
                       unsigned temperatureSteps);

// Graphs 2 to 4: Qc (where ≥ 0), U (from the module's dtMax) and COP (where
// Qc > 0) against x, with Tc from its start up to Th in steps of (Th − 80)/n.
// Heat and COP start at Th − 80 K; for a module whose dtMax is below −80 K
// each curve first takes the temperatures (Th − 80) − step, − 2·step, … down
// to Th + dtMax, in ascending order.
CurveFamily BuildHeatCurves(const TemRecord& record, double th, unsigned steps);
CurveFamily BuildVoltageCurves(const TemRecord& record, double th, unsigned steps);
CurveFamily BuildCopCurves(const TemRecord& record, double th, unsigned steps);

// The I = imax curve (the last) of BuildHeatCurves or BuildVoltageCurves with
// only its points at x in [xLow, xHigh]: the very same doubles in the same
// order, while the heat or voltage of the other samples is never computed.
// For tests that read a few points of that one curve.
Curve BuildImaxHeatCurve(const TemRecord& record, double th, unsigned steps, double xLow,
                         double xHigh);
Curve BuildImaxVoltageCurve(const TemRecord& record, double th, unsigned steps, double xLow,
                            double xHigh);

}  // namespace vantiq
