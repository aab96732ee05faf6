#include "core/selection/list_actions.h"

#include "core/selection/search.h"

namespace vantiq {

bool ListSearchResult(TemBase& base, const SearchCriteria& criteria, SortKey key, SortOrder order,
                      ResultList& list) {
    list.Fill(base, RunSearch(base, criteria));
    return list.Sort(base, key, order);
}

}  // namespace vantiq
