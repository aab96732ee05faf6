#pragma once

#include <optional>

#include "core/base/tem_record.h"
#include "core/model/performance_model.h"
#include "core/model/sweep.h"

namespace vantiq {

// Half width of the band around zero heat that counts as balance, W.
inline constexpr double kBalanceBand = 0.05;

inline bool InBalanceBand(double heat) {
    return -kBalanceBand <= heat && heat <= kBalanceBand;
}

// The lowest scanned cold-side temperature at which the module pumps no heat
// with `current`: Tc runs from `start` by repeated addition of `step` while
// `keepGoing(Tc)`; the first Tc with |Qc| <= 0.05 W wins. A step that jumps
// over the band finds nothing, which is accepted behaviour.
template <typename KeepGoing>
std::optional<double> BalanceScan(const TemRecord& record, double current, double th, double start,
                                  double step, KeepGoing keepGoing) {
    std::optional<double> found;
    Sweep(start, step, keepGoing, [&](double tc) {
        if (InBalanceBand(ColdSideHeat(record, current, tc, th))) {
            found = tc;
            return true;
        }
        return false;
    });
    return found;
}

}  // namespace vantiq
