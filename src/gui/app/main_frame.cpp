#include "gui/app/main_frame.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>

#include "core/base/cp1251.h"
#include "gui/app/about_dlg.h"
#include "gui/app/catalogue_places.h"
#include "gui/app/command_ids.h"
#include "gui/app/module_art.h"
#include "gui/app/open_catalogue_dialog.h"
#include "gui/panel/module_dlg.h"
#include "gui/settings/settings_dialog.h"
#include "render/colors/color_store.h"

namespace vantiq {
namespace {

QString TitleFor(const TemBase& base) {
    const TemRecord* record = base.Selected();
    const QString name = record ? QString::fromStdString(Cp1251ToUtf8(record->Name())) : QString();
    return QStringLiteral("Vantiq : %1 <%2 TEMs in base total>").arg(name).arg(base.count);
}

}  // namespace

CMainFrame::CMainFrame(TemBase& base, QWidget* parent)
    : QMainWindow(parent), base_(base), catalogue_(base) {
    bool unreadable = false;
    colors_ = LoadStoredColors(&unreadable);
    if (unreadable) {
        QMessageBox::critical(nullptr, QStringLiteral("Error!"),
                              QStringLiteral("Error loading settings!"));
    }
    setWindowIcon(ModuleIcon());
    resize(1024, 720);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create() {
    auto* client = new QWidget(this);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new CChildView(base_, colors_, client);
    panel_ = new CModuleDlg(base_, catalogue_, client);
    layout->addWidget(view_, 1);
    layout->addWidget(panel_, 0);
    setCentralWidget(client);
    CreateMenus();
    connect(panel_, &CModuleDlg::TemSelected, this, &CMainFrame::OnTemSelected,
            Qt::QueuedConnection);
    if (!panel_->Initialise()) {
        return false;
    }
    OnTemSelected();
    return true;
}

void CMainFrame::CreateMenus() {
    CreateFileMenu();
    CreateViewMenu();
    menuBar()->addAction(QStringLiteral("Settings"), this, &CMainFrame::OnSettings);
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("About \"Vantiq\""), this, &CMainFrame::OnAppAbout);
}

void CMainFrame::CreateFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    QAction* open =
        file->addAction(QStringLiteral("Open catalogue..."), this, &CMainFrame::OnOpenCatalogue);
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    printDatasheet_ = file->addAction(QStringLiteral("Print datasheet"), this,
                                      [this] { Print(ID_FILE_PRINT_DATASHEET); });
    printGraphs_ = file->addAction(QStringLiteral("Print graphs"), this,
                                   [this] { Print(ID_FILE_PRINT_GRAPHS); });
    file->addSeparator();
    exportGraphs_ = file->addAction(QStringLiteral("Export graphs page as PDF..."), this,
                                    [this] { Print(ID_FILE_EXPORT_GRAPHS); });
    exportDatasheet_ = file->addAction(QStringLiteral("Export datasheet as PDF..."), this,
                                       [this] { Print(ID_FILE_EXPORT_DATASHEET); });
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"), this, &QWidget::close);
}

void CMainFrame::CreateViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    datasheetMode_ = view->addAction(QStringLiteral("Datasheet"), this,
                                     [this] { OnViewMode(ID_VIEW_DATASHEET); });
    graphMode_ =
        view->addAction(QStringLiteral("Graph"), this, [this] { OnViewMode(ID_VIEW_GRAPH); });
    datasheetMode_->setCheckable(true);
    graphMode_->setCheckable(true);
}

void CMainFrame::OnTemSelected() {
    setWindowTitle(TitleFor(base_));
    const bool hasModule = base_.Selected() != nullptr;
    for (QAction* page : {printDatasheet_, printGraphs_, exportGraphs_, exportDatasheet_}) {
        page->setEnabled(hasModule);
    }
    datasheetMode_->setChecked(viewMode_ == ID_VIEW_DATASHEET);
    graphMode_->setChecked(viewMode_ == ID_VIEW_GRAPH);
    CChildView* view = view_;
    const unsigned mode = viewMode_;
    QMetaObject::invokeMethod(
        view, [view, mode] { view->OnUpdateView(mode); }, Qt::QueuedConnection);
}

void CMainFrame::OnViewMode(unsigned mode) {
    viewMode_ = mode;
    OnTemSelected();
}

void CMainFrame::OnOpenCatalogue() {
    const QString path = AskForCatalogue(cataloguePath_, this);
    if (path.isEmpty() || !catalogue_.OpenInstead(path.toStdString(), this)) {
        return;
    }
    RememberCatalogue(path);
    cataloguePath_ = path;
    panel_->ShowAllModules();  // selects the first row, which refreshes the title
}

void CMainFrame::OnSettings() {
    CSettingsDialog dialog(colors_, this);
    connect(&dialog, &CSettingsDialog::ColorsConfirmed, this, &CMainFrame::ApplyColors,
            Qt::DirectConnection);
    dialog.exec();
}

void CMainFrame::ApplyColors(const ColorSettings& colors) {
    colors_ = colors;
    OnTemSelected();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::Print(int command) {
    if (base_.Selected() != nullptr) {
        emit PrintRequested(command);
    }
}

}  // namespace vantiq
