#include "gui/panel/step_dlg.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace vantiq {

void CStepDlg::FocusFirstField() {
    // The fields are created in the order the page shows them; a choice
    // between modes is no field to type into.
    for (QWidget* field : findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(field) != nullptr ||
                           qobject_cast<QAbstractSpinBox*>(field) != nullptr;
        if (input && field->isEnabled() && (field->focusPolicy() & Qt::TabFocus)) {
            field->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CStepDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vantiq
