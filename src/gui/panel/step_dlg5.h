#pragma once

#include <memory>

#include "core/advisor/advice_request.h"
#include "gui/panel/step_dlg.h"

class QAbstractButton;

namespace Ui {
class StepDlg5;
}

namespace vantiq {

// Step 5: how the operating points are found: at the fixed hot side of step
// 1, or where a heat sink (ambient, thermal resistance) settles with the cold
// side given here in place of step 2's dT; how many modules share the load
// (1 to 64, or the fewest that work) and how they are wired. Its button asks
// for the operating points.
class CStepDlg5 : public CStepDlg {
    Q_OBJECT

public:
    explicit CStepDlg5(QWidget* parent = nullptr);
    ~CStepDlg5() override;

    // Reads this page into `request`: the sink (temperatures in kelvin, the
    // boxes in degrees Celsius with the offset 273) or none, the module
    // count and the wiring. Boxes are read as the wizard's other boxes are.
    void Read(AdviceRequest& request) const;
    // Puts the page back to a fixed hot side, one module in series and
    // empty sink boxes ("0.0").
    void Reset();
    // The "Operating points" button, for the panel's shortcut.
    QAbstractButton* AdviseButton() const;

signals:
    // "Operating points" was pressed.
    void AdviseClicked();

private:
    void EnableInputs();

    std::unique_ptr<Ui::StepDlg5> ui_;
};

}  // namespace vantiq
