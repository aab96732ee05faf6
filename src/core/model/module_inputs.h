#pragma once

#include "core/base/tem_record.h"

namespace vantiq {

// True when the record's file values describe a module the model can rate:
// a positive finite nominal current, at least one couple, positive normal
// (neither subnormal nor infinite) leg sizes and material constants, and
// finite, non-negative module dimensions. A
// damaged entry (zero or negative geometry, NaN or infinite constants) fails
// here and is marked not derivable instead of being rated with numbers that
// mean nothing.
bool HasPhysicalInputs(const TemRecord& record);

}  // namespace vantiq
