#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app_fixture.h"
#include "cli/cli_app.h"
#include "core/advisor/advice_table.h"
#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/comparison.h"
#include "core/advisor/shortfall.h"
#include "core/advisor/why_not_text.h"
#include "core/base/cp1251.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_search.h"
#include "gui/app/csv_export.h"
#include "gui/panel/module_dlg.h"
#include "gui/panel/operating_point_list.h"
#include "gui/panel/stack_list.h"
#include "list_oracle.h"

namespace vantiq::test {
namespace {

// The issue's own example: 20 W at dT 30 K from a 12 V, 6 A supply, which the
// search answers with no module at all.
class OperatingPointsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
        panel_ = Frame().Panel();
    }

    void Type(const char* box, const QString& text) {
        TypeOver(Find<QLineEdit>(panel_, box), text);
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QAbstractButton>(panel_, button), Qt::LeftButton);
        ProcessEvents();
    }
    QString Criteria() const { return Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText(); }
    const OperatingPointList& List() const { return panel_->PointList(); }

    // Q, dT and the supply typed in, and on to step 5.
    void ToStep5(const QString& q, const QString& dt, const QString& volts) {
        ModalWatcher watcher;  // the searches on the way may find nothing
        Type("qEdit", q);
        Type("dtEdit", dt);
        Type("voltageEdit", volts);
        Type("currentEdit", QStringLiteral("6"));
        for (int k = 0; k < 4; ++k) {
            Click("nextButton");
        }
    }
    // The example with Q, then "Operating points".
    void Advise(const QString& q) {
        ToStep5(q, QStringLiteral("30"), QStringLiteral("12"));
        Click("adviseButton");
    }

    AdviceRequest CoreRequest(double q) const {
        AdviceRequest request;
        request.criteria.requiredQ = q;
        request.criteria.requiredDT = 30.0;
        request.criteria.supplyVoltage = 12.0;
        request.criteria.supplyCurrent = 6.0;
        return request;
    }

    CModuleDlg* panel_ = nullptr;
};

TEST_F(OperatingPointsTest, TheWindowListsTheCoresResult) {
    Advise(QStringLiteral("20"));
    const Advice advice = RunAdvisor(Base(), Session().Thot(), CoreRequest(20.0));
    ASSERT_GT(advice.points.size(), 10u);
    ASSERT_EQ(List().topLevelItemCount(), static_cast<int>(advice.points.size()));
    for (std::size_t k = 0; k < advice.points.size(); ++k) {
        const OperatingPoint& p = advice.points[k];
        const QTreeWidgetItem* row = List().topLevelItem(static_cast<int>(k));
        EXPECT_EQ(row->text(1).toStdString(), Cp1251ToUtf8(Base().records[p.index].Name()));
        EXPECT_EQ(row->text(5), QString::number(p.power, 'f', 2));
    }
    EXPECT_TRUE(List().isVisible());
    EXPECT_EQ(List().window(), &Frame()) << "the points are part of the main window";
    EXPECT_TRUE(
        Criteria().startsWith("Operating points for:\nQ = 20.0 W, dT = 30 K, Th = 25.0 °C\n"
                              "Unominal <= 12.0 V\nImax <= 6.0 A\n1 module\n"))
        << Criteria().toStdString();
    EXPECT_TRUE(Criteria().endsWith(
        QStringLiteral("%1 modules carry the load.\n").arg(advice.points.size())));
}

TEST_F(OperatingPointsTest, ASearchThatFindsNothingOffersThePointsThatCarryTheLoad) {
    ModalWatcher watcher;
    watcher.PressInBoxes(QStringLiteral("Show operating points"));
    Type("qEdit", QStringLiteral("20"));
    Type("dtEdit", QStringLiteral("30"));
    Type("voltageEdit", QStringLiteral("12"));
    Type("currentEdit", QStringLiteral("6"));
    Click("searchButton");
    const std::size_t carried =
        RunAdvisor(Base(), Session().Thot(), CoreRequest(20.0)).points.size();
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text,
              QStringLiteral("There is no TEM found that meets requested requirements"));
    EXPECT_EQ(watcher.Boxes()[0].informativeText,
              QStringLiteral("%1 modules carry the load below their rated current.").arg(carried));
    EXPECT_EQ(List().topLevelItemCount(), static_cast<int>(carried));
    EXPECT_TRUE(List().isVisible());
    EXPECT_EQ(Find<QLabel>(&Frame(), "listStatus")->text(),
              QStringLiteral("0 modules found · %1 operating points for 20.0 W at dT 30 K · "
                             "Th = 25 °C")
                  .arg(carried));
}

