#include "render/pages/header_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vantiq {
namespace {

constexpr int kWidth = 1207;
constexpr int kHeight = 818;
constexpr int kLegCount = 8;
constexpr double kLegWidth = 60;
constexpr double kLegPitch = 97.5;
constexpr double kFirstLeg = 205;
const QPointF kDepth(90, -70);     // how far the back edges sit up and right
const QPointF kLegDepth(22, -17);  // the legs' own thickness in the same view
const QColor kOutline(90, 90, 105);

// A box in an oblique view: its front face, the face on top and the face on
// the right, each in its own shade.
void DrawBox(QPainter& p, const QRectF& front, QPointF depth, const QColor& face) {
    const QPolygonF top(
        {front.topLeft(), front.topRight(), front.topRight() + depth, front.topLeft() + depth});
    const QPolygonF side({front.topRight(), front.topRight() + depth, front.bottomRight() + depth,
                          front.bottomRight()});
    p.setPen(QPen(kOutline, 2));
    p.setBrush(face.lighter(112));
    p.drawPolygon(top);
    p.setBrush(face.darker(125));
    p.drawPolygon(side);
    p.setBrush(face);
    p.drawRect(front);
}

QRectF LegFront(int index) {
    return QRectF(kFirstLeg + index * kLegPitch, 320, kLegWidth, 226);
}

void DrawLegs(QPainter& p) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < kLegCount; ++i) {
        const bool n = i % 2 == 0;
        DrawBox(p, LegFront(i), kLegDepth, n ? QColor(70, 110, 190) : QColor(196, 82, 70));
        p.setPen(Qt::white);
        p.drawText(LegFront(i), Qt::AlignCenter, n ? QStringLiteral("N") : QStringLiteral("P"));
    }
}

// Copper bridges join the legs in series: N to P under the cold plate, P to
// the next N on the hot plate, with a terminal at each end of the chain.
void DrawBridges(QPainter& p) {
    const QColor copper(205, 132, 62);
    for (int i = 0; i < kLegCount; i += 2) {
        const QRectF left = LegFront(i);
        DrawBox(p, QRectF(left.left() - 6, 320, kLegPitch + kLegWidth + 12, 16), kLegDepth, copper);
    }
    for (int i = -1; i < kLegCount; i += 2) {
        const double from = i < 0 ? LegFront(0).left() - 40 : LegFront(i).left() - 6;
        const double to =
            i + 1 >= kLegCount ? LegFront(i).right() + 40 : LegFront(i + 1).right() + 6;
        DrawBox(p, QRectF(from, 530, to - from, 16), kLegDepth, copper);
    }
}

void DrawWire(QPainter& p, QPointF start, QPointF end, const QColor& colour) {
    QPainterPath path(start);
    path.cubicTo(start + QPointF(-120, 10), end + QPointF(140, -60), end);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 20, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour, 15, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(205, 132, 62), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(end, end + QPointF(-36, 14));
}

void DrawCaption(QPainter& p, double y, const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(34);
    p.setFont(font);
    p.setPen(QColor(80, 80, 110));
    p.drawText(QRectF(0, y, kWidth, 50), Qt::AlignHCenter | Qt::AlignVCenter, text);
}

}  // namespace

QImage DrawHeaderPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ceramic(236, 233, 224);
    DrawWire(p, QPointF(170, 600), QPointF(70, 700), QColor(210, 40, 40));
    DrawWire(p, QPointF(200, 580), QPointF(70, 760), QColor(40, 40, 40));
    DrawBox(p, QRectF(150, 546, 850, 70), kDepth, ceramic);
    DrawLegs(p);
    DrawBridges(p);
    DrawBox(p, QRectF(150, 250, 850, 70), kDepth, ceramic);
    DrawCaption(p, 110, QStringLiteral("Cold side"));
    DrawCaption(p, 650, QStringLiteral("Hot side"));
    return image;
}

}  // namespace vantiq
