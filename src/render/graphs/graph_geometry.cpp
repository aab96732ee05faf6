#include "render/graphs/graph_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/model/rounding.h"

namespace vantiq {
namespace {

constexpr double kCoordinateLimit = 1.0e6;
constexpr double kAxisStep = 10.0;  // K per grid division of a temperature axis
constexpr double kSmallestValueLimit = 0.1;
constexpr int kMaxDivisions = 1000;
constexpr int kLabelLift = 5;  // value labels sit this far above their grid line

// Positions from `start` by `step` while below `end`; none for a step that
// would not advance.
std::vector<int> GridPositions(int start, int step, int end) {
    std::vector<int> positions;
    if (step <= 0) {
        return positions;
    }
    for (int p = start; p < end; p += step) {
        positions.push_back(p);
    }
    return positions;
}

// Boxes, captions and the edge positions shared by both kinds of graph.
GraphLayout CommonLayout(int w, int h, int fontHeight, int xCaptionLength, int yCaptionLength) {
    GraphLayout layout;
    layout.plotWidth = w;
    layout.plotHeight = h;
    layout.bitmapWidth = w;
    layout.plotLeft = Truncate(0.15 * w);
    layout.plotTop = Truncate(0.1 * h);
    layout.tickRight = Truncate(0.16 * w);
    layout.tickBottom = Truncate(0.11 * h);
    // Caption boxes are sized from an estimated character width, not from
    // the font, so they look alike whatever face stands in for the font.
    const int charWidth = 4 * fontHeight / 5;
    const int xHalf = Truncate(xCaptionLength * charWidth / 2.0);
    const int yHalf = Truncate(yCaptionLength * charWidth / 2.0);
    const int top = Truncate(0.01 * h);
    layout.topBox = QRect(QPoint(w / 2 - xHalf - fontHeight, top),
                          QPoint(w / 2 + xHalf + fontHeight, Truncate(top + 1.2 * fontHeight)));
    const int left = Truncate(0.01 * w);
    layout.sideBox = QRect(QPoint(left, h / 2 - yHalf - fontHeight),
                           QPoint(Truncate(left + 1.2 * fontHeight), h / 2 + yHalf + fontHeight));
    // QRect's right and bottom are inclusive; the boxes' edges are not.
    layout.topBox.adjust(0, 0, -1, -1);
    layout.sideBox.adjust(0, 0, -1, -1);
    layout.topCaption = QPoint(Truncate(0.5 * w), Truncate(0.012 * h));
    layout.sideCaption = QPoint(Truncate(0.012 * w), Truncate(0.5 * h));
    return layout;
}

void AddCurveGraphLabels(GraphLayout& layout, const CurveAxes& axes, int yStep, int lift) {
    const int w = layout.plotWidth;
    const int h = layout.plotHeight;
    const double step = 0.1 * axes.xHigh;
    double value = 0.0;
    for (int k = 1; k <= 10; ++k) {
        value += step;
        layout.labels.push_back(
            {FormatLabel("%3.1f", value),
             QPoint(Truncate(0.15 * w + k * Truncate(0.09 * w)), Truncate(0.06 * h))});
    }
    // The bound only matters for a limit no model table can produce.
    for (int k = 1; - kAxisStep * k >= axes.yLow && k <= kMaxDivisions; ++k) {
        layout.labels.push_back({FormatLabel("%3.0f", -kAxisStep * k),
                                 QPoint(Truncate(0.12 * w), Truncate(0.1 * h + k * yStep - lift))});
    }
}

void AddFamilyGraphLabels(GraphLayout& layout, const FamilyAxes& axes, int xStep, int lift) {
    const int w = layout.plotWidth;
    const int h = layout.plotHeight;
    double value = axes.xLow;
    for (int k = 0; k <= 9; ++k) {
        layout.labels.push_back({FormatLabel("%3.0f", value),
                                 QPoint(Truncate(0.15 * w + k * xStep), Truncate(0.06 * h))});
        value += kAxisStep;
    }
    const double step = 0.1 * axes.yHigh;
    value = axes.yHigh;
    for (int k = 0; k <= 10; ++k) {
        layout.labels.push_back(
            {FormatLabel("%3.1f", value),
             QPoint(Truncate(0.11 * w), Truncate(0.1 * h + k * Truncate(0.09 * h) - lift))});
        value -= step;
    }
}

}  // namespace

int Truncate(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

CurveAxes CurveGraphAxes(double xMax, double yMin) {
    return {xMax, RoundOutward(yMin, kAxisStep)};
}

double FamilyValueStep(double yMax) {
    if (yMax >= 100.0) {
        return 10.0;
    }
    if (yMax >= 10.0) {
        return 1.0;
    }
    if (yMax >= 1.0) {
        return 0.1;
    }
    return yMax >= kSmallestValueLimit ? 0.01 : 0.0;
}

FamilyAxes FamilyGraphAxes(double xMin, double yMax) {
    const double step = FamilyValueStep(yMax);
    // Without a step the limit would be 0 and the vertical scale undefined;
    // small values get the smallest limit that has one.
    const double yHigh = step > 0.0 ? RoundOutward(yMax, step) : kSmallestValueLimit;
    return {RoundOutward(xMin, kAxisStep), std::isfinite(yHigh) ? yHigh : kSmallestValueLimit};
}

std::vector<std::optional<QPoint>> PlaceTickLabels(std::span<const QRect> boxes,
                                                   const QRect& topBox, const QRect& sideBox) {
    std::vector<std::optional<QPoint>> offsets;
    std::vector<QRect> placed;
    for (const QRect& box : boxes) {
        QPoint offset;
        if (box.intersects(topBox)) {
            offset.ry() = topBox.bottom() + 1 - box.top();
        }
        if (box.translated(offset).intersects(sideBox)) {
            offset.rx() = sideBox.right() + 1 - box.left();
        }
        const QRect moved = box.translated(offset);
        const bool free = std::none_of(placed.begin(), placed.end(), [&moved](const QRect& other) {
            return moved.intersects(other);
        });
        offsets.push_back(free ? std::optional(offset) : std::nullopt);
        if (free) {
            placed.push_back(moved);
        }
    }
    return offsets;
}

int ScaledPixels(int pixels, double scale) {
    return std::max(1, static_cast<int>(std::lround(pixels * scale)));
}

GraphLayout CurveGraphLayout(int width, int height, const CurveAxes& axes, int fontHeight,
                             int xCaptionLength, int yCaptionLength, double scale) {
    GraphLayout layout = CommonLayout(width, height, fontHeight, xCaptionLength, yCaptionLength);
    const int yStep = Truncate(0.9 * height / (0.1 * std::abs(axes.yLow)));
    layout.gridX = GridPositions(layout.plotLeft, Truncate(0.09 * width), width);
    layout.gridY = GridPositions(layout.plotTop, yStep, height);
    layout.origin =
        GraphLabel{QStringLiteral("0"), QPoint(Truncate(0.12 * width), Truncate(0.08 * height))};
    AddCurveGraphLabels(layout, axes, yStep, ScaledPixels(kLabelLift, scale));
    return layout;
}

GraphLayout FamilyGraphLayout(int width, int height, const FamilyAxes& axes, int fontHeight,
                              int xCaptionLength, int yCaptionLength, double scale) {
    const int w = width - ScaledPixels(kFamilyRightBand, scale);
    GraphLayout layout = CommonLayout(w, height, fontHeight, xCaptionLength, yCaptionLength);
    layout.bitmapWidth = width;
    const int xStep = Truncate(0.85 * w / (0.1 * std::abs(axes.xLow)));
    layout.gridX = GridPositions(layout.plotLeft, xStep, w);
    layout.gridY = GridPositions(layout.plotTop, Truncate(0.09 * height), height);
    AddFamilyGraphLabels(layout, axes, xStep, ScaledPixels(kLabelLift, scale));
    return layout;
}

std::optional<QPoint> CurveGraphPoint(const GraphLayout& layout, const CurveAxes& axes, double x,
                                      double y) {
    const double w = layout.plotWidth;
    const double h = layout.plotHeight;
    const double d = 0.9 * h * y / axes.yLow;
    const double px = 0.15 * w + 0.9 * w * x / axes.xHigh;
    if (!(d > 0.0) || !std::isfinite(d) || !std::isfinite(px)) {
        return std::nullopt;
    }
    return QPoint(Truncate(px), Truncate(0.1 * h + d));
}

std::optional<QPoint> FamilyGraphPoint(const GraphLayout& layout, const FamilyAxes& axes, double x,
                                       double y) {
    const double w = layout.plotWidth;
    const double h = layout.plotHeight;
    const double px = w - 0.85 * w * x / axes.xLow;
    const double py = h - 0.9 * h * y / axes.yHigh;
    if (!std::isfinite(px) || !std::isfinite(py)) {
        return std::nullopt;
    }
    return QPoint(Truncate(px), Truncate(py));
}

std::optional<QPoint> PlotPoint(const GraphPlot& plot, double x, double y) {
    const std::optional<QPoint> point =
        std::holds_alternative<CurveAxes>(plot.axes)
            ? CurveGraphPoint(plot.layout, std::get<CurveAxes>(plot.axes), x, y)
            : FamilyGraphPoint(plot.layout, std::get<FamilyAxes>(plot.axes), x, y);
    if (!point) {
        return std::nullopt;
    }
    return *point + QPoint(plot.placement.left, plot.placement.top);
}

QString FormatLabel(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

}  // namespace vantiq
