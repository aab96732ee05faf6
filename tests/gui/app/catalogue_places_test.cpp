#include "gui/app/catalogue_places.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui_test_support.h"
#include "test_support.h"

namespace vantiq {
namespace {

class CataloguePlaces : public ::testing::Test {
protected:
    void SetUp() override { test::UseSettingsFolder(dir_.path()); }
    std::filesystem::path StoreFile() const { return dir_.path() / "Kestrin" / "Vantiq.conf"; }
    std::string StoreBytes() const {
        std::ifstream in(StoreFile(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    test::TempDir dir_;
};

TEST_F(CataloguePlaces, RemembersTheCatalogueOpenedLast) {
    EXPECT_TRUE(RememberedCatalogue().isEmpty());
    const QString path = QString::fromStdString(dir_.File("Base.tmb"));
    RememberCatalogue(path);
    EXPECT_EQ(RememberedCatalogue(), path);
}

TEST_F(CataloguePlaces, AStoreWithAStreamedValueIsNeitherReadNorOverwritten) {
    // Decoding this value would reserve 2^28 list entries.
    const std::string hostile =
        "[General]\nLastCatalogue=/elsewhere/"
        "Base.tmb\nColor1=@Variant(\\0\\0\\0\\t\\x10\\0\\0\\0)\n";
    std::filesystem::create_directories(StoreFile().parent_path());
    std::ofstream(StoreFile(), std::ios::binary) << hostile;
    EXPECT_TRUE(RememberedCatalogue().isEmpty());
    RememberCatalogue(QString::fromStdString(dir_.File("Base.tmb")));
    EXPECT_EQ(StoreBytes(), hostile);
}

}  // namespace
}  // namespace vantiq
