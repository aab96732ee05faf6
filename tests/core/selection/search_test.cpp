#include "core/selection/search.h"

#include <gtest/gtest.h>

namespace vantiq {
namespace {

TEST(Search, WithoutCriteriaListsEveryDerivableModuleInBaseOrder) {
    TemBase base;
    base.records.resize(4);
    for (std::size_t i : {0, 2, 3}) {
        base.records[i].derivable = true;
    }
    base.count = 4;
    EXPECT_EQ(ShowAllModules(base), (std::vector<std::uint32_t>{0, 2, 3}));
    EXPECT_EQ(RunSearch(base, SearchCriteria{}), (std::vector<std::uint32_t>{0, 2, 3}));
}

}  // namespace
}  // namespace vantiq
