#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include <vector>

namespace vantiq::test {

// The encoded bytes of a small PNG filled with `color`, for catalogues whose
// pictures must decode. Header-only, so only tests that link Qt include it.
inline std::vector<unsigned char> PngBytes(const QColor& color, int width = 4, int height = 4) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

}  // namespace vantiq::test
