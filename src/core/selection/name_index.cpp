#include "core/selection/name_index.h"

#include <bit>
#include <functional>

namespace vantiq {

NameIndex::NameIndex(const TemBase& base)
    : records_(base.records),
      slots_(std::bit_ceil(2 * base.records.size() + 1), 0),
      mask_(slots_.size() - 1) {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        std::uint32_t& slot = slots_[SlotOf(records_[i].Name())];
        // A taken slot already holds an earlier record of this name: the
        // first one wins.
        if (slot == 0) {
            slot = static_cast<std::uint32_t>(i + 1);
        }
    }
}

std::size_t NameIndex::SlotOf(std::string_view name) const {
    const std::size_t hash = std::hash<std::string_view>{}(name);
    std::size_t at = hash & mask_;
    // The table is never full, so the probe ends at an empty slot at worst.
    while (slots_[at] != 0 && records_[slots_[at] - 1].Name() != name) {
        at = (at + 1) & mask_;
    }
    return at;
}

std::int32_t NameIndex::Find(std::string_view name) const {
    const std::uint32_t slot = slots_[SlotOf(name)];
    return slot == 0 ? -1 : static_cast<std::int32_t>(slot - 1);
}

}  // namespace vantiq
