#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/fit/fit_algebra.h"

namespace vantiq {

// Where the derivation is to land: its current scan takes the lowest step
// whose first balance point is the coldest cell of the temperature grid, so
// the rated Imax is met exactly when that cell is the aimed one and its
// lowest balancing current lies just below the aimed step.
struct GridAim {
    double imax;         // A, a whole number of current steps
    double currentStep;  // A, 1 % of the nominal current
    double cellTc;       // K, a value of the temperature grid
    double voltage;      // V at imax in that cell, or 0 to aim at `heat`
    double heat;         // W at imax with no difference (Qmax)
};

// The grid cell nearest to a cold side.
double NearestCell(double tc);

// Constants (log α, log σ, log κ, starting from `p`) at which the
// derivation at `th` lands on `aim`, by Newton's method on the smooth
// conditions: the model's coldest point half a grid step inside the
// cell, the cell's lowest balancing current half a step below Imax, and
// the voltage or heat at Imax. nullopt when Newton does not settle.
std::optional<Vec3> AimAtGrid(const TemRecord& record, double th, Vec3 p, const GridAim& aim);

}  // namespace vantiq
