#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/tem_record.h"

namespace vantiq {

// What the result list is sorted by, in the order of the sort combo's items.
enum class SortKey : std::int32_t {
    Name = 0,     // "Sort by name"
    Qmax = 1,     // "Sort by performance [Qmax]"
    Pellets = 2,  // "Sort by pellets number [m]"
    Imax = 3,     // "Sort by current [Imax]"
    Umax = 4,     // "Sort by voltage [Umax]"
};

// The direction, in the order of the two radio buttons.
enum class SortOrder : std::int32_t {
    Descending = 0,
    Ascending = 1,
};

// The header of the list's third column for `key`: "Qmax, W", "Pellets
// number, pcs", "Imax, A" or "Umax, V"; nullopt for the name, which has no
// third column.
std::optional<std::string> KeyColumnHeader(SortKey key);

// The third column's text for the module `record`: "%3.1f" of qmax, imax or
// umax, "%d" of the pellet count; empty for the name key.
std::string KeyColumnText(const TemRecord& record, SortKey key);

// The value the rows are compared by for keys other than the name; the
// pellet count is exact as a double.
double NumericKey(const TemRecord& record, SortKey key);

}  // namespace vantiq
