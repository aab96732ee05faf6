#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

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

// The band at the right of a family graph that carries no grid, at a scale
// of 1 (see ScaledPixels).
inline constexpr int kFamilyRightBand = 10;

// A fixed size of the drawing, `pixels` at a scale of 1 (the screen, a 600 dpi
// page), in device pixels at `scale`: rounded, and never below one pixel.
int ScaledPixels(int pixels, double scale);

// A fraction of a drawing size in pixels, truncated toward zero. Values
// beyond what a pixel coordinate can hold are clamped first, so a wild data
// point cannot overflow the conversion.
int Truncate(double value);

// One text, centred horizontally on `anchor.x()` with its top at `anchor.y()`.
struct GraphLabel {
    QString text;
    QPoint anchor;
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
struct GraphLayout {
    int plotWidth = 0;       // w: the width the plot geometry uses
    int plotHeight = 0;      // h
    int bitmapWidth = 0;     // B: w, or the placement width for the family graph
    int plotLeft = 0;        // ⌊0.15w⌋, where the grid and the gradient start
    int plotTop = 0;         // ⌊0.1h⌋
    int tickRight = 0;       // ⌊0.16w⌋, end of a tick on the left edge
    int tickBottom = 0;      // ⌊0.11h⌋, end of a tick on the top edge
    std::vector<int> gridX;  // columns of the vertical grid lines
    std::vector<int> gridY;  // rows of the horizontal grid lines
    std::vector<GraphLabel> labels;
    std::optional<GraphLabel> origin;  // the "0" of the curve graph
    QRect topBox;                      // behind the horizontal caption
    QRect sideBox;                     // behind the rotated caption
    QPoint topCaption;                 // centre-top of the horizontal caption
    QPoint sideCaption;                // centre-top of the rotated caption
};

// How far each label whose text box is `boxes[i]` (in drawing order) moves
// so that tick labels never cover the axis titles, or nullopt when it is
// left out: a label over the top caption's box moves down below it, one
// over the side caption's box moves right of it; then a label that would
// touch one placed before it is left out. On a large graph nothing moves.
std::vector<std::optional<QPoint>> PlaceTickLabels(std::span<const QRect> boxes,
                                                   const QRect& topBox, const QRect& sideBox);

// Layout of the curve graph on a bitmap of `width` × `height`. `scale`
// multiplies the fixed pixel offsets (the lift of the value labels), so a
// page at another resolution keeps them at the same physical size.
GraphLayout CurveGraphLayout(int width, int height, const CurveAxes& axes, int fontHeight,
                             int xCaptionLength, int yCaptionLength, double scale = 1.0);

// Layout of the family graph for a placement of `width` × `height`; its plot
// leaves a 10-pixel band (at `scale` 1) free at the right.
GraphLayout FamilyGraphLayout(int width, int height, const FamilyAxes& axes, int fontHeight,
                              int xCaptionLength, int yCaptionLength, double scale = 1.0);

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
