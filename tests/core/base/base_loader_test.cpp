#include "core/model/base_derivation.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/base/base_file.h"
#include "core/base/base_layout.h"
#include "core/model/rated_values.h"
#include "module_generator.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::WorkedExampleModule;

class BaseLoaderTest : public ::testing::Test {
protected:
    std::string Catalogue(const std::vector<TemRecord>& records) {
        std::vector<CatalogueEntry> entries;
        for (const auto& r : records) {
            entries.push_back({r, {}});
        }
        return test::WriteCatalogue(dir_.File("Base.tmb"), entries);
    }

    test::TempDir dir_;
    TemBase base_;
};

// Readers (the window and the command line) open the same catalogue side by
// side; a file held for writing is refused.
TEST_F(BaseLoaderTest, MissingOrHeldForWritingFileIsNotFound) {
    Status opened = OpenBase(base_, dir_.File("Base.tmb"));
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().message, "File not found or it's buzy by another process.");

    const auto path = Catalogue({WorkedExampleModule()});
    ASSERT_TRUE(OpenBase(base_, path).ok());
    TemBase second;
    EXPECT_TRUE(OpenBase(second, path).ok()) << "a second reader";
    base_ = TemBase();
    second = TemBase();
    auto writer = BaseFile::OpenExclusive(path);
    ASSERT_TRUE(writer);
    TemBase third;
    opened = OpenBase(third, path);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().message, "File not found or it's buzy by another process.");
    EXPECT_FALSE(third.isOpen);
}

class RecordingProgress : public LoadProgress {
public:
    void Started(std::uint32_t count) override { events.push_back(-static_cast<int>(count)); }
    void Advanced(std::uint32_t done) override { events.push_back(static_cast<int>(done)); }
    std::vector<int> events;
};

TEST_F(BaseLoaderTest, LoadsEveryRecordWithOneStepEach) {
    auto slim = WorkedExampleModule("SLIM");
    slim.file.pelletCount = 31;
    ASSERT_TRUE(OpenBase(base_, Catalogue({WorkedExampleModule(), slim})).ok());
    RecordingProgress progress;
    const auto result = LoadBase(base_, kDefaultThot, &progress);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(progress.events, (std::vector<int>{-2, 1, 2}));
    ASSERT_EQ(base_.records.size(), 2u);
    EXPECT_EQ(base_.records[1].Name(), "SLIM");
    EXPECT_EQ(base_.records[1].file.pelletCount, 31u);
    EXPECT_TRUE(base_.records[0].rated.derivable);
    EXPECT_NEAR(base_.records[0].rated.imax, 6.12, 1e-9);
}

TEST_F(BaseLoaderTest, ReloadAtAnotherHotSideDerivesAgainFromTheFileFields) {
    ASSERT_TRUE(OpenBase(base_, Catalogue({WorkedExampleModule()})).ok());
    LoadBase(base_, kDefaultThot);
    const TemRecord atStart = base_.records[0];
    LoadBase(base_, 330.0);
    EXPECT_NE(base_.records[0].rated.dtMax, atStart.rated.dtMax);
    EXPECT_EQ(base_.records[0].rated.acResistance, atStart.rated.acResistance);
    LoadBase(base_, 298.0);
    EXPECT_EQ(base_.records[0].rated.imax, atStart.rated.imax)
        << "the rated Imax must not feed the next derivation";
}

