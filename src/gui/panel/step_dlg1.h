#pragma once

#include <memory>

#include "gui/panel/step_dlg.h"

namespace Ui {
class StepDlg1;
}

namespace vantiq {

// Step 1: the hot-side temperature, shown in °C and changed one kelvin per
// arrow click between 223 K and 373 K.
class CStepDlg1 : public CStepDlg {
    Q_OBJECT

public:
    explicit CStepDlg1(QWidget* parent = nullptr);
    ~CStepDlg1() override;

    // Shows `kelvin` (its fraction cut off) without reporting a change.
    void SetThot(double kelvin);

signals:
    // The user stepped the temperature; `kelvin` is the new value.
    void ThotStepped(double kelvin);

private:
    std::unique_ptr<Ui::StepDlg1> ui_;
};

}  // namespace vantiq