TEST_F(OperatingPointsTest, AHotSideChangeMarksTheFoundRowsAsOldAndWorksThePointsOutAgain) {
    Advise(QStringLiteral("20"));
    ASSERT_GT(List().topLevelItemCount(), 0);
    Find<QSpinBox>(panel_, "thotSpin")->stepUp();
    ProcessEvents();
    const Advice again = RunAdvisor(Base(), Session().Thot(), CoreRequest(20.0));
    ASSERT_EQ(Session().Thot(), 299.0);
    ASSERT_EQ(List().Points().size(), again.points.size());
    for (std::size_t k = 0; k < again.points.size(); ++k) {
        EXPECT_EQ(List().Points()[k].thot, 299.0);
        EXPECT_EQ(List().Points()[k].power, again.points[k].power) << k;
    }
    EXPECT_EQ(Find<QLabel>(&Frame(), "listStatus")->text(),
              QStringLiteral("%1 modules found at Th = 25 °C, before the hot side changed: "
                             "search again · %2 operating points for 20.0 W at dT 30 K · "
                             "Th = 26 °C")
                  .arg(panel_->List().size())
                  .arg(again.points.size()));
    const auto* tabs = Find<QTabWidget>(panel_, "listTabs");
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("&Modules (Th = 25 °C)"));
}

TEST_F(OperatingPointsTest, NothingFoundCountsTheReasonsInTheCriteriaBox) {
    Advise(QStringLiteral("500"));
    EXPECT_EQ(List().topLevelItemCount(), 0);
    const Advice advice = RunAdvisor(Base(), Session().Thot(), CoreRequest(500.0));
    EXPECT_TRUE(Criteria().endsWith(
        QStringLiteral("No module can carry this load within these limits: %1 modules cannot "
                       "pump 500.0 W at dT 30 K.\n")
            .arg(advice.candidates)))
        << Criteria().toStdString();
}

// Where nothing carries the load, the note under the empty list gives the
// core's figures and ways out; where points exist, it says why the module
// shown is not one of them.
TEST_F(OperatingPointsTest, TheNoteSaysWhyNotWithFiguresForTheLoadAndForTheModuleShown) {
    const auto* note = Find<QLabel>(panel_, "whyLabel");
    Advise(QStringLiteral("500"));
    const AdviceRequest heavy = CoreRequest(500.0);
    const std::string expected =
        RejectionSummary(heavy, RunAdvisor(Base(), Session().Thot(), heavy)) + ".\r\n" +
        ShortfallText(Base(), Session().Thot(), heavy,
                      FindShortfall(Base(), Session().Thot(), heavy));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->wordWrap());
    EXPECT_EQ(note->text(), QString::fromStdString(expected)
                                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                .trimmed());
    EXPECT_TRUE(note->text().contains(QStringLiteral(" pumps at most "))) << "with figures";

    Advise(QStringLiteral("20"));
    EXPECT_FALSE(note->isVisible()) << "the module shown is the first point";
    Click("showAllButton");
    const auto& points = List().Points();
    std::uint32_t outside = 0;
    while (std::any_of(points.begin(), points.end(),
                       [outside](const OperatingPoint& p) { return p.index == outside; })) {
        ++outside;
    }
    const QString name = QString::fromStdString(Cp1251ToUtf8(Base().records[outside].Name()));
    const auto listed = panel_->List().Modules(Base());
    const int row = static_cast<int>(
        std::find(listed.begin(), listed.end(), static_cast<std::int32_t>(outside)) -
        listed.begin());
    ASSERT_LT(row, static_cast<int>(listed.size())) << "the whole base is listed";
    auto* modules = Find<QTreeView>(panel_, "resultList");
    modules->scrollTo(modules->model()->index(row, 1));
    QTest::mouseClick(modules->viewport(), Qt::LeftButton, {},
                      modules->visualRect(modules->model()->index(row, 1)).center());
    ProcessEvents();
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(outside));
    EXPECT_TRUE(note->isVisible()) << "beside the modules too";
    EXPECT_EQ(note->text(), name + QStringLiteral(" is not a result: ") +
                                QString::fromStdString(WhyNotText(Base(), Session().Thot(),
                                                                  CoreRequest(20.0), outside)));
}

