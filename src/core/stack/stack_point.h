#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"
#include "core/model/performance_model.h"

namespace vantiq {

// How the two stages of a stack are fed: each set on a current of its own
// (two supplies like the one given), or every module of both sets in one
// series string on one current.
enum class StageCurrents : std::int32_t { Separate = 0, Shared = 1 };

// What a stack must do: pump `heat` (W) from the cold side `tc` to the hot
// side `th` (K), within the supply's voltage and current (0 = no limit).
struct StackDuty {
    double heat = 0.0;
    double tc = 0.0;
    double th = 0.0;
    StageCurrents currents = StageCurrents::Separate;
    double supplyVoltage = 0.0;
    double supplyCurrent = 0.0;
};

// One stage of a stack: its modules in series on one current.
struct StagePoint {
    std::int32_t modules = 1;
    double current = 0.0;  // A
    double voltage = 0.0;  // per module, V
    double heat = 0.0;     // pumped at its cold side by the whole set, W
    double power = 0.0;    // electrical input of the whole set, W
};

// A top set of modules on a bottom set: the top pumps the load from the cold
// side to `between`, the bottom pumps the load plus the top's power from
// there to the hot side.
struct StackPoint {
    std::uint32_t top = 0;     // the top module's index in the base
    std::uint32_t bottom = 0;  // the bottom module's index
    StageCurrents currents = StageCurrents::Separate;
    StagePoint upper;
    StagePoint lower;
    double between = 0.0;  // K
    double thot = 0.0;     // K
    double dt = 0.0;       // Th - Tc, K
    double power = 0.0;    // both stages, W
    double cop = 0.0;      // load / power

    double HeatRejected() const { return lower.heat + lower.power; }
};

// The stack of `upper.modules` copies of `top` on `lower.modules` copies of
// `bottom` with the stages meeting at `between` (K), each stage carried by
// the smaller current that pumps its heat; nullopt when a stage cannot pump
// it. The supply is not checked and the indexes are left 0.
std::optional<StackPoint> SeparateStackAt(const TemRecord& top, std::int32_t topModules,
                                          const TemRecord& bottom, std::int32_t bottomModules,
                                          const StackDuty& duty, double between);

// The stack on one current, the top's: the bottom's heat is what it pumps at
// that current, which the load plus the top's power may exceed or miss; the
// balance is where they meet. nullopt when the top cannot pump the load.
std::optional<StackPoint> SharedStackAt(const TemRecord& top, std::int32_t topModules,
                                        const TemRecord& bottom, std::int32_t bottomModules,
                                        const StackDuty& duty, double between);

// The same two stacks from the top module's load (its share of the load at
// the cold side and `between`) and the bottom module's coefficients at
// `between` and the hot side, for searches that compute those once.
std::optional<StackPoint> SeparateStackFrom(const ModuleLoad& top, std::int32_t topModules,
                                            const OperatingCoefficients& bottom,
                                            std::int32_t bottomModules, const StackDuty& duty,
                                            double between);
std::optional<StackPoint> SharedStackFrom(const ModuleLoad& top, std::int32_t topModules,
                                          const OperatingCoefficients& bottom,
                                          std::int32_t bottomModules, const StackDuty& duty,
                                          double between);

// The two stages of `p` (of `top` on `bottom`) as operating points of their
// own sets, top first: the top pumping the load from the cold side to the
// plate between, the bottom what the top rejects from there to the hot
// side; each with its module's index, the set in series, and the most one
// module pumps across its own stage.
std::array<OperatingPoint, 2> StageOperatingPoints(const TemRecord& top, const TemRecord& bottom,
                                                   const StackPoint& p);

// What the bottom stage pumps beyond what it must (W); 0 at a balanced stack.
double BottomSurplus(const StackPoint& p);

// Whether the supply of `duty` feeds the stack: each set on its own supply,
// or the whole string on one.
bool SupplyFeeds(const StackPoint& p, const StackDuty& duty);

}  // namespace vantiq
