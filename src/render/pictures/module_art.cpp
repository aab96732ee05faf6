#include "render/pictures/module_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantiq {
namespace {

// One module in an oblique view: `w` wide at the front, receding by `depth`.
struct ModuleShape {
    QPointF origin;  // front-left corner of the top plate's top edge
    double w;
    double depth;
    int pellets;
};

QPointF Recede(const ModuleShape& m) {
    return {m.depth * 0.55, -m.depth * 0.4};
}

double PlateThickness(const ModuleShape& m) {
    return m.w * 0.07;
}

double PelletHeight(const ModuleShape& m) {
    return m.w * 0.12;
}

void DrawPlate(QPainter& p, const ModuleShape& m, double top) {
    const QPointF back = Recede(m);
    const double t = PlateThickness(m);
    const QPointF a(m.origin.x(), top), b(m.origin.x() + m.w, top);
    QLinearGradient face(a, a + back);
    face.setColorAt(0, QColor(250, 248, 242));
    face.setColorAt(1, QColor(226, 222, 212));
    p.setPen(QPen(QColor(150, 146, 138), 0.8));
    p.setBrush(face);
    p.drawPolygon(QPolygonF({a, b, b + back, a + back}));
    p.setBrush(QColor(214, 210, 200));
    p.drawRect(QRectF(a, QSizeF(m.w, t)));
    p.setBrush(QColor(190, 186, 176));
    p.drawPolygon(QPolygonF({b, b + back, b + back + QPointF(0, t), b + QPointF(0, t)}));
}

void DrawPellets(QPainter& p, const ModuleShape& m) {
    const double top = m.origin.y() + PlateThickness(m);
    const double pitch = m.w / m.pellets;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < m.pellets; ++i) {
        p.setBrush(i % 2 ? QColor(70, 78, 92) : QColor(104, 112, 126));
        p.drawRect(
            QRectF(m.origin.x() + i * pitch + pitch * 0.2, top, pitch * 0.6, PelletHeight(m)));
    }
}

void DrawLead(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    QPainterPath path(from);
    path.cubicTo(from + QPointF(-12, 2), to + QPointF(10, -14), to);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
}

void DrawModule(QPainter& p, const ModuleShape& m, QPointF leadsTo) {
    const double bottomTop = m.origin.y() + PlateThickness(m) + PelletHeight(m);
    ModuleShape bottom = m;
    bottom.origin.setY(bottomTop);
    const QPointF leadRoot(m.origin.x() + 2, bottomTop + PlateThickness(m) * 0.5);
    DrawLead(p, leadRoot, leadsTo, QColor(200, 40, 30));
    DrawLead(p, leadRoot + QPointF(0, 3), leadsTo + QPointF(8, 6), QColor(30, 30, 30));
    DrawPlate(p, bottom, bottomTop);
    DrawPellets(p, m);
    DrawPlate(p, m, m.origin.y());
}

}  // namespace

QPixmap ModulesPicture() {
    QPixmap picture(150, 132);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 132);
    sky.setColorAt(0, QColor(222, 234, 246));
    sky.setColorAt(1, QColor(176, 196, 220));
    p.fillRect(picture.rect(), sky);
    DrawModule(p, {{52, 34}, 78, 52, 9}, {14, 70});
    DrawModule(p, {{30, 82}, 64, 40, 7}, {10, 122});
    return picture;
}

QIcon ModuleIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = size * 0.62;
        DrawPlate(p, {{size * 0.1, size * 0.62}, w, w * 0.8, 5}, size * 0.62);
        DrawPellets(p, {{size * 0.1, size * 0.42}, w, w * 0.8, 5});
        DrawPlate(p, {{size * 0.1, size * 0.42}, w, w * 0.8, 5}, size * 0.42);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vantiq
