#include "selection/search.h"

#include <gtest/gtest.h>

#include "base/base_loader.h"
#include "selection/record_filter.h"

namespace vantiq {
namespace {

class SampleSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_FALSE(OpenBase(base_, VANTIQ_SAMPLE_BASE).has_value());
        ASSERT_FALSE(LoadBase(base_).error.has_value());
    }
    static TemBase base_;
};

TemBase SampleSearch::base_;

TEST_F(SampleSearch, NoCriterionListsEveryModuleInBaseOrder) {
    const auto all = RunSearch(base_, SearchCriteria{});
    ASSERT_EQ(all.size(), base_.records.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i], i);
    }
    EXPECT_EQ(ShowAllModules(base_), all);
}

TEST_F(SampleSearch, FindsExactlyTheMatchingRecordsInBaseOrder) {
    SearchCriteria criteria;
    criteria.requiredQ = 5;
    criteria.requiredDT = 30;
    criteria.supplyVoltage = 14;
    criteria.supplyCurrent = 12;
    criteria.maxWidth = 40;
    const auto found = RunSearch(base_, criteria);
    ASSERT_FALSE(found.empty());
    EXPECT_LT(found.size(), base_.records.size());
    std::vector<std::uint32_t> expected;
    for (std::uint32_t i = 0; i < base_.records.size(); ++i) {
        if (RecordMatches(base_.records[i], base_.thot, criteria)) {
            expected.push_back(i);
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(RunSearchSequential(base_, criteria), expected);
}

TEST(Search, ModulesThatCannotBeDerivedAreNeverListed) {
    TemBase base;
    base.records.resize(3);
    base.records[0].derivable = true;
    base.records[2].derivable = true;
    base.count = 3;
    EXPECT_EQ(ShowAllModules(base), (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(RunSearch(base, SearchCriteria{}), (std::vector<std::uint32_t>{0, 2}));
}

TEST(Search, EmptyBaseFindsNothing) {
    EXPECT_TRUE(RunSearch(TemBase{}, SearchCriteria{}).empty());
    EXPECT_TRUE(ShowAllModules(TemBase{}).empty());
}

}  // namespace
}  // namespace vantiq
