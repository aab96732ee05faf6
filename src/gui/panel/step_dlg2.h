#pragma once

#include <memory>

#include "core/selection/search_criteria.h"
#include "gui/panel/step_dlg.h"

namespace Ui {
class StepDlg2;
}

namespace vantiq {

// Step 2: the heat load Q and the temperature difference dT.
class CStepDlg2 : public CStepDlg {
    Q_OBJECT

public:
    explicit CStepDlg2(QWidget* parent = nullptr);
    ~CStepDlg2() override;

    // Reads this page's boxes into `criteria`.
    void Read(SearchCriteria& criteria) const;
    // Shows this page's values of `criteria`.
    void Write(const SearchCriteria& criteria);

private:
    std::unique_ptr<Ui::StepDlg2> ui_;
};

}  // namespace vantiq
