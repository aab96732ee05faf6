#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/tem_base.h"

namespace vantiq {

// The first record, in base order, bearing each name: what
// `TemBase::FindByName` answers, for many names at once. It refers to the
// records held by `base`, which must neither change nor go while it is used.
//
// An open-addressing table of record numbers, at most half full: four bytes a
// slot, where a node-based map would cost some fifty bytes and a small
// allocation per record, which on a million modules is what decides the
// window's peak memory while it sorts.
class NameIndex {
public:
    explicit NameIndex(const TemBase& base);

    // Index of the first record named exactly `name` (byte-wise); -1 if none is.
    std::int32_t Find(std::string_view name) const;

private:
    // The slot holding the record named `name`, or the empty slot where it
    // would go.
    std::size_t SlotOf(std::string_view name) const;

    const std::vector<TemRecord>& records_;
    // Record index + 1 per slot; 0 marks an empty slot.
    std::vector<std::uint32_t> slots_;
    std::size_t mask_ = 0;
};

}  // namespace vantiq
