#include "core/model/balance_search.h"

#include <algorithm>

#include "core/model/balance_scan.h"
#include "core/model/performance_model.h"

namespace vantiq {
namespace {

// Below this many points a plain scan costs less than bounding them.
constexpr std::size_t kPlainSpan = 8;

}  // namespace

BalanceSearch::BalanceSearch(const TemRecord& record, double th, double current,
                             const std::vector<double>& grid)
    : record_(record),
      th_(th),
      current_(current),
      grid_(grid),
      slope_(record, th, current, grid.front(), grid.back()),
      // Two error bounds: one for the point tested, one for the point it
      // speaks for.
      below_(-kBalanceBand - 2 * slope_.Error()),
      above_(kBalanceBand + 2 * slope_.Error()) {}

double BalanceSearch::Heat(std::size_t j) const {
    return ColdSideHeat(record_, current_, grid_[j], th_);
}

std::optional<std::size_t> BalanceSearch::FirstInBand(std::size_t lo, std::size_t hi) const {
    if (hi - lo < kPlainSpan) {
        return Scan(lo, hi, false);
    }
    const HeatSlope::Range slope = slope_.Over(grid_[lo], grid_[hi]);
    if (slope.lower > 0) {
        return Rising(lo, hi);
    }
    if (SurelyOutside(lo, hi, slope)) {
        return std::nullopt;
    }
    const std::size_t mid = lo + (hi - lo) / 2;
    if (const auto first = FirstInBand(lo, mid)) {
        return first;
    }
    return FirstInBand(mid + 1, hi);
}

// The heat rises on [lo, hi]: every point at or before one that is surely
// below the band is below it too, and every point after one surely above is
// above it.
std::optional<std::size_t> BalanceSearch::Rising(std::size_t lo, std::size_t hi) const {
    if (Heat(hi) < below_) {
        return std::nullopt;
    }
    if (!(Heat(lo) < below_)) {
        return Scan(lo, hi, true);
    }
    return Scan(LastSurelyBelow(lo, hi) + 1, hi, true);
}

// Bisects for a point surely below the band whose successor is not, given
// that `lo` is surely below and `hi` is not.
std::size_t BalanceSearch::LastSurelyBelow(std::size_t lo, std::size_t hi) const {
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        (Heat(mid) < below_ ? lo : hi) = mid;
    }
    return lo;
}

std::optional<std::size_t> BalanceSearch::Scan(std::size_t lo, std::size_t hi, bool rising) const {
    for (std::size_t j = lo; j <= hi; ++j) {
        const double heat = Heat(j);
        if (InBalanceBand(heat)) {
            return j;
        }
        if (rising && heat > above_) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// True when the heat at `lo` and the slope bounds keep the whole range on
// one side of the band.
bool BalanceSearch::SurelyOutside(std::size_t lo, std::size_t hi, HeatSlope::Range slope) const {
    // The width is inflated to cover its own rounding.
    const double width = (grid_[hi] - grid_[lo]) * (1 + 1e-9);
    const double heat = Heat(lo);
    return heat + std::max(slope.upper, 0.0) * width < below_ ||
           heat + std::min(slope.lower, 0.0) * width > above_;
}

}  // namespace vantiq
