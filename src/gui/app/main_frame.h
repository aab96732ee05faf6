#pragma once

#include <QMainWindow>

#include "core/base/base_writer.h"
#include "core/base/tem_base.h"
#include "gui/app/catalogue_session.h"
#include "gui/view/child_view.h"
#include "gui/view/view_modes.h"
#include "render/colors/color_settings.h"

class QAction;
class QLabel;
class QSplitter;

namespace vantiq {

class AnswerTable;
class CCompareDlg;
class CModuleDlg;

// The main window: the drawing view on the left with the table of answers
// below it, the selection panel at the right edge at its own width, and the
// menu. It holds the display mode (Datasheet or Graph) and the curve
// colours, and at every change of the catalogue session's state draws the
// title, the status bar, the view and the table anew from that state.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Loads the stored colours; a store that exists but cannot be read is
    // reported ("Error loading settings!") and the defaults are used.
    explicit CMainFrame(TemBase& base, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Creates the view, the panel (which loads the records under the
    // progress dialog and lists the whole base) and the menu. False when the
    // records could not be loaded; the frame must then not be shown.
    bool Create();

    DisplayMode ViewMode() const { return viewMode_; }
    const ColorSettings& Colors() const { return colors_; }
    CChildView* View() const { return view_; }
    CModuleDlg* Panel() const { return panel_; }
    AnswerTable* Answer() const { return answer_; }
    const CatalogueSession& Catalogue() const { return catalogue_; }

    // The refresh: sets the title from the selected module and the count,
    // the status bar, the table of answers, and asks the view, by a queued
    // call, to show that module in the current mode at its point.
    void OnTemSelected();
    // Makes `mode` the display mode and refreshes, also when it already was.
    void OnViewMode(DisplayMode mode);
    // File > "Open catalogue...": asks for a catalogue and, when it opens
    // and loads, lists it afresh in place of the one in use; on failure the
    // catalogue in use stays.
    void OnOpenCatalogue();
    // File > "Add module from datasheet..." and "Import modules from CSV...":
    // fit datasheet ratings, add the modules to the open catalogue (the file
    // is replaced whole, the previous one kept on failure, a name already
    // there refused) and list the catalogue read and derived afresh.
    // Both keep the previous catalogue as Base.tmb.bak beside it.
    void OnAddFromDatasheet();
    void OnImportFromCsv();
    // File > "Remove module from catalogue...": after a confirmation naming
    // the module shown and the count after removal, writes the catalogue
    // without it in the same way (the previous one kept as Base.tmb.bak, the
    // file left as it was when the write fails) and lists it afresh.
    void OnRemoveModule();
    // The file of the catalogue in use, where "Open catalogue..." starts.
    void SetCataloguePath(const QString& path) { cataloguePath_ = path; }
    const QString& CataloguePath() const { return cataloguePath_; }
    // View > "Compare": shows the compared modules side by side in a window
    // that stays open and follows the picks.
    void OnCompare();
    // Runs the "Program settings" dialog.
    void OnSettings();
    // Runs the About dialog.
    void OnAppAbout();

signals:
    // A page command for the selected module: ID_FILE_PRINT_DATASHEET,
    // ID_FILE_PRINT_GRAPHS, ID_FILE_EXPORT_DATASHEET or ID_FILE_EXPORT_GRAPHS
    // (command_ids.h). Never emitted while no module is selected.
    void PrintRequested(int command);

private:
    void CreateMenus();
    void CreateFileMenu();
    void CreateViewMenu();
    void Print(int command);
    void ApplyColors(const ColorSettings& colors);
    void AddToCatalogue(const std::vector<CatalogueEntry>& added);
    // Lists the catalogue read afresh after `written`, or shows its error.
    void ShowRewritten(const Status& written);
    // Sizes and places the window within its screen's available area.
    void FitToScreen();
    // The status bar: what the panel's lists hold, and the hot side of the
    // row chosen or else the session's.
    void ShowListStatus();
    // The table of answers as the session holds it; a new answer opens it.
    void ShowAnswer();
    void ShowAnswerTable(bool shown);
    void ConnectAnswer();

    TemBase& base_;
    CatalogueSession catalogue_;
    // The view draws with these by reference.
    ColorSettings colors_;
    DisplayMode viewMode_ = DisplayMode::Datasheet;
    QString cataloguePath_;
    CChildView* view_ = nullptr;
    CModuleDlg* panel_ = nullptr;
    AnswerTable* answer_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QAction* exportAnswer_ = nullptr;
    QAction* answerShown_ = nullptr;
    int answerVersion_ = -1;
    QAction* printDatasheet_ = nullptr;
    QAction* printGraphs_ = nullptr;
    QAction* exportGraphs_ = nullptr;
    QAction* exportDatasheet_ = nullptr;
    QAction* removeModule_ = nullptr;
    QAction* datasheetMode_ = nullptr;
    QAction* graphMode_ = nullptr;
    QLabel* listStatus_ = nullptr;
    CCompareDlg* compare_ = nullptr;
};

}  // namespace vantiq
