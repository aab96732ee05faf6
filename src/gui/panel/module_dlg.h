#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include <optional>

#include "core/advisor/advice_request.h"
#include "core/advisor/comparison.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"
#include "core/selection/result_list.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"
#include "core/stack/stack_point.h"
#include "core/stack/stack_search.h"
#include "gui/panel/record_source.h"
#include "gui/panel/result_list_view.h"

class QButtonGroup;

namespace Ui {
class ModuleDlg;
}

namespace vantiq {

struct Advice;
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
// the module of the clicked (or first) row the session's selected one, telling
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
    // dimensions, name and step 5, lists the points in the tab beside the
    // modules and states the request and its outcome in the criteria box. A request it
    // cannot run (no Q, a cold side not below ambient...) is explained in a
    // message box instead.
    void ShowOperatingPoints();
    // The modules listed, in the order shown.
    const ResultList& List() const { return list_; }
    // What the two lists hold, for the status line: how the modules were
    // listed (found at which hot side, and whether that side has changed
    // since) and, when there are any, for which load the operating points
    // were worked out.
    QString ListsSummary() const;
    // The operating points listed (empty before the first run).
    const OperatingPointList& PointList() const { return *pointList_; }
    // The stacks listed, in the operating points' tab in place of the
    // points, when step 5 asked for two stages.
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
    // The session's selected module was set (it may be -1).
    void TemSelected();
    // The module is shown at this operating point, or (none) was chosen from
    // the search's list; sent before TemSelected.
    void PointChosen(const std::optional<OperatingPoint>& point);
    // The modules now compared, at their points where they have them
    // (Compared()); sent before TemSelected.
    void ComparedChosen(const Comparison& compared);
    // The list now shows `rows` modules (after a search, a sort, "Show all",
    // "Clear" or a reload at another hot side), or the operating points
    // changed; ListsSummary() tells what both hold.
    void ListShown(int rows);

private:
    void ConnectControls();
    // The keys of the step, search and operating-point buttons, named in
    // their tool tips.
    void AddShortcuts();
    void ExchangeIn();
    void ExchangeOut();
    void ResetInputs();
    void EnableDirection();
    void Step(int delta);
    void ChangeThot(double kelvin);
    void ShowCriteriaText();
    void ShowStacks(const AdviceRequest& request, StageCurrents currents);
    // The operating points' tab shows the stacks' rows, or the points'.
    void ShowStackRows(bool stacks);
    // The no-result notice; when operating points carry the same load, it
    // counts them and offers to show them.
    void ReportNothingFound();
    // The request the search's own inputs make: one module at the fixed hot
    // side, with the supply only in supply mode.
    AdviceRequest SearchAdviceRequest() const;
    void ShowAdvice(const AdviceRequest& request, const Advice& advice);
    // Lists `points`, worked out for `request` (none: the list is cleared).
    void ShowPoints(std::vector<OperatingPoint> points,
                    const std::optional<AdviceRequest>& request);
    // The wrapped note under the points: why nothing or why not this one.
    void ShowWhy(QString text);
    // Where points are listed and the selected module is not one of them,
    // says why, with its figures.
    void ExplainSelected();
    void ShowModulesTab();
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
    // The hot side (K) the listed modules were found at; none when the list
    // holds every module, whatever the hot side.
    std::optional<double> listThot_;
    // The request the listed operating points answer.
    std::optional<AdviceRequest> advised_;
    // The request for two stages the listed stacks answer.
    std::optional<StackRequest> stacked_;
    int sortKey_ = 0;
    int sortOrder_ = 0;
    int step_ = 1;
};

}  // namespace vantiq
