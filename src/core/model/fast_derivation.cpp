#include "core/model/fast_derivation.h"

#include <algorithm>
#include <vector>

#include "core/model/balance_grid.h"
#include "core/model/balance_search.h"
#include "core/model/heat_slope.h"
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

class FastScan {
public:
    FastScan(const TemRecord& record, double th)
        : record_(record), th_(th), grid_(BalanceGrid()), currents_(ScanCurrents(record.imax)) {}

    std::optional<RatedValues> Derive();

private:
    std::optional<std::size_t> First(std::size_t k, std::size_t points) const {
        return BalanceSearch(record_, th_, currents_[k], grid_).FirstInBand(0, points - 1);
    }

    const TemRecord& record_;
    double th_;
    const std::vector<double>& grid_;
    std::vector<double> currents_;
};

std::optional<RatedValues> FastScan::Derive() {
    if (currents_.empty()) {
        return std::nullopt;
    }
    // The reference's result is the coldest balance point, the lowest current
    // among equals, whatever the order of the currents. Knowing early a
    // current near the best one (the nominal, in the middle) caps every
    // other search at its temperature: points beyond it can never win.
    double cap = 400.0;
    if (const auto nominal = First(currents_.size() / 2, grid_.size())) {
        cap = grid_[*nominal] - th_;
    }
    Best best;
    for (std::size_t k = 0; k < currents_.size(); ++k) {
        const std::size_t points = PointsWithin(grid_, th_, std::min(cap, best.dt));
        if (points == 0) {
            break;
        }
        if (const auto j = First(k, points)) {
            best.Offer(grid_[*j], th_, currents_[k]);
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
    if (!SaneNominal(record.imax) || !HeatSlope::Applies(record, th, grid.front(), grid.back())) {
        return DeriveReference(record, th);
    }
    return FastScan(record, th).Derive();
}

}  // namespace vantiq
