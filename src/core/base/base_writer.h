#pragma once

#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/base/tem_record.h"

namespace vantiq {

// A module as the catalogue file stores it: its file fields (`record.file`;
// the rated part is neither read nor written) and its encoded picture,
// possibly empty.
struct CatalogueEntry {
    TemRecord record;
    std::vector<unsigned char> picture;
};

// The bytes of a catalogue file holding `entries` in order; an error when
// there are none, more than the count field holds, or a picture too large
// for its size field.
Result<std::vector<unsigned char>> EncodeBase(const std::vector<CatalogueEntry>& entries);

// Writes the catalogue to `path` through a temporary file that replaces the
// target only once complete; on failure the target is left as it was.
Status WriteBase(const std::string& path, const std::vector<CatalogueEntry>& entries);

}  // namespace vantiq
