#pragma once

#include <cmath>

#include "core/base/tem_record.h"
#include "core/fit/fit_algebra.h"

namespace vantiq {

// The fit moves the material constants by their logarithms (α, σ, κ), so
// that every step is relative and no constant turns negative.
inline TemRecord WithConstants(TemRecord record, const Vec3& p) {
    record.file.seebeckCoefficient = std::exp(p[0]);
    record.file.electricalConductivity = std::exp(p[1]);
    record.file.thermalConductivity = std::exp(p[2]);
    return record;
}

}  // namespace vantiq
