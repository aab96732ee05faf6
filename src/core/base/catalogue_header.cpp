#include "core/base/catalogue_header.h"

#include <string>

#include "core/base/base_error.h"
#include "core/base/base_layout.h"

namespace vantiq {
namespace {

std::string Bytes(std::uint64_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

Error Damaged(std::string what) {
    return Error(std::move(what));
}

}  // namespace

Result<std::uint32_t> ReadModuleCount(const BaseFile& file) {
    unsigned char header[4];
    if (!file.ReadAt(0, header, sizeof header)) {
        return Damaged("the file is " + Bytes(file.Size()) +
                       " long, too short for its 4-byte count");
    }
    const std::uint32_t count = ReadU32(header);
    if (count == 0) {
        return Damaged("the file counts 0 modules");
    }
    if (file.Size() < PicturesOffset(count)) {
        return Damaged("the file counts " + std::to_string(count) + " modules, which need " +
                       Bytes(PicturesOffset(count)) + " before the pictures, but it is " +
                       Bytes(file.Size()) + " long");
    }
    return count;
}

}  // namespace vantiq
