#pragma once

#include <QColor>

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/advisor/operating_point.h"
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
// With `top` the area starts that far down and the quadrants move with it.
GraphCells ViewQuadrants(int width, int height, int top = 0);

// The cross between the quadrants, one pixel wide, in the area below `top`.
void DrawViewCross(QPainter& painter, int width, int height, int top = 0);

// A quantity on a graph's axis, as the read-out names it.
struct GraphQuantity {
    QString symbol;  // "I", "dT", "Qc", "U", "COP"
    QString unit;    // "A", "K", "W", "V", or empty
    int decimals = 2;
    bool magnitude = false;  // shown as its absolute value (the temperature difference)
};

// One curve as drawn: the module it belongs to (its place among the modules
// drawn), the current factor's place in kCurveFactors for a family curve
// (none for the no-load curve), and its points.
struct PlottedCurve {
    std::size_t module = 0;
    std::optional<std::size_t> factor;
    Curve points;
};

// One graph as drawn: where it went, what its axes show, and its curves.
struct PlottedGraph {
    GraphPlot plot;
    GraphQuantity x;
    GraphQuantity y;
    std::vector<PlottedCurve> curves;
};

// What a page of graphs shows: the modules (display names, in drawing order)
// and every graph that was drawn.
struct PlottedPage {
    std::vector<QString> modules;
    std::vector<PlottedGraph> graphs;
};

// A module as a graphs page shows it: its curves at hot side `thot` (K)
// and, with `point` (one of its operating points at that hot side), the
// point marked on them.
struct GraphedModule {
    const TemRecord* record = nullptr;
    double thot = 0.0;
    const OperatingPoint* point = nullptr;
};

// Builds the four curve tables of each of `modules` (at most
// kMaxOverlaidModules; one line style each) at its own hot side, sampled to
// the size of each cell, and draws each graph into its cell: no-load dT
// against current, then Qc, U and COP against dT. The last three also mark
// each module's point and show the curve at its current dashed. Returns
// what was drawn.
PlottedPage DrawModuleGraphs(QPainter& painter, const GraphCells& cells,
                             std::span<const GraphedModule> modules, const ColorSettings& colors,
                             GraphStyle style);

// The same for `records` all at hot side `thot`, with `point` (an operating
// point of the first module) marked.
PlottedPage DrawModuleGraphs(QPainter& painter, const GraphCells& cells,
                             std::span<const TemRecord* const> records, double thot,
                             const ColorSettings& colors, GraphStyle style,
                             const OperatingPoint* point = nullptr);

// The same for one module.
PlottedPage DrawModuleGraphs(QPainter& painter, const GraphCells& cells, const TemRecord& record,
                             double thot, const ColorSettings& colors, GraphStyle style,
                             const OperatingPoint* point = nullptr);

}  // namespace vantiq
