#include "render/graphs/graph_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>

#include "core/model/rounding.h"
#include "render/graphs/graph_fonts.h"

namespace vantiq {
namespace {

const QColor kGradientTop(255, 255, 255);
const QColor kGradientBottom(207, 207, 255);
const QColor kGridColor(165, 165, 165);
const QColor kBoxColor(140, 140, 170);
const QColor kCurveGraphColor(255, 0, 0);
const QColor kMarkColor(160, 0, 160);
const QColor kMarkLabelVeil(255, 255, 255, 200);
// At a scale of 1; see GraphStyle.
constexpr int kTickWidth = 2;
constexpr int kDotPeriod = 3;  // one dot drawn, two left out
constexpr double kBoxCornerRadius = 2.5;

// A vertical fade from white at the plot's top-left corner down to light
// blue at the bitmap's bottom edge, one colour per row.
void FillGradient(QImage& image, int left, int top) {
    const int height = image.height() - top;
    for (int row = 0; row < height; ++row) {
        const double t = static_cast<double>(row) / height;
        const auto mix = [t](int a, int b) { return a + static_cast<int>((b - a) * t); };
        const QRgb colour = qRgb(mix(kGradientTop.red(), kGradientBottom.red()),
                                 mix(kGradientTop.green(), kGradientBottom.green()),
                                 mix(kGradientTop.blue(), kGradientBottom.blue()));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(top + row));
        std::fill(line + std::max(left, 0), line + image.width(), colour);
    }
}

// The grid is set dot by dot: a dash pattern of the painter would not put
// the dots at the same places on every device. A dot is one pixel at a scale
// of 1 and a square of the scaled size elsewhere.
void DrawGrid(QImage& image, const GraphLayout& layout, double scale) {
    const int tick = ScaledPixels(kTickWidth, scale);
    const int dot = ScaledPixels(1, scale);
    const int period = dot * kDotPeriod;
    QPainter painter(&image);
    for (const int x : layout.gridX) {
        painter.fillRect(x - tick / 2, layout.plotTop, tick, layout.tickBottom - layout.plotTop,
                         Qt::black);
        for (int y = layout.tickBottom; y <= layout.plotHeight; y += period) {
            painter.fillRect(x - (dot - 1) / 2, y, dot, dot, kGridColor);
        }
    }
    for (const int y : layout.gridY) {
        painter.fillRect(layout.plotLeft, y - tick / 2, layout.tickRight - layout.plotLeft, tick,
                         Qt::black);
        for (int x = layout.tickRight; x <= layout.plotWidth; x += period) {
            painter.fillRect(x, y - (dot - 1) / 2, dot, dot, kGridColor);
        }
    }
}

// `text` centred on `anchor.x()` with the top of its character cell at `anchor.y()`.
void DrawCentredText(QPainter& painter, QPoint anchor, const QString& text) {
    constexpr int kReach = 100000;
    painter.drawText(QRect(anchor.x() - kReach, anchor.y(), 2 * kReach, kReach),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text);
}

// `font` made smaller where `text` would be longer than `room` pixels, so a
// long title on a small graph is drawn whole.
QFont FittedFont(QFont font, const QString& text, int room, const QPaintDevice* device) {
    const int length = QFontMetrics(font, device).horizontalAdvance(text);
    if (length > room && room > 0 && font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, font.pixelSize() * room / length));
    }
    return font;
}

// The labels the layout placed, each centred in its box.
void DrawTickLabels(QPainter& painter, const GraphLayout& layout) {
    for (const GraphLabel& label : layout.labels) {
        painter.drawText(label.box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, label.text);
    }
}

void DrawCaptions(QPainter& painter, const GraphLayout& layout, const GraphCaptions& captions,
                  const GraphFonts& fonts, double scale) {
    const double radius = kBoxCornerRadius * scale;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBoxColor);
    painter.drawRoundedRect(QRectF(layout.topBox), radius, radius);
    painter.drawRoundedRect(QRectF(layout.sideBox), radius, radius);
    painter.setPen(Qt::white);
    const QPaintDevice* device = painter.device();
    painter.setFont(FittedFont(fonts.caption, captions.x, layout.bitmapWidth * 49 / 50, device));
    DrawCentredText(painter, layout.topCaption, captions.x);
    painter.save();
    painter.translate(layout.sideCaption);
    painter.rotate(-90.0);  // the side caption runs upward, its top to the left
    painter.setFont(FittedFont(fonts.side, captions.y, layout.bitmapHeight * 49 / 50, device));
    DrawCentredText(painter, QPoint(0, 0), captions.y);
    painter.restore();
}

