#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/base_file.h"
#include "core/base/tem_record.h"

namespace vantiq {

// The loaded catalogue: the open file and its module records, derived at the
// hot side the session chose. That hot side and the module the user looks at
// are the session's, not the catalogue's. One instance serves the whole run.
struct TemBase {
    bool isOpen = false;
    std::uint32_t count = 0;
    std::vector<TemRecord> records;
    BaseFile file;

    // Index of the first record, in base order, whose name is exactly
    // `name` (byte-wise); -1 when none is.
    std::int32_t FindByName(std::string_view name) const;
};

// The record at `index`, or nullptr for -1 and any index the base does not
// hold (a selection older than the base): callers never index `records` with
// a selection themselves.
const TemRecord* RecordAt(const TemBase& base, std::int32_t index);

}  // namespace vantiq
