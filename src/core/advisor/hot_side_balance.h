#pragma once

#include <cstdint>
#include <optional>

#include "core/advisor/advice_request.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"

namespace vantiq {

// Where a heat sink settles for one set of modules.
struct SinkBalance {
    // The lowest hot side Th at or above ambient with Th = Ta + Rs·(Q + P(Th)),
    // to 1e-9 K, and the set's point there; nullopt when there is none up to
    // 373 K.
    std::optional<OperatingPoint> balanced;
    // The point at the lowest hot side stepped to where the set works at all,
    // the most favourable one; nullopt when it works nowhere.
    std::optional<OperatingPoint> first;
};

// Looks at the hot sides from ambient in 0.5 K steps while they stay at or
// below 373 K. At the first step where the set has an operating point and the
// sink would be no warmer than that step (Ta + Rs·Qh - Th <= 0), the balance
// is refined to 1e-9 K between that step and the one before, or is that step
// itself when the one before had no point. Rs = 0 settles at ambient. Steps
// that cannot hold the balance are skipped rather than evaluated.
SinkBalance BalanceHotSide(const TemRecord& record, double heat, std::int32_t modules,
                           Wiring wiring, const HeatSink& sink);

}  // namespace vantiq
