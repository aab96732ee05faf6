#include <QAction>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

#include "app_fixture.h"
#include "core/base/cp1251.h"
#include "gui/panel/module_dlg.h"
#include "gui/view/compare_dlg.h"
#include "list_oracle.h"
#include "render/pages/view_legend.h"

namespace vantiq::test {
namespace {

// Picking modules in the result list with Ctrl and Shift, their curves on
// one set of graphs, and View > "Compare".
class CompareTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
        list_ = Find<QTreeView>(Frame().Panel(), "resultList");
        Frame().OnViewMode(DisplayMode::Graph);
        ProcessEvents();
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = RowRect(list_, row);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, modifiers, rect.center());
        ProcessEvents();
    }
    QString RowName(int row) const { return CellText(list_, row, 1); }
    QString ShownName() const {
        return QString::fromStdString(Cp1251ToUtf8(Session().SelectedRecord()->Name()));
    }
    std::vector<QString> Overlaid() const { return Frame().View()->Plotted().modules; }

    QTreeView* list_ = nullptr;
};

TEST_F(CompareTest, CtrlClicksOverlayUpToThreeModulesTheLastClickedDrawnSolid) {
    ClickRow(0);
    ClickRow(2, Qt::ControlModifier);
    EXPECT_EQ(ShownName(), RowName(2));
    EXPECT_EQ(Overlaid(), (std::vector<QString>{RowName(2), RowName(0)}));
    ClickRow(3, Qt::ControlModifier);
    EXPECT_EQ(Overlaid(), (std::vector<QString>{RowName(3), RowName(0), RowName(2)}));
    // Each of the three graphs against dT carries five curves per module.
    for (std::size_t g = 1; g < 4; ++g) {
        EXPECT_EQ(Frame().View()->Plotted().graphs[g].curves.size(), 15u) << g;
    }
    const LegendModule three[3] = {};  // overlaid, the legend names no currents
    EXPECT_EQ(Frame().View()->Plotted().graphs[0].plot.placement.top,
              LegendBandHeight(three, Frame().View()->Buffer().width()));

    ClickRow(5, Qt::ControlModifier);  // a fourth is refused and changes nothing
    EXPECT_EQ(ShownName(), RowName(3));
    EXPECT_EQ(list_->selectionModel()->selectedRows().size(), 3);
    EXPECT_EQ(Overlaid().size(), 3u);

    ClickRow(3, Qt::ControlModifier);  // dropping the shown one shows the first still picked
    EXPECT_EQ(ShownName(), RowName(0));
    EXPECT_EQ(Overlaid(), (std::vector<QString>{RowName(0), RowName(2)}));

    ClickRow(4);  // a plain click compares nothing
    EXPECT_EQ(Overlaid(), (std::vector<QString>{RowName(4)}));
}

TEST_F(CompareTest, TheComparedModulesStayThroughAReloadAtAnotherHotSide) {
    ClickRow(0);
    ClickRow(2, Qt::ControlModifier);
    const std::vector<QString> before = Overlaid();
    Find<QSpinBox>(Frame().Panel(), "thotSpin")->setValue(348);  // 75 °C
    ProcessEvents();
    EXPECT_EQ(Session().Thot(), 348.0);
    EXPECT_EQ(Overlaid(), before);
    EXPECT_EQ(list_->selectionModel()->selectedRows().size(), 2);
}

TEST_F(CompareTest, ShiftClickPicksARangeCutToThree) {
    ClickRow(1);
    ClickRow(6, Qt::ShiftModifier);
    EXPECT_EQ(list_->selectionModel()->selectedRows().size(), 3);
    EXPECT_EQ(ShownName(), RowName(1));
    EXPECT_EQ(Overlaid(), (std::vector<QString>{RowName(1), RowName(2), RowName(3)}));
}

TEST_F(CompareTest, CompareShowsTheRatedValuesSideBySideAndFollowsThePicks) {
    ClickRow(0);
    Command(QStringLiteral("Compare"))->trigger();
    ProcessEvents();
    auto* dialog = Frame().findChild<CCompareDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const QTableWidget* table = dialog->Table();
    EXPECT_EQ(table->columnCount(), 1);
    ClickRow(1, Qt::ControlModifier);
    ClickRow(2, Qt::ControlModifier);
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), "TEM name");
    EXPECT_EQ(table->item(0, 0)->text(), RowName(2)) << "the shown module first";
    EXPECT_EQ(table->item(0, 1)->text(), RowName(0));
    EXPECT_EQ(table->item(0, 2)->text(), RowName(1));
    EXPECT_EQ(table->verticalHeaderItem(1)->text(), "Imax, A");
    EXPECT_EQ(table->item(1, 0)->text(),
              QString::number(Session().SelectedRecord()->rated.imax, 'f', 2));
    EXPECT_EQ(table->rowCount(), 8) << "no operating-point rows for modules from the list";
}

}  // namespace
}  // namespace vantiq::test
