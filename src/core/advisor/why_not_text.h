#pragma once

#include <cstdint>
#include <string>

#include "core/advisor/advice_request.h"
#include "core/advisor/shortfall.h"
#include "core/base/tem_base.h"

namespace vantiq {

// What the supply gives, as the figures of a shortfall end: "the supply
// gives 5.0 V and 2.0 A"; empty without supply limits.
std::string SupplyGivesPhrase(const SearchCriteria& criteria);

// The shortfall as lines a user can act on, each ended by CR LF, in UTF-8:
// what the closest modules would need, the smallest supply for one module,
// the fewest modules within the supply, and under a heat sink where no
// single module holds the difference, that a two-stage stack is needed (at
// a fixed hot side RejectionSummary says that). Names have their control
// characters escaped. Empty for an empty shortfall.
std::string ShortfallText(const TemBase& base, double thot, const AdviceRequest& request,
                          const Shortfall& shortfall);

// Why module `index` of `base` (derived at `thot`) carries no operating point
// for `request`, after "NAME is not a result: ", in UTF-8: its exclusion
// or its rejection, with the figures that show by how much ("it needs more
// than 12.0 V: 13.1 V at 3.20 A, 42.0 W; the supply gives 12.0 V and
// 6.0 A"). Meant for a module that is no result.
std::string WhyNotText(const TemBase& base, double thot, const AdviceRequest& request,
                       std::uint32_t index);

}  // namespace vantiq
