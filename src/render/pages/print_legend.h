#pragma once

#include <QRect>

#include "core/advisor/operating_point.h"
#include "render/colors/color_settings.h"
#include "render/graphs/graph_renderer.h"

class QPainter;

namespace vantiq {

// The legend of the printed graphs page, drawn in `band`: a swatch and the
// current of each of the five curves at the module's `imax` (A), largest
// first, and with `point` the operating point's dashed curve and current.
// The text has the graphs' cell height (`style.fontHeight`), and the
// entries wrap onto further rows where the band is too narrow for one.
void DrawPrintLegend(QPainter& painter, const QRect& band, double imax, const ColorSettings& colors,
                     const OperatingPoint* point, const GraphStyle& style);

}  // namespace vantiq
