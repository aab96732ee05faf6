#pragma once

#include <cstdint>
#include <optional>

#include "core/advisor/advice_request.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"

namespace vantiq {

// What the advisor makes of one candidate: its operating point, or why it has
// none.
struct ModuleAdvice {
    std::optional<OperatingPoint> point;
    Rejection rejection = Rejection::CannotPump;  // meaningful without a point
};

// The supply check of a point: why the supply of `c` does not carry it, or
// nullopt when it does.
std::optional<Rejection> SupplyRejection(const OperatingPoint& p, const SearchCriteria& c);

// The operating point of the module `record` (index `index` of a base derived
// at hot side `thot`, K) for `request`, with the module count given or the
// fewest from 1 to 16 that works. For one count the first failing check is
// kept: pumping, supply voltage, supply current, then the sink; with a sink,
// the supply is checked at the balance, or, when the sink never settles, at
// the most favourable hot side. Among several counts the reason of the one
// that came farthest is kept. Under a sink, when the request asks for
// sinkLimits, the point also carries the largest sink resistance its set
// holds with (SinkRthMax).
ModuleAdvice AdviseModule(const TemRecord& record, std::uint32_t index, double thot,
                          const AdviceRequest& request);

}  // namespace vantiq
