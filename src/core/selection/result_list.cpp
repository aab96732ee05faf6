#include "core/selection/result_list.h"

#include "core/selection/name_index.h"
#include "core/selection/row_sort.h"

namespace vantiq {

void ResultList::Fill(const TemBase& base, const std::vector<std::uint32_t>& indexes) {
    rows_.clear();
    rows_.reserve(indexes.size());
    for (std::uint32_t i : indexes) {
        rows_.emplace_back(base.records.at(i).Name());
    }
}

bool ResultList::Sort(TemBase& base, SortKey key, SortOrder order) {
    if (rows_.empty()) {
        return false;
    }
    rows_ = SortRows(base, std::move(rows_), key, order);
    Select(base, 0);
    return true;
}

void ResultList::Select(TemBase& base, std::ptrdiff_t row) const {
    const bool exists = row >= 0 && static_cast<std::size_t>(row) < rows_.size();
    base.selected = exists ? base.FindByName(rows_[static_cast<std::size_t>(row)]) : -1;
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

}  // namespace vantiq
