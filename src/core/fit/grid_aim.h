#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/fit/fit_algebra.h"

namespace vantiq {

// Where the derivation is to land: its current scan takes the lowest step
// whose first balance point is the coldest cell of the temperature grid, so
// the rated Imax is met exactly when that cell is the aimed one and its
// lowest balancing current lies just below the aimed step. Besides the cell,
// the first two of these are aimed at: the lowest balancing current half a
// step below Imax, the voltage and the heat; the others are left to follow.
struct GridAim {
    double imax;         // A, a whole number of current steps
    double currentStep;  // A, 1 % of the nominal current, or 0 to leave the lowest current free
    double cellTc;       // K, a value of the temperature grid
    double voltage;      // V at imax in that cell, or 0 to leave it free
    double heat;         // W at imax with no difference (Qmax), or 0 to leave it free
    double gap = 0.025;  // K, from the model's coldest point up to the cell
};

// The grid cell nearest to a cold side.
double NearestCell(double tc);

// Constants (log α, log σ, log κ, starting from `p`) at which the
// derivation at `th` lands on `aim`, by Newton's method on the smooth
// conditions: the model's coldest point `gap` below the cell, and two of those GridAim names.
// nullopt when Newton does not settle.
std::optional<Vec3> AimAtGrid(const TemRecord& record, double th, Vec3 p, const GridAim& aim);

}  // namespace vantiq
