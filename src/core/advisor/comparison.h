#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The modules picked for comparing, the one shown first, and, when they were
// picked in the operating-point list, their points in the same order (one
// point per column; a module may then appear twice).
struct Comparison {
    std::vector<std::int32_t> modules;
    std::vector<OperatingPoint> points;
};

// `picked` (base indexes, in list order) with `shown` moved to the front and
// repeats and -1 dropped. When `shown` is not among the picks, only `shown`;
// when it is -1, nothing.
std::vector<std::int32_t> ShownFirst(std::int32_t shown, const std::vector<std::int32_t>& picked);

// One line of the side-by-side table: its label and one text per column.
struct ComparisonRow {
    std::string label;
    std::vector<std::string> values;
};

// The table of `comparison`, one column per point when it has points and
// per module otherwise: the name, the rated values (Imax, Umax, |dTmax|,
// Qmax, AC resistance), pellets and size, then each point's set, current,
// voltage, power, COP, heat rejected and hot side. Texts are UTF-8; a module
// without rated values shows "–" in their rows.
std::vector<ComparisonRow> ComparisonTable(const TemBase& base, const Comparison& comparison);

}  // namespace vantiq
