#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/base_file.h"
#include "core/base/tem_record.h"

namespace vantiq {

// The loaded catalogue: the open file, its module records derived at `thot`,
// and the module the user is looking at. One instance serves the whole run.
struct TemBase {
    static constexpr double kDefaultThot = 298.0;
    static constexpr double kMinThot = 223.0;
    static constexpr double kMaxThot = 373.0;

    bool isOpen = false;
    std::uint32_t count = 0;
    double thot = kDefaultThot;  // hot-side temperature, K
    std::int32_t selected = 0;   // index of the module shown; -1 for none
    std::vector<TemRecord> records;
    BaseFile file;

    // Index of the first record, in base order, whose name is exactly
    // `name` (byte-wise); -1 when none is.
    std::int32_t FindByName(std::string_view name) const;

    // The selected record, or nullptr when nothing (or nothing loaded) is
    // selected. Callers never index `records` with `selected` themselves.
    const TemRecord* Selected() const;
};

}  // namespace vantiq
