#pragma once

#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// The rows `names` (module names, in the list's current order) in the order
// the result list shows them after a sort by `key` in `order`.
//
// The order is that of an exchange sort: for each position i from the first,
// every later row j is compared with the row now at i, and the two swap when
// they are out of order (descending: key(i) < key(j); ascending: key(i) >
// key(j)). Equal keys never swap, yet rows with equal keys can change places
// when a third row is swapped past them, and that order is kept exactly. Names
// compare as unsigned bytes; the other keys are the values of the row's
// module, the first record bearing its name (a row whose name no record bears
// sorts as the smallest value). Each key is looked up once, and the order is
// found without doing the exchanges, so a million rows sort in about a
// second.
std::vector<std::string> SortRows(const TemBase& base, std::vector<std::string> names, SortKey key,
                                  SortOrder order);

}  // namespace vantiq
