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
    return r.file.pelletCount > 0 && PositiveFinite(r.file.nominalCurrent) &&
           PositiveNormal(r.file.pelletLength) && PositiveNormal(r.file.pelletSide) &&
           PositiveNormal(r.file.electricalConductivity) &&
           PositiveNormal(r.file.seebeckCoefficient) &&
           PositiveNormal(r.file.thermalConductivity) && DimensionOrUnknown(r.file.width) &&
           DimensionOrUnknown(r.file.length) && DimensionOrUnknown(r.file.height);
}

}  // namespace vantiq
