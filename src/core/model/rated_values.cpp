#include "core/model/rated_values.h"

#include <cmath>

#include "core/model/balance_grid.h"
#include "core/model/balance_scan.h"
#include "core/model/fast_derivation.h"
#include "core/model/module_inputs.h"
#include "core/model/performance_model.h"

namespace vantiq {
namespace {

bool AllFinite(const RatedValues& v) {
    return std::isfinite(v.imax) && std::isfinite(v.umax) && std::isfinite(v.dtMax) &&
           std::isfinite(v.qmax) && std::isfinite(v.acResistance);
}

}  // namespace

std::optional<RatedValues> DeriveReference(const TemRecord& record, double th) {
    const double nominal = record.file.nominalCurrent;
    const double currentStep = nominal / 100;
    bool found = false;
    double bestDt = 400.0;
    double bestCurrent = 0.0;
    Sweep(
        0.0, currentStep, [&](double current) { return current < 2 * nominal; },
        [&](double current) {
            const auto tc = BalanceScanWithLowStart(record, current, th, kScanStart, kScanStep,
                                                    [](double t) { return t <= kScanEnd; });
            if (tc && *tc - th < bestDt) {
                bestDt = *tc - th;
                bestCurrent = current;
                found = true;
            }
            return false;
        });
    if (!found) {
        return std::nullopt;
    }
    return RatedValuesAt(record, th, bestCurrent, bestDt);
}

std::optional<RatedValues> RatedValuesAt(const TemRecord& record, double th, double current,
                                         double dt) {
    RatedValues values;
    values.imax = current;
    values.dtMax = dt;
    values.umax = ModuleVoltage(record, current, th + dt, th);
    values.qmax = ColdSideHeat(record, current, th, th);
    values.acResistance = AcResistance(record);
    if (!AllFinite(values)) {
        return std::nullopt;
    }
    return values;
}

void ApplyRatedValues(TemRecord& record, const std::optional<RatedValues>& values) {
    record.rated = values ? ModuleRating{*values, true} : ModuleRating{};
}

bool DeriveRatedValues(TemRecord& record, double th) {
    ApplyRatedValues(record, HasPhysicalInputs(record) ? DeriveFast(record, th) : std::nullopt);
    return record.rated.derivable;
}

}  // namespace vantiq
