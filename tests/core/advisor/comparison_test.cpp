#include "core/advisor/comparison.h"

#include <gtest/gtest.h>

#include "core/model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

TEST(ShownFirst, PutsTheShownModuleFirstAndDropsRepeats) {
    struct Case {
        const char* proves;
        std::int32_t shown;
        std::vector<std::int32_t> picked;
        std::vector<std::int32_t> expected;
    };
    const Case cases[] = {
        {"the shown one leads, the rest keep list order", 7, {2, 7, 4}, {7, 2, 4}},
        {"not among the picks: it alone", 7, {2, 4}, {7}},
        {"nothing shown: nothing compared", -1, {2, 4}, {}},
        {"repeats and rows without a module go", 4, {4, -1, 2, 2}, {4, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShownFirst(c.shown, c.picked), c.expected) << c.proves;
    }
}

class ComparisonTableTest : public testing::Test {
protected:
    void SetUp() override {
        base_.records = {test::WorkedExampleModule("A"), test::WorkedExampleModule("B")};
        DeriveRatedValues(base_.records[0], 298.0);
        base_.records[1].rated.derivable = false;
    }
    TemBase base_;
};

TEST_F(ComparisonTableTest, OneColumnPerModuleWithDashesWhereValuesAreMissing) {
    const auto rows = ComparisonTable(base_, {{0, 1, 5}, {}});  // 5: a catalogue since replaced
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0].values, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(rows[1].label, "Imax, A");
    EXPECT_EQ(rows[1].values[1], "–");
    EXPECT_EQ(rows[6].values, (std::vector<std::string>{"127", "127"}));
    EXPECT_EQ(rows[7].values[0], "40 × 40 × 3.8");
}

TEST_F(ComparisonTableTest, PointsGetAColumnEachAndRowsOfTheirOwn) {
    OperatingPoint p;
    p.index = 0;
    p.modules = 2;
    p.wiring = Wiring::Parallel;
    p.current = 1.23456;
    p.thot = 307.43;
    const auto rows = ComparisonTable(base_, {{0}, {p, p}});
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0].values, (std::vector<std::string>{"A", "A"}));
    EXPECT_EQ(rows[8].values[0], "2 in parallel");
    EXPECT_EQ(rows[9].values[0], "1.235");
    EXPECT_EQ(rows[14].values[1], "34.4");
}

}  // namespace
}  // namespace vantiq
