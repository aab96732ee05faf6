#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// The rows of the result list: module names (Windows-1251 bytes) in the
// order shown. A row names its module, the first record of the base that
// bears the name; the list holds nothing else.
class ResultList {
public:
    // Replaces the rows by the names of the records at `indexes`, in that order.
    void Fill(const TemBase& base, const std::vector<std::uint32_t>& indexes);

    // The rows themselves; Clear empties the list, as "Clear" does.
    void Clear() { rows_.clear(); }
    bool empty() const { return rows_.empty(); }
    std::size_t size() const { return rows_.size(); }
    const std::vector<std::string>& Rows() const { return rows_; }

    // Sorts the rows from their current order (see SortRows) and selects row
    // 0. An empty list is left as it is and selects nothing. Returns whether a
    // row was selected, that is whether the view must be told.
    bool Sort(TemBase& base, SortKey key, SortOrder order);

    // Makes the module of `row` the selected one: `base.selected` becomes its
    // index, or -1 when there is no such row or no record bears its name.
    void Select(TemBase& base, std::ptrdiff_t row) const;

    // The module of every row, in row order (-1 for a name no record bears).
    std::vector<std::int32_t> Modules(const TemBase& base) const;

private:
    std::vector<std::string> rows_;
};

}  // namespace vantiq
