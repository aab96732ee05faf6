#pragma once

#include <cstdint>
#include <optional>

#include "core/base/tem_base.h"
#include "core/selection/result_list.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// "Search": fills `list` with the modules of `base`, derived at `thot` (K),
// that meet `criteria`, sorts it by
// `key` in `order` and marks row 0. Returns the module row 0 selects; when
// nothing matches, the list is left empty and the answer is nullopt: the
// module selected before, the one the view still shows, stays selected.
std::optional<std::int32_t> ListSearchResult(const TemBase& base, double thot,
                                             const SearchCriteria& criteria, SortKey key,
                                             SortOrder order, ResultList& list);

// "Show all": fills `list` with every module that can be listed, sorts it and
// marks row 0. Returns the module row 0 selects, or nullopt for an empty
// list, which leaves the selection alone.
std::optional<std::int32_t> ListAllModules(const TemBase& base, SortKey key, SortOrder order,
                                           ResultList& list);

}  // namespace vantiq
