#include "core/model/module_inputs.h"

#include <cmath>

namespace vantiq {
namespace {

bool PositiveFinite(double value) {
    return std::isfinite(value) && value > 0.0;
}

// Subnormal sizes and constants are no physical module, and every evaluation
// of the model with them runs in the processor's slow subnormal path, which
// makes one such entry cost as much as a hundred sound ones.
bool PositiveNormal(double value) {
    return std::isnormal(value) && value > 0.0;
}

bool DimensionOrUnknown(double value) {
    return std::isfinite(value) && value >= 0.0;
}

}  // namespace

bool HasPhysicalInputs(const TemRecord& r) {
    return r.pelletCount > 0 && PositiveFinite(r.imax) && PositiveNormal(r.pelletLength) &&
           PositiveNormal(r.pelletSide) && PositiveNormal(r.electricalConductivity) &&
           PositiveNormal(r.seebeckCoefficient) && PositiveNormal(r.thermalConductivity) &&
           DimensionOrUnknown(r.width) && DimensionOrUnknown(r.length) &&
           DimensionOrUnknown(r.height);
}

}  // namespace vantiq
