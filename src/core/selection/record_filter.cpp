#include "core/selection/record_filter.h"

#include <cmath>
#include <limits>
#include <utility>

#include "core/model/curve_tables.h"
#include "core/model/rounding.h"

namespace vantiq {
namespace {

constexpr double kDtStep = 1.0;     // K
constexpr double kValueStep = 0.1;  // W, V and A
constexpr double kPercent = 100.0;

// Whether the curve point at `x` lies at the required temperature difference
// (both rounded to whole kelvin).
bool AtRequiredDt(double x, double requiredDT) {
    return RoundToStep(std::fabs(x), kDtStep) == RoundToStep(requiredDT, kDtStep);
}

// Whether some point of `curve` lies at the required temperature difference
// with a value that `accept` takes (after rounding to a tenth).
template <typename Accept>
bool AnyPointAtDt(const Curve& curve, double requiredDT, Accept accept) {
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (AtRequiredDt(curve.x[i], requiredDT) && accept(RoundToStep(curve.y[i], kValueStep))) {
            return true;
        }
    }
    return false;
}

// The x of every point that AtRequiredDt can accept lies in this range: the
// rounding boundaries at ±0.5 K, widened past the rounding of RoundToStep.
std::pair<double, double> XRangeAtDt(double requiredDT) {
    const double dt = RoundToStep(requiredDT, kDtStep);
    if (!std::isfinite(dt)) {
        const double inf = std::numeric_limits<double>::infinity();
        return {-inf, inf};
    }
    const double margin = 1e-6 * (1 + std::fabs(dt));
    return {-(dt + 0.5) - margin, -(dt - 0.5) + margin};
}

using FamilyBuilder = CurveFamily (*)(const TemRecord&, double, unsigned);
using ImaxCurveBuilder = Curve (*)(const TemRecord&, double, unsigned, double, double);

// The I = imax curve the curve test reads, taken from the whole family or
// built alone near the required difference.
Curve CurveAtImax(const TemRecord& r, double thot, const SearchCriteria& c, CurveReading reading,
                  FamilyBuilder family, ImaxCurveBuilder imaxOnly) {
    if (reading == CurveReading::kWholeFamilies) {
        return family(r, thot, kSearchCurveSteps).AtImax().points;
    }
    const auto [low, high] = XRangeAtDt(c.requiredDT);
    return imaxOnly(r, thot, kSearchCurveSteps, low, high);
}

bool HeatTest(const TemRecord& r, double thot, const SearchCriteria& c, CurveReading reading) {
    const double q = RoundToStep(c.requiredQ, kValueStep);
    const Curve curve = CurveAtImax(r, thot, c, reading, BuildHeatCurves, BuildImaxHeatCurve);
    return AnyPointAtDt(curve, c.requiredDT, [q](double y) { return y >= q; });
}

bool VoltageTest(const TemRecord& r, double thot, const SearchCriteria& c, CurveReading reading) {
    if (!(RoundToStep(r.rated.imax, kValueStep) <= RoundToStep(c.supplyCurrent, kValueStep))) {
        return false;
    }
    const double u = RoundToStep(c.supplyVoltage, kValueStep);
    const Curve curve = CurveAtImax(r, thot, c, reading, BuildVoltageCurves, BuildImaxVoltageCurve);
    return AnyPointAtDt(curve, c.requiredDT, [u](double y) { return y <= u; });
}

// The band is laid around the module's resistance, not the required one.
bool ResistanceTest(const TemRecord& r, const SearchCriteria& c) {
    const double t = c.tolerancePercent;
    const double low = (kPercent - t) * r.rated.acResistance / kPercent;
    const double high = (kPercent + t) * r.rated.acResistance / kPercent;
    return low <= c.requiredResistance && c.requiredResistance <= high;
}

bool CurveTest(const TemRecord& r, double thot, const SearchCriteria& c, CurveReading reading) {
    // The voltage table is the dearer half, so it is built only after a heat
    // point has passed.
    if (!HeatTest(r, thot, c, reading)) {
        return false;
    }
    if (c.electricalMode == ElectricalMode::Supply) {
        return VoltageTest(r, thot, c, reading);
    }
    return ResistanceTest(r, c);
}

bool RatedValuesPass(const TemRecord& r, const SearchCriteria& c) {
    if (IsSet(c.requiredQ) && r.rated.qmax < c.requiredQ) {
        return false;
    }
    if (IsSet(c.requiredDT) && !IsSet(c.requiredQ) && std::fabs(r.rated.dtMax) < c.requiredDT) {
        return false;
    }
    return !(IsSet(c.supplyVoltage) && IsSet(c.supplyCurrent) && r.rated.umax < c.supplyVoltage);
}

}  // namespace

bool MeetsDimensions(const TemRecord& r, const SearchCriteria& c) {
    return !(IsSet(c.maxWidth) && r.file.width > c.maxWidth) &&
           !(IsSet(c.maxLength) && r.file.length > c.maxLength) &&
           !(IsSet(c.maxHeight) && r.file.height > c.maxHeight);
}

bool MeetsName(const TemRecord& r, const SearchCriteria& c) {
    return c.nameFilter.empty() || r.Name().find(c.nameFilter) != std::string_view::npos;
}

bool CurveTestApplies(const SearchCriteria& c) {
    const bool performance = IsSet(c.requiredDT) && IsSet(c.requiredQ);
    if (c.electricalMode == ElectricalMode::Supply) {
        return performance && IsSet(c.supplyVoltage) && IsSet(c.supplyCurrent);
    }
    return performance && IsSet(c.requiredResistance);
}

bool HeatTestAloneApplies(const SearchCriteria& c) {
    return IsSet(c.requiredQ) && IsSet(c.requiredDT) && !CurveTestApplies(c);
}

bool RecordMatches(const TemRecord& record, double thot, const SearchCriteria& criteria,
                   CurveReading reading) {
    if (!record.rated.derivable || !RatedValuesPass(record, criteria)) {
        return false;
    }
    if (CurveTestApplies(criteria) && !CurveTest(record, thot, criteria, reading)) {
        return false;
    }
    // Without an electrical criterion the dT line of the criteria text would
    // otherwise promise a test that nothing made.
    if (HeatTestAloneApplies(criteria) && !HeatTest(record, thot, criteria, reading)) {
        return false;
    }
    return MeetsDimensions(record, criteria) && MeetsName(record, criteria);
}

}  // namespace vantiq
