#include "gui/view/child_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "render/pictures/module_picture.h"

namespace vantiq {

CChildView::CChildView(const TemBase& base, const ColorSettings& colors, QWidget* parent)
    : QWidget(parent), base_(base), colors_(colors) {
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void CChildView::OnUpdateView(DisplayMode mode) {
    mode_ = mode;
    DrawGraphs();
    picture_ = base_.Selected() != nullptr ? LoadModulePicture(base_, base_.selected) : QImage();
    update();
}

void CChildView::DrawGraphs() {
    const TemRecord* record = base_.Selected();
    if (mode_ == DisplayMode::Graph && record != nullptr && !buffer_.isNull()) {
        QPainter painter(&buffer_);
        const bool marked = point_ && static_cast<std::int32_t>(point_->index) == base_.selected;
        DrawModuleGraphs(painter, quadrants_, *record, base_.thot, colors_, kScreenGraphStyle,
                         marked ? &*point_ : nullptr);
    }
}

void CChildView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (mode_ == DisplayMode::Graph) {
        painter.drawImage(0, 0, buffer_);
    } else if (mode_ == DisplayMode::Datasheet) {
        DrawDatasheetPicture(painter, picture_, width(), height());
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
