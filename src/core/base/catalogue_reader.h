#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/base/base_file.h"
#include "core/base/base_writer.h"
#include "core/base/picture_reader.h"
#include "core/base/result.h"

namespace vantiq {

// A catalogue file as stored, read without deriving anything: each entry's
// file fields (in `record.file`; nothing is rated), its name's 30 bytes as
// they are (a name without NUL keeps all 30), and its picture.
struct StoredCatalogue {
    // Whether the header and the size can be used; when they cannot (the
    // program refuses such a file), why, and nothing below is filled.
    Status header;
    std::uint64_t fileSize = 0;
    std::uint32_t count = 0;  // as the header says
    // Filled only when the header and every entry could be read.
    std::vector<CatalogueEntry> entries;
    // Where the size table puts each picture.
    std::vector<PictureLocation> pictures;
    // Pictures that reach beyond the end of the file; their entries hold none.
    std::vector<std::uint32_t> cutPictures;
    // Where the last picture ends; bytes past it are never read.
    std::uint64_t picturesEnd = 0;
};

// Reads the whole catalogue at `path`, holding it locked while it reads. An
// error when the file cannot be opened or read; a damaged header or size is
// told by the catalogue's `header`.
Result<StoredCatalogue> ReadCatalogue(const std::string& path);

// The same for a file this process already holds.
Result<StoredCatalogue> ReadCatalogue(const BaseFile& file);

}  // namespace vantiq
