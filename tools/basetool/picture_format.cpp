#include "picture_format.h"

#include <string_view>

namespace vantiq {
namespace {

struct Signature {
    std::string_view magic;
    const char* extension;
};

constexpr Signature kSignatures[] = {
    {"\x89PNG\r\n\x1A\n", "png"},
    {"\xFF\xD8\xFF", "jpg"},
    {"BM", "bmp"},
    {"GIF87a", "gif"},
    {"GIF89a", "gif"},
};

}  // namespace

const char* PictureExtension(const std::vector<unsigned char>& bytes) {
    const std::string_view start(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (const auto& signature : kSignatures) {
        if (start.starts_with(signature.magic)) {
            return signature.extension;
        }
    }
    return "bin";
}

}  // namespace vantiq
