#pragma once

#include <QFont>
#include <QPaintDevice>

#include "render/pages/print_layout.h"

namespace vantiq {

// An Arial font whose character cell (ascent plus descent) is `spec.height`
// pixels high and whose average character is `spec.width` pixels wide on
// `device`, as the printed pages were always laid out: the width is reached
// by stretching the face horizontally.
QFont MakePageFont(const PageFontSpec& spec, const QPaintDevice* device);

// `font` narrowed, its height kept, so that `text` is at most `maxWidth`
// pixels wide on `device`; unchanged when it already fits.
QFont NarrowToFit(const QFont& font, const QString& text, int maxWidth, const QPaintDevice* device);

}  // namespace vantiq
