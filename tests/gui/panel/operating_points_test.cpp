#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "app_fixture.h"
#include "cli/cli_app.h"
#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/comparison.h"
#include "core/advisor/shortfall.h"
#include "core/advisor/why_not_text.h"
#include "core/base/cp1251.h"
#include "core/report/csv.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_search.h"
#include "gui/app/csv_export.h"
#include "gui/panel/answer_actions.h"
#include "gui/panel/module_dlg.h"
#include "gui/view/answer_model.h"
#include "gui/view/answer_table.h"
#include "gui/view/frozen_table_view.h"
#include "list_oracle.h"
#include "render/pages/page_texts.h"

namespace vantiq::test {
namespace {

// The columns of the points' table used below.
constexpr int kCurrent = 2;
constexpr int kPower = 4;
constexpr int kCop = 5;
constexpr int kThot = 6;

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
    const AnswerTable& Table() const { return *Frame().Answer(); }
    FrozenTableView* View() const { return Frame().Answer()->View(); }
    int Rows() const { return Table().Model().rowCount(); }
    QString Cell(int row, int column) const {
        return Table().Model().index(row, column).data().toString();
    }
    const std::vector<PointRow>& Points() const { return panel_->Answer().points; }

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
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex index = View()->model()->index(row, kCurrent);
        View()->scrollTo(index);
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, modifiers,
                          View()->visualRect(index).center());
        ProcessEvents();
    }
    void ClickHeader(int column) {
        QHeaderView* header = View()->horizontalHeader();
        View()->scrollTo(View()->model()->index(0, column));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
        ProcessEvents();
    }
    // Whether the columns up to `last` show whole without scrolling in a
    // window `width` pixels wide.
    bool ShownWhole(int width, int last) {
        Frame().resize(width, 800);
        ProcessEvents();
        View()->horizontalScrollBar()->setValue(0);
        return View()->columnViewportPosition(last) + View()->columnWidth(last) <=
               View()->viewport()->width();
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

// The answer opens below the drawing, at its width, with the first point
// chosen; module, current, voltage, power, COP and hot side fit 1280 px.
TEST_F(OperatingPointsTest, TheTableBelowTheDrawingListsTheCoresPoints) {
    EXPECT_FALSE(Table().isVisible()) << "no answer yet";
    Advise(QStringLiteral("20"));
    const Advice advice = RunAdvisor(Base(), Session().Thot(), CoreRequest(20.0));
    ASSERT_GT(advice.points.size(), 10u);
    ASSERT_EQ(Rows(), static_cast<int>(advice.points.size()));
    for (std::size_t k = 0; k < advice.points.size(); ++k) {
        const OperatingPoint& p = advice.points[k];
        const int row = static_cast<int>(k);
        EXPECT_EQ(Cell(row, 0).toStdString(), Cp1251ToUtf8(Base().records[p.index].Name()));
        EXPECT_EQ(Cell(row, kPower), QString::number(p.power, 'f', 2));
    }
    EXPECT_EQ(Table().Model().headerData(kThot, Qt::Horizontal, Qt::DisplayRole), "Th, °C");
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Table().window(), &Frame());
    const QWidget* drawing = Frame().View();
    EXPECT_EQ(Table().parentWidget(), Find<QSplitter>(&Frame(), "answerSplitter"));
    EXPECT_GE(Table().mapTo(&Frame(), QPoint()).y(),
              drawing->mapTo(&Frame(), QPoint()).y() + drawing->height());
    EXPECT_EQ(Table().width(), drawing->width());
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(advice.points[0].index));
    EXPECT_EQ(Table().Picked(), std::vector<int>{0});
    EXPECT_TRUE(
        Criteria().startsWith("Operating points for:\nQ = 20.0 W, dT = 30 K, Th = 25.0 °C\n"
                              "Unominal <= 12.0 V\nImax <= 6.0 A\n1 module\n"))
        << Criteria().toStdString();
    EXPECT_TRUE(Criteria().endsWith(
        QStringLiteral("%1 modules carry the load.\n").arg(advice.points.size())));
    EXPECT_TRUE(ShownWhole(1280, kThot));

    Find<QAbstractButton>(&Frame(), "answerClose")->click();
    EXPECT_FALSE(Table().isVisible()) << "closed";
    Click("adviseButton");
    EXPECT_TRUE(Table().isVisible()) << "a new answer opens it again";
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
    EXPECT_EQ(Rows(), static_cast<int>(carried));
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Find<QLabel>(&Frame(), "listStatus")->text(),
              QStringLiteral("0 modules found · %1 operating points for 20.0 W at dT 30 K · "
                             "Th = 25 °C")
                  .arg(carried));
}

