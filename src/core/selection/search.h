#pragma once

#include <cstdint>
#include <vector>

#include "core/base/tem_base.h"
#include "core/selection/search_criteria.h"

namespace vantiq {

// Indexes of the records of `base`, derived at hot side `thot` (K), that meet
// `criteria`, in base order. The
// one entry point of the search: callers never depend on how it walks the
// base. It tests the records on all cores and reads only the curve points
// its tests can accept, with the result of RunSearchSequential.
std::vector<std::uint32_t> RunSearch(const TemBase& base, double thot,
                                     const SearchCriteria& criteria);

// The plain search: one record after the other on the calling thread. It is
// the reference every faster search must agree with.
std::vector<std::uint32_t> RunSearchSequential(const TemBase& base, double thot,
                                               const SearchCriteria& criteria);

// Indexes of every record that can be listed (every derivable one), in base
// order: what "Show all" lists.
std::vector<std::uint32_t> ShowAllModules(const TemBase& base);

}  // namespace vantiq
