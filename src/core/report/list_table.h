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

// The list for a spreadsheet: the row, the name and the module's values
// with their units in the headers ("Imax (A)") at the precision the window
// shows them (the datasheet's rated values; millimetres to three decimals
// without trailing zeros); a module without rated values has those cells
// empty. CSV text as ListCsv.
std::string ListSheetCsv(const TemBase& base, const ResultList& list);

// The same text as ListCsv written row by row to `out`, so that a list of a million
// modules is never held whole in memory.
void WriteListCsv(const TemBase& base, const ResultList& list, std::ostream& out);

}  // namespace vantiq
