// The catalogue during a run of the window: held open and locked, never
// written, and catalogues far larger than any vendor ships still list,
// search and sort.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include <cstdio>
#include <filesystem>

#include "app_fixture.h"
#include "core/base/base_file.h"
#include "core/base/base_loader.h"
#include "gui/panel/module_dlg.h"
#include "list_oracle.h"

namespace vantiq::test {
namespace {

class CatalogueSessionTest : public AppFixture {
protected:
    std::string BasePath() const { return (dir_.path() / "Base.tmb").string(); }
    void Click(const char* button) {
        QTest::mouseClick(Find<QAbstractButton>(Frame().Panel(), button), Qt::LeftButton);
        ProcessEvents();
    }
    void Type(const char* box, const QString& text) {
        auto* edit = Find<QLineEdit>(Frame().Panel(), box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void PickSortKey(int index) {
        Find<QComboBox>(Frame().Panel(), "sortCombo")->setCurrentIndex(index);
        ProcessEvents();
    }
    QTreeView* List() const { return Find<QTreeView>(Frame().Panel(), "resultList"); }
};

// The window reads its catalogue under a shared hold: the command line reads
// it meanwhile, while a writer from elsewhere is kept out.
TEST_F(CatalogueSessionTest, ReadersShareTheCatalogueWhileTheWindowRuns) {
    ASSERT_TRUE(Start());
    TemBase other;
    EXPECT_TRUE(OpenBase(other, BasePath()).ok()) << "a second reader";
    EXPECT_FALSE(BaseFile::OpenExclusive(BasePath())) << "a writer";
    EXPECT_GT(Frame().Catalogue().LoadCount(), 0) << "the window keeps running";
}

TEST_F(CatalogueSessionTest, ASessionNeverWritesTheCatalogueAndReleasesItAtTheEnd) {
    const std::vector<unsigned char> before = ReadBytes(BasePath());
    const auto stamp = std::filesystem::last_write_time(BasePath());
    ASSERT_TRUE(Start());
    Type("qEdit", QStringLiteral("5"));
    Click("searchButton");
    PickSortKey(3);
    Click("ascendingRadio");
    auto* spin = Find<QSpinBox>(Frame().Panel(), "thotSpin");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);
    ProcessEvents();
    ASSERT_EQ(Session().Thot(), 300.0);
    Click("showAllButton");
    app_.reset();

    EXPECT_EQ(ReadBytes(BasePath()), before);
    EXPECT_EQ(std::filesystem::last_write_time(BasePath()), stamp);
    TemBase next;
    EXPECT_TRUE(OpenBase(next, BasePath()).ok()) << "released when the run ends";
}

std::string ModuleName(std::uint32_t i) {
    char name[16];
    std::snprintf(name, sizeof name, "M%06u", i);
    return name;
}

// Modules with a nominal current so small that only the current 0 is
// scanned, so that deriving a very large catalogue stays quick.
void WriteLargeCatalogue(const std::string& path, std::uint32_t count) {
    std::vector<CatalogueEntry> entries(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        entries[i].record = WorkedExampleModule(ModuleName(i));
        entries[i].record.file.nominalCurrent =
            i % 10000 == 0 ? entries[i].record.file.nominalCurrent : 5e-324;
    }
    WriteCatalogue(path, entries);
}

class LargeCatalogueWindowTest : public CatalogueSessionTest,
                                 public ::testing::WithParamInterface<std::uint32_t> {
protected:
    // Runs `action` and prints how long it took.
    template <typename Action>
    void Timed(const char* what, Action action) {
        QElapsedTimer timer;
        timer.start();
        action();
        std::printf("[ %u modules ] %s: %lld ms\n", GetParam(), what,
                    static_cast<long long>(timer.elapsed()));
    }
};

TEST_P(LargeCatalogueWindowTest, ListsSearchesAndSortsEveryModule) {
    const std::uint32_t count = GetParam();
#ifdef VANTIQ_SANITIZED
    if (count > 65536) {
        GTEST_SKIP() << "minutes under the sanitizers; the plain build runs it";
    }
#endif
    WriteLargeCatalogue(BasePath(), count);
    Timed("start", [this] { ASSERT_TRUE(Start()); });
    ASSERT_EQ(Base().count, count);
    ASSERT_EQ(RowCount(List()), static_cast<int>(count));
    EXPECT_EQ(CellText(List(), 0, 1), QString::fromStdString(ModuleName(count - 1)));
    EXPECT_TRUE(
        Frame().windowTitle().endsWith(QStringLiteral("<%1 TEMs in base total>").arg(count)));

    Type("nameEdit", QStringLiteral("M00001"));
    Timed("search", [this] { Click("searchButton"); });
    EXPECT_EQ(ColumnTexts(List(), 1), NamesDescending(Base(), [](const TemRecord& r) {
                  return r.Name().find("M00001") != std::string_view::npos;
              }));
    Type("nameEdit", QString());
    Timed("show all", [this] { Click("showAllButton"); });
    ASSERT_EQ(RowCount(List()), static_cast<int>(count));
    Timed("sort", [this] { Click("ascendingRadio"); });
    EXPECT_EQ(CellText(List(), 0, 1), QString::fromStdString(ModuleName(0)));
    EXPECT_EQ(CellText(List(), count - 1, 0), QString::number(count - 1));
}

INSTANTIATE_TEST_SUITE_P(Counts, LargeCatalogueWindowTest, ::testing::Values(65536u, 200000u));

}  // namespace
}  // namespace vantiq::test
