#pragma once

#include "core/base/tem_base.h"
#include "figure_table.h"

namespace vantiq::bench {

// Times the operating-point advisor over the derived `base`: at the fixed
// hot side with one module, and under a heat sink with the fewest modules
// that work. The baseline is the same advice computed one module after the
// other on the calling thread; both are wall-clock times.
void BenchAdvisor(FigureTable& table, const TemBase& base);

}  // namespace vantiq::bench
