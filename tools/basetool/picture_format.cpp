#include "basetool/picture_format.h"

#include <QByteArray>

#include <string_view>

#include "common/headless_app.h"
#include "core/base/picture_kind.h"
#include "render/pictures/module_picture.h"

namespace vantiq {

const char* PictureExtension(const std::vector<unsigned char>& bytes) {
    const auto kind = SniffPictureKind(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return kind ? kind->extension : "bin";
}

bool PictureDecodes(const std::vector<unsigned char>& bytes) {
    EnsureGuiApplication();
    const auto data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    return !DecodePicture(data).isNull();
}

}  // namespace vantiq
