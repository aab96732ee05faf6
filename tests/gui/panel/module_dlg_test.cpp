#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTreeView>

#include <cmath>

#include "app_fixture.h"
#include "core/base/cp1251.h"
#include "gui/panel/module_dlg.h"
#include "gui/view/view_modes.h"
#include "list_oracle.h"

namespace vantiq::test {
namespace {

class ModuleDlgTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
        panel_ = Frame().Panel();
        list_ = Find<QTreeView>(panel_, "resultList");
    }

    void Type(const char* box, const QString& text) {
        TypeOver(Find<QLineEdit>(panel_, box), text);
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QAbstractButton>(panel_, button), Qt::LeftButton);
        ProcessEvents();
    }
    QString Text(const char* box) const { return Find<QLineEdit>(panel_, box)->text(); }
    QString SelectedName() const {
        const TemRecord* record = Session().SelectedRecord();
        return record ? QString::fromStdString(Cp1251ToUtf8(record->Name())) : QString();
    }
    int ShownStep() const { return Find<QStackedWidget>(panel_, "pages")->currentIndex() + 1; }

    CModuleDlg* panel_ = nullptr;
    QTreeView* list_ = nullptr;
};

TEST_F(ModuleDlgTest, SearchFillsListAndCriteriaAndSelectsTheFirstRow) {
    Type("qEdit", QStringLiteral("10"));
    QTest::keyClick(Find<QLineEdit>(panel_, "qEdit"), Qt::Key_Return);  // Enter in a page: nothing
    ProcessEvents();
    EXPECT_TRUE(Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText().isEmpty());
    Type("widthEdit", QStringLiteral("40abc"));
    Click("searchButton");

    const QStringList expected = NamesDescending(
        Base(), [](const TemRecord& r) { return r.rated.qmax >= 10.0 && r.file.width <= 40.0; });
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(ColumnTexts(list_, 1), expected);
    EXPECT_EQ(Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText(),
              "Your search creteria is:\n\"Q >= 10.00 [W]\"\n\"Width <= 40.0 [mm]\"\n");
    EXPECT_EQ(Text("qEdit"), "10.0");
    EXPECT_EQ(Text("widthEdit"), "40.0");
    EXPECT_EQ(SelectedName(), expected.first());
    EXPECT_EQ(list_->currentIndex().siblingAtColumn(1).data().toString(), expected.first());
    EXPECT_TRUE(Frame().windowTitle().contains(expected.first()));
    EXPECT_TRUE(Find<QRadioButton>(panel_, "ascendingRadio")->isEnabled());
}

TEST_F(ModuleDlgTest, NextStepSearchesAndTheStepButtonsHoldTheRange) {
    Type("qEdit", QStringLiteral("10"));
    Click("nextButton");
    EXPECT_EQ(ShownStep(), 2);
    EXPECT_EQ(RowCount(list_), NamesDescending(Base(), [](const TemRecord& r) {
                                   return r.rated.qmax >= 10.0;
                               }).size());
    EXPECT_TRUE(Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText().contains("Q >= 10.00"));

    Click("nextButton");
    Click("nextButton");
    EXPECT_EQ(ShownStep(), 4);
    Click("nextButton");
    EXPECT_EQ(ShownStep(), 5);
    EXPECT_FALSE(Find<QPushButton>(panel_, "nextButton")->isEnabled());
    const QString criteria = Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText();
    Click("prevButton");
    EXPECT_EQ(ShownStep(), 4);
    EXPECT_EQ(Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText(), criteria);
}

