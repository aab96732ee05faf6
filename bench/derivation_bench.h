#pragma once

#include <string>
#include <vector>

#include "core/base/tem_record.h"
#include "figure_table.h"

namespace vantiq::bench {

// Times the derivation of `modules` (records as read from a file) at `th`:
// the reference scan on one core as the baseline against the fast
// derivation on one core and on all cores, and against loading the
// catalogue file at `basePath` (reading and deriving). The reference is timed
// on at most 500 modules spread over the catalogue and scaled per module.
// One-core figures compare the processor time of the calling thread, which
// other programs on the machine do not inflate; all-core figures compare
// wall-clock time. Returns the reference scan's estimated wall-clock time
// over every module.
double BenchDerivation(FigureTable& table, const std::vector<TemRecord>& modules, double th,
                       const std::string& basePath);

}  // namespace vantiq::bench
