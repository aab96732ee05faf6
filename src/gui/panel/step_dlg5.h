#pragma once

#include <memory>

#include <optional>

#include "core/advisor/advice_request.h"
#include "core/stack/stack_point.h"
#include "gui/panel/step_dlg.h"

class QAbstractButton;

namespace Ui {
class StepDlg5;
}

namespace vantiq {

// Step 5: how the operating points are found: at the fixed hot side of step
// 1, or where a heat sink (ambient, thermal resistance) settles with the cold
// side given here in place of step 2's dT; how many modules share the load
// (1 to 64, or the fewest that work) and how they are wired; or "two
// stages", stacks of a top set on a bottom set, each stage on its own
// current or both on one; and the "cold mass, J/K" whose pull-down time the
// rows show (empty: none). Its button asks for the operating points.
class CStepDlg5 : public CStepDlg {
    Q_OBJECT

public:
    explicit CStepDlg5(QWidget* parent = nullptr);
    ~CStepDlg5() override;

    // Reads this page into `request`: the sink (temperatures in kelvin, the
    // boxes in degrees Celsius with the offset 273) or none, the module
    // count, the wiring and the cold mass. Boxes are read as the wizard's
    // other boxes are, but an empty cold mass is none and one that is not a
    // number is NaN, which the request's check refuses.
    void Read(AdviceRequest& request) const;
    // How the stages of a stack are fed when "two stages" is ticked; none
    // for one stage.
    std::optional<StageCurrents> TwoStages() const;
    // Puts the page back to a fixed hot side, one module in series, one
    // stage, empty sink boxes ("0.0") and no cold mass.
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