TEST_F(ModuleDlgTest, SortKeyAndDirectionReorderAndReselect) {
    auto* combo = Find<QComboBox>(panel_, "sortCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);  // "Sort by performance [Qmax]"
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);  // "Sort by current [Imax]"
    ProcessEvents();
    ASSERT_EQ(combo->currentText(), "Sort by current [Imax]");
    ASSERT_EQ(list_->model()->columnCount(), 3);
    EXPECT_EQ(list_->model()->headerData(2, Qt::Horizontal).toString(), "Imax, A");
    auto imaxOfRow = [this](int row) {
        const std::string name =
            Utf8ToCp1251(CellText(list_, row, 1).toStdString()).value_or(std::string());
        return Base().records[Base().FindByName(name)].rated.imax;
    };
    for (int row = 1; row < RowCount(list_); ++row) {
        ASSERT_GE(imaxOfRow(row - 1), imaxOfRow(row)) << row;
        EXPECT_EQ(CellText(list_, row, 0), QString::number(row));
    }
    EXPECT_EQ(SelectedName(), CellText(list_, 0, 1));
    char shown[32];
    std::snprintf(shown, sizeof shown, "%3.1f", imaxOfRow(0));
    EXPECT_EQ(CellText(list_, 0, 2), shown);

    Click("ascendingRadio");
    for (int row = 1; row < RowCount(list_); ++row) {
        ASSERT_LE(imaxOfRow(row - 1), imaxOfRow(row)) << row;
    }
    EXPECT_EQ(SelectedName(), CellText(list_, 0, 1));

    QTest::keyClick(combo, Qt::Key_Home);
    ProcessEvents();
    EXPECT_EQ(list_->model()->columnCount(), 2);
}

TEST_F(ModuleDlgTest, ArrowKeysEnterAndClicksSelectTheHighlightedModule) {
    list_->setFocus();
    QTest::keyClick(list_, Qt::Key_Down);
    ProcessEvents();
    EXPECT_EQ(list_->currentIndex().siblingAtColumn(0).data().toString(), "1");
    EXPECT_EQ(SelectedName(), CellText(list_, 1, 1));
    EXPECT_TRUE(Frame().windowTitle().contains(CellText(list_, 1, 1)));
    QTest::keyClick(list_, Qt::Key_End);
    ProcessEvents();
    const int last = RowCount(list_) - 1;
    EXPECT_EQ(SelectedName(), CellText(list_, last, 1));
    QSignalSpy selections(panel_, &CModuleDlg::TemSelected);
    QTest::keyClick(list_, Qt::Key_Return);  // selects the highlighted row, as a click does
    EXPECT_EQ(selections.count(), 1);
    EXPECT_EQ(SelectedName(), CellText(list_, last, 1));

    const QRect third = RowRect(list_, 2);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, third.center());
    ProcessEvents();
    EXPECT_EQ(SelectedName(), CellText(list_, 2, 1));
    EXPECT_TRUE(Frame().windowTitle().contains(CellText(list_, 2, 1)));
}

TEST_F(ModuleDlgTest, ClearAtStepThreeInResistanceModeResetsEverythingButTheName) {
    Click("nextButton");
    Click("nextButton");
    ASSERT_EQ(ShownStep(), 3);
    Type("voltageEdit", QStringLiteral("12"));
    Click("resistanceRadio");
    Type("resistanceEdit", QStringLiteral("1.5"));
    Type("nameEdit", QStringLiteral("VQ"));
    EXPECT_FALSE(Find<QLineEdit>(panel_, "voltageEdit")->isEnabled());
    EXPECT_EQ(Text("voltageEdit"), "12");  // disabled, not cleared
    const QString selected = SelectedName();

    Click("clearButton");
    EXPECT_EQ(ShownStep(), 1);
    EXPECT_FALSE(Find<QPushButton>(panel_, "prevButton")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(panel_, "nextButton")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(panel_, "supplyRadio")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>(panel_, "voltageEdit")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>(panel_, "currentEdit")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(panel_, "resistanceEdit")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(panel_, "toleranceCombo")->isEnabled());
    for (const char* box : {"qEdit", "voltageEdit", "resistanceEdit", "heightEdit"}) {
        EXPECT_EQ(Text(box), "0.0") << box;
    }
    EXPECT_EQ(RowCount(list_), 0);
    EXPECT_TRUE(Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText().isEmpty());
    EXPECT_FALSE(Find<QRadioButton>(panel_, "descendingRadio")->isEnabled());
    EXPECT_FALSE(Find<QRadioButton>(panel_, "ascendingRadio")->isEnabled());
    EXPECT_EQ(Text("nameEdit"), "VQ");
    EXPECT_EQ(SelectedName(), selected);
}

