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
    // Lists a catalogue opened or rewritten in place of the one listed: the
    // whole of it, with nothing of an earlier request in the criteria box.
    void ShowNewCatalogue();
    void SortResultList();
    void SelectListedModule();
    void ClearCriteria();
    void LayoutStepPages();
    void UpdateElectricalControls();
    // "Operating points": runs the advisor with the wizard's Q, dT, supply,
    // dimensions, name and step 5, makes the points (or, with two stages,
    // the stacks) the session's answer, chooses its first row, and states
    // the request and its outcome in the criteria box. A request it cannot
    // run (no Q, a cold side not below ambient...) is explained in a message
    // box instead.
    void ShowOperatingPoints();
    // The modules listed, in the order shown.
    const ResultList& List() const { return list_; }
    // What the lists hold, for the status line: how the modules were
    // listed (found at which hot side, and whether that side has changed
    // since) and, when there is an answer, for which load it was worked out.
    QString ListsSummary() const;
    // The session's answer: the operating points or stacks and their order.
    const AnswerState& Answer() const { return records_.State().answer; }
    // Chooses row `row` of the answer: for points, that module at its point,
    // the points of `picked` (rows) compared with it; for a stack, its top
    // module at its stage's point, compared with the bottom module at its
    // own. A row that is not there changes nothing.
    void ChooseAnswerRow(int row, const std::vector<int>& picked = {});
    // Sorts the answer by its shown column `column`; again: the other way.
    void SortAnswer(int column);
    // The modules compared with the shown one, the shown one first (just
    // it when nothing else is picked), at their points where they have them.
    const Comparison& Compared() const { return records_.State().shown.compared; }
    // The note under the list: why the answer is empty, or why the module
    // shown is not one of its rows; empty when there is nothing to say.
    QString WhyText() const;

signals:
    // The session's state changed: the selected module (it may be -1), the
    // answer or what is shown of it. Every view draws anew from it.
    void TemSelected();

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
    // The no-result notice; when operating points carry the same load, it
    // counts them and offers to show them.
    void ReportNothingFound();
    // The request the search's own inputs make: one module at the fixed hot
    // side, with the supply only in supply mode.
    AdviceRequest SearchAdviceRequest() const;
    // Makes `advice`, found for `request`, the answer, with what to say
    // when it is empty.
    void ShowAdvice(const AdviceRequest& request, const Advice& advice);
    // Chooses the answer's first row, or, without rows, the module shown
    // without a point.
    void ChooseFirstRow();
    // Why the module shown is not one of the answer's points; empty when it
    // is one, or there are none.
    std::string WhyNotShown() const;
    void ClickRow(int row);
    // The selected module was set from the modules list: nothing of the
    // answer is chosen; the frame is told, and the members are written back
    // into the controls.
    void Notify();
    // Tells the frame that the state changed and shows the note.
    void Refresh();
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
    QButtonGroup* direction_;

    ResultList list_;
    SearchCriteria criteria_;
    std::string criteriaText_;
    // The hot side (K) the listed modules were found at; none when the list
    // holds every module, whatever the hot side.
    std::optional<double> listThot_;
    int sortKey_ = 0;
    int sortOrder_ = 0;
    int step_ = 1;
};

}  // namespace vantiq
