#include "gui/view/child_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "gui/view/view_modes.h"
#include "render/pictures/module_picture.h"

namespace vantiq {

CChildView::CChildView(const TemBase& base, const ColorSettings& colors, QWidget* parent)
    : QWidget(parent), base_(base), colors_(colors) {
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void CChildView::OnUpdateView(unsigned mode) {
    mode_ = mode;
    DrawGraphs();
    picture_ = base_.Selected() != nullptr ? LoadModulePicture(base_, base_.selected) : QImage();
    update();
}

void CChildView::DrawGraphs() {
    const TemRecord* record = base_.Selected();
    if (mode_ == ID_VIEW_GRAPH && record != nullptr && !buffer_.isNull()) {
        QPainter painter(&buffer_);
        DrawModuleGraphs(painter, quadrants_, *record, base_.thot, colors_, kScreenGraphStyle);
    }
}

void CChildView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (mode_ == ID_VIEW_GRAPH) {
        painter.drawImage(0, 0, buffer_);
    } else if (mode_ == ID_VIEW_DATASHEET) {
        DrawDatasheet(painter, picture_, width(), height());
    }
}

void CChildView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    if (size.isEmpty()) {
        return;  // a minimised window keeps its page
    }
    // A fresh page shows the window colour and the cross, and the graphs of
    // the module shown drawn anew at the new size.
    buffer_ = QImage(size, QImage::Format_RGB32);
    buffer_.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&buffer_);
        DrawViewCross(painter, size.width(), size.height());
    }
    quadrants_ = ViewQuadrants(size.width(), size.height());
    DrawGraphs();
}

}  // namespace vantiq
