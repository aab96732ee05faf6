#include "core/model/fast_derivation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/model/balance_grid.h"
#include "core/model/balance_scan.h"
#include "core/model/balance_search.h"
#include "core/model/heat_slope.h"
#include "core/model/performance_model.h"
#include "core/model/sweep.h"

namespace vantiq {
namespace {

// The currents DeriveReference scans, built by the same repeated addition.
std::vector<double> ScanCurrents(double nominal) {
    std::vector<double> currents;
    Sweep(
        0.0, nominal / 100, [&](double current) { return current < 2 * nominal; },
        [&](double current) {
            currents.push_back(current);
            return false;
        });
    return currents;
}

// The nominal currents for which HeatSlope's current range holds.
bool SaneNominal(double nominal) {
    return nominal >= 1e-20 && nominal <= 1e20;
}

// How many grid points lie at a difference Tc − Th of at most `limit`,
// computed as the reference computes its differences.
std::size_t PointsWithin(const std::vector<double>& grid, double th, double limit) {
    const auto end =
        std::partition_point(grid.begin(), grid.end(), [&](double tc) { return tc - th <= limit; });
    return static_cast<std::size_t>(end - grid.begin());
}

// The running minimum of DeriveReference, fed in the same order.
struct Best {
    bool found = false;
    double dt = 400.0;
    double current = 0.0;

    void Offer(double tc, double th, double current) {
        if (tc - th < dt) {
            dt = tc - th;
            this->current = current;
            found = true;
        }
    }
};

// An upper bound on the exact heat at cold side `tc` with any current: the
// vertex of the heat's downward parabola in the current, widened far beyond
// the rounding of its own arithmetic.
double HeatCeiling(const TemRecord& record, double tc, double th) {
    const OperatingCoefficients c = CoefficientsAt(record, tc, th);
    const double vertex = c.peltier * c.peltier / (4 * c.joule);
    constexpr double kMargin = 1e-9;
    constexpr double kFloor = 1e-200;
    return c.conduction + vertex + kMargin * (std::fabs(c.conduction) + vertex) + kFloor;
}

// Whether some scanned current can pump more than the band's heat at the
// first scan's start, and so may need the second scan. Most modules at most
// hot sides cannot, and then no current pays for the question.
bool MayBalanceBelowStart(const TemRecord& record, double th, double nominal) {
    const HeatSlope top(record, th, 2 * nominal, LowBalanceGrid().front(), BalanceGrid().back());
    return HeatCeiling(record, kScanStart, th) + top.Error() > kBalanceBand;
}

class FastScan {
public:
    FastScan(const TemRecord& record, double th)
        : record_(record),
          th_(th),
          grid_(BalanceGrid()),
          low_(LowBalanceGrid()),
          currents_(ScanCurrents(record.file.nominalCurrent)),
          mayBalanceBelow_(MayBalanceBelowStart(record, th, record.file.nominalCurrent)) {}

    std::optional<RatedValues> Derive();

private:
    std::optional<std::size_t> First(const std::vector<double>& grid, std::size_t k, std::size_t lo,
                                     std::size_t hi) const {
        return BalanceSearch(record_, th_, currents_[k], grid).FirstInBand(lo, hi);
    }
    std::optional<double> Balance(std::size_t k, double limit) const;
    std::optional<double> LowBalance(std::size_t k, std::size_t checked, double limit) const;

    const TemRecord& record_;
    double th_;
    const std::vector<double>& grid_;
    const std::vector<double>& low_;
    std::vector<double> currents_;
    bool mayBalanceBelow_;
};

// The cold side of current k's balance point as the reference finds it, if
// its difference Tc − Th is at most `limit`; nullopt when the current has no
// point or only one beyond the limit, which cannot win.
std::optional<double> FastScan::Balance(std::size_t k, double limit) const {
    const std::size_t points = PointsWithin(grid_, th_, limit);
    if (points > 0) {
        if (const auto j = First(grid_, k, 0, points - 1)) {
            return grid_[*j];
        }
    }
    return mayBalanceBelow_ ? LowBalance(k, points, limit) : std::nullopt;
}

// The second scan's point for current k, whose first scan holds nothing
// among its first `checked` points. A point of the first scan beyond them
// still rules the second scan out.
std::optional<double> FastScan::LowBalance(std::size_t k, std::size_t checked, double limit) const {
    if (!BalancesBelow(record_, currents_[k], th_, kScanStart)) {
        return std::nullopt;
    }
    if (checked < grid_.size() && First(grid_, k, checked, grid_.size() - 1)) {
        return std::nullopt;
    }
    const std::size_t points = PointsWithin(low_, th_, limit);
    if (points == 0) {
        return std::nullopt;
    }
    const auto j = First(low_, k, 0, points - 1);
    return j ? std::optional<double>(low_[*j]) : std::nullopt;
}

std::optional<RatedValues> FastScan::Derive() {
    if (currents_.empty()) {
        return std::nullopt;
    }
    // The reference's result is the coldest balance point, the lowest current
    // among equals, whatever the order of the currents. Knowing early a
    // current near the best one (the nominal, in the middle) caps every
    // other search at its temperature: points beyond it can never win.
    double cap = 400.0;
    if (const auto nominal = Balance(currents_.size() / 2, cap)) {
        cap = *nominal - th_;
    }
    Best best;
    for (std::size_t k = 0; k < currents_.size(); ++k) {
        if (const auto tc = Balance(k, std::min(cap, best.dt))) {
            best.Offer(*tc, th_, currents_[k]);
        }
    }
    if (!best.found) {
        return std::nullopt;
    }
    return RatedValuesAt(record_, th_, best.current, best.dt);
}

}  // namespace

std::optional<RatedValues> DeriveFast(const TemRecord& record, double th) {
    const auto& grid = BalanceGrid();
    if (!SaneNominal(record.file.nominalCurrent) ||
        !HeatSlope::Applies(record, th, LowBalanceGrid().front(), grid.back())) {
        return DeriveReference(record, th);
    }
    return FastScan(record, th).Derive();
}

}  // namespace vantiq
