#pragma once

#include <optional>

#include "core/base/tem_record.h"

namespace vantiq {

// The straightforward derivation: for currents 0, s, 2s, ... below twice the
// nominal current (s = nominal / 100) it scans Tc from 200 K by 0.05 K up to
// 400 K for the first balance point, and takes the current whose point is
// coldest (the lowest current on ties). A current that finds none there but
// still pumps heat at 200 K balances colder: it is scanned again from 100 K
// by the same step up to below 200 K. nullopt when no current balances or a rated value is not
// finite: the module is then not derivable.
std::optional<RatedValues> DeriveReference(const TemRecord& record, double th);

// The rated values of the balance point found at `current` with the signed
// difference `dt`; nullopt when one of them is not finite.
std::optional<RatedValues> RatedValuesAt(const TemRecord& record, double th, double current,
                                         double dt);

// Derives `record` in place at `th` with the fast derivation (the same result
// as DeriveReference) from its file fields: replaces `record.rated` and
// returns whether it is derivable. One whose file fields are not physical (see
// HasPhysicalInputs) is not derivable.
bool DeriveRatedValues(TemRecord& record, double th);

// Stores `values` as the record's rating, or marks it not derivable (with
// zeros, so that no value of another hot side lingers).
void ApplyRatedValues(TemRecord& record, const std::optional<RatedValues>& values);

}  // namespace vantiq
