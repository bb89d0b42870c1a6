#include "pictures/PictureExtension.h"

#include <gtest/gtest.h>

namespace pictures {
namespace {

TEST(PictureExtensionTest, IsTheTextAfterTheLastDotOfTheFileName) {
  EXPECT_EQ(PictureExtension("C:\\Pictures\\beach.JPG"), "JPG");
  EXPECT_EQ(PictureExtension("C:\\Pictures\\archive.tar.bmp"), "bmp");
  EXPECT_EQ(PictureExtension("C:\\Pictures.old\\beach"), "");
  EXPECT_EQ(PictureExtension("C:.x:beach"), "");
  EXPECT_EQ(PictureExtension("C:\\Pictures\\beach."), "");
  EXPECT_EQ(PictureExtension(""), "");
}

}  // namespace
}  // namespace pictures
