#include "core/base/picture_kind.h"

namespace vantiq {
namespace {

struct Signature {
    std::string_view magic;
    PictureKind kind;
};

using namespace std::string_view_literals;

constexpr Signature kSignatures[] = {
    {"\x89PNG\r\n\x1A\n"sv, {"png", "png"}},
    {"\xFF\xD8\xFF"sv, {"jpeg", "jpg"}},
    {"BM"sv, {"bmp", "bmp"}},
    {"GIF87a"sv, {"gif", "gif"}},
    {"GIF89a"sv, {"gif", "gif"}},
    {"II*\0"sv, {"tiff", "tif"}},
    {"MM\0*"sv, {"tiff", "tif"}},
    {"\0\0\1\0"sv, {"ico", "ico"}},
};

}  // namespace

std::optional<PictureKind> SniffPictureKind(std::string_view bytes) {
    for (const Signature& signature : kSignatures) {
        if (bytes.starts_with(signature.magic)) {
            return signature.kind;
        }
    }
    return std::nullopt;
}

}  // namespace vantiq
