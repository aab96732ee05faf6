#pragma once

#include <cstdint>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"

namespace vantiq {

// What the operating points are ordered by; each key has its natural
// direction, which `reversed` turns round.
enum class AdviceKey : std::int32_t {
    Power = 0,    // input power, ascending
    Cop = 1,      // COP, descending
    Current = 2,  // module current, ascending
    Margin = 3,   // margin, descending
    Name = 4,     // module name as bytes, ascending
    Modules = 5,  // module count, ascending
    Voltage = 6,  // module voltage, ascending
    Thot = 7,     // hot side, ascending
    SinkRth = 8,  // the largest sink resistance the set holds with, descending
};

struct AdviceOrder {
    AdviceKey key = AdviceKey::Power;
    bool reversed = false;
};

// Sorts `points` of modules of `base` by `order`. Points with equal keys
// keep the order of their base index, whichever the direction.
void SortPoints(const TemBase& base, std::vector<OperatingPoint>& points, AdviceOrder order);

}  // namespace vantiq
