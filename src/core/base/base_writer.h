#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/base/tem_record.h"

namespace vantiq {

// A module as the catalogue file stores it: its file fields (`imax` holding
// the nominal current) and its encoded picture, possibly empty.
struct CatalogueEntry {
    TemRecord record;
    std::vector<unsigned char> picture;
};

// The bytes of a catalogue file holding `entries` in order; nullopt when
// there are none, more than the count field holds, or a picture too large
// for its size field.
std::optional<std::vector<unsigned char>> EncodeBase(const std::vector<CatalogueEntry>& entries);

// Writes the catalogue to `path` through a temporary file that replaces the
// target only once complete (ReplaceFileContents): a failure leaves the file
// at `path` as it was. Returns an error text naming the path and the reason,
// or nullopt on success.
std::optional<std::string> WriteBase(const std::string& path,
                                     const std::vector<CatalogueEntry>& entries);

}  // namespace vantiq
