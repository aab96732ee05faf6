#pragma once

#include "core/base/tem_record.h"

namespace vantiq {

// Contact resistivity of one leg-to-conductor junction, Ω·m²; a couple has four.
inline constexpr double kContactResistivity = 1e-10;

// Heat absorbed at the cold side, W (positive while cooling), for current
// `current` (A), cold side `tc` and hot side `th` (K). Material properties
// vary linearly with the mean leg temperature. Never fails; input that is not
// physical gives a non-finite result.
double ColdSideHeat(const TemRecord& record, double current, double tc, double th);

// Voltage across the module, V, at the same operating point.
double ModuleVoltage(const TemRecord& record, double current, double tc, double th);

// An upper bound on the exact heat absorbed at cold side `tc` with any
// current, W: the heat is a downward parabola in the current, and this is its
// vertex widened by a margin far above the rounding of its own arithmetic.
// Only meaningful for finite positive geometry and conductivities.
double HeatCeiling(const TemRecord& record, double tc, double th);

// The module's resistance with no temperature correction, Ω: legs plus contacts.
double AcResistance(const TemRecord& record);

}  // namespace vantiq
