#include "gui/panel/step_dlg1.h"

#include <QSignalBlocker>

#include "ui_step_dlg1.h"

namespace vantiq {

CStepDlg1::CStepDlg1(QWidget* parent) : CStepDlg(parent), ui_(std::make_unique<Ui::StepDlg1>()) {
    ui_->setupUi(this);
    connect(ui_->thotSpin, &QSpinBox::valueChanged, this,
            [this](int kelvin) { emit ThotStepped(kelvin); });
}

CStepDlg1::~CStepDlg1() = default;

void CStepDlg1::SetThot(double kelvin) {
    const QSignalBlocker quiet(ui_->thotSpin);
    ui_->thotSpin->setValue(static_cast<int>(kelvin));
}

}  // namespace vantiq
