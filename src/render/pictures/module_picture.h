#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>

#include "core/base/tem_base.h"

class QPainter;

namespace vantiq {

// The largest picture decoded, in pixels; the catalogue's pictures are
// datasheet pages, far smaller.
inline constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

// The datasheet picture of module `index`, decoded from the open catalogue.
// Only PNG, JPEG, BMP, GIF, TIFF and ICO are read, each by its own decoder as
// its first bytes tell (SniffPictureKind). A null image when the module has
// no picture, its bytes are in another format or cannot be read or decoded,
// or it would be larger than kMaxPicturePixels.
QImage LoadModulePicture(const TemBase& base, std::int32_t index);

// The bytes of an encoded image decoded, with the same refusals.
QImage DecodePicture(const QByteArray& bytes);

// Where the datasheet picture goes in a client area of `width` × `height`:
// the middle 70 % of the width, the full height.
QRect DatasheetRect(int width, int height);

// Draws the catalogue's datasheet `picture` stretched into DatasheetRect, blending it over what is
// there when it has transparency. A null picture draws nothing.
void DrawDatasheetPicture(QPainter& painter, const QImage& picture, int width, int height);

}  // namespace vantiq
