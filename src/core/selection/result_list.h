#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// The result list, as the window shows it and the command line prints it:
// module names (Windows-1251 bytes) in the order shown, and the selection
// mark, the row last clicked or set. A row names its module, the first
// record of the base that bears the name; the list holds nothing else. Only
// modules with rated values are listed or selected: a row whose module
// cannot be derived selects no module.
class ResultList {
public:
    // Replaces the rows by the names of the records at `indexes`, in that
    // order, without a mark.
    void Fill(const TemBase& base, const std::vector<std::uint32_t>& indexes);

    // Empties the list, as "Clear" does.
    void Clear();
    bool empty() const { return rows_.empty(); }
    std::size_t size() const { return rows_.size(); }
    const std::vector<std::string>& Rows() const { return rows_; }

    // Sorts the rows from their current order (see SortRows) and marks row 0.
    // Returns the module row 0 selects (see ModuleOf), or nullopt for an
    // empty list, which is left as it is and selects nothing.
    std::optional<std::int32_t> Sort(const TemBase& base, SortKey key, SortOrder order);

    // The selection mark; -1 when there is none.
    std::ptrdiff_t Mark() const { return mark_; }
    // Marks `row`; a row that does not exist leaves no mark.
    void SetMark(std::ptrdiff_t row);
    // The module the marked row selects: its index, or -1 when there is no
    // mark, no record bears its name or that record cannot be derived.
    std::int32_t MarkedModule(const TemBase& base) const { return ModuleOf(base, mark_); }
    // The module that row `row` selects: the first record bearing its name
    // when that record has rated values, otherwise (and for no such row) -1.
    std::int32_t ModuleOf(const TemBase& base, std::ptrdiff_t row) const;
    // SetMark(row), then the module the mark selects (MarkedModule).
    std::int32_t Select(const TemBase& base, std::ptrdiff_t row);

    // After the records were derived anew (at another hot side): drops the
    // rows whose module can no longer be derived, sorts the rest again by
    // `key` in `order` from their current order, and keeps the mark on the
    // module it was on; the mark goes when its row went. Returns the module
    // the mark selects (-1 without a mark).
    std::int32_t Rederived(const TemBase& base, SortKey key, SortOrder order);

    // The module of every row, in row order (-1 for a name no record bears).
    std::vector<std::int32_t> Modules(const TemBase& base) const;

private:
    std::vector<std::string> rows_;
    std::ptrdiff_t mark_ = -1;
};

// The third column's text of `module` (a record index, -1 for none) for
// `key`: KeyColumnText of its record; empty for the name key and for a
// module the base does not hold (-1, or a list older than the base).
std::string ModuleKeyText(const TemBase& base, std::int32_t module, SortKey key);

}  // namespace vantiq
