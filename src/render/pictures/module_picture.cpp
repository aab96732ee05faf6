#include "render/pictures/module_picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "core/base/picture_kind.h"
#include "core/base/picture_reader.h"
#include "render/graphs/graph_geometry.h"

namespace vantiq {

QImage LoadModulePicture(const TemBase& base, std::int32_t index) {
    if (index < 0) {
        return {};
    }
    const std::vector<unsigned char> bytes = ReadPicture(base, static_cast<std::uint32_t>(index));
    return DecodePicture(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                    static_cast<qsizetype>(bytes.size())));
}

QImage DecodePicture(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    // Only the decoder of the format the first bytes name ever sees a
    // picture: the catalogue may come from anyone, and every other installed
    // image plugin would be one more parser open to it.
    const auto kind = SniffPictureKind(std::string_view(bytes.constData(), bytes.size()));
    if (!kind) {
        return {};
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind->format);
    reader.setAutoDetectImageFormat(false);
    // The header tells the size before any pixel is allocated; a picture
    // claiming to be huge is refused rather than decoded.
    const QSize size = reader.size();
    if (size.isValid() && qint64{size.width()} * size.height() > kMaxPicturePixels) {
        return {};
    }
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return qint64{image.width()} * image.height() > kMaxPicturePixels ? QImage() : image;
}

QRect DatasheetRect(int width, int height) {
    const int left = Truncate(0.15 * width);
    return QRect(left, 0, Truncate(0.85 * width) - left, height);
}

void DrawDatasheetPicture(QPainter& painter, const QImage& picture, int width, int height) {
    if (picture.isNull()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(DatasheetRect(width, height), picture);
    painter.restore();
}

}  // namespace vantiq
