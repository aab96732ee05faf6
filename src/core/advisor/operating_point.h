#pragma once

#include <cstdint>
#include <optional>

#include "core/advisor/advice_request.h"
#include "core/base/tem_record.h"
#include "core/model/performance_model.h"

namespace vantiq {

// One module carrying a heat load at fixed cold and hot sides.
struct ModuleLoad {
    bool pumps = false;    // false when no current pumps the load there
    double current = 0.0;  // A, the smaller of the two currents that do
    double voltage = 0.0;  // V at that current
    double peak = 0.0;     // the most heat the module pumps there, W
};

// Solves Qc(I) = `heat` for the smaller root. The form 2(q - c)/(a + √D)
// has no cancellation, so the current is as exact as its inputs. A negative
// discriminant, non-finite coefficients or a current below zero mean the
// module cannot carry the load.
ModuleLoad CarryHeat(const OperatingCoefficients& coefficients, double heat);

// The operating point of `modules` equal modules sharing a heat load.
struct OperatingPoint {
    std::uint32_t index = 0;  // the module's index in the base
    std::int32_t modules = 1;
    Wiring wiring = Wiring::Series;
    double current = 0.0;       // per module, A
    double voltage = 0.0;       // per module, V
    double power = 0.0;         // input power of the whole set, W
    double cop = 0.0;           // Q / power
    double heatRejected = 0.0;  // Q + power, W
    double thot = 0.0;          // hot side, K
    double dt = 0.0;            // Th - Tc, K
    double peak = 0.0;          // one module's largest heat at this dT and hot side, W
    double margin = 0.0;        // modules · peak / Q
    // Under a heat sink, the largest thermal resistance (K/W) of a sink at
    // that ambient with which the set still holds the load within the
    // supply; none at a fixed hot side.
    std::optional<double> sinkRthMax;

    // What the supply sees: n·U in series, n·I in parallel.
    double SupplyVoltage() const;
    double SupplyCurrent() const;
};

// The point of `modules` copies of `record` sharing `heat` (W) with cold side
// `tc` and hot side `th` (K), or nullopt when one module cannot pump its
// share there. The index is left 0.
std::optional<OperatingPoint> SetPointAt(const TemRecord& record, double heat, std::int32_t modules,
                                         Wiring wiring, double tc, double th);

}  // namespace vantiq
