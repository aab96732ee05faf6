#include "core/selection/list_actions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/selection/search.h"

namespace vantiq {
namespace {

using Rows = std::vector<std::string>;

TemRecord Module(const char* name, double qmax, bool derivable = true) {
    TemRecord r;
    std::strcpy(r.name.data(), name);
    r.qmax = qmax;
    r.derivable = derivable;
    return r;
}

// A: Qmax 1, B: 5, C: cannot be derived, A again: 9.
TemBase SmallBase() {
    TemBase base;
    base.records = {Module("A", 1), Module("B", 5), Module("C", 9, false), Module("A", 9)};
    base.count = 4;
    return base;
}

// "Show all" as the window runs it: every listable module, sorted, row 0 selected.
bool ShowAll(TemBase& base, SortKey key, SortOrder order, ResultList& list) {
    list.Fill(base, ShowAllModules(base));
    return list.Sort(base, key, order);
}

TEST(ListActions, ShowAllSortsAndSelectsTheFirstRow) {
    TemBase base = SmallBase();
    ResultList list;
    EXPECT_TRUE(ShowAll(base, SortKey::Qmax, SortOrder::Descending, list));
    EXPECT_EQ(list.Rows(), (Rows{"B", "A", "A"}));
    EXPECT_EQ(list.Modules(base), (std::vector<std::int32_t>{1, 0, 0}));
    EXPECT_EQ(base.selected, 1);
}

TEST(ListActions, SearchSelectsRowZeroOfTheSortedList) {
    TemBase base = SmallBase();
    ResultList list;
    SearchCriteria criteria;
    criteria.requiredQ = 3;
    EXPECT_TRUE(ListSearchResult(base, criteria, SortKey::Name, SortOrder::Ascending, list));
    EXPECT_EQ(list.Rows(), (Rows{"A", "B"}));
    EXPECT_EQ(base.selected, 0) << "the row names the first record called A";
}

TEST(ListActions, SearchWithoutMatchKeepsTheModuleShown) {
    TemBase base = SmallBase();
    ResultList list;
    ShowAll(base, SortKey::Name, SortOrder::Descending, list);
    ASSERT_EQ(base.selected, 1);
    SearchCriteria criteria;
    criteria.requiredQ = 100;
    EXPECT_FALSE(ListSearchResult(base, criteria, SortKey::Name, SortOrder::Descending, list));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(base.selected, 1);
}

TEST(ResultList, EmptyListSortsToNothingAndSelectsNothing) {
    TemBase base = SmallBase();
    base.selected = 3;
    ResultList list;
    EXPECT_FALSE(list.Sort(base, SortKey::Qmax, SortOrder::Ascending));
    EXPECT_EQ(base.selected, 3);
}

TEST(ResultList, SelectingAMissingRowSelectsNoModule) {
    TemBase base = SmallBase();
    ResultList list;
    list.Fill(base, {1, 0});
    list.Select(base, 1);
    EXPECT_EQ(base.selected, 0);
    for (std::ptrdiff_t row : {-1, 2}) {
        list.Select(base, row);
        EXPECT_EQ(base.selected, -1) << row;
    }
}

}  // namespace
}  // namespace vantiq
