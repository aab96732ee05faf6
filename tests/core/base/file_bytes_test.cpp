#include "core/base/file_bytes.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vantiq {
namespace {

TEST(FileBytes, ReadsEveryByteOrNothing) {
    test::TempDir dir;
    std::vector<unsigned char> bytes(70000);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7);  // NULs, CRs, LFs and high bytes
    }
    test::WriteBytes(dir.File("all.bin"), bytes);
    test::WriteBytes(dir.File("empty.bin"), {});
    EXPECT_EQ(ReadFileBytes(dir.path() / "all.bin"), bytes);
    EXPECT_EQ(ReadFileBytes(dir.path() / "empty.bin"), std::vector<unsigned char>());
    EXPECT_EQ(ReadFileBytes(dir.path() / "missing.bin"), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir.path()), std::nullopt) << "a folder";
}

}  // namespace
}  // namespace vantiq
