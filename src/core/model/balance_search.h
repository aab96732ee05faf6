#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/base/tem_record.h"
#include "core/model/heat_slope.h"

namespace vantiq {

// Finds, for one module at one current, the first point of the balance grid
// where ColdSideHeat lies within the ±0.05 W band: the same point a scan of
// every grid point finds, while evaluating only a few. Points are skipped
// only where HeatSlope proves that none of them can lie within the band.
// Needs HeatSlope::Applies for the module over the whole grid.
class BalanceSearch {
public:
    BalanceSearch(const TemRecord& record, double th, double current,
                  const std::vector<double>& grid);

    // Index of the first grid point in [lo, hi] whose heat is within the
    // band, or nullopt when none is. lo <= hi < grid size.
    std::optional<std::size_t> FirstInBand(std::size_t lo, std::size_t hi) const;

private:
    double Heat(std::size_t j) const;
    std::optional<std::size_t> Rising(std::size_t lo, std::size_t hi) const;
    std::size_t LastSurelyBelow(std::size_t lo, std::size_t hi) const;
    std::optional<std::size_t> Scan(std::size_t lo, std::size_t hi, bool rising) const;
    bool SurelyOutside(std::size_t lo, std::size_t hi, HeatSlope::Range slope) const;

    const TemRecord& record_;
    double th_;
    double current_;
    const std::vector<double>& grid_;
    HeatSlope slope_;
    double below_;  // a computed heat under this puts the exact heat below the band
    double above_;  // likewise above the band
};

}  // namespace vantiq