TEST_F(BaseLoaderTest, ModuleWithoutBalanceIsSkippedNotFatal) {
    auto dead = WorkedExampleModule("DEAD");
    dead.file.nominalCurrent = 0.0;
    auto broken = WorkedExampleModule("NAN\x1b[2J");
    broken.file.thermalConductivity = std::nan("");
    auto leaky = WorkedExampleModule("LEAKY");
    leaky.file.thermalConductivity = 1e300;  // heat leaks back faster than any current pumps it
    ASSERT_TRUE(OpenBase(base_, Catalogue({WorkedExampleModule("A"), leaky, dead, broken,
                                           WorkedExampleModule("B")}))
                    .ok());
    const auto result = LoadBase(base_, kDefaultThot);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->underivable, (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_TRUE(base_.records[4].rated.derivable) << "later modules must still be derived";
    EXPECT_EQ(UnderivableMessage(base_, result->underivable),
              "These entries do not describe a physical module (no pellets, or a size, current or "
              "material constant that is zero, negative or not a number) and are left out of "
              "every list:\nDEAD\nNAN\\x1b[2J\n\n"
              "These modules have no balance point at this hot-side temperature and are left out "
              "of every list:\nLEAKY");
    EXPECT_EQ(UnderivableMessage(base_, {}), "");
}

// Every field's bits, so that equal means identical.
std::vector<std::uint64_t> RecordBits(const TemRecord& r) {
    std::vector<std::uint64_t> bits(r.file.name.begin(), r.file.name.end());
    for (double value :
         {r.rated.imax, r.rated.umax, r.rated.dtMax, r.rated.qmax, r.rated.acResistance,
          r.file.nominalCurrent, r.file.pelletLength, r.file.pelletSide, r.file.width,
          r.file.length, r.file.height, r.file.electricalConductivity, r.file.seebeckCoefficient,
          r.file.thermalConductivity}) {
        bits.push_back(std::bit_cast<std::uint64_t>(value));
    }
    bits.push_back(r.file.pelletCount);
    bits.push_back(r.rated.derivable);
    return bits;
}

// More modules than one read takes, some of them not derivable.
std::vector<TemRecord> ManyModules() {
    auto modules = test::GeneratedModules(5000, 11);
    for (std::size_t i = 3; i < modules.size(); i += 700) {
        modules[i].file.nominalCurrent = 0.0;
    }
    return modules;
}

// A change of hot side derives the records in memory again: it reads no
// file (the one held is let go first), yet gives what a fresh load gives.
TEST_F(BaseLoaderTest, ReloadGivesTheRecordsOfAFreshLoadAtThatHotSide) {
    const auto path = Catalogue(ManyModules());
    ASSERT_TRUE(OpenBase(base_, path).ok());
    ASSERT_TRUE(LoadBase(base_, kDefaultThot).ok());
    base_.file = {};
    RecordingProgress progress;
    const auto reloaded = LoadBase(base_, 340.0, &progress);
    ASSERT_TRUE(reloaded.ok());
    EXPECT_EQ(progress.events.size(), 5001u);
    EXPECT_EQ(progress.events.back(), 5000);

    TemBase fresh;
    ASSERT_TRUE(OpenBase(fresh, path).ok());
    const auto loaded = LoadBase(fresh, 340.0);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(reloaded->underivable, loaded->underivable);
    ASSERT_EQ(base_.records.size(), fresh.records.size());
    for (std::size_t i = 0; i < fresh.records.size(); ++i) {
        ASSERT_EQ(RecordBits(base_.records[i]), RecordBits(fresh.records[i])) << i;
    }
}

// The rated values' bits and the verdict, so that equal means identical.
std::array<std::uint64_t, 6> RatedBits(const TemRecord& r) {
    return {std::bit_cast<std::uint64_t>(r.rated.imax),
            std::bit_cast<std::uint64_t>(r.rated.umax),
            std::bit_cast<std::uint64_t>(r.rated.dtMax),
            std::bit_cast<std::uint64_t>(r.rated.qmax),
            std::bit_cast<std::uint64_t>(r.rated.acResistance),
            r.rated.derivable};
}

TEST_F(BaseLoaderTest, ParallelLoadEqualsTheReferenceInBaseOrder) {
    auto modules = test::GeneratedModules(120, 5);
    for (std::size_t i = 7; i < modules.size(); i += 25) {
        modules[i].file.nominalCurrent = 0.0;
    }
    ASSERT_TRUE(OpenBase(base_, Catalogue(modules)).ok());
    RecordingProgress progress;
    const auto result = LoadBase(base_, 330.0, &progress);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->underivable, (std::vector<std::uint32_t>{7, 32, 57, 82, 107}));
    std::vector<int> steps{-120};
    for (int done = 1; done <= 120; ++done) {
        steps.push_back(done);
    }
    EXPECT_EQ(progress.events, steps);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        TemRecord expected = modules[i];
        ApplyRatedValues(expected, DeriveReference(modules[i], 330.0));
        EXPECT_EQ(RatedBits(base_.records[i]), RatedBits(expected)) << i;
    }
}

TEST(LoadBase, DoesNothingOnAClosedBase) {
    TemBase base;
    RecordingProgress progress;
    EXPECT_TRUE(LoadBase(base, kDefaultThot, &progress).ok());
    EXPECT_TRUE(progress.events.empty());
}

TEST(CountLine, NamesTheWholeCount) {
    EXPECT_EQ(CountLine(65536), "65536 base entries detected...decompressing...");
}

TEST(FindByName, ReturnsTheFirstExactMatch) {
    TemBase base;
    base.records = {WorkedExampleModule("A"), WorkedExampleModule("B"), WorkedExampleModule("A")};
    EXPECT_EQ(base.FindByName("A"), 0);
    EXPECT_EQ(base.FindByName("B"), 1);
    EXPECT_EQ(base.FindByName("a"), -1);
    EXPECT_EQ(base.FindByName(""), -1);
    EXPECT_EQ(RecordAt(base, -1), nullptr);
    EXPECT_EQ(RecordAt(base, 3), nullptr);
}

}  // namespace
}  // namespace vantiq
