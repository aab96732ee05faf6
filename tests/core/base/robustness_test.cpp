// Damaged catalogues: each gives the damaged-base message at the step that
// can tell, keeps nothing of a failed load, and holds no more memory than the
// file's size justifies.
#include <gtest/gtest.h>

#include <functional>

#include "allocation_meter.h"
#include "core/base/base_layout.h"
#include "core/base/picture_reader.h"
#include "core/model/base_derivation.h"
#include "core/model/hot_side.h"
#include "test_support.h"

namespace vantiq {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr const char* kDamaged = "TEM Base was damaged or it has invalid format.";

// Two sound modules without pictures: 4 + 2·116 bytes.
Bytes TwoModules() {
    return *EncodeBase(
        {{test::WorkedExampleModule("A"), {}}, {test::WorkedExampleModule("B"), {}}});
}

// What reading `bytes` cost at most, and the error of the step that failed.
struct Reading {
    Status open;
    Status load;
    bool recordsKept = false;
    std::size_t peakBytes = 0;
};

Reading Read(const Bytes& bytes) {
    test::TempDir dir;
    test::WriteBytes(dir.File("Base.tmb"), bytes);
    TemBase base;
    Reading reading;
    const test::AllocationMeter meter;
    reading.open = OpenBase(base, dir.File("Base.tmb"));
    if (const auto loaded = LoadBase(base, kDefaultThot); !loaded.ok()) {
        reading.load = loaded.error();
    }
    reading.recordsKept = !base.records.empty();
    for (std::uint32_t i = 0; i < 3; ++i) {
        ReadPicture(base, i);
    }
    reading.peakBytes = meter.PeakBytes();
    return reading;
}

enum class FailsAt { kOpen, kLoad };

struct DamageCase {
    const char* what;
    std::function<void(Bytes&)> damage;
    FailsAt failsAt;
};

const DamageCase kDamageCases[] = {
    {"empty file", [](Bytes& b) { b.clear(); }, FailsAt::kOpen},
    {"header cut short", [](Bytes& b) { b.resize(3); }, FailsAt::kOpen},
    {"count 0", [](Bytes& b) { WriteU32(0, b.data()); }, FailsAt::kOpen},
    {"count one beyond the entries", [](Bytes& b) { WriteU32(3, b.data()); }, FailsAt::kOpen},
    {"count far beyond the file", [](Bytes& b) { WriteU32(0x7FFFFFFF, b.data()); }, FailsAt::kOpen},
    {"count of four billion", [](Bytes& b) { WriteU32(0xFFFFFFFF, b.data()); }, FailsAt::kOpen},
    {"last entry cut short", [](Bytes& b) { b.pop_back(); }, FailsAt::kOpen},
    {"only the header and sizes", [](Bytes& b) { b.resize(EntriesOffset(2)); }, FailsAt::kOpen},
    {"first name without NUL",
     [](Bytes& b) { std::fill_n(b.begin() + EntriesOffset(2), kNameSize, 'N'); }, FailsAt::kLoad},
    {"last name without NUL",
     [](Bytes& b) { std::fill_n(b.begin() + EntriesOffset(2) + kEntrySize, kNameSize, 0xC0); },
     FailsAt::kLoad},
};

TEST(DamagedCatalogue, GivesTheDamagedMessageAndKeepsNothing) {
    for (const auto& c : kDamageCases) {
        Bytes bytes = TwoModules();
        c.damage(bytes);
        const Reading reading = Read(bytes);
        const Status& failed = c.failsAt == FailsAt::kOpen ? reading.open : reading.load;
        ASSERT_FALSE(failed.ok()) << c.what;
        EXPECT_EQ(failed.error().message, kDamaged) << c.what;
        EXPECT_FALSE(reading.recordsKept) << c.what;
        // Nothing is sized from the file's claims before they are checked
        // against its length.
        EXPECT_LE(reading.peakBytes, 8 * bytes.size() + 4096) << c.what;
    }
}

TEST(DamagedCatalogue, PictureClaimsBeyondTheFileReadNothing) {
    const auto m = test::WorkedExampleModule();
    struct {
        const char* what;
        std::uint32_t first;
        std::uint32_t second;
    } const cases[] = {
        {"size one past the end", 3, 3},
        {"sizes of nearly 4 GiB", 0xFFFFFFFF, 0xFFFFFFFF},
        {"sum passing 4 GiB wraps to 1 in 32 bits", 0xFFFFFFFF, 2},
    };
    for (const auto& c : cases) {
        Bytes bytes = *EncodeBase({{m, {1, 2}}, {m, {3, 4, 5}}});
        WriteU32(c.first, bytes.data() + 4);
        WriteU32(c.second, bytes.data() + 8);
        test::TempDir dir;
        test::WriteBytes(dir.File("Base.tmb"), bytes);
        TemBase base;
        ASSERT_TRUE(OpenBase(base, dir.File("Base.tmb")).ok()) << c.what;
        const test::AllocationMeter meter;
        EXPECT_TRUE(ReadPicture(base, 1).empty()) << c.what;
        EXPECT_LE(meter.PeakBytes(), 1024u) << c.what;
    }
}

TEST(DamagedCatalogue, UnphysicalModulesLoadButAreNeverRated) {
    auto negative = test::WorkedExampleModule("NEG");
    negative.file.pelletLength = -0.0016;
    auto nan = test::WorkedExampleModule("NAN");
    nan.file.electricalConductivity = std::numeric_limits<double>::quiet_NaN();
    auto infinite = test::WorkedExampleModule("INF");
    infinite.file.height = std::numeric_limits<double>::infinity();
    const Bytes bytes = *EncodeBase(
        {{negative, {}}, {test::WorkedExampleModule("GOOD"), {}}, {nan, {}}, {infinite, {}}});
    test::TempDir dir;
    test::WriteBytes(dir.File("Base.tmb"), bytes);
    TemBase base;
    ASSERT_TRUE(OpenBase(base, dir.File("Base.tmb")).ok());
    const auto result = LoadBase(base, kDefaultThot);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->underivable, (std::vector<std::uint32_t>{0, 2, 3}));
    EXPECT_TRUE(base.records[1].rated.derivable);
    EXPECT_EQ(UnderivableMessage(base, result->underivable),
              "These entries do not describe a physical module (no pellets, or a size, current or "
              "material constant that is zero, negative or not a number) and are left out of "
              "every list:\nNEG\nNAN\nINF");
}

}  // namespace
}  // namespace vantiq
