#include "core/base/base_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "test_support.h"

namespace vantiq {
namespace {

TEST(BaseFile, HoldsTheFileExclusivelyUntilReleased) {
    test::TempDir dir;
    const auto path = dir.File("Base.tmb");
    test::WriteBytes(path, {1, 2, 3, 4, 5});
    {
        auto first = BaseFile::OpenExclusive(path);
        ASSERT_TRUE(first);
        EXPECT_FALSE(BaseFile::OpenExclusive(path)) << "a second holder must be refused";
        EXPECT_EQ(first->Size(), 5u);
    }
    EXPECT_TRUE(BaseFile::OpenExclusive(path)) << "closing must release the lock";
}

// Readers share the file; a writer's exclusive hold and any other exclude
// each other, whichever came first.
TEST(BaseFile, ReadersShareTheFileAndAWriterHoldsItAlone) {
    test::TempDir dir;
    const auto path = dir.File("Base.tmb");
    test::WriteBytes(path, {1, 2, 3, 4, 5});
    using Open = std::optional<BaseFile> (*)(const std::string&);
    const struct {
        const char* what;
        Open first;
        Open second;
        bool both;
    } cases[] = {
        {"two readers", BaseFile::OpenShared, BaseFile::OpenShared, true},
        {"a writer while a reader holds it", BaseFile::OpenShared, BaseFile::OpenExclusive, false},
        {"a reader while a writer holds it", BaseFile::OpenExclusive, BaseFile::OpenShared, false},
    };
    for (const auto& c : cases) {
        auto first = c.first(path);
        ASSERT_TRUE(first) << c.what;
        EXPECT_EQ(c.second(path).has_value(), c.both) << c.what;
        EXPECT_EQ(first->Size(), 5u) << c.what;
    }
}

TEST(BaseFile, RefusesMissingFilesAndFolders) {
    test::TempDir dir;
    EXPECT_FALSE(BaseFile::OpenExclusive(dir.File("absent.tmb")));
    EXPECT_FALSE(BaseFile::OpenExclusive(dir.path().string()));
    EXPECT_FALSE(BaseFile::Exists(dir.File("absent.tmb")));
    EXPECT_TRUE(BaseFile::Exists(dir.path().string()));
#ifndef _WIN32
    EXPECT_FALSE(BaseFile::OpenExclusive("/dev/zero")) << "a device never ends";
    // A pipe without a writer: opening it must neither block nor succeed.
    ASSERT_EQ(::mkfifo(dir.File("pipe.tmb").c_str(), 0600), 0);
    EXPECT_FALSE(BaseFile::OpenExclusive(dir.File("pipe.tmb")));
#endif
}

// Paths are UTF-8 everywhere in the program; on Windows they must reach the
// system as the same name, not as the ANSI code page's reading of the bytes.
TEST(BaseFile, OpensANameBeyondAscii) {
    test::TempDir dir;
    const std::string path =
        dir.path().string() + "/\xd0\x9a\xd0\xb0\xd1\x82\xc2\xb0 \xe2\x84\x96.tmb";
    test::WriteBytes(path, {1, 2, 3, 4});
    ASSERT_TRUE(BaseFile::Exists(path));
    auto file = BaseFile::OpenExclusive(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Size(), 4u);
    EXPECT_FALSE(BaseFile::Exists(dir.path().string() + "/\xd0\x9a.tmb"));
}

TEST(BaseFile, ReadsOnlyWhatTheFileHolds) {
    test::TempDir dir;
    const auto path = dir.File("Base.tmb");
    test::WriteBytes(path, {10, 11, 12, 13});
    auto file = BaseFile::OpenExclusive(path);
    ASSERT_TRUE(file);
    unsigned char bytes[4] = {};
    EXPECT_TRUE(file->ReadAt(1, bytes, 3));
    EXPECT_EQ(bytes[0], 11);
    EXPECT_EQ(bytes[2], 13);
    EXPECT_FALSE(file->ReadAt(2, bytes, 3));
    EXPECT_FALSE(file->ReadAt(~0ull, bytes, 1)) << "an offset past the end must not wrap around";
}

}  // namespace
}  // namespace vantiq