// Round caps would fill the gaps of a dashed or dotted line.
QPen CurvePen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(colour, width, style, style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap,
                Qt::RoundJoin);
}

// The axes that hold every curve given; nullopt when all are empty.
std::optional<CurveAxes> CommonAxes(std::span<const Curve> curves) {
    std::optional<CurveAxes> axes;
    for (const Curve& curve : curves) {
        if (curve.empty()) {
            continue;
        }
        const CurveAxes own = CurveGraphAxes(ArrayMax(curve.x), ArrayMin(curve.y));
        axes = axes ? CurveAxes{std::max(axes->xHigh, own.xHigh), std::min(axes->yLow, own.yLow)}
                    : own;
    }
    return axes;
}

FamilyAxes CommonAxes(std::span<const CurveFamily> families) {
    double minX = families.front().MinX();
    double maxY = families.front().MaxY();
    for (const CurveFamily& family : families.subspan(1)) {
        minX = std::min(minX, family.MinX());
        maxY = std::max(maxY, family.MaxY());
    }
    return FamilyGraphAxes(minX, maxY);
}

QRect PlotRect(const GraphLayout& layout) {
    return QRect(QPoint(layout.plotLeft, layout.plotTop),
                 QPoint(layout.plotWidth, layout.plotHeight));
}

int MarkRadius(const GraphStyle& style) {
    return std::max(3, 2 * style.penWidth);
}

}  // namespace

