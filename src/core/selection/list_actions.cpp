#include "core/selection/list_actions.h"

#include "core/selection/search.h"

namespace vantiq {

std::optional<std::int32_t> ListSearchResult(const TemBase& base, double thot,
                                             const SearchCriteria& criteria, SortKey key,
                                             SortOrder order, ResultList& list) {
    list.Fill(base, RunSearch(base, thot, criteria));
    return list.Sort(base, key, order);
}

std::optional<std::int32_t> ListAllModules(const TemBase& base, SortKey key, SortOrder order,
                                           ResultList& list) {
    list.Fill(base, ShowAllModules(base));
    return list.Sort(base, key, order);
}

}  // namespace vantiq
