#include "core/model/balance_grid.h"

#include "core/model/balance_scan.h"
#include "core/model/sweep.h"

namespace vantiq {
namespace {

template <typename KeepGoing>
std::vector<double> GridFrom(double start, KeepGoing keepGoing) {
    std::vector<double> values;
    Sweep(start, kScanStep, keepGoing, [&](double t) {
        values.push_back(t);
        return false;
    });
    return values;
}

}  // namespace

const std::vector<double>& BalanceGrid() {
    // The grid does not depend on the module, so building it once saves the
    // additions of 4000 points for each of some 200 currents per module.
    static const std::vector<double> grid =
        GridFrom(kScanStart, [](double t) { return t <= kScanEnd; });
    return grid;
}

const std::vector<double>& LowBalanceGrid() {
    static const std::vector<double> grid =
        GridFrom(kLowScanStart, [](double t) { return t < kScanStart; });
    return grid;
}

}  // namespace vantiq
