#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/model/rated_values.h"

namespace vantiq {

// The rated values of the model itself, without the derivation's current
// steps and temperature grid: the coldest cold side at which some current
// still balances, the current that does it, and the voltage, the heat at no
// difference and the AC resistance at that current. A smooth function of the
// constants, so a fit can take its slopes. With a `heatFloor` below zero
// the coldest point is where the best current's heat rises to that floor,
// which is where the derivation's balance band begins. nullopt when the
// module balances nowhere between 100 K and the hot side `th`.
std::optional<RatedValues> ContinuousRatedValues(const TemRecord& record, double th,
                                                 double heatFloor = 0.0);

}  // namespace vantiq
