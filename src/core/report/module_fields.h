#pragma once

#include "core/base/tem_record.h"
#include "core/report/csv.h"

namespace vantiq {

// The module's values as the reports carry them: imax, umax, dtmax (as its
// absolute value), qmax, ac_resistance, pellets, width, length, height, in
// shortest round-trip form; the rated fields are empty for a module that
// could not be derived.
CsvRow ModuleValueFields(const TemRecord& record);

// The header of those fields.
CsvRow ModuleValueHeader();

}  // namespace vantiq
