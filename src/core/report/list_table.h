#pragma once

#include <ostream>
#include <string>

#include "core/base/tem_base.h"
#include "core/selection/result_list.h"

namespace vantiq {

// The result list as CSV (RFC 4180, CR LF line ends), the way `vantiq-cli
// search` prints it and the window exports it: the header row, index, name,
// then the module's values (ModuleValueFields), and one row per listed
// module in list order with its place, its index in the base and its name
// in UTF-8. An empty list gives the header alone.
std::string ListCsv(const TemBase& base, const ResultList& list);

// The same text written row by row to `out`, so that a list of a million
// modules is never held whole in memory.
void WriteListCsv(const TemBase& base, const ResultList& list, std::ostream& out);

}  // namespace vantiq
