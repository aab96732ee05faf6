#include "model/module_inputs.h"

#include <cmath>

namespace vantiq {
namespace {

bool PositiveFinite(double value) {
    return std::isfinite(value) && value > 0.0;
}

bool DimensionOrUnknown(double value) {
    return std::isfinite(value) && value >= 0.0;
}

}  // namespace

bool HasPhysicalInputs(const TemRecord& r) {
    return r.pelletCount > 0 && PositiveFinite(r.imax) && PositiveFinite(r.pelletLength) &&
           PositiveFinite(r.pelletSide) && PositiveFinite(r.electricalConductivity) &&
           PositiveFinite(r.seebeckCoefficient) && PositiveFinite(r.thermalConductivity) &&
           DimensionOrUnknown(r.width) && DimensionOrUnknown(r.length) &&
           DimensionOrUnknown(r.height);
}

}  // namespace vantiq
