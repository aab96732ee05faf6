#include "gui/app/main_frame.h"

#include <QFile>
#include <QFileDialog>

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>

#include <algorithm>

#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_update.h"
#include "core/fit/ratings_csv.h"
#include "gui/app/about_dlg.h"
#include "gui/app/catalogue_places.h"
#include "gui/app/command_ids.h"
#include "gui/app/csv_export.h"
#include "gui/app/error_box.h"
#include "gui/app/open_catalogue_dialog.h"
#include "gui/editing/datasheet_dlg.h"
#include "gui/editing/import_dlg.h"
#include "gui/panel/answer_actions.h"
#include "gui/panel/module_dlg.h"
#include "gui/settings/settings_dialog.h"
#include "gui/view/answer_table.h"
#include "gui/view/compare_dlg.h"
#include "render/colors/color_store.h"
#include "render/pages/page_texts.h"
#include "render/pictures/module_art.h"
#include "render/text/cp1251_text.h"

namespace vantiq {
namespace {

QString TitleFor(const TemBase& base, const TemRecord* record) {
    const QString name =
        record ? QString::fromStdString(EscapeControls(Cp1251ToUtf8(record->Name()))) : QString();
    return QStringLiteral("Vantiq : %1 <%2 TEMs in base total>").arg(name).arg(base.count);
}

}  // namespace

CMainFrame::CMainFrame(TemBase& base, QWidget* parent)
    : QMainWindow(parent), base_(base), catalogue_(base) {
    const Result<ColorSettings> stored = LoadStoredColors();
    if (!stored.ok()) {
        ShowErrorBox(nullptr, QStringLiteral("Error!"), stored.error());
    }
    colors_ = stored.value_or(ColorSettings{});
    setWindowIcon(ModuleIcon());
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create() {
    auto* client = new QWidget(this);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new CChildView(base_, colors_, client);
    answer_ = new AnswerTable(client);
    answer_->setObjectName(QStringLiteral("answerTable"));
    answer_->hide();
    // The answer below the drawing, at full width, as high as the user drags it.
    splitter_ = new QSplitter(Qt::Vertical, client);
    splitter_->setObjectName(QStringLiteral("answerSplitter"));
    splitter_->addWidget(view_);
    splitter_->addWidget(answer_);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    panel_ = new CModuleDlg(base_, catalogue_, client);
    layout->addWidget(splitter_, 1);
    // On a screen too low for the whole panel (a large scale factor) it
    // scrolls instead of pushing the window past the screen's edge.
    auto* scroller = new QScrollArea(client);
    scroller->setWidget(panel_);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFixedWidth(panel_->width() + scroller->verticalScrollBar()->sizeHint().width());
    layout->addWidget(scroller, 0);
    setCentralWidget(client);
    CreateMenus();
    connect(panel_, &CModuleDlg::TemSelected, this, &CMainFrame::OnTemSelected,
            Qt::QueuedConnection);
    ConnectAnswer();
    listStatus_ = new QLabel(this);
    listStatus_->setObjectName(QStringLiteral("listStatus"));
    statusBar()->addPermanentWidget(listStatus_);
    connect(view_, &CChildView::ReadOutChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(text);
        }
    });
    if (!panel_->Initialise()) {
        return false;
    }
    OnTemSelected();
    FitToScreen();
    return true;
}

void CMainFrame::ConnectAnswer() {
    connect(answer_, &AnswerTable::RowChosen, panel_, &CModuleDlg::ChooseAnswerRow);
    connect(answer_, &AnswerTable::SortRequested, panel_, &CModuleDlg::SortAnswer);
    connect(answer_, &AnswerTable::CloseRequested, this, [this] { ShowAnswerTable(false); });
}

void CMainFrame::ShowAnswerTable(bool shown) {
    const bool opening = shown && answer_->isHidden();
    answer_->setVisible(shown);
    answerShown_->setChecked(shown);
    if (opening) {
        // The graphs keep the larger part, as high as they were drawn for.
        const int total = splitter_->height();
        splitter_->setSizes({total * 3 / 5, total - total * 3 / 5});
    }
}

