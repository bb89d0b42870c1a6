#include "pictures/PictureFormats.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "pictures/Bitmap.h"
#include "pictures/EmptyPicture.h"
#include "pictures/JpegPicture.h"
#include "pictures/OlePicture.h"
#include "pictures/PictureErrors.h"
#include "pictures/WicDecoder.h"
#include "pictures/WicPicture.h"
#include "platform/Exceptions.h"
#include "support/DecodeHelper.h"
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
  EXPECT_TRUE(IsKind<TOlePicture>("C:\\a.wmf"));
  // What this PC's imaging component decodes (Wine's: PNG, GIF, TIFF, ICO, DDS, TGA...).
  EXPECT_TRUE(IsKind<TWicPicture>("C:\\a.gif"));
  EXPECT_TRUE(IsKind<TWicPicture>("C:\\a.ico"));
  EXPECT_TRUE(IsKind<TWicPicture>("C:\\a.PNG"));
  EXPECT_TRUE(IsKind<TEmptyPicture>(""));
  EXPECT_TRUE(IsKind<TEmptyPicture>("C:\\folder.d\\noextension"));
}

TEST(PictureFormatsTest, UnknownExtensionsAreInvalidPictures) {
  try {
    CreatePictureFor("C:\\photo.xyz");
    FAIL() << "a .xyz file has a kind";
  } catch (const EInvalidGraphic& error) {
    EXPECT_STREQ(error.what(), "Unknown picture file extension (.xyz)");
  }
}

// The extensions are the decoders' own, found on this PC: lower case, no dots, none of the
// program's own kinds.
TEST(PictureFormatsTest, TheImagingComponentsKindsAreWhatItsDecodersDeclare) {
  const std::vector<std::string>& kinds = WicFileExtensions();
  for (const char* declared : {"png", "gif", "tiff", "tif", "ico", "dds", "tga"})
    EXPECT_EQ(std::ranges::count(kinds, declared), 1) << declared;
  for (const std::string& kind : kinds) {
    EXPECT_EQ(kind.find_first_of(".ABCDEFGHIJKLMNOPQRSTUVWXYZ ;,"), std::string::npos) << kind;
    EXPECT_TRUE(kind != "bmp" && kind != "jpg" && kind != "jpeg") << kind;
  }
}

TEST(PictureFormatsTest, GifPicturesLoadThroughTheDecodingHelper) {
  const testing_support::VantoriaDecodes helper;
  const std::string path = testing_support::TestDataPath("red-20x10.gif");
  auto picture = CreatePictureFor(path);
  picture->LoadFromFile(path);
  EXPECT_EQ(picture->Width(), 20);
  EXPECT_EQ(picture->Height(), 10);
}

}  // namespace
}  // namespace pictures
