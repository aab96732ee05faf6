#pragma once

#include <string>
#include <vector>

#include "core/base/tem_record.h"

namespace vantiq {

// The hot sides a check derives at, K: from the lowest to the highest the
// program allows in steps of `step` K (1 to 150), always with 298 and 373.
std::vector<int> HotSideGrid(int step);

// The hot sides of `grid` at which the model cannot derive `record` (its file fields).
std::vector<int> UnderivableHotSides(const TemRecord& record, const std::vector<int>& grid);

// `sides`, a subset of `grid`, with runs of neighbours in the grid joined:
// "223–243 K, 298 K".
std::string FormatHotSides(const std::vector<int>& sides, const std::vector<int>& grid);

}  // namespace vantiq
