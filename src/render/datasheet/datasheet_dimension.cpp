#include "render/datasheet/datasheet_dimension.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace vantiq {
namespace {

constexpr double kArrowLength = 14.0;
constexpr double kArrowHalfWidth = 4.5;
constexpr double kExtensionGap = 4.0;        // between the feature and its extension line
constexpr double kExtensionOvershoot = 8.0;  // past the dimension line
constexpr double kOutsideStub = 14.0;        // line beyond an outside arrowhead
constexpr double kTextGap = 10.0;

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

// A filled arrowhead with its tip at `tip`, pointing along the unit vector `direction`.
void DrawArrowhead(QPainter& painter, QPointF tip, QPointF direction) {
    const QPointF base = tip - direction * kArrowLength;
    const QPointF side(-direction.y() * kArrowHalfWidth, direction.x() * kArrowHalfWidth);
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF({tip, base + side, base - side}));
}

void DrawArrows(QPainter& painter, QPointF a, QPointF b) {
    const double span = Length(b - a);
    const QPointF along = (b - a) / span;
    if (span >= 2.0 * kArrowLength + 20.0) {
        painter.drawLine(a, b);
        DrawArrowhead(painter, a, -along);
        DrawArrowhead(painter, b, along);
        return;
    }
    // Too short for the arrowheads between the lines: they point in from outside.
    const double reach = kArrowLength + kOutsideStub;
    painter.drawLine(a - along * reach, b + along * reach);
    DrawArrowhead(painter, a, along);
    DrawArrowhead(painter, b, -along);
}

void DrawDimensionText(QPainter& painter, QPointF middle, QPointF normal, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    QPointF centre = middle + normal * kTextGap;
    centre += QPointF(normal.x() * size.width() / 2.0, normal.y() * size.height() / 2.0);
    const QRectF box(centre - QPointF(size.width() / 2.0, size.height() / 2.0), size);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void DrawDimension(QPainter& painter, const Dimension& d) {
    painter.save();
    const QPointF shift = d.normal * d.distance;
    const QPointF a = d.from + shift;
    const QPointF b = d.to + shift;
    for (const QPointF& feature : {d.from, d.to}) {
        painter.drawLine(feature + d.normal * kExtensionGap,
                         feature + shift + d.normal * kExtensionOvershoot);
    }
    DrawArrows(painter, a, b);
    DrawDimensionText(painter, (a + b) / 2.0, d.normal, d.text);
    painter.restore();
}

}  // namespace vantiq
