#include "core/selection/result_list.h"

#include <algorithm>

#include "core/selection/name_index.h"
#include "core/selection/row_sort.h"

namespace vantiq {
namespace {

bool Listable(const TemBase& base, std::int32_t module) {
    return module >= 0 && base.records[static_cast<std::size_t>(module)].rated.derivable;
}

}  // namespace

void ResultList::Fill(const TemBase& base, const std::vector<std::uint32_t>& indexes) {
    rows_.clear();
    rows_.reserve(indexes.size());
    for (std::uint32_t i : indexes) {
        rows_.emplace_back(base.records.at(i).Name());
    }
    mark_ = -1;
}

void ResultList::Clear() {
    rows_.clear();
    mark_ = -1;
}

std::optional<std::int32_t> ResultList::Sort(const TemBase& base, SortKey key, SortOrder order) {
    if (rows_.empty()) {
        return std::nullopt;
    }
    rows_ = SortRows(base, std::move(rows_), key, order);
    return Select(base, 0);
}

void ResultList::SetMark(std::ptrdiff_t row) {
    const bool exists = row >= 0 && static_cast<std::size_t>(row) < rows_.size();
    mark_ = exists ? row : -1;
}

std::int32_t ResultList::ModuleOf(const TemBase& base, std::ptrdiff_t row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return -1;
    }
    const std::int32_t module = base.FindByName(rows_[static_cast<std::size_t>(row)]);
    return Listable(base, module) ? module : -1;
}

std::int32_t ResultList::Select(const TemBase& base, std::ptrdiff_t row) {
    SetMark(row);
    return MarkedModule(base);
}

std::int32_t ResultList::Rederived(const TemBase& base, SortKey key, SortOrder order) {
    const std::string marked = mark_ < 0 ? std::string() : rows_[static_cast<std::size_t>(mark_)];
    {
        // The rows kept move up in place: a million rows are never held twice.
        const NameIndex index(base);
        std::erase_if(rows_,
                      [&](const std::string& row) { return !Listable(base, index.Find(row)); });
    }
    rows_ = SortRows(base, std::move(rows_), key, order);
    // Rows of one name all stand for the same module, so the first of them
    // carries the mark.
    const auto at = mark_ < 0 ? rows_.end() : std::find(rows_.begin(), rows_.end(), marked);
    return Select(base, at == rows_.end() ? -1 : at - rows_.begin());
}

std::vector<std::int32_t> ResultList::Modules(const TemBase& base) const {
    const NameIndex index(base);
    std::vector<std::int32_t> modules;
    modules.reserve(rows_.size());
    for (const auto& name : rows_) {
        modules.push_back(index.Find(name));
    }
    return modules;
}

std::string ModuleKeyText(const TemBase& base, std::int32_t module, SortKey key) {
    const auto at = static_cast<std::size_t>(module);
    return module < 0 || at >= base.records.size() ? std::string()
                                                   : KeyColumnText(base.records[at], key);
}

}  // namespace vantiq