TEST_F(OperatingPointsTest, HeaderClicksResortAndARowShowsItsPoint) {
    Advise(QStringLiteral("20"));
    const auto copAt = [this](int row) { return List().topLevelItem(row)->text(6).toDouble(); };
    const int last = List().topLevelItemCount() - 1;
    auto* header = List().header();
    const auto clickCop = [header] {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(6) + 5, 5));
        ProcessEvents();
    };
    clickCop();
    EXPECT_GT(copAt(0), copAt(last)) << "COP sorts best first";
    clickCop();
    EXPECT_LT(copAt(0), copAt(last)) << "a second click turns the order round";

    panel_->SelectOperatingPoint(2);
    ProcessEvents();
    const OperatingPoint chosen = List().Points()[2];
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(chosen.index));
    ASSERT_TRUE(Frame().View()->Point().has_value());
    EXPECT_EQ(Frame().View()->Point()->power, chosen.power);

    // The search's list leaves the point behind.
    QTest::mouseClick(Find<QAbstractButton>(panel_, "showAllButton"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_FALSE(Frame().View()->Point().has_value());
}

TEST_F(OperatingPointsTest, ArrowKeysAndEnterChooseAPointAsAClickDoes) {
    Advise(QStringLiteral("20"));
    auto& list = const_cast<OperatingPointList&>(List());
    const auto shownPower = [this] {
        return Frame().View()->Point().value_or(OperatingPoint{}).power;
    };
    list.setCurrentItem(list.topLevelItem(0));
    QTest::keyClick(&list, Qt::Key_Down);
    ProcessEvents();
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(List().Points()[1].index));
    EXPECT_EQ(shownPower(), List().Points()[1].power);
    list.setCurrentItem(list.topLevelItem(3));
    EXPECT_EQ(shownPower(), List().Points()[1].power)
        << "moving the current row alone chooses nothing";
    QTest::keyClick(&list, Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(shownPower(), List().Points()[3].power);
}

TEST_F(OperatingPointsTest, PickedPointsAreOverlaidAndComparedWithTheirPoints) {
    Advise(QStringLiteral("20"));
    auto& list = const_cast<OperatingPointList&>(List());
    list.show();
    ProcessEvents();
    const auto clickRow = [&list](int row, Qt::KeyboardModifiers modifiers) {
        const QRect rect = list.visualItemRect(list.topLevelItem(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
        ProcessEvents();
    };
    clickRow(0, {});
    clickRow(1, Qt::ControlModifier);
    const OperatingPoint& shown = List().Points()[1];
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(shown.index));
    ASSERT_EQ(panel_->Compared().points.size(), 2u);
    EXPECT_EQ(panel_->Compared().points[0].power, shown.power) << "the clicked point first";
    EXPECT_EQ(panel_->Compared().points[1].power, List().Points()[0].power);
    const auto rows = ComparisonTable(Base(), panel_->Compared());
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[8].label, "Modules");
    EXPECT_EQ(rows[10].values[0], QString::number(shown.voltage, 'f', 3).toStdString());
}

TEST_F(OperatingPointsTest, ExportWritesTheCommandLineToolsCsv) {
    Advise(QStringLiteral("20"));
    const QString path = QString::fromStdString(dir_.File("points.csv"));
    ASSERT_TRUE(WriteCsvFile(path, AdviceCsv(Base(), List().Points())));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The program holds its catalogue locked; the tool reads a copy.
    std::filesystem::create_directory(dir_.path() / "cli");
    CopySampleBase(dir_.path() / "cli");
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--base", dir_.File("cli/Base.tmb"), "advise", "--q", "20", "--dt", "30",
                      "--supply-voltage", "12", "--supply-current", "6"},
                     out, err),
              0)
        << err.str();
    EXPECT_EQ(file.readAll().toStdString(), out.str());
    EXPECT_FALSE(WriteCsvFile(QString::fromStdString(dir_.File("no/such/dir/x.csv")),
                              AdviceCsv(Base(), List().Points())));
}

