#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/advisor/advice_request.h"
#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"

namespace vantiq {

// What a stack search is asked: the advice request (the load, the fixed hot
// side or the sink, the supply, the largest dimensions and the name, which
// both modules must meet, the stack's height being the two modules'
// together; `modules` the top set's count, or the fewest of 1 to 16 that
// work) and how the stages are fed.
struct StackRequest {
    static constexpr std::int32_t kMaxBottomModules = 16;

    AdviceRequest advice;
    StageCurrents currents = StageCurrents::Separate;
};

// How the pairs of modules are gone through: every pair, or only those that
// bounds on what the top rejects and the bottom can pump leave open. Both
// find the same stacks.
enum class PairScan { Pruned, EveryPair };

// The stacks of `base` (derived at `thot`, K) for `request`: for each top
// module the best stack it heads, in base order, and how many modules were
// candidates. The best stack has the bottom module, and the fewest of them
// (their footprint at least the top set's, up to 16) that carry what the
// top rejects, of least input power; ties go to the lower index. Under a
// sink the bottom is chosen at the hot side where the sink settled for the
// one chosen at ambient. Runs on all cores; an unusable request finds
// nothing.
struct StackAdvice {
    std::vector<StackPoint> stacks;
    std::size_t candidates = 0;
};
StackAdvice FindStacks(const TemBase& base, double thot, const StackRequest& request,
                       PairScan scan = PairScan::Pruned);

}  // namespace vantiq
