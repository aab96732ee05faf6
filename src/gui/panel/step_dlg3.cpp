#include "gui/panel/step_dlg3.h"

#include <algorithm>
#include <array>

#include "gui/panel/number_box.h"
#include "ui_step_dlg3.h"

namespace vantiq {
namespace {

constexpr std::array<int, 4> kTolerances = {1, 5, 10, 20};

}  // namespace

CStepDlg3::CStepDlg3(QWidget* parent) : CStepDlg(parent), ui_(std::make_unique<Ui::StepDlg3>()) {
    ui_->setupUi(this);
    SetUpNumberBox(ui_->voltageEdit,
                   QStringLiteral("Supply voltage, V: above 0 (empty or 0: no limit)"));
    SetUpNumberBox(ui_->currentEdit,
                   QStringLiteral("Supply current, A: above 0 (empty or 0: no limit)"));
    SetUpNumberBox(
        ui_->resistanceEdit,
        QStringLiteral("Module resistance wanted, ohms: above 0 (empty or 0: not asked)"));
    connect(ui_->supplyRadio, &QRadioButton::clicked, this, &CStepDlg3::ModeClicked);
    connect(ui_->resistanceRadio, &QRadioButton::clicked, this, &CStepDlg3::ModeClicked);
}

CStepDlg3::~CStepDlg3() = default;

void CStepDlg3::Read(SearchCriteria& criteria) const {
    criteria.electricalMode =
        ui_->supplyRadio->isChecked() ? ElectricalMode::Supply : ElectricalMode::Resistance;
    criteria.supplyVoltage = ReadNumberBox(ui_->voltageEdit);
    criteria.supplyCurrent = ReadNumberBox(ui_->currentEdit);
    criteria.requiredResistance = ReadNumberBox(ui_->resistanceEdit);
    const int index = ui_->toleranceCombo->currentIndex();
    if (index >= 0 && index < static_cast<int>(kTolerances.size())) {
        criteria.tolerancePercent = kTolerances[index];
    }
}

void CStepDlg3::Write(const SearchCriteria& criteria) {
    ui_->supplyRadio->setChecked(criteria.electricalMode == ElectricalMode::Supply);
    ui_->resistanceRadio->setChecked(criteria.electricalMode == ElectricalMode::Resistance);
    WriteNumberBox(ui_->voltageEdit, criteria.supplyVoltage);
    WriteNumberBox(ui_->currentEdit, criteria.supplyCurrent);
    WriteNumberBox(ui_->resistanceEdit, criteria.requiredResistance);
    const auto found = std::find(kTolerances.begin(), kTolerances.end(), criteria.tolerancePercent);
    if (found != kTolerances.end()) {
        ui_->toleranceCombo->setCurrentIndex(static_cast<int>(found - kTolerances.begin()));
    }
}

void CStepDlg3::EnableForMode(ElectricalMode electricalMode) {
    ui_->voltageEdit->setEnabled(electricalMode == ElectricalMode::Supply);
    ui_->currentEdit->setEnabled(electricalMode == ElectricalMode::Supply);
    ui_->resistanceEdit->setEnabled(electricalMode == ElectricalMode::Resistance);
    ui_->toleranceCombo->setEnabled(electricalMode == ElectricalMode::Resistance);
}

}  // namespace vantiq
