#pragma once

#include <cstdint>

#include "core/advisor/advice_request.h"
#include "core/base/tem_record.h"

namespace vantiq {

// The largest thermal resistance (K/W) a heat sink at `sink.ambient` may
// have while `modules` modules of `record` still hold `heat` (W) at the
// cold side `sink.cold` within the supply of `supply`, the sink settling as
// the advisor finds it (BalanceHotSide) and the supply checked there: at the
// figure returned the set holds, a millionth above it it does not. The
// resistance of `sink` is not read. 0 where the set does not hold even with
// a sink of no resistance, the hot side at ambient.
//
// A sink of resistance R settles where R = (Th - Ta) / Qh(Th), on the side
// where that ratio still rises with the hot side; the ratio rises to one
// peak and falls, and the supply gives out above some hot side. So the
// figure is the ratio at that hot side, or at the peak when the supply
// lasts past it, taken at the half-kelvin steps the sink's walk looks at,
// and then checked against the walk itself.
double SinkRthMax(const TemRecord& record, double heat, std::int32_t modules, Wiring wiring,
                  const HeatSink& sink, const SearchCriteria& supply);

}  // namespace vantiq
