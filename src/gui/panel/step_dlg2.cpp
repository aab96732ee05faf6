#include "gui/panel/step_dlg2.h"

#include "gui/panel/number_box.h"
#include "ui_step_dlg2.h"

namespace vantiq {

CStepDlg2::CStepDlg2(QWidget* parent) : CStepDlg(parent), ui_(std::make_unique<Ui::StepDlg2>()) {
    ui_->setupUi(this);
    SetUpNumberBox(ui_->qEdit,
                   QStringLiteral("Heat load to pump, W: above 0 (empty or 0: not asked)"));
    SetUpNumberBox(ui_->dtEdit, QStringLiteral("Temperature difference Th - Tc, K: 0 or more "
                                               "(empty or 0: not asked)"));
}

CStepDlg2::~CStepDlg2() = default;

void CStepDlg2::Read(SearchCriteria& criteria) const {
    criteria.requiredQ = ReadNumberBox(ui_->qEdit);
    criteria.requiredDT = ReadNumberBox(ui_->dtEdit);
}

void CStepDlg2::Write(const SearchCriteria& criteria) {
    WriteNumberBox(ui_->qEdit, criteria.requiredQ);
    WriteNumberBox(ui_->dtEdit, criteria.requiredDT);
}

}  // namespace vantiq
