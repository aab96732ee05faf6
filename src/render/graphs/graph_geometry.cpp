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
constexpr int kLabelGap = 2;  // between a label and its neighbours, at a scale of 1

// Positions from `start` by `step` while not past `end`; none for a step
// that would not advance.
std::vector<int> GridPositions(int start, int step, int end) {
    std::vector<int> positions;
    if (step <= 0) {
        return positions;
    }
    for (int p = start; p <= end && positions.size() <= kMaxDivisions; p += step) {
        positions.push_back(p);
    }
    return positions;
}

// A printf label without the padding its format adds, so that it centres
// on its tick.
QString Label(const char* format, double value) {
    return FormatLabel(format, value).trimmed();
}

// The labels of both axes before they are placed: `across` along the top,
// left to right, `down` the left side, top to bottom.
struct AxisTexts {
    std::vector<QString> across;
    std::vector<QString> down;
};

AxisTexts CurveTexts(const CurveAxes& axes) {
    AxisTexts texts;
    const double step = 0.1 * axes.xHigh;
    double value = 0.0;
    for (int k = 1; k <= 10; ++k) {
        value += step;
        texts.across.push_back(Label("%3.1f", value));
    }
    // The origin's "0" heads the column of temperature differences. The
    // bound only matters for a limit no model table can produce.
    texts.down.push_back(QStringLiteral("0"));
    for (int k = 1; - kAxisStep * k >= axes.yLow && k <= kMaxDivisions; ++k) {
        texts.down.push_back(Label("%3.0f", -kAxisStep * k));
    }
    return texts;
}

AxisTexts FamilyTexts(const FamilyAxes& axes) {
    AxisTexts texts;
    // Ten labels from the limit, but none past 0, where the axis ends.
    double value = axes.xLow;
    for (int k = 0; k <= 9 && value <= 0.0; ++k) {
        texts.across.push_back(Label("%3.0f", value));
        value += kAxisStep;
    }
    const double step = 0.1 * axes.yHigh;
    value = axes.yHigh;
    for (int k = 0; k <= 10; ++k) {
        texts.down.push_back(Label("%3.1f", value));
        value -= step;
    }
    return texts;
}

int Widest(const std::vector<QString>& texts, const GraphText& text) {
    int widest = 0;
    for (const QString& label : texts) {
        widest = std::max(widest, text.Width(label));
    }
    return widest;
}

// The caption boxes, sized from an estimated character width rather than
// from the font, so they look alike whatever face stands in for the font.
// They belong to the whole graph, so they are centred on its height.
void PlaceCaptions(GraphLayout& layout, const GraphText& text) {
    const int w = layout.plotWidth;
    const int h = layout.bitmapHeight;
    const int fontHeight = text.fontHeight;
    const int charWidth = 4 * fontHeight / 5;
    const int xHalf = Truncate(text.xCaptionLength * charWidth / 2.0);
    const int yHalf = Truncate(text.yCaptionLength * charWidth / 2.0);
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
}

// Where the row of labels along the top and the column down the left go.
struct LabelLines {
    int rowTop = 0;
    int columnCentre = 0;
};

// The plot's edges: the fractions of the plot size (0.15w, 0.1h) where
// they leave room, else moved in just far enough that the row of labels
// clears the top caption, the column clears the side caption, and neither
// meets the plot or the other. `firstAcross` is the offset of the row's
// first label from the plot's left edge.
LabelLines PlaceEdges(GraphLayout& layout, const AxisTexts& texts, const GraphText& text,
                      double columnFraction, int firstAcross) {
    const int w = layout.plotWidth;
    const int h = layout.plotHeight;
    const int cell = text.fontHeight;
    const int gap = ScaledPixels(kLabelGap, text.scale);
    const int downHalf = (Widest(texts.down, text) + 1) / 2;
    LabelLines lines;
    lines.rowTop = std::max(Truncate(0.06 * h), layout.topBox.bottom() + 1 + gap);
    lines.columnCentre =
        std::max(Truncate(columnFraction * w), layout.sideBox.right() + 1 + gap + downHalf);
    layout.plotLeft = std::max(Truncate(0.15 * w), lines.columnCentre + downHalf + gap);
    layout.plotTop = std::max(Truncate(0.1 * h), lines.rowTop + cell + gap);
    // Where the row's first label and the column's first would meet beside
    // the corner, the column starts below the row.
    const int acrossHalf = texts.across.empty() ? 0 : (text.Width(texts.across.front()) + 1) / 2;
    if (layout.plotLeft + firstAcross - acrossHalf < lines.columnCentre + downHalf + gap) {
        layout.plotTop = std::max(layout.plotTop, lines.rowTop + cell + gap + cell / 2);
    }
    layout.tickRight = layout.plotLeft + Truncate(0.16 * w) - Truncate(0.15 * w);
    layout.tickBottom = layout.plotTop + Truncate(0.11 * h) - Truncate(0.1 * h);
    return lines;
}

