#include "core/model/balance_grid.h"

#include "core/model/sweep.h"

namespace vantiq {

const std::vector<double>& BalanceGrid() {
    // The grid does not depend on the module, so building it once saves the
    // additions of 4000 points for each of some 200 currents per module.
    static const std::vector<double> grid = [] {
        std::vector<double> values;
        Sweep(
            kScanStart, kScanStep, [](double t) { return t <= kScanEnd; },
            [&](double t) {
                values.push_back(t);
                return false;
            });
        return values;
    }();
    return grid;
}

}  // namespace vantiq
