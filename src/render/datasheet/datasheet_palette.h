#pragma once

#include <QImage>

namespace vantiq {

// `image` as an 8-bit palette image of its 256 most used colours, each
// other colour (the soft edges of lines and text) drawn with the nearest of
// them. A drawing of flat colours keeps its look and its PNG shrinks to
// about a third.
QImage ToPalette(const QImage& image);

}  // namespace vantiq
