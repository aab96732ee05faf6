#pragma once

#include <cstdint>
#include <string>

#include "core/base/result.h"
#include "core/base/tem_base.h"

namespace vantiq {

inline constexpr const char* kDefaultBasePath = "Base.tmb";

// Opens the catalogue at `path` and holds it locked for the rest of the run;
// reads its module count. The file must hold its header, picture table and all
// entries: a short file or a count of 0 is damaged. On failure `base` stays
// closed and the error says why.
Status OpenBase(TemBase& base, const std::string& path = kDefaultBasePath);

// Reads the file fields of every entry of the open base, a block at a time,
// into `base.records`; their rated part is left empty for a derivation
// (`LoadBase`, core/model/base_derivation) to fill. On failure (a damaged
// entry, a read error) leaves the records as they were.
Status ReadRecords(TemBase& base);

}  // namespace vantiq
