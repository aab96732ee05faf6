#include "core/base/catalogue_reader.h"

#include "core/base/base_error.h"
#include "core/base/base_file.h"
#include "core/base/base_layout.h"
#include "core/base/catalogue_header.h"

namespace vantiq {
namespace {

// Lays the pictures out by the size table, back to back after the entries.
void LocatePictures(const unsigned char* table, StoredCatalogue& catalogue) {
    std::uint64_t offset = PicturesOffset(catalogue.count);
    for (std::uint32_t i = 0; i < catalogue.count; ++i) {
        const PictureLocation location{offset, ReadU32(table + 4 * std::size_t{i})};
        if (!PictureFits(location, catalogue.fileSize)) {
            catalogue.cutPictures.push_back(i);
        }
        catalogue.pictures.push_back(location);
        offset += location.size;
    }
    catalogue.picturesEnd = offset;
}

bool ReadPictures(const BaseFile& file, StoredCatalogue& catalogue) {
    std::size_t cut = 0;
    for (std::uint32_t i = 0; i < catalogue.count; ++i) {
        if (cut < catalogue.cutPictures.size() && catalogue.cutPictures[cut] == i) {
            ++cut;
            continue;
        }
        auto& picture = catalogue.entries[i].picture;
        picture.resize(catalogue.pictures[i].size);
        if (!file.ReadAt(catalogue.pictures[i].offset, picture.data(), picture.size())) {
            return false;
        }
    }
    return true;
}

// Reads the size table and the entries in one read, then every picture.
bool ReadBody(const BaseFile& file, StoredCatalogue& catalogue) {
    std::vector<unsigned char> head(PicturesOffset(catalogue.count) - PictureTableOffset());
    if (!file.ReadAt(PictureTableOffset(), head.data(), head.size())) {
        return false;
    }
    LocatePictures(head.data(), catalogue);
    const unsigned char* entries = head.data() + 4 * std::size_t{catalogue.count};
    catalogue.entries.resize(catalogue.count);
    for (std::size_t i = 0; i < catalogue.count; ++i) {
        catalogue.entries[i].record = DecodeEntry(entries + kEntrySize * i);
    }
    return ReadPictures(file, catalogue);
}

}  // namespace

Result<StoredCatalogue> ReadCatalogue(const std::string& path) {
    const auto file = BaseFile::OpenShared(path);
    if (!file) {
        return BaseNotFoundError();
    }
    return ReadCatalogue(*file);
}

Result<StoredCatalogue> ReadCatalogue(const BaseFile& file) {
    StoredCatalogue catalogue;
    catalogue.fileSize = file.Size();
    const Result<std::uint32_t> count = ReadModuleCount(file);
    if (!count.ok()) {
        catalogue.header = count.error();
        return catalogue;
    }
    catalogue.count = *count;
    if (!ReadBody(file, catalogue)) {
        return BaseDamagedError();
    }
    return catalogue;
}

}  // namespace vantiq
