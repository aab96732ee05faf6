#pragma once

#include <cstdint>
#include <optional>

#include "core/advisor/advice_request.h"
#include "core/base/tem_record.h"
#include "core/stack/stack_point.h"

namespace vantiq {

// Where a heat sink settles under one stack (the counts fixed, the cold side
// and supply those of `duty`): the lowest hot side at or above ambient where
// Ta + Rs·(Q + P) <= Th, found as the operating points find it
// (`SettleSink`) to 1e-9 K, and the stack's best point there; nullopt when
// the sink settles nowhere up to 373 K.
std::optional<StackPoint> SettleStack(const TemRecord& top, std::int32_t topModules,
                                      const TemRecord& bottom, std::int32_t bottomModules,
                                      StackDuty duty, const HeatSink& sink);

}  // namespace vantiq
