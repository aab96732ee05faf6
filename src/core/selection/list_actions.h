#pragma once

#include "core/base/tem_base.h"
#include "core/selection/result_list.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// "Search": fills `list` with the modules that meet `criteria`, sorts it by
// `key` in `order` and selects row 0. When nothing matches, the list is left
// empty and `base.selected` keeps the module selected before, the one the
// view still shows. Returns whether anything matched.
bool ListSearchResult(TemBase& base, const SearchCriteria& criteria, SortKey key, SortOrder order,
                      ResultList& list);

// "Show all": fills `list` with every module that can be listed, sorts it and
// selects row 0; an empty list leaves `base.selected` alone. Returns whether
// the list has rows.
bool ListAllModules(TemBase& base, SortKey key, SortOrder order, ResultList& list);

}  // namespace vantiq
