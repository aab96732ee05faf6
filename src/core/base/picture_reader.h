#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/base/tem_base.h"

namespace vantiq {

// Where a module's picture lies in the catalogue file.
struct PictureLocation {
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

// Whether the picture at `location` lies wholly within a file of `fileSize` bytes.
constexpr bool PictureFits(const PictureLocation& location, std::uint64_t fileSize) {
    return location.offset <= fileSize && location.size <= fileSize - location.offset;
}

// The location of picture `index`: past the header, the size table and all
// entries, plus the sizes of the pictures before it (summed in 64 bits).
// nullopt when the base is not open, the index is out of range, or the
// picture would reach beyond the end of the file.
std::optional<PictureLocation> LocatePicture(const TemBase& base, std::uint32_t index);

// The encoded bytes of picture `index`; empty when it has none or cannot be read.
std::vector<unsigned char> ReadPicture(const TemBase& base, std::uint32_t index);

}  // namespace vantiq
