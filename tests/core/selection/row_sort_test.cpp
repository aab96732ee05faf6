#include "core/selection/row_sort.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/selection/sort_key.h"

namespace vantiq {
namespace {

using Rows = std::vector<std::string>;

TemRecord ModuleWithPellets(const std::string& name, std::uint32_t pellets, double qmax = 0) {
    TemRecord r;
    std::strncpy(r.file.name.data(), name.c_str(), r.file.name.size() - 1);
    r.file.pelletCount = pellets;
    r.rated.qmax = qmax;
    r.rated.imax = qmax / 10;
    r.rated.umax = pellets / 10.0;
    r.rated.derivable = true;
    return r;
}

TemBase BaseOf(std::vector<TemRecord> records) {
    TemBase base;
    base.records = std::move(records);
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

TEST(SortRows, EqualKeysFollowTheExchangeOrder) {
    const TemBase base = BaseOf(
        {ModuleWithPellets("M1", 127), ModuleWithPellets("M2", 127), ModuleWithPellets("M3", 71)});
    EXPECT_EQ(SortRows(base, {"M1", "M2", "M3"}, SortKey::Pellets, SortOrder::Ascending),
              (Rows{"M3", "M2", "M1"}));
    EXPECT_EQ(SortRows(base, {"M1", "M2", "M3"}, SortKey::Pellets, SortOrder::Descending),
              (Rows{"M1", "M2", "M3"}));
}

TEST(SortRows, NamesSortAsUnsignedBytes) {
    const Rows names = {"a", "\xC0-1", "Z", "1", "B", "\xE0", "b"};
    const TemBase base = BaseOf({});
    EXPECT_EQ(SortRows(base, names, SortKey::Name, SortOrder::Ascending),
              (Rows{"1", "B", "Z", "a", "b", "\xC0-1", "\xE0"}))
        << "digits, capitals, small letters, then Cyrillic bytes above 127";
    EXPECT_EQ(SortRows(base, names, SortKey::Name, SortOrder::Descending),
              (Rows{"\xE0", "\xC0-1", "b", "a", "Z", "B", "1"}));
    EXPECT_EQ(SortRows(base, {"AB", "A", "ABC"}, SortKey::Name, SortOrder::Ascending),
              (Rows{"A", "AB", "ABC"}))
        << "a prefix sorts first";
}

TEST(SortRows, RowsTakeTheValuesOfTheFirstRecordBearingTheirName) {
    const TemBase base = BaseOf({ModuleWithPellets("DUP", 1, 1.0), ModuleWithPellets("X", 1, 5.0),
                                 ModuleWithPellets("DUP", 1, 9.0)});
    EXPECT_EQ(SortRows(base, {"DUP", "X", "DUP"}, SortKey::Qmax, SortOrder::Descending),
              (Rows{"X", "DUP", "DUP"}));
}

TEST(SortRows, AnUnknownNameSortsAsTheSmallestValue) {
    const TemBase base = BaseOf({ModuleWithPellets("A", 1, 1.0), ModuleWithPellets("B", 1, -5.0)});
    EXPECT_EQ(SortRows(base, {"A", "GONE", "B"}, SortKey::Qmax, SortOrder::Ascending),
              (Rows{"GONE", "B", "A"}));
}

// The sort as the list has always done it: an exchange sort comparing the
// values of the module each row names, found by a search of the base. Each
// row carries its value, found once rather than at every comparison; the
// search finds the same record either way.
Rows ReferenceSort(const TemBase& base, const Rows& names, SortKey key, SortOrder order) {
    std::vector<std::pair<double, std::string>> rows;
    for (const std::string& name : names) {
        const auto& r = base.records[static_cast<std::size_t>(base.FindByName(name))];
        rows.emplace_back(key == SortKey::Qmax      ? r.rated.qmax
                          : key == SortKey::Pellets ? static_cast<double>(r.file.pelletCount)
                          : key == SortKey::Imax    ? r.rated.imax
                                                    : r.rated.umax,
                          name);
    }
    auto less = [key](const auto& a, const auto& b) {
        if (key == SortKey::Name) {
            return std::strcmp(a.second.c_str(), b.second.c_str()) < 0;
        }
        return a.first < b.first;
    };
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        for (std::size_t j = i; j < rows.size(); ++j) {
            const bool swap =
                order == SortOrder::Ascending ? less(rows[j], rows[i]) : less(rows[i], rows[j]);
            if (swap) {
                std::swap(rows[i], rows[j]);
            }
        }
    }
    Rows sorted;
    for (auto& row : rows) {
        sorted.push_back(std::move(row.second));
    }
    return sorted;
}

TEST(SortRows, AgreesWithTheReferenceOnRandomRowsWithManyTies) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        std::vector<TemRecord> records;
        Rows rows;
        for (int i = 0; i < 150; ++i) {
            std::string name = "N";
            name += std::to_string(random() % 60);
            name += static_cast<char>(0xC0 + random() % 3);
            records.push_back(ModuleWithPellets(name, 10 + random() % 4, (random() % 5) * 0.5));
            rows.push_back(name);  // duplicate names give duplicate rows
        }
        const TemBase base = BaseOf(records);
        std::shuffle(rows.begin(), rows.end(), random);
        for (int key = 0; key <= 4; ++key) {
            for (SortOrder order : {SortOrder::Descending, SortOrder::Ascending}) {
                const auto k = static_cast<SortKey>(key);
                const Rows once = SortRows(base, rows, k, order);
                ASSERT_EQ(once, ReferenceSort(base, rows, k, order))
                    << "round " << round << " key " << key;
                // Sorted rows sorted again, as after a reload, either way.
                for (SortOrder again : {SortOrder::Descending, SortOrder::Ascending}) {
                    ASSERT_EQ(SortRows(base, once, k, again), ReferenceSort(base, once, k, again))
                        << "round " << round << " key " << key << " again";
                }
            }
        }
    }
}

TEST(KeyColumn, HeadersAndTextsOfTheThirdColumn) {
    TemRecord r = ModuleWithPellets("M", 127, 53.35);
    r.rated.imax = 6.12;
    r.rated.umax = 14.25;
    EXPECT_EQ(KeyColumnHeader(SortKey::Name), std::nullopt);
    EXPECT_EQ(KeyColumnHeader(SortKey::Qmax), "Qmax, W");
    EXPECT_EQ(KeyColumnHeader(SortKey::Pellets), "Pellets number, pcs");
    EXPECT_EQ(KeyColumnHeader(SortKey::Imax), "Imax, A");
    EXPECT_EQ(KeyColumnHeader(SortKey::Umax), "Umax, V");
    EXPECT_EQ(KeyColumnText(r, SortKey::Name), "");
    EXPECT_EQ(KeyColumnText(r, SortKey::Qmax), "53.4");
    EXPECT_EQ(KeyColumnText(r, SortKey::Pellets), "127");
    EXPECT_EQ(KeyColumnText(r, SortKey::Imax), "6.1");
    EXPECT_EQ(KeyColumnText(r, SortKey::Umax), "14.2");
}

}  // namespace
}  // namespace vantiq
