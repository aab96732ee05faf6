#include "core/advisor/hot_side_balance.h"

#include "core/advisor/sink_walk.h"

namespace vantiq {

SinkBalance BalanceHotSide(const TemRecord& record, double heat, std::int32_t modules,
                           Wiring wiring, const HeatSink& sink) {
    const auto at = [&](double th) {
        return SetPointAt(record, heat, modules, wiring, sink.cold, th);
    };
    const auto rejected = [](const OperatingPoint& p) { return p.heatRejected; };
    SinkSettled<OperatingPoint> settled = SettleSink<OperatingPoint>(at, rejected, sink);
    return {std::move(settled.balanced), std::move(settled.first)};
}

}  // namespace vantiq
