#pragma once

#include <QImage>
#include <QPainter>

#include <span>

#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"
#include "render/colors/color_settings.h"

namespace vantiq {

// A module at one of its operating points, copied for a page.
struct PointedModule {
    TemRecord record;
    OperatingPoint point;
};

// The printed pages, drawn straight onto `painter` over a printable area of
// `width` × `height` device pixels starting at the painter's origin. Nothing
// is composed in a page-sized bitmap, so the memory a page needs does not
// grow with the printer's resolution beyond one graph cell at a time. Each
// function leaves the painter's state as it found it.

// The rounded strip along the right edge of the page with "Vantiq © Kestrin"
// running upward in it, white on the strip's colour.
void DrawDatasheetStrip(QPainter& painter, int width, int height);

// The module's datasheet picture stretched over the page up to the strip,
// then the strip. A null picture leaves only the strip.
void PrintDatasheetPage(QPainter& painter, int width, int height, const QImage& picture);

// The graphs page on a white ground: title, the hot side under it,
// performance table, header picture, legend, the four performance graphs in
// the curve colours `colors`, and the strip. The table holds the rated
// values at `thot` (K); the graphs are drawn there too unless a module is
// at a point of its own hot side, and the line under the title names each
// module's hot side then. The page's sizes are fractions of the printable
// area; the graphs' pens and fonts follow `dpi`, the device's resolution
// (see PrintGraphStyle). With `point` (an operating point of this module) a
// line under the table states it and the graphs mark it; the modules
// `alongside` it (the other stage of a stack, points picked with it) are
// overlaid at their own points, each stated on a line of its own and named
// in the legend beside its line style.
void PrintGraphsPage(QPainter& painter, int width, int height, const TemRecord& record, double thot,
                     const ColorSettings& colors, double dpi, const OperatingPoint* point = nullptr,
                     std::span<const PointedModule> alongside = {});

}  // namespace vantiq
