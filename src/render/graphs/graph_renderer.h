#pragma once

#include <QImage>
#include <QPen>
#include <QString>

#include <optional>
#include <span>

#include "core/model/curve_tables.h"
#include "render/colors/color_settings.h"
#include "render/graphs/graph_geometry.h"

class QPainter;

namespace vantiq {

// How heavy a graph is drawn: the curve pen and the font cell height, in
// pixels of the target (the screen uses 2 and 12, a printed page more), and
// the scale of the drawing's fixed sizes — ticks, grid dots, caption box
// corners, label offsets, the family graph's right band — which is 1 on the
// screen and on a 600 dpi page.
struct GraphStyle {
    int penWidth = 2;
    int fontHeight = 12;
    double scale = 1.0;
};

// The captions of a graph: `x` runs along the top, `y` upward at the left.
struct GraphCaptions {
    QString x;
    QString y;
};

// An operating point on a family graph, in purple (160, 0, 160): the curve
// at its current, drawn dashed beside the family, and the point itself as a
// filled circle with `label` beside it.
struct GraphMark {
    Curve curve;
    double x = 0.0;
    double y = 0.0;
    QString label;
};

// What a graph's layout needs of its texts in `style`, with the tick labels
// measured in the label font.
GraphText GraphLayoutText(const GraphCaptions& captions, const GraphStyle& style);

// Graphs overlay the curves of at most this many modules.
inline constexpr std::size_t kMaxOverlaidModules = 3;

// The dashed purple pen of an operating point's curve in `style`.
QPen MarkCurvePen(const GraphStyle& style);

// The line style of the curves of the `module`-th of several overlaid
// modules: solid, dashed, dotted (solid beyond the third).
Qt::PenStyle ModuleLineStyle(std::size_t module);

// Draws one performance graph into a bitmap of its own and copies the
// finished picture to `placement` on the target in one step, so the target
// never shows a half-drawn graph. A graph object serves one drawing call;
// it keeps the bitmap until it is destroyed. A placement too small to hold
// a plot, or a curve without points, leaves the target untouched.
class Graph {
public:
    // The no-load temperature difference (y, ≤ 0) against current (x): one
    // red curve per module, in the module's line style, with 0 K at the top;
    // points at 0 K or above are skipped. The axes span every curve. Returns
    // where the graph went, or nullopt when nothing was drawn.
    std::optional<GraphPlot> DrawCurveGraph(const Placement& placement, QPainter& target,
                                            std::span<const Curve> curves,
                                            const GraphCaptions& captions, GraphStyle style);
    std::optional<GraphPlot> DrawCurveGraph(const Placement& placement, QPainter& target,
                                            const Curve& curve, const GraphCaptions& captions,
                                            GraphStyle style) {
        return DrawCurveGraph(placement, target, std::span(&curve, 1), captions, style);
    }

    // Five curves per module against the temperature difference (0 K at the
    // right), each in its colour from `colors`, read as the curve starts, and
    // in the module's line style. The axes span every family. The rightmost
    // 10 pixels of the placement carry the background only. The operating
    // points of `marks` are drawn over them (the axes stay the families').
    std::optional<GraphPlot> DrawFamilyGraph(const Placement& placement, QPainter& target,
                                             std::span<const CurveFamily> families,
                                             const ColorSettings& colors,
                                             const GraphCaptions& captions, GraphStyle style,
                                             std::span<const GraphMark> marks = {});
    std::optional<GraphPlot> DrawFamilyGraph(const Placement& placement, QPainter& target,
                                             const CurveFamily& family, const ColorSettings& colors,
                                             const GraphCaptions& captions, GraphStyle style,
                                             const GraphMark* mark = nullptr) {
        return DrawFamilyGraph(placement, target, std::span(&family, 1), colors, captions, style,
                               mark ? std::span(mark, 1) : std::span<const GraphMark>());
    }

    // The last picture drawn (null before any).
    const QImage& Bitmap() const { return bitmap_; }

private:
    void DrawFrame(const GraphLayout& layout, const GraphCaptions& captions, GraphStyle style);
    void DrawCurveLine(const GraphLayout& layout, const CurveAxes& axes, const Curve& curve,
                       const QPen& pen);
    void DrawMarks(const GraphLayout& layout, const FamilyAxes& axes,
                   std::span<const GraphMark> marks, GraphStyle style);
    void DrawFamilyLines(const GraphLayout& layout, const FamilyAxes& axes,
                         const CurveFamily& family, const ColorSettings& colors, int penWidth,
                         Qt::PenStyle lineStyle);

    QImage bitmap_;
};

}  // namespace vantiq
