#pragma once

#include <QWidget>

namespace vantiq {

// A page of the selection wizard. Enter pressed inside a page does nothing:
// it neither searches nor leaves the page.
class CStepDlg : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vantiq
