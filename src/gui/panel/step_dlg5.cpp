#include "gui/panel/step_dlg5.h"

#include <cmath>

#include "core/model/celsius.h"
#include "gui/panel/number_box.h"
#include "ui_step_dlg5.h"

namespace vantiq {

CStepDlg5::CStepDlg5(QWidget* parent) : CStepDlg(parent), ui_(std::make_unique<Ui::StepDlg5>()) {
    ui_->setupUi(this);
    SetUpNumberBox(ui_->ambientEdit,
                   QStringLiteral("Ambient temperature around the heat sink, \u00B0C: -50 to 100"));
    SetUpNumberBox(ui_->sinkEdit,
                   QStringLiteral("Thermal resistance of the heat sink, K/W: 0 or more"));
    SetUpNumberBox(ui_->coldEdit,
                   QStringLiteral("Cold side to hold, \u00B0C: below the ambient temperature"));
    SetUpNumberBox(ui_->massEdit,
                   QStringLiteral("Heat capacity of the cooled mass, J/K: 0 or more; "
                                  "empty for no pull-down time"));
    ui_->modulesSpin->setToolTip(QStringLiteral("Modules in the set: 1 to 64"));
    connect(ui_->adviseButton, &QPushButton::clicked, this, &CStepDlg5::AdviseClicked);
    connect(ui_->sinkRadio, &QRadioButton::toggled, this, &CStepDlg5::EnableInputs);
    connect(ui_->fewestCheck, &QCheckBox::toggled, this, &CStepDlg5::EnableInputs);
    connect(ui_->stagesCheck, &QCheckBox::toggled, this, &CStepDlg5::EnableInputs);
    Reset();
}

CStepDlg5::~CStepDlg5() = default;

void CStepDlg5::Read(AdviceRequest& request) const {
    request.sink.reset();
    if (ui_->sinkRadio->isChecked()) {
        request.sink =
            HeatSink{ReadNumberBox(ui_->ambientEdit) + kCelsiusOffset, ReadNumberBox(ui_->sinkEdit),
                     ReadNumberBox(ui_->coldEdit) + kCelsiusOffset};
    }
    // Under a sink every row tells the worst sink it still holds with.
    request.sinkLimits = request.sink.has_value();
    request.modules =
        ui_->fewestCheck->isChecked() ? AdviceRequest::kFewestModules : ui_->modulesSpin->value();
    request.wiring = static_cast<Wiring>(ui_->wiringCombo->currentIndex());
    request.coldMass.reset();
    const QString mass = ui_->massEdit->text().trimmed();
    if (!mass.isEmpty()) {
        bool number = false;
        const double value = mass.toDouble(&number);
        request.coldMass = number ? value : std::nan("");
    }
}

std::optional<StageCurrents> CStepDlg5::TwoStages() const {
    if (!ui_->stagesCheck->isChecked()) {
        return std::nullopt;
    }
    return ui_->sharedCheck->isChecked() ? StageCurrents::Shared : StageCurrents::Separate;
}

QAbstractButton* CStepDlg5::AdviseButton() const {
    return ui_->adviseButton;
}

void CStepDlg5::Reset() {
    ui_->fixedRadio->setChecked(true);
    for (QLineEdit* box : {ui_->ambientEdit, ui_->sinkEdit, ui_->coldEdit}) {
        WriteNumberBox(box, 0.0);
    }
    ui_->modulesSpin->setValue(1);
    ui_->fewestCheck->setChecked(false);
    ui_->wiringCombo->setCurrentIndex(0);
    ui_->stagesCheck->setChecked(false);
    ui_->sharedCheck->setChecked(false);
    ui_->massEdit->clear();
    EnableInputs();
}

void CStepDlg5::EnableInputs() {
    const bool sink = ui_->sinkRadio->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_->ambientEdit, ui_->sinkEdit, ui_->coldEdit}) {
        w->setEnabled(sink);
    }
    ui_->modulesSpin->setEnabled(!ui_->fewestCheck->isChecked());
    // A stack's stages are each fed as a series set, or all on one current.
    ui_->wiringCombo->setEnabled(!ui_->stagesCheck->isChecked());
    ui_->sharedCheck->setEnabled(ui_->stagesCheck->isChecked());
}

}  // namespace vantiq
