#pragma once

#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"
#include "core/model/curve_tables.h"

namespace vantiq {

// The three graphs against the temperature difference that an operating
// point is marked on.
enum class PointGraph { Heat, Voltage, Cop };

// The curve of `graph` at the point's current and hot side: one module's Qc
// (where it is 0 or more), U, or COP (where Qc is above 0) against
// x = Tc - Th, for x from `xLow` (negative) up to 0 in `steps` equal steps.
Curve CurveThroughPoint(const TemRecord& record, const OperatingPoint& point, PointGraph graph,
                        double xLow, unsigned steps);

// Where the point sits on `graph`: its x (-dT) and one module's heat, its
// voltage or the COP.
double PointX(const OperatingPoint& point);
double PointValue(const OperatingPoint& point, PointGraph graph);

}  // namespace vantiq
