#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app_fixture.h"
#include "core/base/base_file.h"
#include "core/base/cp1251.h"
#include "gui/app/about_dlg.h"
#include "gui/app/command_ids.h"
#include "gui/panel/module_dlg.h"
#include "list_oracle.h"

namespace vantiq::test {
namespace {

using MainFrameTest = AppFixture;

QString ShownName(const CatalogueSession& session) {
    return QString::fromStdString(Cp1251ToUtf8(session.SelectedRecord()->Name()));
}

TEST_F(MainFrameTest, FirstDisplayListsTheWholeBaseAndShowsItsFirstModule) {
    ASSERT_TRUE(Start());
    const CModuleDlg* panel = Frame().Panel();
    EXPECT_EQ(Find<QSpinBox>(panel, "thotSpin")->text(), "25");
    EXPECT_FALSE(Find<QPushButton>(panel, "prevButton")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(panel, "nextButton")->isEnabled());
    for (const char* box : {"qEdit", "dtEdit", "voltageEdit", "currentEdit", "resistanceEdit",
                            "widthEdit", "lengthEdit", "heightEdit"}) {
        EXPECT_EQ(Find<QLineEdit>(panel, box)->text(), "0.0") << box;
    }
    EXPECT_EQ(Find<QComboBox>(panel, "toleranceCombo")->currentText(), "±1%");
    EXPECT_TRUE(Find<QRadioButton>(panel, "supplyRadio")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>(panel, "voltageEdit")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(panel, "resistanceEdit")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(panel, "toleranceCombo")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(panel, "sortCombo")->currentText(), "Sort by name");
    EXPECT_EQ(Find<QPushButton>(panel, "searchButton")->toolTip(),
              "Start a new search (Ctrl+Return)");
    EXPECT_EQ(Find<QPushButton>(panel, "showAllButton")->toolTip(), "Show all TEMs in the base");
    EXPECT_EQ(Find<QPushButton>(panel, "clearButton")->toolTip(),
              "Set all of TEM parameters to \"0\" to perform a new search");
    EXPECT_TRUE(Find<QRadioButton>(panel, "descendingRadio")->isChecked());

    const auto* list = Find<QTreeView>(panel, "resultList");
    const QStringList expected = NamesDescending(Base());
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(ColumnTexts(list, 1), expected);
    EXPECT_EQ(ColumnTexts(list, 0).first(), "0");
    EXPECT_EQ(list->model()->columnCount(), 2);
    EXPECT_EQ(ShownName(Session()), expected.first());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vantiq : %1 <%2 TEMs in base total>")
                                         .arg(expected.first())
                                         .arg(Base().count));
    EXPECT_EQ(Frame().View()->Mode(), DisplayMode::Datasheet);
}

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << (action->isSeparator() ? QStringLiteral("-")
                                        : QString(action->text()).remove(QLatin1Char('&')));
    }
    return texts;
}