// Past one stage, "two stages" lists the core's stacks with the cold mass's
// pull-down times in the operating points' tab; a row shows the top module
// at its stage's point, compared with the bottom module at its own.
TEST_F(OperatingPointsTest, TwoStagesListTheCoresStacksWithTheirPullDown) {
    ToStep5(QStringLiteral("2"), QStringLiteral("80"), QStringLiteral("15"));
    Click("stagesCheck");
    Type("massEdit", QStringLiteral("100"));
    Click("adviseButton");
    StackRequest request;
    request.advice.criteria.requiredQ = 2.0;
    request.advice.criteria.requiredDT = 80.0;
    request.advice.criteria.supplyVoltage = 15.0;
    request.advice.criteria.supplyCurrent = 6.0;
    request.advice.coldMass = 100.0;
    const StackAdvice advice = FindStacks(Base(), Session().Thot(), request);
    const auto pullDowns = StackPullDowns(Base(), request, advice.stacks);
    const StackList& list = panel_->Stacks();
    ASSERT_GT(advice.stacks.size(), 100u);
    ASSERT_EQ(list.topLevelItemCount(), static_cast<int>(advice.stacks.size()));
    EXPECT_EQ(list.headerItem()->text(list.columnCount() - 1), QStringLiteral("Pull-down (s)"));
    const StackPoint& first = list.Stacks().front();
    for (std::size_t k = 0; k < advice.stacks.size(); ++k) {
        if (advice.stacks[k].top == first.top) {
            const auto& seconds = pullDowns[k].seconds;
            EXPECT_EQ(list.topLevelItem(0)->text(list.columnCount() - 1),
                      seconds ? QString::number(*seconds, 'f', 1) : QStringLiteral("never"));
        }
    }
    EXPECT_TRUE(Criteria().contains(QStringLiteral("no single module reaches dT 80 K")));
    EXPECT_TRUE(Criteria().endsWith(
        QStringLiteral("Two stages: %1 stacks carry the load.\n").arg(advice.stacks.size())));
    auto& rows = const_cast<StackList&>(list);
    // The row is wider than the list: click its name, not its middle.
    QTest::mouseClick(rows.viewport(), Qt::LeftButton, {},
                      rows.visualItemRect(rows.topLevelItem(0)).topLeft() + QPoint(40, 4));
    ProcessEvents();
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(first.top));
    const Comparison& compared = panel_->Compared();
    ASSERT_EQ(compared.points.size(), 2u);
    EXPECT_EQ(compared.points[0].thot, first.between);
    EXPECT_EQ(compared.points[1].index, first.bottom);
    EXPECT_EQ(compared.points[1].thot, first.thot);
    // The graphs, and the printed page, overlay the bottom at its own point.
    const std::vector<OperatingPoint> alongside = Frame().View()->PointsAlongside();
    ASSERT_EQ(alongside.size(), 1u);
    EXPECT_EQ(alongside[0].index, first.bottom);
    EXPECT_EQ(alongside[0].thot, first.thot);

    // The stacks answer in the points' own place, sorted as the points are;
    // a request for one stage brings the points back there.
    const auto* tabs = Find<QTabWidget>(panel_, "listTabs");
    EXPECT_FALSE(list.isWindow());
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(List().isVisible());
    EXPECT_EQ(tabs->currentWidget(), Find<QWidget>(panel_, "pointsTab"));
    const_cast<StackList&>(list).SortByColumn(6);
    EXPECT_GE(list.topLevelItem(0)->text(6).toDouble(),
              list.topLevelItem(list.topLevelItemCount() - 1)->text(6).toDouble());
    Click("stagesCheck");
    Click("adviseButton");
    EXPECT_FALSE(list.isVisible());
    EXPECT_TRUE(List().isVisible());
    EXPECT_EQ(list.topLevelItemCount(), 0);
}

}  // namespace
}  // namespace vantiq::test
