#include "selection/record_filter.h"

#include <cmath>

#include "model/curve_tables.h"
#include "model/rounding.h"

namespace vantiq {
namespace {

constexpr double kDtStep = 1.0;     // K
constexpr double kValueStep = 0.1;  // W, V and A
constexpr double kPercent = 100.0;

// Whether some point of `curve` lies at the required temperature difference
// (both rounded to whole kelvin) with a value that `accept` takes (after
// rounding to a tenth).
template <typename Accept>
bool AnyPointAtDt(const Curve& curve, double requiredDT, Accept accept) {
    const double dt = RoundToStep(requiredDT, kDtStep);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (RoundToStep(std::fabs(curve.x[i]), kDtStep) == dt &&
            accept(RoundToStep(curve.y[i], kValueStep))) {
            return true;
        }
    }
    return false;
}

bool HeatTest(const TemRecord& r, double thot, const SearchCriteria& c) {
    const CurveFamily heat = BuildHeatCurves(r, thot, kSearchCurveSteps);
    const double q = RoundToStep(c.requiredQ, kValueStep);
    return AnyPointAtDt(heat.AtImax().points, c.requiredDT, [q](double y) { return y >= q; });
}

bool VoltageTest(const TemRecord& r, double thot, const SearchCriteria& c) {
    if (!(RoundToStep(r.imax, kValueStep) <= RoundToStep(c.supplyCurrent, kValueStep))) {
        return false;
    }
    const CurveFamily voltage = BuildVoltageCurves(r, thot, kSearchCurveSteps);
    const double u = RoundToStep(c.supplyVoltage, kValueStep);
    return AnyPointAtDt(voltage.AtImax().points, c.requiredDT, [u](double y) { return y <= u; });
}

// The band is laid around the module's resistance, not the required one.
bool ResistanceTest(const TemRecord& r, const SearchCriteria& c) {
    const double t = c.tolerancePercent;
    const double low = (kPercent - t) * r.acResistance / kPercent;
    const double high = (kPercent + t) * r.acResistance / kPercent;
    return low <= c.requiredResistance && c.requiredResistance <= high;
}

bool CurveTest(const TemRecord& r, double thot, const SearchCriteria& c) {
    // The voltage table is the dearer half, so it is built only after a heat
    // point has passed.
    if (!HeatTest(r, thot, c)) {
        return false;
    }
    if (c.electricalMode == SearchCriteria::kSupplyMode) {
        return VoltageTest(r, thot, c);
    }
    return ResistanceTest(r, c);
}

bool RatedValuesPass(const TemRecord& r, const SearchCriteria& c) {
    if (IsSet(c.requiredQ) && r.qmax < c.requiredQ) {
        return false;
    }
    if (IsSet(c.requiredDT) && !IsSet(c.requiredQ) && std::fabs(r.dtMax) < c.requiredDT) {
        return false;
    }
    return !(IsSet(c.supplyVoltage) && IsSet(c.supplyCurrent) && r.umax < c.supplyVoltage);
}

bool DimensionsPass(const TemRecord& r, const SearchCriteria& c) {
    return !(IsSet(c.maxWidth) && r.width > c.maxWidth) &&
           !(IsSet(c.maxLength) && r.length > c.maxLength) &&
           !(IsSet(c.maxHeight) && r.height > c.maxHeight);
}

bool NamePasses(const TemRecord& r, const SearchCriteria& c) {
    return c.nameFilter.empty() || r.Name().find(c.nameFilter) != std::string_view::npos;
}

}  // namespace

bool CurveTestApplies(const SearchCriteria& c) {
    const bool performance = IsSet(c.requiredDT) && IsSet(c.requiredQ);
    if (c.electricalMode == SearchCriteria::kSupplyMode) {
        return performance && IsSet(c.supplyVoltage) && IsSet(c.supplyCurrent);
    }
    return c.electricalMode == SearchCriteria::kResistanceMode && performance &&
           IsSet(c.requiredResistance);
}

bool RecordMatches(const TemRecord& record, double thot, const SearchCriteria& criteria) {
    if (!record.derivable || !RatedValuesPass(record, criteria)) {
        return false;
    }
    if (CurveTestApplies(criteria) && !CurveTest(record, thot, criteria)) {
        return false;
    }
    return DimensionsPass(record, criteria) && NamePasses(record, criteria);
}

}  // namespace vantiq
