#pragma once

#include <cstdint>

#include "core/base/base_file.h"
#include "core/base/result.h"

namespace vantiq {

// The module count that the header of the catalogue in `file` states, once
// the file is known to hold the header, the picture size table and every
// entry. Checking the size before anything is allocated keeps a header that
// claims billions of modules from costing memory. A file too short for its
// count, a count of 0 or a file that ends before its last entry is damaged:
// the error says which, with the sizes involved ("the file counts 0
// modules").
Result<std::uint32_t> ReadModuleCount(const BaseFile& file);

}  // namespace vantiq
