#include "pictures/PictureFormats.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "pictures/Bitmap.h"
#include "pictures/DecodeHelper.h"
#include "pictures/EmptyPicture.h"
#include "pictures/JpegPicture.h"
#include "pictures/OlePicture.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureErrors.h"
#include "pictures/WicDecoder.h"
#include "pictures/WicPicture.h"
#include "platform/Exceptions.h"
#include "support/DecodeHelper.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"
#include "support/Windows.h"
#include "ui/Canvas.h"

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

// The helper's answer files in the temporary folder.
std::set<std::string> AnswerFiles() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
    if (entry.path().filename().string().starts_with("vnt")) names.insert(entry.path().filename().string());
  return names;
}

// A 35-byte GIF whose 1 x 1 frame declares a 16000 x 16000 screen (1 GB of pixels) is refused
// before anything is allocated for it; no decode leaves a file behind.
TEST(PictureFormatsTest, GifPicturesLoadThroughTheDecodingHelperWhichRefusesADecodingBomb) {
  const testing_support::VantoriaDecodes helper;
  const std::set<std::string> before = AnswerFiles();
  const std::string path = testing_support::TestDataPath("red-20x10.gif");
  auto picture = CreatePictureFor(path);
  picture->LoadFromFile(path);
  EXPECT_EQ(picture->Width(), 20);
  EXPECT_EQ(picture->Height(), 10);
  ui::TBitmapCanvas canvas(40, 20);
  picture->Draw(canvas, RECT{0, 0, 20, 10});  // from its answer, which then goes
  EXPECT_EQ(::GetPixel(canvas.Handle(), 19, 9), RGB(255, 0, 0));
  // At another size, a window that asks for the answer again gets the last drawing stretched
  // meanwhile: nothing is decoded while it paints.
  auto& shown = dynamic_cast<TWicPicture&>(*picture);
  int asked = 0;
  shown.OnAnswerNeeded = [&] { ++asked; };
  for (int drawing = 0; drawing < 2; ++drawing) shown.Draw(canvas, RECT{0, 0, 40, 20});
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(::GetPixel(canvas.Handle(), 39, 19), RGB(255, 0, 0));
  const std::optional<PictureSize> size = PictureSizeInHelper(path);  // as a kind without a header reader
  EXPECT_TRUE(size && size->width == 20 && size->height == 10);

  const testing_support::ScratchFolder folder;
  testing_support::WriteFileBytes(folder / "bomb.gif", std::string("GIF89a\x80\x3E\x80\x3E\x80\0\0\xFF\xFF\xFF\0\0\0"
                                                                   ",\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;", 35));
  // A red 1 x 1 frame at (2, 1) of a 4 x 3 screen: there, and transparent around it.
  testing_support::WriteFileBytes(folder / "placed.gif", std::string("GIF89a\x04\0\x03\0\x80\0\0\xFF\0\0\0\0\0"
                                                                     ",\x02\0\x01\0\x01\0\x01\0\0\x02\x02\x44\x01\0;", 35));
  {
    const HelperAnswer placed = DecodeInHelper(folder / "placed.gif");
    std::string alphas;
    for (std::size_t pixel = 0; pixel < 12; ++pixel) alphas += placed.Picture().bgra[pixel * 4 + 3] ? '#' : '.';
    EXPECT_EQ(std::tuple(placed.Picture().width, placed.Picture().height, alphas),
              std::tuple(4, 3, std::string("......#.....")));
    EXPECT_EQ(placed.Picture().bgra[6 * 4 + 2], 255) << "red";
  }
  const ULONGLONG start = ::GetTickCount64();
  EXPECT_THROW(picture->LoadFromFile(folder / "bomb.gif"), EInvalidGraphic);
  EXPECT_LT(::GetTickCount64() - start, 3000u) << "a gigabyte was made before the refusal";
  EXPECT_EQ(AnswerFiles(), before);

  // A kind without a header the program reads (a 3 x 2 TGA) asks a helper while asks are left.
  const std::string tgaHeader("\0\0\x02\0\0\0\0\0\0\0\0\0\x03\0\x02\0\x18\x20", 18);
  testing_support::WriteFileBytes(folder / "red.tga", tgaHeader + std::string(18, '\0'));
  int helperAsks = 1;
  const std::optional<PictureSize> tga = PictureFileSize(folder / "red.tga", helperAsks);
  EXPECT_TRUE(tga && tga->width == 3 && tga->height == 2);
  EXPECT_FALSE(PictureFileSize(folder / "red.tga", helperAsks)) << "no ask left";
  // A JPEG's frame header past the first block read: a comment of 6,000 bytes before it.
  std::string commented = testing_support::ReadFileBytes(testing_support::TestDataPath("jpeg\\testorig.jpg"));
  testing_support::WriteFileBytes(folder / "long.jpg",
                                  commented.insert(2, "\xFF\xFE\x17\x72" + std::string(6000, 'c')));
  const std::optional<PictureSize> jpeg = PictureFileSize(folder / "long.jpg", helperAsks);
  EXPECT_TRUE(jpeg && jpeg->width == 227 && jpeg->height == 149);
}

// Stray bytes before a marker, which the decoder passes over: the size and the part a monitor shows
// come all the same.
TEST(PictureFormatsTest, AJpegTheDecoderReadsIsReadForAMonitorWhateverItsHeaderReaderMakesOfIt) {
  const testing_support::ScratchFolder folder;
  std::string file = testing_support::ReadFileBytes(testing_support::TestDataPath("jpeg\\testorig.jpg"));
  file.insert(20, "\x12\x34", 2);  // after the JFIF segment
  testing_support::WriteFileBytes(folder / "stray.jpg", file);
  PictureFile picture(folder / "stray.jpg", 0, HelperWait::kBlocking);
  const PictureSize size = picture.Size();
  EXPECT_EQ(std::tuple(size.width, size.height), std::tuple(227, 149));
  EXPECT_EQ(picture.PartShown({0, 0, 227, 149}, {0, 0, 227, 149}).pixels.Width(), 227);
}

// A helper given up as it starts, while it writes its answer, or ended at the time limit, leaves
// no file in the temporary folder and no process.
TEST(PictureFormatsTest, AHelperEndedAtAnyMomentLeavesNothingBehind) {
  const testing_support::VantoriaDecodes helper("SLOW_DECODE_HELPER");
  const std::set<std::string> before = AnswerFiles();
  const std::string path = testing_support::TestDataPath("red-20x10.gif");
  for (DWORD moment : std::initializer_list<DWORD>{0, 300, 2000, INFINITE}) {  // INFINITE: to the limit
    if (moment == INFINITE) EXPECT_THROW(DecodeInHelper(path), EInvalidGraphic);
    else {
      const BackgroundDecode decode(path, nullptr, WM_APP, 0);  // given up after `moment`
      ::Sleep(moment);
    }
    EXPECT_EQ(AnswerFiles(), before) << moment;
    EXPECT_TRUE(testing_support::RunningProcesses("slow_decode_helper.exe").empty()) << moment;
  }
}

}  // namespace
}  // namespace pictures