TEST_F(MainFrameTest, MenuBarOffersFileViewSettingsAndHelp) {
    ASSERT_TRUE(Start());
    const QList<QAction*> bar = Frame().menuBar()->actions();
    EXPECT_EQ(Texts(bar), QStringList({"File", "View", "Settings", "Help"}));
    EXPECT_EQ(bar[2]->menu(), nullptr) << "Settings is a command, not a menu";
    EXPECT_EQ(Texts(bar[0]->menu()->actions()),
              QStringList({"Open catalogue...", "Add module from datasheet...",
                           "Import modules from CSV...", "Remove module from catalogue...", "-",
                           "Print datasheet", "Print graphs", "-", "Export graphs page as PDF...",
                           "Export datasheet as PDF...", "Export list as CSV...",
                           "Export operating points as CSV...", "-", "Exit"}));
    EXPECT_EQ(Texts(bar[1]->menu()->actions()),
              QStringList({"Datasheet", "Graph", "-", "Compare", "Answer table"}));
    EXPECT_EQ(Texts(bar[3]->menu()->actions()), QStringList({"About \"Vantiq\""}));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(bar[k]->text(), QLatin1Char('&') + Texts(bar)[k]) << "Alt + the first letter";
    }
    EXPECT_EQ(Command(QStringLiteral("Print graphs"))->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(Command(QStringLiteral("Print datasheet"))->shortcut(), QKeySequence("Ctrl+Shift+P"));
    EXPECT_EQ(Command(QStringLiteral("Exit"))->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(Command(QStringLiteral("About \"Vantiq\""))->shortcut(), QKeySequence("F1"));
}

TEST_F(MainFrameTest, ViewMenuSwitchesModesAndRedrawsEvenTheCurrentOne) {
    ASSERT_TRUE(Start());
    QAction* datasheet = Command(QStringLiteral("Datasheet"));
    QAction* graph = Command(QStringLiteral("Graph"));
    EXPECT_TRUE(datasheet->isChecked());
    EXPECT_FALSE(graph->isChecked());

    graph->trigger();
    ProcessEvents();
    EXPECT_EQ(Frame().ViewMode(), DisplayMode::Graph);
    EXPECT_EQ(Frame().View()->Mode(), DisplayMode::Graph);
    EXPECT_TRUE(graph->isChecked());
    EXPECT_FALSE(datasheet->isChecked());

    PostedCallCounter posted(Frame().View());
    graph->trigger();
    ProcessEvents();
    EXPECT_EQ(posted.Count(), 1);
    EXPECT_TRUE(graph->isEnabled());
    EXPECT_TRUE(datasheet->isEnabled());
}

TEST_F(MainFrameTest, PrintCommandsReachThePrintingOnlyWithAModuleSelected) {
    ASSERT_TRUE(Start());
    QSignalSpy printed(&Frame(), &CMainFrame::PrintRequested);
    // The user cancels every dialog the commands open.
    std::vector<QString> asked;
    bool pageChoices = false;
    ModalWatcher watcher([&](QDialog* dialog) {
        asked.push_back(dialog->windowTitle());
        if (auto* print = qobject_cast<QPrintDialog*>(dialog)) {
            pageChoices = pageChoices || print->testOption(QAbstractPrintDialog::PrintSelection) ||
                          print->testOption(QAbstractPrintDialog::PrintPageRange);
        }
        QTimer::singleShot(0, dialog, &QDialog::reject);
    });
    Command(QStringLiteral("Print datasheet"))->trigger();
    Command(QStringLiteral("Print graphs"))->trigger();
    Command(QStringLiteral("Export graphs page as PDF..."))->trigger();
    Command(QStringLiteral("Export datasheet as PDF..."))->trigger();
    ASSERT_EQ(printed.count(), 4);
    EXPECT_EQ(printed.at(0).at(0).toInt(), ID_FILE_PRINT_DATASHEET);
    EXPECT_EQ(printed.at(1).at(0).toInt(), ID_FILE_PRINT_GRAPHS);
    EXPECT_EQ(printed.at(2).at(0).toInt(), ID_FILE_EXPORT_GRAPHS);
    EXPECT_EQ(printed.at(3).at(0).toInt(), ID_FILE_EXPORT_DATASHEET);
    const QString name = ShownName(Session());
    EXPECT_EQ(asked,
              (std::vector<QString>{"Vantiq document(datasheet): " + name,
                                    "Vantiq document(performance graphs): " + name,
                                    "Export graphs page as PDF", "Export datasheet as PDF"}));
    EXPECT_FALSE(pageChoices) << "one page: no selection, no page range";
    EXPECT_TRUE(watcher.Boxes().empty()) << "Cancel says nothing";

    // A click into the emptied list selects nothing.
    QTest::mouseClick(Find<QPushButton>(Frame().Panel(), "clearButton"), Qt::LeftButton);
    auto* list = Find<QTreeView>(Frame().Panel(), "resultList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ProcessEvents();
    EXPECT_EQ(Session().SelectedModule(), -1);
    EXPECT_EQ(Frame().windowTitle(),
              QStringLiteral("Vantiq :  <%1 TEMs in base total>").arg(Base().count));
    EXPECT_FALSE(Command(QStringLiteral("Print datasheet"))->isEnabled());
    EXPECT_FALSE(Command(QStringLiteral("Export datasheet as PDF..."))->isEnabled());
    Command(QStringLiteral("Print graphs"))->trigger();
    EXPECT_EQ(printed.count(), 4);
}

TEST_F(MainFrameTest, AboutShowsTheNameVersionAndPicture) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About \"Vantiq\"");
    EXPECT_EQ(Find<QLabel>(&about, "versionText")->text(), "\"Vantiq\" Version 1.0 beta");
    EXPECT_EQ(Find<QLabel>(&about, "picture")->pixmap().size(), QSize(150, 132));
}

