#include "core/selection/name_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace vantiq {
namespace {

TemBase BaseNamed(const std::vector<std::string>& names) {
    TemBase base;
    for (const auto& name : names) {
        TemRecord record;
        std::memcpy(record.file.name.data(), name.data(),
                    std::min(name.size(), record.file.name.size()));
        base.records.push_back(record);
    }
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

// "M<n>" and n % 3 bytes 0xC0, built by appending: GCC 12 warns falsely
// (-Wrestrict) on `"M" + std::to_string(n)` in an optimised build.
std::string NumberedName(std::uint64_t n) {
    std::string name(1, 'M');
    name.append(std::to_string(n)).append(n % 3, '\xC0');
    return name;
}

TEST(NameIndex, AnswersAsTheLinearSearchDoes) {
    // Many repeated names, prefixes of one another and 30-byte names without
    // a NUL make long probe runs and near misses.
    std::mt19937 random(7);
    std::vector<std::string> names;
    for (int i = 0; i < 3000; ++i) {
        const auto n = random() % 900;
        names.push_back(n % 7 == 0 ? std::string(30, static_cast<char>('A' + n % 26))
                                   : NumberedName(n));
    }
    const TemBase base = BaseNamed(names);
    const NameIndex index(base);
    for (int n = 0; n < 1000; ++n) {
        const std::string probe = NumberedName(static_cast<std::uint64_t>(n));
        ASSERT_EQ(index.Find(probe), base.FindByName(probe)) << probe;
        ASSERT_EQ(index.Find(probe + "x"), -1);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_EQ(index.Find(base.records[i].Name()), base.FindByName(base.records[i].Name()));
    }
    EXPECT_EQ(index.Find(""), -1);
}

TEST(NameIndex, AnEmptyBaseHoldsNoName) {
    const TemBase base;
    EXPECT_EQ(NameIndex(base).Find("M1"), -1);
    EXPECT_EQ(NameIndex(base).Find(""), -1);
}

}  // namespace
}  // namespace vantiq
