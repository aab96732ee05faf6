#include "core/base/catalogue_finder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/base/base_error.h"
#include "core/base/base_file.h"
#include "core/base/data_folders.h"
#include "test_support.h"

namespace vantiq {
namespace {

// Three folders as the search sees them: the current one, the user's and the
// installed one, each empty until a test puts a catalogue there.
class CatalogueFinderTest : public ::testing::Test {
protected:
    CatalogueFinderTest() {
        for (const char* name : {"current", "user", "installed"}) {
            std::filesystem::create_directory(dir_.path() / name);
        }
    }

    std::string Folder(const char* name) const { return (dir_.path() / name).string(); }
    std::string Base(const char* folder) const { return JoinPath(Folder(folder), kBaseFileName); }
    void PutCatalogue(const char* folder) const {
        test::WriteCatalogue(Base(folder), {{test::WorkedExampleModule(folder), {}}});
    }
    std::vector<CatalogueCandidate> Candidates(const std::string& remembered = "") const {
        return CatalogueCandidates(
            {remembered, Folder("current"), Folder("user"), Folder("installed")});
    }

    test::TempDir dir_;
    TemBase base_;
};

TEST_F(CatalogueFinderTest, TriesTheRememberedFileThenEachFolderInOrder) {
    const auto candidates = Candidates("/x/mine.tmb");
    ASSERT_EQ(candidates.size(), 4u);
    EXPECT_EQ(candidates[0].path, "/x/mine.tmb");
    EXPECT_TRUE(candidates[0].optional);
    EXPECT_EQ(candidates[1].path, Base("current"));
    EXPECT_EQ(candidates[3].path, Base("installed"));
    EXPECT_FALSE(candidates[3].optional);
    EXPECT_EQ(CatalogueCandidates({"", "", "/u", ""}).size(), 1u) << "empty folders are left out";
}

TEST_F(CatalogueFinderTest, OpensTheFirstFileThatIsThere) {
    PutCatalogue("user");
    PutCatalogue("installed");
    const auto found = OpenFirstBase(base_, Candidates());
    ASSERT_TRUE(found.ok()) << found.error().message;
    EXPECT_EQ(*found, Base("user"));
    EXPECT_TRUE(base_.isOpen);
}

TEST_F(CatalogueFinderTest, NamesEveryPathTriedWhenNoneIsThere) {
    const auto found = OpenFirstBase(base_, Candidates());
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.error().message, std::string(kBaseNotFoundMessage) +
                                         "\n\nLooked for the catalogue in:\n" + Base("current") +
                                         ": not found\n" + Base("user") + ": not found\n" +
                                         Base("installed") + ": not found");
    EXPECT_FALSE(base_.isOpen);
}

TEST_F(CatalogueFinderTest, AHeldOrDamagedFileStopsTheSearch) {
    PutCatalogue("current");
    PutCatalogue("installed");
    const auto writer = BaseFile::OpenExclusive(Base("current"));  // a writer holds it
    ASSERT_TRUE(writer);
    auto found = OpenFirstBase(base_, Candidates());
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.error().message.substr(0, found.error().message.find('\n')),
              kBaseNotFoundMessage);
    EXPECT_NE(found.error().message.find(Base("current") + ": held by another process"),
              std::string::npos);
    EXPECT_EQ(found.error().message.find(Base("installed")), std::string::npos)
        << "the user's catalogue must not be swapped for the installed one";

    test::WriteBytes(Base("user"), {0, 0, 0, 0});
    found = OpenFirstBase(base_, {{Base("user")}, {Base("installed")}});
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.error().message.substr(0, found.error().message.find('\n')),
              kBaseDamagedMessage);
    EXPECT_NE(found.error().message.find(Base("user") + ": damaged"), std::string::npos);
}

TEST_F(CatalogueFinderTest, ABadRememberedFileGivesWayToTheFolders) {
    PutCatalogue("installed");
    const std::string remembered = dir_.File("gone-bad.tmb");
    test::WriteBytes(remembered, {1});
    const auto found = OpenFirstBase(base_, Candidates(remembered));
    ASSERT_TRUE(found.ok()) << found.error().message;
    EXPECT_EQ(*found, Base("installed"));
}

TEST(DataFolders, InstalledDataSitsBesideTheProgramsFolder) {
#ifdef _WIN32
    EXPECT_EQ(InstalledDataFolder("C:\\Vantiq"), "C:\\Vantiq") << "the unpacked folder itself";
#else
    const std::string sep(1, JoinPath("a", "b")[1]);
    EXPECT_EQ(InstalledDataFolder("/opt/vantiq/bin"),
              "/opt/vantiq" + sep + "share" + sep + "vantiq");
    EXPECT_EQ(InstalledDataFolder("/opt/vantiq/bin/"),
              "/opt/vantiq" + sep + "share" + sep + "vantiq");
    EXPECT_EQ(InstalledDataFolder("/bin"), "") << "nothing above the root";
    EXPECT_EQ(InstalledDataFolder(""), "");
#endif
    EXPECT_EQ(JoinPath("/data/", "Base.tmb"), "/data/Base.tmb");
}

#ifndef _WIN32
TEST(DataFolders, UserDataFollowsXdgDataHomeAsQtDoes) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "/xdg/data", 1);
    EXPECT_EQ(UserDataFolder(), "/xdg/data/Kestrin/Vantiq");
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(UserDataFolder(), home + "/.local/share/Kestrin/Vantiq")
        << "a relative one is ignored";
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataFolder(), home + "/.local/share/Kestrin/Vantiq");
}
#endif

}  // namespace
}  // namespace vantiq
