#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include <optional>

#include "core/advisor/advice_request.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"
#include "core/selection/comparison.h"
#include "core/selection/result_list.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"
#include "core/stack/stack_point.h"
#include "gui/panel/record_source.h"
#include "gui/panel/result_list_view.h"

class QButtonGroup;

namespace Ui {
class ModuleDlg;
}

namespace vantiq {

class CStepDlg1;
class CStepDlg2;
class CStepDlg3;
class CStepDlg4;
class CStepDlg5;
class OperatingPointList;
class StackList;

// The selection panel: the five wizard pages stacked at the top, the step,
// search and name controls, the list of found modules with its sort
// controls, and the criteria text. It asks `records` for the catalogue's
// records (at start and at each new hot side), runs the searches, and makes
// the module of the clicked (or first) row the base's selected one, telling
// the frame through TemSelected.
class CModuleDlg : public QWidget {
    Q_OBJECT

public:
    CModuleDlg(TemBase& base, RecordSource& records, QWidget* parent = nullptr);
    ~CModuleDlg() override;

    // Loads the records under the progress dialog, resets every input and
    // lists the whole base with row 0 selected. False when the load failed
    // (its message has been shown).
    bool Initialise();

    // The panel's operations; each is also reached through its control.
    void RunSearch();
    void ShowAllModules();
    void SortResultList();
    void SelectListedModule();
    void ClearCriteria();
    void LayoutStepPages();
    void UpdateElectricalControls();
    // "Operating points": runs the advisor with the wizard's Q, dT, supply,
    // dimensions, name and step 5, lists the points in their own window and
    // states the request and its outcome in the criteria box. A request it
    // cannot run (no Q, a cold side not below ambient...) is explained in a
    // message box instead.
    void ShowOperatingPoints();
    // The modules listed, in the order shown.
    const ResultList& List() const { return list_; }
    // The operating points listed (empty before the first run).
    const OperatingPointList& PointList() const { return *pointList_; }
    // The stacks listed when step 5 asked for two stages.
    const StackList& Stacks() const { return *stackList_; }
    // Makes the top module of stack `row` of that list the selected one, at
    // its stage's point, compared with the bottom module at its own.
    void SelectStack(int row);
    // Makes the module of operating point `row` of that list the selected
    // one, at that point; the points picked beside it are compared with it.
    void SelectOperatingPoint(int row);
    // The modules picked for comparing in the list that chose the shown
    // module, the shown one first (just it when nothing else is picked).
    const Comparison& Compared() const { return compared_; }

signals:
    // The base's selected module was set (it may be -1).
    void TemSelected();
    // The module is shown at this operating point, or (none) was chosen from
    // the search's list; sent before TemSelected.
    void PointChosen(const std::optional<OperatingPoint>& point);
    // The modules now compared (Compared().modules); sent before TemSelected.
    void ComparedChosen(const std::vector<std::int32_t>& modules);
    // The list now shows `rows` modules (after a search, a sort, "Show all",
    // "Clear" or a reload at another hot side).
    void ListShown(int rows);

private:
    void ConnectControls();
    void ExchangeIn();
    void ExchangeOut();
    void ResetInputs();
    void EnableDirection();
    void Step(int delta);
    void ChangeThot(double kelvin);
    void ShowCriteriaText();
    void ShowStacks(const AdviceRequest& request, StageCurrents currents);
    void ClickRow(int row);
    // Tells the frame that the selected module was set, then writes the
    // members back into the controls.
    void Notify();
    // Shows the list's rows, third column and mark in the list widget.
    void ShowList();
    // The third column's text of each row for the current sort key; empty
    // for the name, which has no third column.
    ResultListModel::ColumnText KeyColumn() const;
    SortKey Key() const;
    SortOrder Order() const;

    TemBase& base_;
    RecordSource& records_;
    std::unique_ptr<Ui::ModuleDlg> ui_;
    CStepDlg1* page1_;
    CStepDlg2* page2_;
    CStepDlg3* page3_;
    CStepDlg4* page4_;
    CStepDlg5* page5_;
    OperatingPointList* pointList_;
    StackList* stackList_;
    QButtonGroup* direction_;

    ResultList list_;
    Comparison compared_;
    SearchCriteria criteria_;
    std::string criteriaText_;
    int sortKey_ = 0;
    int sortOrder_ = 0;
    int step_ = 1;
};

}  // namespace vantiq
