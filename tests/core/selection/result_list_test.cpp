#include "core/selection/result_list.h"

#include <gtest/gtest.h>

#include <cstring>

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

TemBase Base(std::vector<TemRecord> records) {
    TemBase base;
    base.count = static_cast<std::uint32_t>(records.size());
    base.records = std::move(records);
    return base;
}

TEST(ResultList, ARowWhoseModuleCannotBeDerivedSelectsNoModule) {
    TemBase base = Base({Module("A", 1), Module("B", 5)});
    ResultList list;
    list.Fill(base, {0, 1});
    base.records[1].derivable = false;  // as a reload at another hot side can leave it
    list.Select(base, 1);
    EXPECT_EQ(list.Mark(), 1);
    EXPECT_EQ(base.selected, -1);
    list.Select(base, 0);
    EXPECT_EQ(base.selected, 0);
}

TEST(ResultList, RederivedDropsTheUnderivableResortsAndKeepsTheMarkedModule) {
    TemBase base = Base({Module("A", 1), Module("B", 5), Module("C", 3), Module("D", 4)});
    ResultList list;
    list.Fill(base, {0, 1, 2, 3});
    list.Sort(base, SortKey::Qmax, SortOrder::Descending);
    ASSERT_EQ(list.Rows(), (Rows{"B", "D", "C", "A"}));
    list.Select(base, 2);  // C

    // At the new hot side B cannot be derived and the values change places.
    base.records[1].derivable = false;
    base.records[0].qmax = 9;
    base.records[2].qmax = 2;
    list.Rederived(base, SortKey::Qmax, SortOrder::Descending);
    EXPECT_EQ(list.Rows(), (Rows{"A", "D", "C"}));
    EXPECT_EQ(list.Mark(), 2);
    EXPECT_EQ(base.selected, 2) << "C stays selected";
    EXPECT_EQ(list.KeyTexts(base, SortKey::Qmax), (Rows{"9.0", "4.0", "2.0"}));

    // Once the marked module itself goes, nothing is marked or selected.
    base.records[2].derivable = false;
    list.Rederived(base, SortKey::Qmax, SortOrder::Descending);
    EXPECT_EQ(list.Rows(), (Rows{"A", "D"}));
    EXPECT_EQ(list.Mark(), -1);
    EXPECT_EQ(base.selected, -1);
}

TEST(ResultList, RederivedWithoutAMarkSelectsNothing) {
    TemBase base = Base({Module("A", 1), Module("B", 5)});
    base.selected = 1;
    ResultList list;
    list.Fill(base, {0, 1});
    list.Rederived(base, SortKey::Name, SortOrder::Ascending);
    EXPECT_EQ(list.Rows(), (Rows{"A", "B"}));
    EXPECT_EQ(base.selected, -1);
}

}  // namespace
}  // namespace vantiq
