#pragma once

#include "core/base/tem_base.h"
#include "figure_table.h"

namespace vantiq::bench {

// Times a search with the full curve test in supply mode over the derived
// `base`, derived at `th` (K): the straightforward sequential search as the baseline against the
// search the program runs, both on the wall clock. Also notes how many
// modules reached the curve test and how many matched.
void BenchSearch(FigureTable& table, const TemBase& base, double th);

}  // namespace vantiq::bench
