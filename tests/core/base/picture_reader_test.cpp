#include "core/base/picture_reader.h"

#include <gtest/gtest.h>

#include "core/base/base_loader.h"
#include "test_support.h"

namespace vantiq {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(PictureReader, OneModuleWithPictureFollowsItsEntry) {
    test::TempDir dir;
    const auto path =
        test::WriteCatalogue(dir.File("Base.tmb"), {{test::WorkedExampleModule(), {7, 8, 9}}});
    EXPECT_EQ(test::ReadBytes(path).size(), 123u);
    TemBase base;
    ASSERT_TRUE(OpenBase(base, path).ok());
    const auto location = LocatePicture(base, 0);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->offset, 120u);
    EXPECT_EQ(ReadPicture(base, 0), (Bytes{7, 8, 9}));
}

TEST(PictureReader, PicturesFollowEachOtherInEntryOrder) {
    test::TempDir dir;
    const auto m = test::WorkedExampleModule();
    const auto path = test::WriteCatalogue(dir.File("Base.tmb"),
                                           {{m, {1, 2}}, {m, {}}, {m, {3, 4, 5}}, {m, {6}}});
    TemBase base;
    ASSERT_TRUE(OpenBase(base, path).ok());
    EXPECT_EQ(LocatePicture(base, 2)->offset, 4 + 116 * 4 + 2u);
    EXPECT_EQ(ReadPicture(base, 1), Bytes{});
    EXPECT_EQ(ReadPicture(base, 2), (Bytes{3, 4, 5}));
    EXPECT_EQ(ReadPicture(base, 3), Bytes{6});
    EXPECT_FALSE(LocatePicture(base, 4));
}

}  // namespace
}  // namespace vantiq
