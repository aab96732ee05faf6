#include "gui/panel/step_dlg4.h"

#include "gui/panel/number_box.h"
#include "ui_step_dlg4.h"

namespace vantiq {

CStepDlg4::CStepDlg4(QWidget* parent) : CStepDlg(parent), ui_(std::make_unique<Ui::StepDlg4>()) {
    ui_->setupUi(this);
    SetUpNumberBox(ui_->widthEdit,
                   QStringLiteral("Largest module width, mm: above 0 (empty or 0: no limit)"));
    SetUpNumberBox(ui_->lengthEdit,
                   QStringLiteral("Largest module length, mm: above 0 (empty or 0: no limit)"));
    SetUpNumberBox(ui_->heightEdit,
                   QStringLiteral("Largest module height, mm: above 0 (empty or 0: no limit)"));
}

CStepDlg4::~CStepDlg4() = default;

void CStepDlg4::Read(SearchCriteria& criteria) const {
    criteria.maxWidth = ReadNumberBox(ui_->widthEdit);
    criteria.maxLength = ReadNumberBox(ui_->lengthEdit);
    criteria.maxHeight = ReadNumberBox(ui_->heightEdit);
}

void CStepDlg4::Write(const SearchCriteria& criteria) {
    WriteNumberBox(ui_->widthEdit, criteria.maxWidth);
    WriteNumberBox(ui_->lengthEdit, criteria.maxLength);
    WriteNumberBox(ui_->heightEdit, criteria.maxHeight);
}

}  // namespace vantiq
