#pragma once

#include <string>

#include "cli/cli_options.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// What `search` was asked for: the wizard's requirements and the list's sort,
// with the window's starting values where an option is not given.
struct SearchRequest {
    SearchCriteria criteria;
    SortKey key = SortKey::Name;
    SortOrder order = SortOrder::Descending;
};

// Reads the options of `search` into `request`. Numbers are read strictly.
// Returns a usage error naming the offending option, or empty.
std::string ReadSearchRequest(const ParsedArgs& args, SearchRequest& request);

}  // namespace vantiq
