#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/base/tem_record.h"

namespace vantiq::test {

// `count` modules with realistic bismuth-telluride constants drawn from a
// generator seeded with `seed` (the same modules for the same seed on every
// platform): 17 to 241 couples, legs 0.6 to 2.0 mm square and 0.8 to 2.5 mm
// long, σ 0.8e5 to 1.2e5 S/m, α 1.8e-4 to 2.2e-4 V/K, κ 1.3 to 1.7 W/(m·K),
// and a nominal current 0.7 to 1.4 times the current of the largest
// temperature difference at 298 K. Named "GEN-00000" onward.
std::vector<TemRecord> GeneratedModules(std::size_t count, std::uint64_t seed);

}  // namespace vantiq::test
