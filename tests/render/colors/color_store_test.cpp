#include "render/colors/color_store.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gui_test_support.h"
#include "test_support.h"

namespace vantiq {
namespace {

// The settings of each test live in a folder of its own, never in the
// user's.
class ColorStore : public ::testing::Test {
protected:
    void SetUp() override { test::UseSettingsFolder(dir_.path()); }
    static QSettings Store() {
        return QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    }
    std::filesystem::path StoreFile() const { return dir_.path() / "Kestrin" / "Vantiq.conf"; }
    void WriteStore(const char* contents) const {
        std::filesystem::create_directories(StoreFile().parent_path());
        std::ofstream(StoreFile(), std::ios::binary) << contents;
    }

    test::TempDir dir_;
};

TEST_F(ColorStore, ReadsStoredNumbersAndKeepsDefaultsForTheRest) {
    {
        QSettings store = Store();
        store.setValue(QStringLiteral("Color1"), 0x00112233u);
        store.setValue(QStringLiteral("Color08"), QStringLiteral("blue"));
        store.setValue(QStringLiteral("Color04"), 4294967296.0);
        store.setValue(QStringLiteral("Color02"), 0u);
    }
    const Result<ColorSettings> colors = LoadStoredColors();
    ASSERT_TRUE(colors.ok());
    ColorSettings expected;
    expected.color1 = 0x00112233;
    expected.color02 = 0;
    EXPECT_EQ(*colors, expected);
}

struct StoreCase {
    const char* name;
    const char* contents;  // nullptr: no store at all
    ColorSettings expected;
    bool unreadable;
};

ColorSettings With06(std::uint32_t value) {
    ColorSettings colors;
    colors.color06 = value;
    return colors;
}

class ColorStoreFile : public ColorStore, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(ColorStoreFile, LoadsWhatCanBeReadAndKeepsDefaultsForTheRest) {
    if (GetParam().contents != nullptr) {
        WriteStore(GetParam().contents);
    }
    const Result<ColorSettings> colors = LoadStoredColors();
    EXPECT_EQ(colors.value_or(ColorSettings{}), GetParam().expected);
    EXPECT_EQ(!colors.ok(), GetParam().unreadable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorStoreFile,
    ::testing::Values(
        StoreCase{"FirstStartHasNoStore", nullptr, ColorSettings{}, false},
        StoreCase{"OnlyColor06", "[General]\nColor06=1193046\n", With06(0x123456), false},
        StoreCase{"NotANumber", "[General]\nColor06=teal\n", ColorSettings{}, false},
        StoreCase{"Negative", "[General]\nColor06=-1\n", ColorSettings{}, false},
        StoreCase{"AboveTheColourBits", "[General]\nColor06=16777216\n", ColorSettings{}, false},
        StoreCase{"List", "[General]\nColor06=1, 2\n", ColorSettings{}, false},
        StoreCase{"Fraction", "[General]\nColor06=1.5\n", ColorSettings{}, false},
        StoreCase{"Damaged", "\x01\xff[[[\n=\n", ColorSettings{}, true},
        // A list of 2^28 entries, which Qt would reserve before reading one.
        StoreCase{"VariantBlob",
                  "[General]\nColor06=1193046\nColor1=@Variant(\\0\\0\\0\\t\\x10\\0\\0\\0)\n",
                  ColorSettings{}, true},
        StoreCase{
            "EscapedVariantBlob",
            "[General]\nColor06=1193046\nColor1=\"\\x40Variant(\\0\\0\\0\\t\\x10\\0\\0\\0)\"\n",
            ColorSettings{}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorStore, SavedColoursComeBack) {
    ColorSettings colors;
    colors.color1 = 0x00123456;
    colors.color02 = 0;
    ASSERT_TRUE(SaveStoredColors(colors).ok());
    EXPECT_EQ(LoadStoredColors().value_or(ColorSettings{}), colors);
}

TEST_F(ColorStore, AStoreThatCannotBeReadIsNeitherReadNorOverwritten) {
    std::filesystem::create_directories(StoreFile());  // a folder where the file belongs
    const Result<ColorSettings> colors = LoadStoredColors();
    ASSERT_FALSE(colors.ok());
    EXPECT_EQ(colors.error().message, "Error loading settings!");
    EXPECT_FALSE(SaveStoredColors(ColorSettings{}).ok());

    std::filesystem::remove(StoreFile());
    WriteStore("\x01\xff[[[\n=\n");
    EXPECT_FALSE(SaveStoredColors(ColorSettings{}).ok());
    EXPECT_EQ(test::ReadBytes(StoreFile().string()).size(), 8u);
}

TEST_F(ColorStore, AnOversizedStoreIsRefusedAndKeptAsItIs) {
    std::string contents = "[General]\nColor06=1193046\n";
    while (contents.size() <= 64 * 1024) {
        contents += "; a comment line that only pads the store out\n";
    }
    WriteStore(contents.c_str());
    EXPECT_FALSE(LoadStoredColors().ok());
    EXPECT_FALSE(SaveStoredColors(ColorSettings{}).ok());
    EXPECT_EQ(test::ReadBytes(StoreFile().string()).size(), contents.size());
}

TEST_F(ColorStore, OnlyTheProgramsOwnStoreIsRead) {
    std::ofstream(dir_.path() / "Kestrin.conf") << "[General]\nColor06=1193046\n";
    EXPECT_EQ(LoadStoredColors().value_or(With06(1)), ColorSettings{});
}

}  // namespace
}  // namespace vantiq
