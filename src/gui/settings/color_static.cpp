#include "gui/settings/color_static.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

namespace vantiq {

CColorStatic::CColorStatic(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(18, 18);
}

void CColorStatic::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void CColorStatic::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), color_);
    painter.end();
    QFrame::paintEvent(event);
}

void CColorStatic::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QColor chosen = QColorDialog::getColor(Qt::white, window());
    if (chosen.isValid()) {
        SetColor(chosen);
    }
}

}  // namespace vantiq
