#include <gtest/gtest.h>

#include "browse/PicturePreview.h"
#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "support/DecodeHelper.h"
#include "support/Design.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"
#include "support/Waiting.h"
#include "ui/Canvas.h"
#include "windows/MainForm.h"
#include "windows/PictureClick.h"

namespace windows {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchFolder;
using testing_support::TestDataPath;

class PictureClickTest : public ::testing::Test {
 protected:
  void Put(const std::string& source, const std::string& name) {
    ASSERT_TRUE(::CopyFileA(TestDataPath(source).c_str(), (folder_ / name).c_str(), FALSE)) << source;
  }
  // Shows the folder in the list and clicks the entry `name` (none: no entry selected).
  void Click(const std::string& name) {
    form_.FileLB.ApplyFilePath(folder_.Path());
    ClickPicture(form_, name);
  }
  std::string Labels() const { return form_.VisinaL.Caption() + "|" + form_.DuzinaL.Caption(); }

  const testing_support::VantoriaDecodes helper_;
  ScratchFolder folder_;
  TFormMain form_;
};

TEST_F(PictureClickTest, BitmapPicturesPreviewWithTheirSizeAndPath) {
  Put("bmpsuite/g/rgb24.bmp", "colours.bmp");
  Click("colours.bmp");
  EXPECT_EQ(form_.PicturePath(), folder_ / "colours.bmp");
  EXPECT_EQ(Labels(), "Height: 64|Width:  127");
  EXPECT_EQ(form_.Slika.Hint(), "Picture: " + (folder_ / "colours.bmp"));
  EXPECT_NE(browse::PreviewBitmap(form_.Slika), nullptr);
  const RECT drawn = form_.Slika.PictureRect();
  EXPECT_EQ(drawn.left, (217 - 127) / 2);
  EXPECT_EQ(drawn.top, (145 - 64) / 2);
}

TEST_F(PictureClickTest, UpperCaseJpegExtensionsLoadAsJpeg) {
  Put("jpeg/testorig.jpg", "PHOTO.JPG");
  Click("PHOTO.JPG");
  EXPECT_EQ(Labels(), "Height: 149|Width:  227");
  EXPECT_EQ(browse::PreviewBitmap(form_.Slika), nullptr);
  EXPECT_EQ(form_.Slika.PictureRect().right - form_.Slika.PictureRect().left, 217);
}

TEST_F(PictureClickTest, InvalidPicturesSilentlyLeaveAnEmptyPreviewOfSizeZero) {
  Put("jpeg/corrupt/text_named_jpg.jpg", "text.jpg");
  Put("jpeg/testorig.jpg", "good.jpg");
  Click("good.jpg");
  form_.FileLB.ApplyFilePath(folder_ / "*.*");
  testing_support::WriteFileBytes(folder_ / "photo.png", "png");
  for (const std::string name : {"text.jpg", "photo.png"}) {
    Click("good.jpg");
    form_.FileLB.ApplyFilePath(folder_ / name);
    form_.FileLBClick();
    EXPECT_EQ(form_.Slika.Picture(), nullptr) << name;
    EXPECT_EQ(Labels(), "Height: 0|Width:  0") << name;
    EXPECT_EQ(form_.Slika.Hint(), "Picture: " + (folder_ / name));
  }
}

TEST_F(PictureClickTest, NoSelectedEntryGivesTheEmptyPictureAndSizesZero) {
  Put("jpeg/testorig.jpg", "good.jpg");
  Click("");
  EXPECT_EQ(form_.PicturePath(), "");
  ASSERT_NE(form_.Slika.Picture(), nullptr);
  EXPECT_EQ(browse::PreviewBitmap(form_.Slika), nullptr);
  EXPECT_EQ(Labels(), "Height: 0|Width:  0");
  EXPECT_EQ(form_.Slika.Hint(), "Picture: ");
}

TEST_F(PictureClickTest, UnreadableFileFailsAndLeavesThePreviewAsItWas) {
  Put("bmpsuite/g/rgb24.bmp", "colours.bmp");
  Put("jpeg/testorig.jpg", "gone.jpg");
  Click("colours.bmp");
  form_.FileLB.SetItemIndex(form_.FileLB.Count() - 1);
  ASSERT_TRUE(::DeleteFileA((folder_ / "gone.jpg").c_str()));
  try {
    form_.FileLBClick();
    FAIL() << "a missing file loaded";
  } catch (const platform::EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file " + (folder_ / "gone.jpg"));
  }
  EXPECT_EQ(form_.PicturePath(), folder_ / "gone.jpg");
  EXPECT_NE(browse::PreviewBitmap(form_.Slika), nullptr);
  EXPECT_EQ(Labels(), "Height: 64|Width:  127");
  EXPECT_EQ(form_.Slika.Hint(), "Picture: " + (folder_ / "colours.bmp"));
}

TEST_F(PictureClickTest, EmptyJpegLoadsAsNothingAndItsFirstDrawingFailsOnce) {
  testing_support::WriteFileBytes(folder_ / "empty.jpg", "");
  Click("empty.jpg");
  EXPECT_EQ(Labels(), "Height: 0|Width:  0");
  ASSERT_NE(form_.Slika.Picture(), nullptr);
  ui::TBitmapCanvas canvas(217, 145);
  EXPECT_THROW(form_.Slika.DrawPicture(canvas), pictures::EJPEG);
  EXPECT_NO_THROW(form_.Slika.DrawPicture(canvas));
}

TEST_F(PictureClickTest, HugeJpegLoadsItsHeaderAndFailsToDrawWithAnErrorNotACrash) {
  Put("jpeg/corrupt/sof_dims_patched_65500x65500.jpg", "huge.jpg");
  Click("huge.jpg");
  EXPECT_EQ(Labels(), "Height: 65500|Width:  65500");
  ui::TBitmapCanvas canvas(217, 145);
  EXPECT_THROW(form_.Slika.DrawPicture(canvas), platform::EOutOfResources);
}

// A picture a helper decodes is shown once the helper ends; drawn at another size (a screen of
// another scale), it is decoded again in the background, the window answering meanwhile.
TEST_F(PictureClickTest, APictureOfTheImagingComponentIsDecodedInTheBackgroundForEachSizeItShowsAt) {
  std::string tga("\0\0\x02\0\0\0\0\0\0\0\0\0\x90\x01\x2C\x01\x18\x20", 18);  // 400 x 300, red
  for (int pixel = 0; pixel < 400 * 300; ++pixel) tga += std::string("\0\0\xFF", 3);
  testing_support::WriteFileBytes(folder_ / "red.tga", tga);
  form_.FileLB.ApplyFilePath(folder_ / "*.tga");
  form_.Show();
  ClickPicture(form_, "red.tga");
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !form_.PreviewPending(); }, 10s));
  EXPECT_EQ(Labels(), "Height: 300|Width:  400");
  testing_support::MoveToScreenOf(form_, 192);
  ::UpdateWindow(form_.Slika.Handle());
  EXPECT_TRUE(form_.PreviewPending()) << "decoded again while painting";
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !form_.PreviewPending(); }, 10s));
  ui::TBitmapCanvas canvas(434, 290);
  form_.Slika.DrawPicture(canvas);
  EXPECT_EQ(canvas.Pixel(200, 145), RGB(255, 0, 0));
  EXPECT_FALSE(form_.PreviewPending());
  testing_support::MoveToScreenOf(form_, 96);
}

TEST_F(PictureClickTest, JpegDrawsTheDecodedPixels) {
  Put("jpeg/testorig.jpg", "photo.jpg");
  Click("photo.jpg");
  ui::TBitmapCanvas canvas(227, 149);
  form_.Slika.Picture()->Draw(canvas, RECT{0, 0, 227, 149});
  const std::vector<std::uint8_t> reference = testing_support::ReadTestData("jpeg/reference/testorig.ppm");
  const size_t pixels = reference.size() - 227 * 149 * 3;
  int differing = 0;
  for (int y = 0; y < 149; ++y) {
    for (int x = 0; x < 227; ++x) {
      const COLORREF drawn = canvas.Pixel(x, y);
      const size_t i = pixels + (static_cast<size_t>(y) * 227 + x) * 3;
      if (GetRValue(drawn) != reference[i] || GetGValue(drawn) != reference[i + 1] || GetBValue(drawn) != reference[i + 2])
        ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace windows