void CMainFrame::FitToScreen() {
    // The first size suits a desktop at scale 1; a larger scale or a small
    // screen shrinks it to the room there is. The window manager's frame is
    // known only once the window is shown, so room is kept for a usual one.
    const QSize frame(16, 48);
    const QRect room = screen()->availableGeometry();
    const QSize size = QSize(1024, 720).boundedTo(room.size() - frame);
    resize(size);
    const QSize spare = room.size() - size - frame;
    move(room.topLeft() + QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2)));
}

void CMainFrame::CreateMenus() {
    CreateFileMenu();
    CreateViewMenu();
    menuBar()->addAction(QStringLiteral("&Settings"), this, &CMainFrame::OnSettings);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About \"Vantiq\""), QKeySequence(Qt::Key_F1), this,
                    &CMainFrame::OnAppAbout);
}

void CMainFrame::CreateFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open catalogue..."), QKeySequence::Open, this,
                    &CMainFrame::OnOpenCatalogue);
    file->addAction(QStringLiteral("&Add module from datasheet..."), this,
                    &CMainFrame::OnAddFromDatasheet);
    file->addAction(QStringLiteral("&Import modules from CSV..."), this,
                    &CMainFrame::OnImportFromCsv);
    removeModule_ = file->addAction(QStringLiteral("&Remove module from catalogue..."), this,
                                    &CMainFrame::OnRemoveModule);
    file->addSeparator();
    printDatasheet_ = file->addAction(QStringLiteral("Print &datasheet"),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this,
                                      [this] { Print(ID_FILE_PRINT_DATASHEET); });
    printGraphs_ = file->addAction(QStringLiteral("Print &graphs"), QKeySequence::Print, this,
                                   [this] { Print(ID_FILE_PRINT_GRAPHS); });
    file->addSeparator();
    exportGraphs_ = file->addAction(QStringLiteral("&Export graphs page as PDF..."), this,
                                    [this] { Print(ID_FILE_EXPORT_GRAPHS); });
    exportDatasheet_ = file->addAction(QStringLiteral("Export da&tasheet as PDF..."), this,
                                       [this] { Print(ID_FILE_EXPORT_DATASHEET); });
    file->addAction(QStringLiteral("Export &list as CSV..."), this,
                    [this] { ExportResultList(this, base_, panel_->List()); });
    exportAnswer_ = file->addAction(QStringLiteral("Export operating &points as CSV..."), this,
                                    [this] { ExportAnswer(this, catalogue_.State().answer); });
    exportAnswer_->setObjectName(QStringLiteral("exportAnswer"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                    &QWidget::close);
}

void CMainFrame::CreateViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    datasheetMode_ = view->addAction(QStringLiteral("&Datasheet"), this,
                                     [this] { OnViewMode(DisplayMode::Datasheet); });
    graphMode_ =
        view->addAction(QStringLiteral("&Graph"), this, [this] { OnViewMode(DisplayMode::Graph); });
    view->addSeparator();
    view->addAction(QStringLiteral("&Compare"), this, &CMainFrame::OnCompare);
    answerShown_ = view->addAction(QStringLiteral("&Answer table"), QKeySequence(Qt::Key_F9), this,
                                   [this](bool shown) { ShowAnswerTable(shown); });
    answerShown_->setCheckable(true);
    datasheetMode_->setCheckable(true);
    graphMode_->setCheckable(true);
}

void CMainFrame::OnTemSelected() {
    setWindowTitle(TitleFor(base_, catalogue_.SelectedRecord()));
    const bool hasModule = catalogue_.SelectedRecord() != nullptr;
    for (QAction* page :
         {printDatasheet_, printGraphs_, exportGraphs_, exportDatasheet_, removeModule_}) {
        page->setEnabled(hasModule);
    }
    datasheetMode_->setChecked(viewMode_ == DisplayMode::Datasheet);
    graphMode_->setChecked(viewMode_ == DisplayMode::Graph);
    if (compare_ != nullptr && compare_->isVisible()) {
        compare_->ShowRows(ComparisonTable(base_, panel_->Compared()));
    }
    ShowAnswer();
    ShowListStatus();
    const ShownState& shown = catalogue_.State().shown;
    CChildView* view = view_;
    view->SetModule(catalogue_.SelectedModule(), catalogue_.Thot());
    view->SetPoint(shown.point);
    view->SetCompared(shown.compared);
    const DisplayMode mode = viewMode_;
    QMetaObject::invokeMethod(
        view, [view, mode] { view->OnUpdateView(mode); }, Qt::QueuedConnection);
}

