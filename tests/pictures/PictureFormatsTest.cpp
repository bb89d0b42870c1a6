#include "pictures/PictureFormats.h"

#include <gtest/gtest.h>

#include "pictures/Bitmap.h"
#include "pictures/EmptyPicture.h"
#include "pictures/JpegPicture.h"
#include "pictures/OlePicture.h"
#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "support/TestData.h"

namespace pictures {
namespace {

template <typename Kind>
bool IsKind(const std::string& path) {
  return dynamic_cast<Kind*>(CreatePictureFor(path).get()) != nullptr;
}

TEST(PictureFormatsTest, ExtensionsChooseTheirKindWithoutRegardToCase) {
  EXPECT_TRUE(IsKind<TBitmap>("C:\\a.bmp"));
  EXPECT_TRUE(IsKind<TBitmap>("C:\\a.BMP"));
  EXPECT_TRUE(IsKind<TJPEGImage>("C:\\a.jpg"));
  EXPECT_TRUE(IsKind<TJPEGImage>("C:\\a.JPEG"));
  EXPECT_TRUE(IsKind<TOlePicture>("C:\\a.gif"));
  EXPECT_TRUE(IsKind<TOlePicture>("C:\\a.ico"));
  EXPECT_TRUE(IsKind<TOlePicture>("C:\\a.wmf"));
  EXPECT_TRUE(IsKind<TEmptyPicture>(""));
  EXPECT_TRUE(IsKind<TEmptyPicture>("C:\\folder.d\\noextension"));
}

TEST(PictureFormatsTest, UnknownExtensionsAreInvalidPictures) {
  try {
    CreatePictureFor("C:\\photo.png");
    FAIL() << "a .png file has a kind";
  } catch (const EInvalidGraphic& error) {
    EXPECT_STREQ(error.what(), "Unknown picture file extension (.png)");
  }
}

TEST(PictureFormatsTest, GifPicturesLoadThroughTheSystem) {
  const std::string path = testing_support::TestDataPath("red-20x10.gif");
  auto picture = CreatePictureFor(path);
  picture->LoadFromFile(path);
  EXPECT_EQ(picture->Width(), 20);
  EXPECT_EQ(picture->Height(), 10);
}

}  // namespace
}  // namespace pictures