TEST_F(ModuleDlgTest, TenSpinClicksAt95DegreesEndAt100WithFiveReloads) {
    auto* spin = Find<QSpinBox>(panel_, "thotSpin");
    spin->setValue(368);
    ASSERT_EQ(spin->text(), "95");
    const int loads = Frame().Catalogue().LoadCount();
    const double qmaxBefore = Base().records[0].rated.qmax;
    spin->setFocus();
    for (int click = 0; click < 10; ++click) {
        QTest::keyClick(spin, Qt::Key_Up);
    }
    EXPECT_EQ(spin->text(), "100");
    EXPECT_EQ(Session().Thot(), 373.0);
    EXPECT_EQ(Frame().Catalogue().LoadCount(), loads + 5);
    EXPECT_NE(Base().records[0].rated.qmax, qmaxBefore);
}

TEST_F(ModuleDlgTest, AReloadRefreshesTheValueColumnAndTheGraphsOfTheModuleShown) {
    auto* combo = Find<QComboBox>(panel_, "sortCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);  // "Sort by performance [Qmax]"
    const QRect fourth = RowRect(list_, 3);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, fourth.center());
    Frame().OnViewMode(DisplayMode::Graph);
    ProcessEvents();
    const QString shown = SelectedName();
    const QImage before = Frame().View()->Buffer();

    Find<QSpinBox>(panel_, "thotSpin")->setValue(348);  // 75 °C
    ProcessEvents();
    EXPECT_EQ(SelectedName(), shown);
    EXPECT_EQ(list_->currentIndex().siblingAtColumn(1).data().toString(), shown);
    for (int row = 0; row < RowCount(list_); ++row) {
        const std::string name =
            Utf8ToCp1251(CellText(list_, row, 1).toStdString()).value_or(std::string());
        const TemRecord& record = Base().records[Base().FindByName(name)];
        ASSERT_EQ(CellText(list_, row, 2), QString::asprintf("%3.1f", record.rated.qmax)) << row;
    }
    // The graphs are those of the module at 75 °C, as a fresh view draws them.
    CChildView fresh(Base(), Frame().Colors());
    fresh.resize(Frame().View()->size());
    fresh.show();
    fresh.SetModule(Session().SelectedModule(), Session().Thot());
    fresh.OnUpdateView(DisplayMode::Graph);
    EXPECT_NE(Frame().View()->Buffer(), before);
    EXPECT_EQ(Frame().View()->Buffer(), fresh.Buffer());
}

TEST_F(ModuleDlgTest, ATypedHotSideReloadsOnceWhenTheEditingEnds) {
    auto* spin = Find<QSpinBox>(panel_, "thotSpin");
    const int loads = Frame().Catalogue().LoadCount();
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("80"));
    EXPECT_EQ(Frame().Catalogue().LoadCount(), loads) << "nothing while typing";
    QTest::keyClick(spin, Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(Frame().Catalogue().LoadCount(), loads + 1);
    EXPECT_EQ(Session().Thot(), 353.0);
    EXPECT_EQ(Find<QLabel>(&Frame(), "listStatus")->text(),
              QStringLiteral("%1 modules listed · Th = 80 °C").arg(RowCount(list_)));
}

TEST_F(ModuleDlgTest, AStepArrivingDuringAReloadIsDropped) {
    auto* spin = Find<QSpinBox>(panel_, "thotSpin");
    const int loads = Frame().Catalogue().LoadCount();
    // Fires while the reload keeps the window painted.
    QTimer::singleShot(0, spin, [spin] { spin->stepUp(); });
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    ProcessEvents();
    EXPECT_EQ(Frame().Catalogue().LoadCount(), loads + 1);
    EXPECT_EQ(Session().Thot(), 299.0);
    EXPECT_EQ(spin->text(), "26");
}

