#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/model/rated_values.h"

namespace vantiq {

// The derivation of DeriveReference with the very same result, bit for bit,
// for every record and hot side, at a small fraction of the cost: the same
// grid and currents, the same first balance point per current, the same tie
// rule and the same verdict. Modules outside the range where the search's
// bounds are proven fall back to the reference scan.
std::optional<RatedValues> DeriveFast(const TemRecord& record, double th);

}  // namespace vantiq
