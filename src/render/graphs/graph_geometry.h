#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace vantiq {

// A rectangle given by its edges, right and bottom exclusive, the way the
// page layout and the quadrants of the view are measured.
struct Placement {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The least band at the right of a graph that carries no grid, at a scale
// of 1 (see ScaledPixels); wider where the last label needs it.
inline constexpr int kGraphRightBand = 10;

// A fixed size of the drawing, `pixels` at a scale of 1 (the screen, a 600 dpi
// page), in device pixels at `scale`: rounded, and never below one pixel.
int ScaledPixels(int pixels, double scale);

// A fraction of a drawing size in pixels, truncated toward zero. Values
// beyond what a pixel coordinate can hold are clamped first, so a wild data
// point cannot overflow the conversion.
int Truncate(double value);

// One text in the label font: `box` is its character cell (advance width
// by cell height) in bitmap pixels; it is drawn centred in that box.
struct GraphLabel {
    QString text;
    QRect box;
};

// The width in pixels a tick label takes in the label font.
using LabelWidth = std::function<int(const QString&)>;

// What a graph's layout needs to know of its texts: the font's cell height,
// the captions' lengths in characters (their boxes are sized from these),
// the scale of the drawing's fixed sizes (see ScaledPixels) and how wide a
// tick label is. Without a measure a label is taken as wide as its cell is
// high per character, more than any digit needs.
struct GraphText {
    int fontHeight = 12;
    int xCaptionLength = 0;
    int yCaptionLength = 0;
    double scale = 1.0;
    LabelWidth labelWidth;

    int Width(const QString& label) const;
};

// Axis limits of the curve graph (current across, temperature difference
// down from 0 at the top).
struct CurveAxes {
    double xHigh = 0.0;  // largest current, unrounded
    double yLow = 0.0;   // rounded outward to a multiple of 10 K
};

// Axis limits of the family graph (temperature difference across, ending at
// 0 on the right; value up from 0 at the bottom).
struct FamilyAxes {
    double xLow = 0.0;   // rounded outward to a multiple of 10 K
    double yHigh = 0.0;  // rounded outward with a step fitting its magnitude
};

CurveAxes CurveGraphAxes(double xMax, double yMin);
FamilyAxes FamilyGraphAxes(double xMin, double yMax);

// The step the family graph's vertical limit is rounded to: 0.01 below 1,
// 0.1 below 10, 1 below 100, 10 above. Maxima below 0.1 get no step (0).
double FamilyValueStep(double yMax);

// Everything the renderer places on a graph's bitmap, in bitmap pixels.
// The plot's right edge w and bottom h lie inside the bitmap by at least
// half a tick label, so the labels at the ends of the axes are drawn
// whole; the plot starts at ⌊0.15w⌋, ⌊0.1h⌋, or further in where the
// captions and the labels need the room.
struct GraphLayout {
    int plotWidth = 0;       // w: the right edge of the plot
    int plotHeight = 0;      // h: the bottom edge of the plot
    int bitmapWidth = 0;     // the placement's width
    int bitmapHeight = 0;    // the placement's height
    int plotLeft = 0;        // where the grid and the gradient start
    int plotTop = 0;         // the top of the plot, where the ticks start
    int tickRight = 0;       // end of a tick on the left edge
    int tickBottom = 0;      // end of a tick on the top edge
    std::vector<int> gridX;  // columns of the vertical grid lines
    std::vector<int> gridY;  // rows of the horizontal grid lines
    // The tick labels (and the curve graph's origin "0") that fit: inside
    // the bitmap, clear of the captions and of each other. Labels along the
    // top run in one row; the values run down one column left of the plot.
    std::vector<GraphLabel> labels;
    QRect topBox;        // behind the horizontal caption
    QRect sideBox;       // behind the rotated caption
    QPoint topCaption;   // centre-top of the horizontal caption
    QPoint sideCaption;  // centre-top of the rotated caption
};

// Layout of the curve graph on a bitmap of `width` × `height`.
GraphLayout CurveGraphLayout(int width, int height, const CurveAxes& axes, const GraphText& text);

// Layout of the family graph for a placement of `width` × `height`; its plot
// leaves a band at the right, at least 10 pixels at `text.scale` 1.
GraphLayout FamilyGraphLayout(int width, int height, const FamilyAxes& axes, const GraphText& text);

// Where the labels of operating points go: label i, `sizes[i]` large, beside
// the dot of radius `radius` at `centres[i]`: above and right of it where
// that lies inside `plot` and clear of the labels placed before and of the
// dots, else at another corner of the dot, else further up. Returns the
// labels' boxes in the order given.
std::vector<QRect> PlaceMarkLabels(std::span<const QPoint> centres, std::span<const QSize> sizes,
                                   int radius, const QRect& plot);

// Where a curve-graph point lands, or nullopt when it is not drawn (a
// temperature difference of 0 or above, or a point that cannot be placed).
std::optional<QPoint> CurveGraphPoint(const GraphLayout& layout, const CurveAxes& axes, double x,
                                      double y);

// Where a family-graph point lands, or nullopt for a point that cannot be placed.
std::optional<QPoint> FamilyGraphPoint(const GraphLayout& layout, const FamilyAxes& axes, double x,
                                       double y);

// Where a drawn graph went and how its values map to pixels, so that a
// point under the mouse can be traced back to the curve it belongs to.
struct GraphPlot {
    Placement placement;
    GraphLayout layout;
    std::variant<CurveAxes, FamilyAxes> axes;
};

// Where the value (x, y) lands on the target the graph was copied to, or
// nullopt where the graph would not draw it.
std::optional<QPoint> PlotPoint(const GraphPlot& plot, double x, double y);

// A value as printf formats it with `format` ("%3.1f", "%3.0f").
QString FormatLabel(const char* format, double value);

}  // namespace vantiq
