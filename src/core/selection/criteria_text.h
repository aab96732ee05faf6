#pragma once

#include <string>

#include "core/selection/search_criteria.h"

namespace vantiq {

// The summary of what was entered that the panel shows under the list: the
// line "Your search creteria is:", then one quoted line per set requirement
// (Q, dT, the supply pair, R with its tolerance, width, length, height, name),
// every line ended by CR LF. Windows-1251 bytes: the degree sign is 0xB0 and
// the plus-minus sign 0xB1; the name fragment is copied as it is.
std::string CriteriaText(const SearchCriteria& criteria);

// The same text decoded to UTF-8 for display.
std::string CriteriaTextUtf8(const SearchCriteria& criteria);

}  // namespace vantiq
