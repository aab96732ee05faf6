#include "core/stack/stack_sink.h"

#include "core/advisor/sink_walk.h"
#include "core/stack/stack_solver.h"

namespace vantiq {

std::optional<StackPoint> SettleStack(const TemRecord& top, std::int32_t topModules,
                                      const TemRecord& bottom, std::int32_t bottomModules,
                                      StackDuty duty, const HeatSink& sink) {
    const auto at = [&](double th) {
        StackDuty there = duty;
        there.th = th;
        return SolveStack(top, topModules, bottom, bottomModules, there);
    };
    const auto rejected = [](const StackPoint& p) { return p.HeatRejected(); };
    return SettleSink<StackPoint>(at, rejected, sink).balanced;
}

}  // namespace vantiq