// The frame of a graph on a bitmap of `width` × `height`: the plot ends
// `rightMargin` in from the right and half a label up from the bottom, so
// the labels at the axes' ends are drawn whole.
GraphLayout Frame(int width, int height, int rightMargin, const GraphText& text) {
    GraphLayout layout;
    layout.plotWidth = width - rightMargin;
    layout.plotHeight = height - (text.fontHeight - text.fontHeight / 2);
    layout.bitmapWidth = width;
    layout.bitmapHeight = height;
    PlaceCaptions(layout, text);
    return layout;
}

// The right margin that keeps the last top label, centred on the plot's
// right edge, inside the bitmap, and at least the band of `band` pixels.
int RightMargin(const AxisTexts& texts, const GraphText& text, int band) {
    const int half = texts.across.empty() ? 0 : (text.Width(texts.across.back()) + 1) / 2;
    return std::max(band, half + ScaledPixels(kLabelGap, text.scale));
}

// Every `stride`-th of `labels`, counted back from the last, so the end
// of the axis keeps its label.
std::vector<GraphLabel> EveryNth(const std::vector<GraphLabel>& labels, std::size_t stride) {
    std::vector<GraphLabel> kept;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if ((labels.size() - 1 - i) % stride == 0) {
            kept.push_back(labels[i]);
        }
    }
    return kept;
}

// The labels of one axis, thinned to every second, third… where they
// would otherwise come closer than `space` pixels to each other.
std::vector<GraphLabel> Thinned(const std::vector<GraphLabel>& labels, int space) {
    for (std::size_t stride = 1; stride < labels.size(); ++stride) {
        std::vector<GraphLabel> kept = EveryNth(labels, stride);
        bool apart = true;
        for (std::size_t i = 1; i < kept.size() && apart; ++i) {
            apart = !kept[i].box.adjusted(-space, -space, space, space).intersects(kept[i - 1].box);
        }
        if (apart) {
            return kept;
        }
    }
    return labels.empty() ? labels : std::vector<GraphLabel>{labels.back()};
}

