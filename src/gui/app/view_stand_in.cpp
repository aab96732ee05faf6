#include "app/view_stand_in.h"

#include <QPainter>

#include "base/cp1251.h"

namespace vantiq {

ViewStandIn::ViewStandIn(const TemBase& base, QWidget* parent) : QWidget(parent), base_(base) {}

void ViewStandIn::OnUpdateView(int mode) {
    mode_ = mode;
    ++updates_;
    update();
}

void ViewStandIn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const TemRecord* record = base_.Selected();
    const QString name = record ? QString::fromStdString(Cp1251ToUtf8(record->Name())) : QString();
    painter.drawText(rect(), Qt::AlignCenter, name + QStringLiteral(" / %1").arg(mode_));
}

}  // namespace vantiq
