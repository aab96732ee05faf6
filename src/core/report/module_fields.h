#pragma once

#include <array>

#include "core/base/tem_record.h"
#include "core/report/csv.h"

namespace vantiq {

// The module's values as the reports carry them: imax, umax, dtmax (as its
// absolute value), qmax, ac_resistance, pellets, width, length, height; the
// rated values are NaN for a module that could not be derived.
using ModuleValueArray = std::array<double, 9>;
inline constexpr std::size_t kRatedValueCount = 5;
ModuleValueArray ModuleValues(const TemRecord& record);

// The same values in shortest round-trip form, the rated fields empty for
// a module that could not be derived.
CsvRow ModuleValueFields(const TemRecord& record);

// The header of those fields.
CsvRow ModuleValueHeader();

}  // namespace vantiq
