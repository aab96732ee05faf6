#pragma once

#include <string>

#include "core/base/tem_base.h"
#include "figure_table.h"

namespace vantiq::bench {

// Times the operating-point advisor over `base`, derived at `th` (K): at the fixed
// hot side with one module, and under a heat sink with the fewest modules
// that work. The baseline is the same advice computed one module after the
// other on the calling thread; both are wall-clock times.
void BenchAdvisor(FigureTable& table, const TemBase& base, double th);

// Times what the command line's advice under a heat sink with the fewest
// modules costs against its list, both opening, reading and deriving the
// catalogue at `path` at hot side `th` (K) first; the advice may cost at most
// one and a half times the list.
void BenchAdviceAgainstList(FigureTable& table, const std::string& path, double th);

}  // namespace vantiq::bench
