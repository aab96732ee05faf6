// Catalogues far larger than any vendor ships: they open, load with one
// progress step per module and hold memory in proportion to their size.
#include <gtest/gtest.h>

#include <cstdio>

#include "allocation_meter.h"
#include "core/base/picture_reader.h"
#include "core/model/base_derivation.h"
#include "core/model/hot_side.h"
#include "load_step_counter.h"
#include "test_support.h"

namespace vantiq {
namespace {

std::string ModuleName(std::uint32_t i) {
    char name[16];
    std::snprintf(name, sizeof name, "M%06u", i);
    return name;
}

// Every module is sound, but most have a nominal current so small that only
// the current 0 is scanned, which keeps a full derivation of the base within
// seconds; every 10000th is the worked example and is derived in full.
std::vector<CatalogueEntry> LargeCatalogue(std::uint32_t count) {
    std::vector<CatalogueEntry> entries(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        entries[i].record = test::WorkedExampleModule(ModuleName(i));
        if (i % 10000 != 0) {
            entries[i].record.file.nominalCurrent = 5e-324;
        }
    }
    entries.back().picture = {1, 2, 3};
    return entries;
}

class LargeBase : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(LargeBase, LoadsEveryModuleWithProgressInProportionalMemory) {
#ifdef VANTIQ_SANITIZED
    GTEST_SKIP() << "minutes under the sanitizers; the plain build runs it";
#endif
    const std::uint32_t count = GetParam();
    test::TempDir dir;
    const auto path = test::WriteCatalogue(dir.File("Base.tmb"), LargeCatalogue(count));
    const auto fileSize = std::filesystem::file_size(path);

    TemBase base;
    LoadStepCounter progress;
    const test::AllocationMeter meter;
    ASSERT_TRUE(OpenBase(base, path).ok());
    const auto result = LoadBase(base, kDefaultThot, &progress);
    const std::size_t peak = meter.PeakBytes();

    ASSERT_TRUE(result.ok());
    EXPECT_EQ(CountLine(base.count),
              std::to_string(count) + " base entries detected...decompressing...");
    EXPECT_TRUE(progress.SteppedThrough(count)) << progress.steps << " steps";
    EXPECT_TRUE(result->underivable.empty());
    ASSERT_EQ(base.records.size(), count);
    EXPECT_NEAR(base.records[(count - 1) / 10000 * 10000].rated.imax, 6.12, 1e-9);
    EXPECT_EQ(base.FindByName(ModuleName(count - 1)), static_cast<std::int32_t>(count - 1));
    EXPECT_EQ(ReadPicture(base, count - 1), (std::vector<unsigned char>{1, 2, 3}));
    // The entries' read buffer and the records, never more than three times
    // the file.
    EXPECT_LE(peak, 3 * fileSize) << "file of " << fileSize << " bytes";

    // A load at another hot side stages the new values beside the records:
    // it must not hold the catalogue a second time.
    const test::AllocationMeter reloadMeter;
    ASSERT_TRUE(LoadBase(base, 330.0).ok());
    EXPECT_LE(reloadMeter.PeakBytes(), base.records.size() * sizeof(TemRecord) / 2);
    EXPECT_EQ(base.FindByName(ModuleName(count - 1)), static_cast<std::int32_t>(count - 1));
}

INSTANTIATE_TEST_SUITE_P(Counts, LargeBase, ::testing::Values(65536u, 200000u));

}  // namespace
}  // namespace vantiq
