#pragma once

#include <memory>

#include "core/selection/search_criteria.h"
#include "gui/panel/step_dlg.h"

namespace Ui {
class StepDlg3;
}

namespace vantiq {

// Step 3: the power supply's voltage and current, or the module's AC
// resistance with a tolerance. The radio buttons choose which inputs are
// enabled; the disabled ones keep their values and are still read.
class CStepDlg3 : public CStepDlg {
    Q_OBJECT

public:
    explicit CStepDlg3(QWidget* parent = nullptr);
    ~CStepDlg3() override;

    // Reads this page's inputs into `criteria`. No tolerance chosen leaves
    // `tolerancePercent` as it was.
    void Read(SearchCriteria& criteria) const;
    // Shows this page's values of `criteria`; a tolerance other than 1, 5,
    // 10 or 20 leaves the combo as it is.
    void Write(const SearchCriteria& criteria);
    // Enables the supply inputs for mode 0, the resistance inputs for mode 1.
    void EnableForMode(ElectricalMode electricalMode);

signals:
    // One of the two radio buttons was clicked.
    void ModeClicked();

private:
    std::unique_ptr<Ui::StepDlg3> ui_;
};

}  // namespace vantiq
