#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/selection/result_list.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"
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

// The selection panel: the four wizard pages stacked at the top, the step,
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

signals:
    // The base's selected module was set (it may be -1).
    void TemSelected();

private:
    void ConnectControls();
    void ExchangeIn();
    void ExchangeOut();
    void ResetInputs();
    void EnableDirection();
    void Step(int delta);
    void ChangeThot(double kelvin);
    void ShowCriteriaText();
    void ClickRow(int row);
    // Tells the frame that the selected module was set, then writes the
    // members back into the controls.
    void Notify();
    // Shows the list's rows, third column and mark in the list widget.
    void ShowList();
    SortKey Key() const;
    SortOrder Order() const;

    TemBase& base_;
    RecordSource& records_;
    std::unique_ptr<Ui::ModuleDlg> ui_;
    CStepDlg1* page1_;
    CStepDlg2* page2_;
    CStepDlg3* page3_;
    CStepDlg4* page4_;
    QButtonGroup* direction_;

    ResultList list_;
    SearchCriteria criteria_;
    std::string criteriaText_;
    int sortKey_ = 0;
    int sortOrder_ = 0;
    int step_ = 1;
};

}  // namespace vantiq
