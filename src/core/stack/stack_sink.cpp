#include "core/stack/stack_sink.h"

#include "core/base/tem_base.h"
#include "core/stack/stack_solver.h"

namespace vantiq {
namespace {

constexpr double kStep = 0.5;         // K
constexpr double kResolution = 1e-9;  // K

}  // namespace

std::optional<StackPoint> SettleStack(const TemRecord& top, std::int32_t topModules,
                                      const TemRecord& bottom, std::int32_t bottomModules,
                                      StackDuty duty, const HeatSink& sink) {
    const auto at = [&](double th) {
        duty.th = th;
        auto p = SolveStack(top, topModules, bottom, bottomModules, duty);
        const bool holds = p && sink.ambient + sink.resistance * p->HeatRejected() <= th;
        return holds ? p : std::nullopt;
    };
    for (int k = 0; sink.ambient + k * kStep <= TemBase::kMaxThot; ++k) {
        const double th = sink.ambient + k * kStep;
        auto held = at(th);
        if (!held) {
            continue;
        }
        // The step below did not hold; the balance lies between the two.
        double low = k > 0 ? th - kStep : th;
        while (held->thot - low > kResolution) {
            const double middle = low + (held->thot - low) / 2;
            if (auto p = at(middle)) {
                held = p;
            } else {
                low = middle;
            }
        }
        return held;
    }
    return std::nullopt;
}

}  // namespace vantiq
