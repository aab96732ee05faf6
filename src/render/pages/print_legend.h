#pragma once

#include <QRect>

#include <span>

#include "render/colors/color_settings.h"
#include "render/graphs/graph_renderer.h"
#include "render/pages/view_legend.h"

class QPainter;

namespace vantiq {

// An operating point's entry in the legend: its module and its current (A).
struct LegendPoint {
    QString module;
    double current = 0.0;
};

// The legend of the printed graphs page, drawn in `band`: a swatch and the
// current of each of the five curves, largest first (at the module's Imax
// when it is the only one), one entry per operating point's dashed curve
// with its current, and, when several modules are overlaid (the stages of a
// stack), one entry each in its line style, each point's naming its module.
// The text has the graphs' cell height (`style.fontHeight`), and the
// entries wrap onto further rows where the band is too narrow for one.
void DrawPrintLegend(QPainter& painter, const QRect& band, std::span<const LegendModule> modules,
                     const ColorSettings& colors, std::span<const LegendPoint> points,
                     const GraphStyle& style);

}  // namespace vantiq