// What a user of any step meets: the window within the screen, every
// label and button whole, every input with a tooltip, and the focus on the
// first field of each step the keys lead to.
void ExpectNothingCutAndEveryInputExplained(const QWidget* page) {
    for (const QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const auto* label = qobject_cast<const QLabel*>(w);
        if (qobject_cast<const QAbstractButton*>(w) || (label && !label->wordWrap())) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
        }
        const bool input = qobject_cast<const QAbstractSpinBox*>(w) ||
                           (qobject_cast<const QLineEdit*>(w) &&
                            !qobject_cast<const QAbstractSpinBox*>(w->parentWidget()));
        if (input) {
            EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        }
    }
}

TEST_F(ModuleDlgTest, TheStepKeysFocusEachStepsFirstFieldAndNothingIsCut) {
    ModalWatcher watcher;  // the searches on the way may find nothing
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    EXPECT_TRUE(Frame().screen()->availableGeometry().contains(Frame().frameGeometry()))
        << Frame().frameGeometry().width() << "x" << Frame().frameGeometry().height();
    const auto press = [this](Qt::Key key) {
        QTest::keyClick(Frame().focusWidget(), key, Qt::AltModifier);
        ProcessEvents();
    };
    ExpectNothingCutAndEveryInputExplained(panel_);
    for (const char* field : {"qEdit", "voltageEdit", "widthEdit", "modulesSpin"}) {
        press(Qt::Key_Right);
        EXPECT_EQ(Frame().focusWidget(), Find<QWidget>(panel_, field)) << field;
        ExpectNothingCutAndEveryInputExplained(panel_);
    }
    EXPECT_EQ(ShownStep(), 5);
    press(Qt::Key_Left);
    EXPECT_EQ(ShownStep(), 4);
    EXPECT_EQ(Frame().focusWidget(), Find<QWidget>(panel_, "widthEdit"));
    EXPECT_TRUE(Find<QPushButton>(panel_, "nextButton")->toolTip().endsWith("(Alt+Right)"));
    EXPECT_TRUE(
        Find<QPushButton>(panel_, "adviseButton")->toolTip().endsWith("(Ctrl+Shift+Return)"));
}

TEST_F(ModuleDlgTest, NoResultShowsTheNoticeAndDisablesTheDirection) {
    const QString shown = SelectedName();
    Type("qEdit", QStringLiteral("100000"));
    ModalWatcher watcher;
    Click("searchButton");
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].title, "Vantiq");
    EXPECT_EQ(watcher.Boxes()[0].text, "There is no TEM found that meets requested requirements");
    EXPECT_EQ(watcher.Boxes()[0].icon, QMessageBox::Information);
    EXPECT_EQ(RowCount(list_), 0);
    EXPECT_FALSE(Find<QRadioButton>(panel_, "descendingRadio")->isEnabled());
    EXPECT_TRUE(Frame().windowTitle().contains(shown));
}

TEST_F(ModuleDlgTest, NameBoxTakes29CodePageCharactersAndSearchesByThem) {
    Type("nameEdit", QString(35, QLatin1Char('x')));
    EXPECT_EQ(Text("nameEdit").size(), 29);
    Type("nameEdit", QStringLiteral("ТЭМ"));
    auto* name = Find<QLineEdit>(panel_, "nameEdit");
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("✓"), Qt::NoModifier);
    EXPECT_EQ(Text("nameEdit"), "ТЭМ");
    QTest::keyClick(Find<QLineEdit>(panel_, "nameEdit"), Qt::Key_Return);
    ProcessEvents();
    const QStringList expected = NamesDescending(Base(), [](const TemRecord& r) {
        return r.Name().find("\xD2\xDD\xCC") != std::string_view::npos;
    });
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(ColumnTexts(list_, 1), expected);
}

}  // namespace
}  // namespace vantiq::test
