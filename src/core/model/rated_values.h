#pragma once

#include <optional>

#include "core/base/tem_record.h"

namespace vantiq {

// What the derivation finds for one module at one hot-side temperature.
struct RatedValues {
    double imax = 0.0;
    double umax = 0.0;
    double dtMax = 0.0;  // signed, negative
    double qmax = 0.0;
    double acResistance = 0.0;

    friend bool operator==(const RatedValues&, const RatedValues&) = default;
};

// The straightforward derivation: for currents 0, s, 2s, ... below twice the
// nominal current (s = nominal / 100) it scans Tc from 200 K by 0.05 K up to
// 400 K for the first balance point, and takes the current whose point is
// coldest (the lowest current on ties). A current that finds none there but
// still pumps heat at 200 K balances colder: it is scanned again from 100 K
// by the same step up to below 200 K. `record.imax` must hold the nominal
// current. nullopt when no current balances or a rated value is not finite:
// the module is then not derivable.
std::optional<RatedValues> DeriveReference(const TemRecord& record, double th);

// The rated values of the balance point found at `current` with the signed
// difference `dt`; nullopt when one of them is not finite.
std::optional<RatedValues> RatedValuesAt(const TemRecord& record, double th, double current,
                                         double dt);

// Derives `record` in place at `th` with the fast derivation (the same result
// as DeriveReference): overwrites the rated values and sets `derivable`.
// Returns `derivable`. The record must hold its file values; one whose values
// are not physical (see HasPhysicalInputs) is not derivable.
bool DeriveRatedValues(TemRecord& record, double th);

// Stores `values` into the record, or marks it not derivable.
void ApplyRatedValues(TemRecord& record, const std::optional<RatedValues>& values);

}  // namespace vantiq
