#pragma once

#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"
#include "core/selection/search_criteria.h"

namespace vantiq {

// How much more than its load a set could pump at its point's cold and hot
// sides, driven at the most current per module that the module's Imax and
// the supply (`supply`'s voltage and current, 0 = no limit) allow there.
struct PointMargin {
    double watts = 0.0;    // the most heat within those limits, less the load
    double percent = 0.0;  // the same against the load
};

// The margin of `point`, a set of `record`s carrying `heat` (W). Past the
// current of the peak, more current pumps less, so the most heat within
// the limits is at the smaller of that current and the limit.
PointMargin MarginOf(const TemRecord& record, const OperatingPoint& point, double heat,
                     const SearchCriteria& supply);

}  // namespace vantiq
