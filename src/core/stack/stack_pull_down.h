#pragma once

#include <optional>
#include <vector>

#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"
#include "core/stack/stack_search.h"

namespace vantiq {

// How a stack cools its cold side down: each stage's constant current per
// module and how long the cold side takes from the hot side's temperature to
// the stack's cold side (nullopt: it never gets there).
struct StackPullDown {
    double current = 0.0;        // the top stage's, per module, A
    double currentBottom = 0.0;  // the bottom stage's
    std::optional<double> seconds;
};

// The largest currents the modules (their Imax) and the supply of `duty`
// allow stack `p`: each stage on its own supply, or one current for the
// whole string. The supply's voltage is checked at the start, every side at
// the hot side, and at the stack's own temperatures.
StackPullDown PullDownCurrents(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                               const StackDuty& duty);

// The temperature between the stages at cold side `tc`, with the stages at
// the currents of `drive`: where the bottom set pumps what the top set
// rejects, the plate between them holding no heat of its own. NaN when no
// such temperature lies within 300 K of the sides.
double BetweenDuring(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                     const StackPullDown& drive, double tc);

// How long stack `p` (of `top` on `bottom`) takes at the currents of
// `drive` to pull a cold side of heat capacity `mass` (J/K), which carries
// the load of `duty` throughout, from the hot side down to the stack's cold
// side, the hot side held: mass · dTc/dt = Q - n · Qc_top(I, Tc,
// T_between(Tc)); nullopt where those currents never get there.
std::optional<double> StackSeconds(const TemRecord& top, const TemRecord& bottom,
                                   const StackPoint& p, const StackPullDown& drive,
                                   const StackDuty& duty, double mass);

// The currents within PullDownCurrents at which stack `p` pulls down
// soonest (StackSeconds), and that time: on one current the one current,
// on separate ones the pair, each top current with the bottom current that
// is fastest for it. Too much top current fills the bottom stage with heat
// and too little pumps too little, so the fastest lies between. Never only
// where no currents within the bounds get there; the bounds are given then.
StackPullDown PullDownStack(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                            const StackDuty& duty, double mass);

// The pull-downs of `stacks` (of modules of `base`) found for `request`,
// whose cold mass must be set, in the stacks' order, on all cores.
std::vector<StackPullDown> StackPullDowns(const TemBase& base, const StackRequest& request,
                                          const std::vector<StackPoint>& stacks);

}  // namespace vantiq