void CMainFrame::ShowAnswer() {
    const AnswerState& answer = catalogue_.State().answer;
    exportAnswer_->setText(answer.stacked ? QStringLiteral("Export &stacks as CSV...")
                                          : QStringLiteral("Export operating &points as CSV..."));
    answerShown_->setEnabled(answer.HasRequest());
    // A new answer opens the table, which the user may close again; its
    // sorts and the row chosen leave it as it is.
    const bool fresh = answerVersion_ != answer.version && answer.sortColumn < 0;
    answerVersion_ = answer.version;
    if (!answer.HasRequest()) {
        ShowAnswerTable(false);
        return;
    }
    answer_->SetTitle(QString::fromStdString(AnswerTitle(answer)));
    // The cells are written anew only for new rows or a new order.
    if (answer_->Version() != answer.version) {
        answer_->Show(AnswerHeaderTexts(answer), AnswerCellTexts(answer), answer.version,
                      answer.sortColumn, AnswerDescending(answer));
    }
    answer_->MarkRow(catalogue_.State().shown.row);
    if (fresh) {
        ShowAnswerTable(true);
    }
}

void CMainFrame::ShowListStatus() {
    // The hot side of the row chosen, where it has one of its own (a heat
    // sink's, a stack's), else the session's.
    const std::optional<double> row = catalogue_.State().shown.rowThot;
    listStatus_->setText(QStringLiteral("%1 · %2").arg(
        panel_->ListsSummary(), HotSideText(row.value_or(catalogue_.Thot()))));
}

void CMainFrame::OnViewMode(DisplayMode mode) {
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
    panel_->ShowNewCatalogue();  // selects the first row, which refreshes the title
}

void CMainFrame::OnAddFromDatasheet() {
    CDatasheetDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        AddToCatalogue({dialog.Entry()});
    }
}

void CMainFrame::OnImportFromCsv() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import modules from CSV"), QString(),
                                     QStringLiteral("Datasheet ratings (*.csv);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    const bool read = file.open(QIODevice::ReadOnly);
    const auto rows = read ? ParseRatingsCsv(file.readAll().toStdString())
                           : Result<std::vector<RatingsRow>>(Error{"cannot read the file"});
    if (!rows.ok()) {
        ShowErrorBox(this, QStringLiteral("Import modules from CSV"),
                     Error{path.toStdString() + ": " + rows.error().message});
        return;
    }
    CImportDlg dialog(*rows, this);
    if (dialog.exec() == QDialog::Accepted) {
        AddToCatalogue(dialog.Entries());
    }
}

void CMainFrame::AddToCatalogue(const std::vector<CatalogueEntry>& added) {
    ShowRewritten(AddToHeldCatalogue(base_.file, cataloguePath_.toStdString(), added));
}

void CMainFrame::OnRemoveModule() {
    const TemRecord* record = catalogue_.SelectedRecord();
    if (record == nullptr) {
        return;
    }
    const QString name = QString::fromStdString(EscapeControls(Cp1251ToUtf8(record->Name())));
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Remove module from catalogue"),
        QStringLiteral("Remove \"%1\" from the catalogue? It will then hold %2 modules; the "
                       "catalogue as it is now is kept as %3.")
            .arg(name)
            .arg(base_.count - 1)
            .arg(QString::fromStdString(BackupPathOf(cataloguePath_.toStdString()))));
    if (answer != QMessageBox::Yes) {
        return;
    }
    const auto index = static_cast<std::size_t>(catalogue_.SelectedModule());
    ShowRewritten(RemoveFromHeldCatalogue(base_.file, cataloguePath_.toStdString(), index));
}

void CMainFrame::ShowRewritten(const Status& written) {
    if (!written.ok()) {
        ShowErrorBox(this, CatalogueErrorCaption(), written.error());
        return;
    }
    if (catalogue_.OpenInstead(cataloguePath_.toStdString(), this)) {
        panel_->ShowNewCatalogue();
    }
}

void CMainFrame::OnCompare() {
    if (compare_ == nullptr) {
        compare_ = new CCompareDlg(this);
    }
    compare_->ShowRows(ComparisonTable(base_, panel_->Compared()));
    compare_->show();
    compare_->raise();
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
    if (catalogue_.SelectedRecord() != nullptr) {
        emit PrintRequested(command);
    }
}

}  // namespace vantiq
