#pragma once

#include <QWidget>

namespace vantiq {

// A page of the selection wizard. Enter pressed inside a page does nothing:
// it neither searches nor leaves the page.
class CStepDlg : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Puts the keyboard focus on the page's first enabled field, where a
    // user arriving at the step starts typing.
    void FocusFirstField();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vantiq