void Graph::DrawFrame(const GraphLayout& layout, const GraphCaptions& captions, GraphStyle style) {
    bitmap_ = QImage(layout.bitmapWidth, layout.bitmapHeight, QImage::Format_RGB32);
    bitmap_.fill(Qt::white);
    const GraphFonts fonts(style.fontHeight);
    FillGradient(bitmap_, layout.plotLeft, layout.plotTop);
    DrawGrid(bitmap_, layout, style.scale);
    QPainter painter(&bitmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawCaptions(painter, layout, captions, fonts, style.scale);
    painter.setPen(Qt::black);
    painter.setFont(fonts.label);
    DrawTickLabels(painter, layout);
}

GraphText GraphLayoutText(const GraphCaptions& captions, const GraphStyle& style) {
    const QFontMetrics metrics(GraphFonts(style.fontHeight).label);
    // The ink can reach a pixel past the advance on either side.
    return {style.fontHeight, static_cast<int>(captions.x.size()),
            static_cast<int>(captions.y.size()), style.scale, [metrics](const QString& text) {
                return std::max(metrics.horizontalAdvance(text),
                                metrics.boundingRect(text).width()) +
                       2;
            }};
}

QPen MarkCurvePen(const GraphStyle& style) {
    return QPen(kMarkColor, style.penWidth, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
}

Qt::PenStyle ModuleLineStyle(std::size_t module) {
    constexpr std::array<Qt::PenStyle, kMaxOverlaidModules> kStyles = {Qt::SolidLine, Qt::DashLine,
                                                                       Qt::DotLine};
    return module < kStyles.size() ? kStyles[module] : Qt::SolidLine;
}

void Graph::DrawCurveLine(const GraphLayout& layout, const CurveAxes& axes, const Curve& curve,
                          const QPen& pen) {
    QPolygon line;
    line << QPoint(layout.plotLeft, layout.plotTop);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (const auto point = CurveGraphPoint(layout, axes, curve.x[i], curve.y[i])) {
            line << *point;
        }
    }
    QPainter painter(&bitmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.drawPolyline(line);
}

void Graph::DrawMarks(const GraphLayout& layout, const FamilyAxes& axes,
                      std::span<const GraphMark> marks, GraphStyle style) {
    QPainter painter(&bitmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(PlotRect(layout));
    painter.setFont(GraphFonts(style.fontHeight).label);
    const QFontMetrics metrics(painter.font(), painter.device());
    std::vector<QPoint> centres;
    std::vector<QSize> sizes;
    for (const GraphMark& mark : marks) {
        QPolygon line;
        for (std::size_t i = 0; i < mark.curve.size(); ++i) {
            if (const auto point =
                    FamilyGraphPoint(layout, axes, mark.curve.x[i], mark.curve.y[i])) {
                line << *point;
            }
        }
        painter.setPen(MarkCurvePen(style));
        painter.drawPolyline(line);
        if (const auto centre = FamilyGraphPoint(layout, axes, mark.x, mark.y)) {
            centres.push_back(*centre);
            sizes.emplace_back(metrics.horizontalAdvance(mark.label), metrics.height());
        }
    }
    const int radius = MarkRadius(style);
    const std::vector<QRect> boxes = PlaceMarkLabels(centres, sizes, radius, PlotRect(layout));
    std::size_t placed = 0;
    for (const GraphMark& mark : marks) {
        if (!FamilyGraphPoint(layout, axes, mark.x, mark.y)) {
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkColor);
        painter.drawEllipse(centres[placed], radius, radius);
        // A veil behind the label keeps it readable over the curves.
        painter.fillRect(boxes[placed], kMarkLabelVeil);
        painter.setPen(kMarkColor);
        painter.drawText(boxes[placed], Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         mark.label);
        ++placed;
    }
}

void Graph::DrawFamilyLines(const GraphLayout& layout, const FamilyAxes& axes,
                            const CurveFamily& family, const ColorSettings& colors, int penWidth,
                            Qt::PenStyle lineStyle) {
    QPainter painter(&bitmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < family.curves.size(); ++k) {
        // Read now, so a colour changed since the last drawing shows at once.
        painter.setPen(CurvePen(colors.ForCurve(k), penWidth, lineStyle));
        const Curve& points = family.curves[k].points;
        QPolygon line;
        for (std::size_t i = 0; i <= points.size(); ++i) {
            const auto point = i < points.size()
                                   ? FamilyGraphPoint(layout, axes, points.x[i], points.y[i])
                                   : std::nullopt;
            if (point) {
                line << *point;
            } else {
                painter.drawPolyline(line);
                line.clear();
            }
        }
    }
}

std::optional<GraphPlot> Graph::DrawCurveGraph(const Placement& placement, QPainter& target,
                                               std::span<const Curve> curves,
                                               const GraphCaptions& captions, GraphStyle style) {
    const std::optional<CurveAxes> axes = CommonAxes(curves);
    if (!axes || placement.Width() <= 0 || placement.Height() <= 0) {
        return std::nullopt;
    }
    const GraphLayout layout = CurveGraphLayout(placement.Width(), placement.Height(), *axes,
                                                GraphLayoutText(captions, style));
    DrawFrame(layout, captions, style);
    for (std::size_t k = 0; k < curves.size(); ++k) {
        DrawCurveLine(layout, *axes, curves[k],
                      CurvePen(kCurveGraphColor, style.penWidth, ModuleLineStyle(k)));
    }
    target.drawImage(QPoint(placement.left, placement.top), bitmap_);
    return GraphPlot{placement, layout, *axes};
}

std::optional<GraphPlot> Graph::DrawFamilyGraph(const Placement& placement, QPainter& target,
                                                std::span<const CurveFamily> families,
                                                const ColorSettings& colors,
                                                const GraphCaptions& captions, GraphStyle style,
                                                std::span<const GraphMark> marks) {
    if (families.empty() || placement.Width() <= ScaledPixels(kGraphRightBand, style.scale) ||
        placement.Height() <= 0) {
        return std::nullopt;
    }
    const FamilyAxes axes = CommonAxes(families);
    const GraphLayout layout = FamilyGraphLayout(placement.Width(), placement.Height(), axes,
                                                 GraphLayoutText(captions, style));
    DrawFrame(layout, captions, style);
    for (std::size_t k = 0; k < families.size(); ++k) {
        DrawFamilyLines(layout, axes, families[k], colors, style.penWidth, ModuleLineStyle(k));
    }
    DrawMarks(layout, axes, marks, style);
    target.drawImage(QPoint(placement.left, placement.top), bitmap_);
    return GraphPlot{placement, layout, axes};
}

}  // namespace vantiq
