#pragma once

#include <QColor>

#include <array>

#include "core/base/tem_record.h"
#include "render/colors/color_settings.h"
#include "render/graphs/graph_geometry.h"
#include "render/graphs/graph_renderer.h"

class QPainter;

namespace vantiq {

// The four places of a graphs page, in the order top-left, top-right,
// bottom-left, bottom-right.
using GraphCells = std::array<Placement, 4>;

// The pen and font of the graphs on screen.
inline constexpr GraphStyle kScreenGraphStyle{2, 12};

// The resolution the printed graphs' pixel sizes are given for.
inline constexpr double kPrintReferenceDpi = 600.0;

// The style of the graphs on a page printed at `dpi`: a pen of 4 and a font
// of 25 pixels at 600 dpi, and every size of the drawing the same physical
// size at any other resolution (2 and 13 pixels at 300 dpi, 8 and 50 at 1200).
GraphStyle PrintGraphStyle(double dpi);

// The quadrants of a client area of `width` × `height`, left free of the
// separating cross at x = width/2 and y = height/2: 501 × 401 gives
// (0,0,250,200), (251,0,501,200), (0,201,250,401), (251,201,501,401).
GraphCells ViewQuadrants(int width, int height);

// The cross between the quadrants, one pixel wide.
void DrawViewCross(QPainter& painter, int width, int height);

// Builds the four curve tables of `record` at hot side `thot` (in kelvin),
// sampled to the size of each cell, and draws each graph into its cell:
// no-load dT against current, then Qc, U and COP against dT.
void DrawModuleGraphs(QPainter& painter, const GraphCells& cells, const TemRecord& record,
                      double thot, const ColorSettings& colors, GraphStyle style);

}  // namespace vantiq
