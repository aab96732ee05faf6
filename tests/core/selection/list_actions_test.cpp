#include "core/selection/list_actions.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vantiq {
namespace {

using Rows = std::vector<std::string>;

TemRecord ModuleWithQmax(const char* name, double qmax, bool derivable = true) {
    TemRecord r;
    std::strcpy(r.file.name.data(), name);
    r.rated.qmax = qmax;
    r.rated.derivable = derivable;
    return r;
}

// A: Qmax 1, B: 5, C: cannot be derived, A again: 9.
TemBase SmallBase() {
    TemBase base;
    base.records = {ModuleWithQmax("A", 1), ModuleWithQmax("B", 5), ModuleWithQmax("C", 9, false),
                    ModuleWithQmax("A", 9)};
    base.count = 4;
    return base;
}

TEST(ListActions, ShowAllSortsAndSelectsTheFirstRow) {
    TemBase base = SmallBase();
    ResultList list;
    EXPECT_EQ(ListAllModules(base, SortKey::Qmax, SortOrder::Descending, list), 1);
    EXPECT_EQ(list.Rows(), (Rows{"B", "A", "A"}));
    EXPECT_EQ(list.Modules(base), (std::vector<std::int32_t>{1, 0, 0}));
}

TEST(ListActions, SearchSelectsRowZeroOfTheSortedList) {
    TemBase base = SmallBase();
    ResultList list;
    SearchCriteria criteria;
    criteria.requiredQ = 3;
    EXPECT_EQ(
        ListSearchResult(base, kDefaultThot, criteria, SortKey::Name, SortOrder::Ascending, list),
        0)
        << "the row names the first record called A";
    EXPECT_EQ(list.Rows(), (Rows{"A", "B"}));
}

TEST(ListActions, SearchWithoutMatchKeepsTheModuleShown) {
    TemBase base = SmallBase();
    ResultList list;
    ASSERT_EQ(ListAllModules(base, SortKey::Name, SortOrder::Descending, list), 1);
    SearchCriteria criteria;
    criteria.requiredQ = 100;
    EXPECT_EQ(
        ListSearchResult(base, kDefaultThot, criteria, SortKey::Name, SortOrder::Descending, list),
        std::nullopt)
        << "no module is chosen: the one shown stays";
    EXPECT_TRUE(list.empty());
}

TEST(ResultList, EmptyListSortsToNothingAndSelectsNothing) {
    TemBase base = SmallBase();
    ResultList list;
    EXPECT_EQ(list.Sort(base, SortKey::Qmax, SortOrder::Ascending), std::nullopt);
}

TEST(ResultList, SelectingAMissingRowSelectsNoModule) {
    TemBase base = SmallBase();
    ResultList list;
    list.Fill(base, {1, 0});
    EXPECT_EQ(list.Select(base, 1), 0);
    for (std::ptrdiff_t row : {-1, 2}) {
        EXPECT_EQ(list.Select(base, row), -1) << row;
    }
}

TemBase Base(std::vector<TemRecord> records) {
    TemBase base;
    base.count = static_cast<std::uint32_t>(records.size());
    base.records = std::move(records);
    return base;
}

TEST(ResultList, ARowWhoseModuleCannotBeDerivedSelectsNoModule) {
    TemBase base = Base({ModuleWithQmax("A", 1), ModuleWithQmax("B", 5)});
    ResultList list;
    list.Fill(base, {0, 1});
    base.records[1].rated.derivable = false;  // as a reload at another hot side can leave it
    EXPECT_EQ(list.Select(base, 1), -1);
    EXPECT_EQ(list.Mark(), 1);
    EXPECT_EQ(list.Select(base, 0), 0);
}

TEST(ResultList, RederivedDropsTheUnderivableResortsAndKeepsTheMarkedModule) {
    TemBase base = Base({ModuleWithQmax("A", 1), ModuleWithQmax("B", 5), ModuleWithQmax("C", 3),
                         ModuleWithQmax("D", 4)});
    ResultList list;
    list.Fill(base, {0, 1, 2, 3});
    list.Sort(base, SortKey::Qmax, SortOrder::Descending);
    ASSERT_EQ(list.Rows(), (Rows{"B", "D", "C", "A"}));
    list.Select(base, 2);  // C

    // At the new hot side B cannot be derived and the values change places.
    base.records[1].rated.derivable = false;
    base.records[0].rated.qmax = 9;
    base.records[2].rated.qmax = 2;
    EXPECT_EQ(list.Rederived(base, SortKey::Qmax, SortOrder::Descending), 2) << "C stays selected";
    EXPECT_EQ(list.Rows(), (Rows{"A", "D", "C"}));
    EXPECT_EQ(list.Mark(), 2);
    EXPECT_EQ(ModuleKeyText(base, list.Modules(base).front(), SortKey::Qmax), "9.0");

    // Once the marked module itself goes, nothing is marked or selected.
    base.records[2].rated.derivable = false;
    EXPECT_EQ(list.Rederived(base, SortKey::Qmax, SortOrder::Descending), -1);
    EXPECT_EQ(list.Rows(), (Rows{"A", "D"}));
    EXPECT_EQ(list.Mark(), -1);
}

TEST(ResultList, RederivedWithoutAMarkSelectsNothing) {
    TemBase base = Base({ModuleWithQmax("A", 1), ModuleWithQmax("B", 5)});
    ResultList list;
    list.Fill(base, {0, 1});
    EXPECT_EQ(list.Rederived(base, SortKey::Name, SortOrder::Ascending), -1);
    EXPECT_EQ(list.Rows(), (Rows{"A", "B"}));
}

}  // namespace
}  // namespace vantiq
