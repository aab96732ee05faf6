#pragma once

#include <QImage>
#include <QString>

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

// Draws one performance graph into a bitmap of its own and copies the
// finished picture to `placement` on the target in one step, so the target
// never shows a half-drawn graph. A graph object serves one drawing call;
// it keeps the bitmap until it is destroyed. A placement too small to hold
// a plot, or a curve without points, leaves the target untouched.
class Graph {
public:
    // The no-load temperature difference (y, ≤ 0) against current (x): one
    // red curve with 0 K at the top; points at 0 K or above are skipped.
    void DrawCurveGraph(const Placement& placement, QPainter& target, const Curve& curve,
                        const GraphCaptions& captions, GraphStyle style);

    // Five curves against the temperature difference (0 K at the right), each
    // in its colour from `colors`, read as the curve starts. The rightmost 10
    // pixels of the placement carry the background only.
    void DrawFamilyGraph(const Placement& placement, QPainter& target, const CurveFamily& family,
                         const ColorSettings& colors, const GraphCaptions& captions,
                         GraphStyle style);

    // The last picture drawn (null before any).
    const QImage& Bitmap() const { return bitmap_; }

private:
    void DrawFrame(const GraphLayout& layout, const GraphCaptions& captions, GraphStyle style);
    void DrawCurveLine(const GraphLayout& layout, const CurveAxes& axes, const Curve& curve,
                       int penWidth);
    void DrawFamilyLines(const GraphLayout& layout, const FamilyAxes& axes,
                         const CurveFamily& family, const ColorSettings& colors, int penWidth);

    QImage bitmap_;
};

}  // namespace vantiq