TEST_F(OperatingPointsTest, AHotSideChangeMarksTheFoundRowsAsOldAndWorksThePointsOutAgain) {
    Advise(QStringLiteral("20"));
    ASSERT_GT(Rows(), 0);
    const std::uint32_t chosen = Points()[0].point.index;
    Find<QSpinBox>(panel_, "thotSpin")->stepUp();
    ProcessEvents();
    const Advice again = RunAdvisor(Base(), Session().Thot(), CoreRequest(20.0));
    ASSERT_EQ(Session().Thot(), 299.0);
    ASSERT_EQ(Points().size(), again.points.size());
    for (std::size_t k = 0; k < again.points.size(); ++k) {
        EXPECT_EQ(Points()[k].point.thot, 299.0);
        EXPECT_EQ(Points()[k].point.power, again.points[k].power) << k;
    }
    EXPECT_EQ(Find<QLabel>(&Frame(), "listStatus")->text(),
              QStringLiteral("%1 modules found at Th = 25 °C, before the hot side changed: "
                             "search again · %2 operating points for 20.0 W at dT 30 K · "
                             "Th = 26 °C")
                  .arg(panel_->List().size())
                  .arg(again.points.size()));
    EXPECT_EQ(Find<QLabel>(panel_, "listLabel")->text(), QStringLiteral("&Modules (Th = 25 °C)"));
    // The module shown stays, at its point of the new hot side.
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(chosen));
    ASSERT_TRUE(Frame().View()->Point().has_value());
    EXPECT_EQ(Frame().View()->Point()->thot, 299.0);
}

TEST_F(OperatingPointsTest, NothingFoundCountsTheReasonsInTheCriteriaBox) {
    Advise(QStringLiteral("500"));
    EXPECT_EQ(Rows(), 0);
    const Advice advice = RunAdvisor(Base(), Session().Thot(), CoreRequest(500.0));
    EXPECT_TRUE(Criteria().endsWith(
        QStringLiteral("No module can carry this load within these limits: %1 modules cannot "
                       "pump 500.0 W at dT 30 K.\n")
            .arg(advice.candidates)))
        << Criteria().toStdString();
}

// Where nothing carries the load, the note under the list gives the core's
// figures and ways out; where points exist, it says why the module shown is
// not one of them.
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
    std::uint32_t outside = 0;
    while (std::any_of(Points().begin(), Points().end(),
                       [outside](const PointRow& r) { return r.point.index == outside; })) {
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
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), name + QStringLiteral(" is not a result: ") +
                                QString::fromStdString(WhyNotText(Base(), Session().Thot(),
                                                                  CoreRequest(20.0), outside)));
    ClickRow(0);
    EXPECT_FALSE(note->isVisible()) << "a row of the answer is one of its points";
}

TEST_F(OperatingPointsTest, HeadersSortRowsChooseByMouseAndKeysAndCtrlCCopies) {
    Advise(QStringLiteral("20"));
    const auto copAt = [this](int row) { return Cell(row, kCop).toDouble(); };
    const int last = Rows() - 1;
    ClickHeader(kCop);
    EXPECT_GT(copAt(0), copAt(last)) << "COP sorts best first";
    ClickHeader(kCop);
    EXPECT_LT(copAt(0), copAt(last)) << "a second click turns the order round";
    ClickHeader(0);
    EXPECT_LT(Cell(0, 0), Cell(last, 0)) << "names sort too";

    ClickRow(2);
    const OperatingPoint chosen = Points()[2].point;
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(chosen.index));
    ASSERT_TRUE(Frame().View()->Point().has_value());
    EXPECT_EQ(Frame().View()->Point()->power, chosen.power);
    QTest::keyClick(View(), Qt::Key_Down);
    ProcessEvents();
    EXPECT_EQ(Frame().View()->Point()->power, Points()[3].point.power) << "the arrow chooses";
    QTest::keySequence(View(), QKeySequence::Copy);
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_GE(copied.size(), 2);
    EXPECT_TRUE(copied[0].startsWith(QStringLiteral("Module\tCount, wiring\tI, A\t")));
    EXPECT_EQ(copied[1].section(QLatin1Char('\t'), kPower, kPower), Cell(3, kPower));

    // The search's list leaves the point behind.
    Click("showAllButton");
    EXPECT_FALSE(Frame().View()->Point().has_value());
}

TEST_F(OperatingPointsTest, PickedPointsAreOverlaidAndComparedWithTheirPoints) {
    Advise(QStringLiteral("20"));
    ClickRow(0);
    ClickRow(1, Qt::ControlModifier);
    const OperatingPoint& shown = Points()[1].point;
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(shown.index));
    ASSERT_EQ(panel_->Compared().points.size(), 2u);
    EXPECT_EQ(panel_->Compared().points[0].power, shown.power) << "the clicked point first";
    EXPECT_EQ(panel_->Compared().points[1].power, Points()[0].point.power);
    const auto rows = ComparisonTable(Base(), panel_->Compared());
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[8].label, "Modules");
    EXPECT_EQ(rows[10].values[0], QString::number(shown.voltage, 'f', 3).toStdString());
}

