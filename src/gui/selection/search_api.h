#pragma once

#include "selection/search_stand_in.h"

namespace vantiq {
using standin::CriteriaText;
using standin::FormatInput;
using standin::ReadNumber;
using standin::RunSearch;
using standin::SearchCriteria;
using standin::ShowAllModules;
using standin::SortRows;
using standin::ThirdColumnHeader;
using standin::ThirdColumnText;
}  // namespace vantiq
