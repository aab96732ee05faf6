#pragma once

#include <memory>

#include "core/selection/search_criteria.h"
#include "gui/panel/step_dlg.h"

namespace Ui {
class StepDlg4;
}

namespace vantiq {

// Step 4: the largest width, length and height.
class CStepDlg4 : public CStepDlg {
    Q_OBJECT

public:
    explicit CStepDlg4(QWidget* parent = nullptr);
    ~CStepDlg4() override;

    // Reads this page's boxes into `criteria`.
    void Read(SearchCriteria& criteria) const;
    // Shows this page's values of `criteria`.
    void Write(const SearchCriteria& criteria);

private:
    std::unique_ptr<Ui::StepDlg4> ui_;
};

}  // namespace vantiq
