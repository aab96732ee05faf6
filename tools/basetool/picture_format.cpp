#include "basetool/picture_format.h"

#include <QByteArray>
#include <QImage>

#include <string_view>

#include "common/headless_app.h"

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

bool PictureDecodes(const std::vector<unsigned char>& bytes) {
    EnsureGuiApplication();
    const auto data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    return !QImage::fromData(data).isNull();
}

}  // namespace vantiq
