#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/base_error.h"
#include "core/base/base_writer.h"
#include "core/base/picture_reader.h"

namespace vantiq {

// Why a catalogue's header or size cannot be used; the program refuses all of these.
enum class CatalogueDamage {
    kNone,
    kShortHeader,  // fewer than the 4 bytes of the count
    kZeroCount,    // the count is 0
    kShortFile,    // the file ends before its last entry
};

// A catalogue file as stored, read without deriving anything: each entry's
// file fields (`imax` holding the nominal current), its name's 30 bytes as
// they are (a name without NUL keeps all 30), and its picture.
struct StoredCatalogue {
    std::optional<BaseError> error;  // the file could not be opened or read
    CatalogueDamage damage = CatalogueDamage::kNone;
    std::uint64_t fileSize = 0;
    std::uint32_t count = 0;  // as the header says; 0 when it is missing
    // Filled only when the header and every entry could be read.
    std::vector<CatalogueEntry> entries;
    // Where the size table puts each picture.
    std::vector<PictureLocation> pictures;
    // Pictures that reach beyond the end of the file; their entries hold none.
    std::vector<std::uint32_t> cutPictures;
    // Where the last picture ends; bytes past it are never read.
    std::uint64_t picturesEnd = 0;
};

// Reads the whole catalogue at `path`, holding it locked while it reads.
StoredCatalogue ReadCatalogue(const std::string& path);

}  // namespace vantiq