// The file holds the table as it shows, units in the headers; its values are
// the tool's exact ones at the table's precision.
TEST_F(OperatingPointsTest, TheExportIsTheTableAndAgreesWithTheTool) {
    Advise(QStringLiteral("20"));
    ClickHeader(kCop);
    const QString path = QString::fromStdString(dir_.File("points.csv"));
    ASSERT_TRUE(WriteCsvFile(path, AnswerCsvText(panel_->Answer())));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<CsvRow> sheet = ParseCsv(file.readAll().toStdString()).value_or({});
    ASSERT_EQ(sheet.size(), static_cast<std::size_t>(Rows()) + 1);
    for (int c = 0; c < Table().Model().columnCount(); ++c) {
        EXPECT_EQ(sheet[0][static_cast<std::size_t>(c)],
                  Table()
                      .Model()
                      .headerData(c, Qt::Horizontal, Qt::DisplayRole)
                      .toString()
                      .toStdString());
        for (int r = 0; r < Rows(); ++r) {
            EXPECT_EQ(sheet[static_cast<std::size_t>(r) + 1][static_cast<std::size_t>(c)],
                      Cell(r, c).toStdString());
        }
    }
    // The program holds its catalogue locked; the tool reads a copy.
    std::filesystem::create_directory(dir_.path() / "cli");
    CopySampleBase(dir_.path() / "cli");
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--base", dir_.File("cli/Base.tmb"), "advise", "--q", "20", "--dt", "30",
                      "--supply-voltage", "12", "--supply-current", "6", "--sort", "cop"},
                     out, err),
              0)
        << err.str();
    const std::vector<CsvRow> tool = ParseCsv(out.str()).value_or({});
    ASSERT_EQ(tool.size(), sheet.size());
    for (std::size_t r = 1; r < tool.size(); ++r) {
        EXPECT_EQ(sheet[r][0], tool[r][2]);
        EXPECT_NEAR(std::stod(sheet[r][kPower]), std::stod(tool[r][7]), 0.005 + 1e-12);
        EXPECT_NEAR(std::stod(sheet[r][kCop]), std::stod(tool[r][8]), 0.0005 + 1e-12);
    }
    EXPECT_FALSE(WriteCsvFile(QString::fromStdString(dir_.File("no/such/dir/x.csv")), "x"));
}

// Past one stage, "two stages" lists the core's stacks with the cold mass's
// pull-down times in the same table; the first stack is chosen: its top
// module at its stage's point, compared with the bottom module at its own.
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
    const auto& stacks = panel_->Answer().stacks;
    ASSERT_GT(advice.stacks.size(), 100u);
    ASSERT_EQ(Rows(), static_cast<int>(advice.stacks.size()));
    int last = Table().Model().columnCount() - 1;
    while (last >= 0 &&
           Table().Model().headerData(last, Qt::Horizontal, Qt::DisplayRole) != "Pull-down, s") {
        --last;
    }
    ASSERT_GE(last, 0) << "a pull-down column";
    const StackPoint& first = stacks.front().stack;
    for (std::size_t k = 0; k < advice.stacks.size(); ++k) {
        if (advice.stacks[k].top == first.top && advice.stacks[k].bottom == first.bottom) {
            const auto& seconds = pullDowns[k].seconds;
            EXPECT_EQ(Cell(0, last),
                      seconds ? QString::number(*seconds, 'f', 1) : QStringLiteral("never"));
        }
    }
    EXPECT_TRUE(Criteria().contains(QStringLiteral("no single module reaches dT 80 K")));
    EXPECT_TRUE(Criteria().endsWith(
        QStringLiteral("Two stages: %1 stacks carry the load.\n").arg(advice.stacks.size())));
    EXPECT_EQ(Session().SelectedModule(), static_cast<std::int32_t>(first.top));
    const Comparison& compared = panel_->Compared();
    ASSERT_EQ(compared.points.size(), 2u);
    EXPECT_EQ(compared.points[0].thot, first.between);
    EXPECT_EQ(compared.points[1].index, first.bottom);
    EXPECT_EQ(compared.points[1].thot, first.thot);
    EXPECT_TRUE(Find<QLabel>(&Frame(), "listStatus")->text().endsWith(HotSideText(first.thot)))
        << "the stack's own hot side";
    // The graphs, and the printed page, overlay the bottom at its own point.
    const std::vector<OperatingPoint> alongside = Frame().View()->PointsAlongside();
    ASSERT_EQ(alongside.size(), 1u);
    EXPECT_EQ(alongside[0].index, first.bottom);
    EXPECT_EQ(alongside[0].thot, first.thot);
    EXPECT_TRUE(ShownWhole(1280, 7)) << "modules, currents, voltages, power, COP, Th";

    constexpr int kStackCop = 6;
    ClickHeader(kStackCop);
    EXPECT_GE(Cell(0, kStackCop).toDouble(), Cell(Rows() - 1, kStackCop).toDouble());
    Click("stagesCheck");
    Click("adviseButton");
    EXPECT_TRUE(panel_->Answer().stacks.empty());
    EXPECT_EQ(Rows(), static_cast<int>(Points().size())) << "one stage brings the points back";
}

}  // namespace
}  // namespace vantiq::test
