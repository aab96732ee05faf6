#include "core/base/picture_reader.h"

#include "core/base/base_layout.h"

namespace vantiq {

std::optional<PictureLocation> LocatePicture(const TemBase& base, std::uint32_t index) {
    if (!base.isOpen || index >= base.count) {
        return std::nullopt;
    }
    // The sizes up to and including this picture's, in one read.
    std::vector<unsigned char> table(4 * (std::size_t{index} + 1));
    if (!base.file.ReadAt(PictureTableOffset(), table.data(), table.size())) {
        return std::nullopt;
    }
    std::uint64_t before = 0;
    for (std::uint32_t i = 0; i < index; ++i) {
        before += ReadU32(table.data() + 4 * i);
    }
    const PictureLocation location{PicturesOffset(base.count) + before,
                                   ReadU32(table.data() + 4 * std::size_t{index})};
    if (!PictureFits(location, base.file.Size())) {
        return std::nullopt;
    }
    return location;
}

std::vector<unsigned char> ReadPicture(const TemBase& base, std::uint32_t index) {
    const auto location = LocatePicture(base, index);
    if (!location || location->size == 0) {
        return {};
    }
    std::vector<unsigned char> bytes(location->size);
    if (!base.file.ReadAt(location->offset, bytes.data(), bytes.size())) {
        return {};
    }
    return bytes;
}

}  // namespace vantiq
