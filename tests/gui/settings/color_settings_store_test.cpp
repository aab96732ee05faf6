#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gui_test_support.h"
#include "settings/color_settings_store.h"
#include "test_support.h"

namespace vantiq::test {
namespace {

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

class ColorStoreTest : public ::testing::TestWithParam<StoreCase> {
protected:
    void SetUp() override { UseSettingsFolder(dir_.path()); }
    std::filesystem::path StoreFile() const { return dir_.path() / "Kestrin" / "Vantiq.conf"; }
    void WriteStore(const char* contents) const {
        std::filesystem::create_directories(StoreFile().parent_path());
        std::ofstream(StoreFile(), std::ios::binary) << contents;
    }

    TempDir dir_;
};

TEST_P(ColorStoreTest, LoadsWhatCanBeReadAndKeepsDefaultsForTheRest) {
    if (GetParam().contents != nullptr) {
        WriteStore(GetParam().contents);
    }
    const StoredColors stored = LoadColorSettings();
    EXPECT_EQ(stored.colors, GetParam().expected);
    EXPECT_EQ(stored.unreadable, GetParam().unreadable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorStoreTest,
    ::testing::Values(
        StoreCase{"FirstStartHasNoStore", nullptr, ColorSettings{}, false},
        StoreCase{"OnlyColor06", "[General]\nColor06=1193046\n", With06(0x123456), false},
        StoreCase{"NotANumber", "[General]\nColor06=teal\n", ColorSettings{}, false},
        StoreCase{"WiderThanAColour", "[General]\nColor06=16777216\n", ColorSettings{}, false},
        StoreCase{"Negative", "[General]\nColor06=-1\n", ColorSettings{}, false},
        StoreCase{"LargestColour", "[General]\nColor06=16777215\n", With06(0xFFFFFF), false},
        StoreCase{"Damaged", "\x01\xff[[[\n=\n", ColorSettings{}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorStoreTest, SavedColoursComeBack) {
    ColorSettings colors;
    colors.color1 = 0x00123456;
    colors.color02 = 0;
    ASSERT_TRUE(SaveColorSettings(colors));
    EXPECT_EQ(LoadColorSettings().colors, colors);
}

TEST_F(ColorStoreTest, AStoreThatCannotBeReadIsNeitherReadNorOverwritten) {
    std::filesystem::create_directories(StoreFile());  // a folder where the file belongs
    EXPECT_TRUE(LoadColorSettings().unreadable);
    EXPECT_FALSE(SaveColorSettings(ColorSettings{}));

    std::filesystem::remove(StoreFile());
    WriteStore("\x01\xff[[[\n=\n");
    EXPECT_FALSE(SaveColorSettings(ColorSettings{}));
    EXPECT_EQ(ReadBytes(StoreFile().string()).size(), 8u);
}

}  // namespace
}  // namespace vantiq::test