TEST_F(MainFrameTest, UnderivableModulesAreNamedOnceAndNeverListed) {
    auto dead = WorkedExampleModule("DEAD");
    dead.file.nominalCurrent = 0.0;
    WriteCatalogue((dir_.path() / "Base.tmb").string(),
                   {{WorkedExampleModule("A"), {}}, {dead, {}}, {WorkedExampleModule("B"), {}}});
    ModalWatcher watcher;
    ASSERT_TRUE(Start());
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_TRUE(watcher.Boxes()[0].text.endsWith("\nDEAD"));
    const auto* list = Find<QTreeView>(Frame().Panel(), "resultList");
    EXPECT_EQ(ColumnTexts(list, 1), QStringList({"B", "A"}));

    auto* spin = Find<QSpinBox>(Frame().Panel(), "thotSpin");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(Frame().Catalogue().LoadCount(), 2);
    EXPECT_EQ(watcher.Boxes().size(), 1u);
}

using Prepare = void (*)(const std::filesystem::path& dir, std::optional<BaseFile>& holder);

struct FailedStart {
    const char* name;
    Prepare prepare;
    const char* message;
};

void RemoveBase(const std::filesystem::path& dir, std::optional<BaseFile>&) {
    std::filesystem::remove(dir / "Base.tmb");
}

void HoldBase(const std::filesystem::path& dir, std::optional<BaseFile>& holder) {
    holder = BaseFile::OpenExclusive((dir / "Base.tmb").string());
    ASSERT_TRUE(holder.has_value());
}

void ZeroCount(const std::filesystem::path& dir, std::optional<BaseFile>&) {
    WriteBytes((dir / "Base.tmb").string(), {0, 0, 0, 0});
}

// The header is sound, so the window is already being built when the load
// finds a name that runs over its 30 bytes.
void NameWithoutEnd(const std::filesystem::path& dir, std::optional<BaseFile>&) {
    const std::string path = (dir / "Base.tmb").string();
    std::vector<unsigned char> bytes = ReadBytes(path);
    const std::uint32_t count = bytes[0] | bytes[1] << 8 | bytes[2] << 16;
    std::fill_n(bytes.begin() + 4 + 4 * count, 30, 'X');
    WriteBytes(path, bytes);
}

class StartFailureTest : public AppFixture, public ::testing::WithParamInterface<FailedStart> {};

TEST_P(StartFailureTest, EndsWithItsMessageAndNoWindow) {
    std::optional<BaseFile> holder;
    GetParam().prepare(dir_.path(), holder);
    ModalWatcher watcher;
    EXPECT_FALSE(Start());
    EXPECT_EQ(app_->MainFrame(), nullptr);
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].title, "Error during open TEM Base.");
    EXPECT_TRUE(watcher.Boxes()[0].text.startsWith(QLatin1String(GetParam().message)))
        << watcher.Boxes()[0].text.toStdString();
    EXPECT_EQ(watcher.Boxes()[0].icon, QMessageBox::Critical);
}

constexpr const char* kBaseNotFound = "File not found or it's buzy by another process.";
constexpr const char* kDamaged = "TEM Base was damaged or it has invalid format.";

INSTANTIATE_TEST_SUITE_P(Cases, StartFailureTest,
                         ::testing::Values(FailedStart{"Missing", RemoveBase, kBaseNotFound},
                                           FailedStart{"HeldByAnotherOpen", HoldBase,
                                                       kBaseNotFound},
                                           FailedStart{"ZeroCount", ZeroCount, kDamaged},
                                           FailedStart{"NameWithoutEnd", NameWithoutEnd, kDamaged}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantiq::test
