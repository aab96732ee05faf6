#include "core/selection/name_index.h"

namespace vantiq {

NameIndex::NameIndex(const TemBase& base) {
    first_.reserve(base.records.size());
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        // emplace keeps the entry already there, so the first record wins.
        first_.emplace(base.records[i].Name(), static_cast<std::int32_t>(i));
    }
}

std::int32_t NameIndex::Find(std::string_view name) const {
    const auto found = first_.find(name);
    return found == first_.end() ? -1 : found->second;
}

}  // namespace vantiq
