#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "core/base/tem_base.h"

namespace vantiq {

// The first record, in base order, bearing each name: what
// `TemBase::FindByName` answers, for many names at once. It refers to the
// names held by `base`, which must neither change nor go while it is used.
class NameIndex {
public:
    explicit NameIndex(const TemBase& base);

    // Index of the first record named exactly `name` (byte-wise); -1 if none is.
    std::int32_t Find(std::string_view name) const;

private:
    std::unordered_map<std::string_view, std::int32_t> first_;
};

}  // namespace vantiq
