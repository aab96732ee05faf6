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

// Where the second scan starts, K, for a current whose balance lies below the
// start of its first scan.
inline constexpr double kLowScanStart = 100.0;

// Whether a current whose scan from `start` found nothing gets a second scan
// from kLowScanStart: its heat at `start` is above the band, so the module
// still pumps heat there and its balance lies colder.
inline bool BalancesBelow(const TemRecord& record, double current, double th, double start) {
    return ColdSideHeat(record, current, start, th) > kBalanceBand;
}

// The balance scan of `current` from `start` while `keepGoing(Tc)`, and, when
// that finds nothing and BalancesBelow holds, a second scan from
// kLowScanStart with the same step while Tc < `start`. A module whose
// balance points all lie at or above `start` never runs the second scan.
template <typename KeepGoing>
std::optional<double> BalanceScanWithLowStart(const TemRecord& record, double current, double th,
                                              double start, double step, KeepGoing keepGoing) {
    if (const auto tc = BalanceScan(record, current, th, start, step, keepGoing)) {
        return tc;
    }
    if (!BalancesBelow(record, current, th, start)) {
        return std::nullopt;
    }
    return BalanceScan(record, current, th, kLowScanStart, step,
                       [start](double t) { return t < start; });
}

}  // namespace vantiq
