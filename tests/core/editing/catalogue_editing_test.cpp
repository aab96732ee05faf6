#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/base_file.h"
#include "core/base/catalogue_reader.h"
#include "core/editing/catalogue_names.h"
#include "core/editing/catalogue_update.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::ErrorText;

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// The bytes of a held file, read through the holder: a second open of it
// fails where the lock is mandatory (Windows).
std::vector<unsigned char> HeldBytes(const BaseFile& held) {
    std::vector<unsigned char> bytes(held.Size());
    return held.ReadAt(0, bytes.data(), bytes.size()) ? bytes : std::vector<unsigned char>{};
}

TEST(CatalogueEditing, NamesAreStoredInWindows1251WithinTheirField) {
    struct Case {
        std::string utf8;
        std::string stored;  // the bytes kept, when the name is taken
        std::string error;
    };
    const Case cases[] = {
        {"VQ-127-1.4", "VQ-127-1.4", ""},
        {"\xD0\x9C-1 \xE2\x82\xAC", "\xCC-1 \x88", ""},  // "М-1 €"
        {std::string(29, 'x'), std::string(29, 'x'), ""},
        {std::string(30, 'x'), "",
         "the name '" + std::string(30, 'x') + "' is longer than 29 bytes"},
        // Two bytes each in UTF-8, one in Windows-1251: 29 letters fit.
        {Repeated("\xD0\x96", 29), std::string(29, '\xC6'), ""},
        {std::string("a\0b", 3), "", "the name 'a\\x00b' holds a NUL character"},
        {"\xE6\x97\xA5", "", "the name '\xE6\x97\xA5' holds a character Windows-1251 lacks"},
    };
    for (const Case& c : cases) {
        const Result<CatalogueEntry> entry =
            BuildCatalogueEntry(c.utf8, test::WorkedExampleModule(), {1, 2});
        EXPECT_EQ(ErrorText(entry), c.error) << c.utf8;
        if (entry.ok() && !c.stored.empty()) {
            EXPECT_EQ(entry->record.Name(), c.stored);
            EXPECT_EQ(entry->picture, (std::vector<unsigned char>{1, 2}));
        }
    }
}

TEST(CatalogueEditing, AddingToTheHeldCatalogueKeepsItHeldAndRefusesANameTwice) {
    const test::TempDir dir;
    const std::string path = test::WriteCatalogue(
        dir.File("Base.tmb"),
        {{test::WorkedExampleModule("A"), {}},
         {test::WorkedExampleModule("B"), {}},
         {test::WorkedExampleModule("B"), {}}});  // a name twice does not stop an addition
    auto held = BaseFile::OpenShared(path);
    ASSERT_TRUE(held);

    const std::vector<unsigned char> before = HeldBytes(*held);
    ASSERT_FALSE(before.empty());
    {
        auto reader = BaseFile::OpenShared(path);
        ASSERT_TRUE(reader) << "another program reads the catalogue too";
        EXPECT_EQ(
            ErrorText(AddToHeldCatalogue(*held, path, {{test::WorkedExampleModule("C"), {}}})),
            "Cannot write " + path + ": another program has it open; close it there and try again");
        EXPECT_EQ(HeldBytes(*held), before);
    }
    EXPECT_EQ(ErrorText(AddToHeldCatalogue(
                  *held, path,
                  {{test::WorkedExampleModule("C"), {}}, {test::WorkedExampleModule("A"), {}}})),
              "the name 'A' is used twice (modules 1 and 5)");
    EXPECT_EQ(HeldBytes(*held), before);

    ASSERT_EQ(ErrorText(AddToHeldCatalogue(*held, path, {{test::WorkedExampleModule("C"), {7}}})),
              "");
    EXPECT_FALSE(BaseFile::OpenExclusive(path)) << "the new file is held again";
    const Result<StoredCatalogue> stored = ReadCatalogue(*held);
    ASSERT_TRUE(stored.ok());
    ASSERT_EQ(stored->entries.size(), 4u);
    EXPECT_EQ(stored->entries[3].record.Name(), "C");
    EXPECT_EQ(stored->entries[3].picture, (std::vector<unsigned char>{7}));
    EXPECT_EQ(ErrorText(ReplaceHeldCatalogue(*held, path, {})), ErrorText(EncodeBase({})));
    EXPECT_EQ(HeldBytes(*held).size(), stored->fileSize) << "a refused write keeps the file";
    EXPECT_EQ(test::ReadBytes(BackupPathOf(path)), before) << "the file before the addition";
}

// A removal writes the catalogue without the module and keeps the one before
// it as Base.tmb.bak; one that fails leaves the catalogue as it was, held.
TEST(CatalogueEditing, RemovingFromTheHeldCatalogueKeepsThePreviousFile) {
    const test::TempDir dir;
    const std::string path =
        test::WriteCatalogue(dir.File("Base.tmb"), {{test::WorkedExampleModule("A"), {}},
                                                    {test::WorkedExampleModule("B"), {1}},
                                                    {test::WorkedExampleModule("C"), {}}});
    auto held = BaseFile::OpenShared(path);
    ASSERT_TRUE(held);
    const std::vector<unsigned char> before = HeldBytes(*held);
    EXPECT_EQ(ErrorText(RemoveFromHeldCatalogue(*held, path, 3)),
              "the catalogue holds no module 4");
    // A folder where the backup goes: the backup cannot be written.
    std::filesystem::create_directory(BackupPathOf(path));
    EXPECT_NE(ErrorText(RemoveFromHeldCatalogue(*held, path, 1)).find(".bak"), std::string::npos);
    EXPECT_EQ(HeldBytes(*held), before);
    EXPECT_FALSE(BaseFile::OpenExclusive(path)) << "still held";
    std::filesystem::remove(BackupPathOf(path));

    ASSERT_EQ(ErrorText(RemoveFromHeldCatalogue(*held, path, 1)), "");
    const Result<StoredCatalogue> stored = ReadCatalogue(*held);
    ASSERT_TRUE(stored.ok());
    ASSERT_EQ(stored->entries.size(), 2u);
    EXPECT_EQ(stored->entries[0].record.Name(), "A");
    EXPECT_EQ(stored->entries[1].record.Name(), "C");
    EXPECT_EQ(test::ReadBytes(BackupPathOf(path)), before);
}

}  // namespace
}  // namespace vantiq