// The labels at their ticks, `acrossX[k]` along the row and `downY[k]` down
// the column, each axis thinned evenly where crowded; then those kept that
// fit: inside the bitmap, clear of the caption boxes (across the whole
// width and height, since a fitted caption may outgrow its box) and of the
// labels kept before. The column goes first: its values give the scale.
void PlaceLabels(GraphLayout& layout, const AxisTexts& texts, const GraphText& text,
                 const std::vector<int>& acrossX, const std::vector<int>& downY,
                 const LabelLines& lines) {
    const int cell = text.fontHeight;
    // Neighbours keep a third of a cell apart, so that "4.9" and "6.1"
    // never read as "4.96.1".
    const int space = std::max(ScaledPixels(kLabelGap, text.scale), cell / 3);
    std::vector<GraphLabel> column;
    for (std::size_t k = 0; k < texts.down.size() && k < downY.size(); ++k) {
        const int width = text.Width(texts.down[k]);
        column.push_back({texts.down[k],
                          QRect(lines.columnCentre - width / 2, downY[k] - cell / 2, width, cell)});
    }
    std::vector<GraphLabel> row;
    for (std::size_t k = 0; k < texts.across.size() && k < acrossX.size(); ++k) {
        const int width = text.Width(texts.across[k]);
        row.push_back({texts.across[k], QRect(acrossX[k] - width / 2, lines.rowTop, width, cell)});
    }
    std::vector<GraphLabel> candidates = Thinned(column, 0);
    for (GraphLabel& label : Thinned(row, space)) {
        candidates.push_back(std::move(label));
    }
    const QRect bitmap(0, 0, layout.bitmapWidth, layout.bitmapHeight);
    const QRect topBand(0, layout.topBox.top(), layout.bitmapWidth, layout.topBox.height());
    const QRect sideBand(layout.sideBox.left(), 0, layout.sideBox.width(), layout.bitmapHeight);
    for (GraphLabel& label : candidates) {
        const QRect& box = label.box;
        const bool clear =
            bitmap.contains(box) && !box.intersects(topBand) && !box.intersects(sideBand) &&
            std::none_of(layout.labels.begin(), layout.labels.end(),
                         [&box](const GraphLabel& kept) { return box.intersects(kept.box); });
        if (clear) {
            layout.labels.push_back(std::move(label));
        }
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

int ScaledPixels(int pixels, double scale) {
    return std::max(1, static_cast<int>(std::lround(pixels * scale)));
}

int GraphText::Width(const QString& label) const {
    return labelWidth ? labelWidth(label) : static_cast<int>(label.size()) * fontHeight;
}

GraphLayout CurveGraphLayout(int width, int height, const CurveAxes& axes, const GraphText& text) {
    const AxisTexts texts = CurveTexts(axes);
    const int margin = RightMargin(texts, text, ScaledPixels(kGraphRightBand, text.scale));
    // The first label along the top stands a division in from the corner.
    const int division = Truncate(0.085 * (width - margin));
    GraphLayout layout = Frame(width, height, margin, text);
    const LabelLines lines = PlaceEdges(layout, texts, text, 0.12, division);
    // Ten divisions of current span the plot's width; ten kelvin a division down.
    const int xStep = (layout.plotWidth - layout.plotLeft) / 10;
    const int yStep = Truncate((layout.plotHeight - layout.plotTop) / (0.1 * std::abs(axes.yLow)));
    layout.gridX = GridPositions(layout.plotLeft, xStep, layout.plotWidth);
    layout.gridY = GridPositions(layout.plotTop, yStep, layout.plotHeight);
    std::vector<int> acrossX;
    for (int k = 1; k <= 10 && xStep > 0; ++k) {
        acrossX.push_back(layout.plotLeft + k * xStep);
    }
    PlaceLabels(layout, texts, text, acrossX, layout.gridY, lines);
    return layout;
}

GraphLayout FamilyGraphLayout(int width, int height, const FamilyAxes& axes,
                              const GraphText& text) {
    const AxisTexts texts = FamilyTexts(axes);
    const int margin = RightMargin(texts, text, ScaledPixels(kGraphRightBand, text.scale));
    GraphLayout layout = Frame(width, height, margin, text);
    const LabelLines lines = PlaceEdges(layout, texts, text, 0.11, 0);
    const int xStep = Truncate((layout.plotWidth - layout.plotLeft) / (0.1 * std::abs(axes.xLow)));
    layout.gridX = GridPositions(layout.plotLeft, xStep, layout.plotWidth);
    layout.gridY =
        GridPositions(layout.plotTop, (layout.plotHeight - layout.plotTop) / 10, layout.plotHeight);
    std::vector<int> acrossX;
    for (std::size_t k = 0; k < texts.across.size() && xStep > 0; ++k) {
        acrossX.push_back(layout.plotLeft + static_cast<int>(k) * xStep);
    }
    PlaceLabels(layout, texts, text, acrossX, layout.gridY, lines);
    return layout;
}

std::vector<QRect> PlaceMarkLabels(std::span<const QPoint> centres, std::span<const QSize> sizes,
                                   int radius, const QRect& plot) {
    const int reach = radius + 2;
    std::vector<QRect> dots;
    for (const QPoint& centre : centres) {
        dots.emplace_back(centre - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1));
    }
    std::vector<QRect> placed;
    for (std::size_t i = 0; i < centres.size() && i < sizes.size(); ++i) {
        const QPoint c = centres[i];
        const QSize size = sizes[i];
        const auto free = [&](const QRect& box) {
            const auto meets = [&box](const QRect& other) { return box.intersects(other); };
            return plot.contains(box) && std::none_of(placed.begin(), placed.end(), meets) &&
                   std::none_of(dots.begin(), dots.end(), meets);
        };
        std::vector<QRect> tries;
        for (int lift = 0; lift <= 3; ++lift) {
            const int up = c.y() - reach - size.height() - lift * size.height();
            const int down = c.y() + reach + lift * size.height();
            const int right = c.x() + reach;
            const int left = c.x() - reach - size.width();
            for (const QPoint corner :
                 {QPoint(right, up), QPoint(left, up), QPoint(right, down), QPoint(left, down)}) {
                tries.emplace_back(corner, size);
            }
        }
        const auto found = std::find_if(tries.begin(), tries.end(), free);
        placed.push_back(found != tries.end() ? *found : tries.front());
    }
    return placed;
}

std::optional<QPoint> CurveGraphPoint(const GraphLayout& layout, const CurveAxes& axes, double x,
                                      double y) {
    const double across = layout.plotWidth - layout.plotLeft;
    const double down = layout.plotHeight - layout.plotTop;
    const double d = down * y / axes.yLow;
    const double px = layout.plotLeft + across * x / axes.xHigh;
    if (!(d > 0.0) || !std::isfinite(d) || !std::isfinite(px)) {
        return std::nullopt;
    }
    return QPoint(Truncate(px), Truncate(layout.plotTop + d));
}

std::optional<QPoint> FamilyGraphPoint(const GraphLayout& layout, const FamilyAxes& axes, double x,
                                       double y) {
    const double across = layout.plotWidth - layout.plotLeft;
    const double down = layout.plotHeight - layout.plotTop;
    const double px = layout.plotWidth - across * x / axes.xLow;
    const double py = layout.plotHeight - down * y / axes.yHigh;
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
