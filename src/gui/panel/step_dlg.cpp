#include "gui/panel/step_dlg.h"

#include <QKeyEvent>

namespace vantiq {

void CStepDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vantiq
