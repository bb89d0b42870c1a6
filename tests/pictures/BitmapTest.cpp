#include "pictures/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "support/BitmapBytes.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"
#include "ui/Canvas.h"

namespace pictures {
namespace {

using testing_support::ReadTestData;

struct Rgb {
  int red, green, blue;
};

// A binary PPM ("P6", 8 bits per sample) reference rendering.
struct Reference {
  int width = 0, height = 0;
  std::vector<std::uint8_t> samples;
  Rgb At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return {samples[i], samples[i + 1], samples[i + 2]};
  }
};

Reference ReadReference(const std::string& name) {
  const std::vector<std::uint8_t> bytes = ReadTestData("bmpsuite/reference/" + name + ".ppm");
  std::istringstream header(std::string(bytes.begin(), bytes.begin() + 20));
  std::string magic;
  int maximum = 0;
  Reference reference;
  header >> magic >> reference.width >> reference.height >> maximum;
  const size_t samples = static_cast<size_t>(reference.width) * reference.height * 3;
  reference.samples.assign(bytes.end() - static_cast<std::ptrdiff_t>(samples), bytes.end());
  return reference;
}

std::unique_ptr<TBitmap> Load(const std::string& name) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromBytes(ReadTestData(name));
  return bitmap;
}

// Draws the bitmap at its own size into memory and counts the pixels that differ from the
// reference by more than `tolerance` in a channel.
int DifferingPixels(TBitmap& bitmap, const Reference& reference, int tolerance) {
  ui::TBitmapCanvas canvas(bitmap.Width(), bitmap.Height());
  bitmap.Draw(canvas, RECT{0, 0, bitmap.Width(), bitmap.Height()});
  int differing = 0;
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      const COLORREF drawn = canvas.Pixel(x, y);
      const Rgb expected = reference.At(x, y);
      if (std::abs(GetRValue(drawn) - expected.red) > tolerance ||
          std::abs(GetGValue(drawn) - expected.green) > tolerance ||
          std::abs(GetBValue(drawn) - expected.blue) > tolerance)
        ++differing;
    }
  }
  return differing;
}

struct GoodFile {
  const char* file;
  const char* reference;  // nullptr: compressed, loaded but not compared
};

class GoodBitmapTest : public ::testing::TestWithParam<GoodFile> {};

TEST_P(GoodBitmapTest, LoadsAndDrawsLikeTheSuitesRendering) {
  const GoodFile& good = GetParam();
  const auto loaded = Load(std::string("bmpsuite/g/") + good.file);
  TBitmap& bitmap = *loaded;
  ASSERT_FALSE(bitmap.Empty());
  if (!good.reference) return;
  const Reference reference = ReadReference(good.reference);
  ASSERT_EQ(bitmap.Width(), reference.width);
  ASSERT_EQ(bitmap.Height(), reference.height);
  // 16-bit channels may widen their 5 or 6 bits either by shifting or by scaling.
  const int tolerance = bitmap.Format().info.bitCount == 16 ? 8 : 0;
  EXPECT_EQ(DifferingPixels(bitmap, reference, tolerance), 0);
}

INSTANTIATE_TEST_SUITE_P(
    BmpSuite, GoodBitmapTest,
    ::testing::Values(GoodFile{"pal1.bmp", "pal1"}, GoodFile{"pal1bg.bmp", "pal1bg"}, GoodFile{"pal1wb.bmp", "pal1"},
                      GoodFile{"pal4.bmp", "pal4"}, GoodFile{"pal4gs.bmp", "pal4gs"}, GoodFile{"pal4rle.bmp", nullptr},
                      GoodFile{"pal8-0.bmp", "pal8"}, GoodFile{"pal8.bmp", "pal8"}, GoodFile{"pal8gs.bmp", "pal8gs"},
                      GoodFile{"pal8nonsquare.bmp", "pal8nonsquare-e"}, GoodFile{"pal8os2.bmp", "pal8"},
                      GoodFile{"pal8rle.bmp", nullptr}, GoodFile{"pal8topdown.bmp", "pal8"},
                      GoodFile{"pal8v4.bmp", "pal8"}, GoodFile{"pal8v5.bmp", "pal8"},
                      GoodFile{"pal8w124.bmp", "pal8w124"}, GoodFile{"pal8w125.bmp", "pal8w125"},
                      GoodFile{"pal8w126.bmp", "pal8w126"}, GoodFile{"rgb16-565.bmp", "rgb16-565"},
                      GoodFile{"rgb16-565pal.bmp", "rgb16-565"}, GoodFile{"rgb16.bmp", "rgb16"},
                      GoodFile{"rgb16bfdef.bmp", "rgb16"}, GoodFile{"rgb24.bmp", "rgb24"},
                      GoodFile{"rgb24pal.bmp", "rgb24"}, GoodFile{"rgb32.bmp", "rgb24"},
                      GoodFile{"rgb32bf.bmp", "rgb24"}, GoodFile{"rgb32bfdef.bmp", "rgb24"}),
    [](const auto& info) {
      std::string name = info.param.file;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

// The suite's questionable and bad files, each with the outcome the reader's rules give: refused
// with its error (a wrong header field, a table larger than the buffer, a bitmap the system will
// not make), or else accepted and drawn at its size (short data, damaged RLE runs, odd densities).
TEST(BitmapTest, QuestionableAndBadFilesAreEachRefusedWithTheirErrorOrDrawn) {
  constexpr char kNotValid[] = "Bitmap image is not valid";
  constexpr char kRefusedBySystem[] = "System Error.  Code: 87.";
  const std::map<std::string, std::string> refused = {
      {"q/pal1huffmsb.bmp", kNotValid},     {"q/pal2.bmp", kNotValid},
      {"q/pal2color.bmp", kNotValid},       {"q/pal8os2v2-16.bmp", kNotValid},
      {"q/pal8oversizepal.bmp", kNotValid}, {"q/rgb24jpeg.bmp", kNotValid},
      {"q/rgb24largepal.bmp", kNotValid},   {"q/rgb24png.bmp", kNotValid},
      {"q/rgb24rle24.bmp", kNotValid},      {"q/rgba32abf.bmp", kRefusedBySystem},
      {"q/rgba64.bmp", kNotValid},          {"b/badbitcount.bmp", kNotValid},
      {"b/badpalettesize.bmp", kNotValid},  {"b/badplanes.bmp", kNotValid},
      {"b/badwidth.bmp", kNotValid},        {"b/reallybig.bmp", kNotValid},
      {"b/rgb16-880.bmp", kNotValid},       {"b/rletopdown.bmp", kRefusedBySystem}};
  for (const char* folder : {"q", "b"}) {
    for (const std::string& path : testing_support::TestDataFiles(std::string("bmpsuite/") + folder)) {
      const std::string name = path.substr(path.find('/') + 1);
      SCOPED_TRACE(name);
      std::string outcome = "drawn";
      TBitmap bitmap;
      try {
        bitmap.LoadFromBytes(ReadTestData(path));
        ui::TBitmapCanvas canvas(32, 32);
        bitmap.Draw(canvas, RECT{0, 0, 32, 32});
        EXPECT_EQ(bitmap.Width(), 127);
        EXPECT_EQ(bitmap.Height(), 64);
      } catch (const EInvalidGraphic& error) {
        outcome = error.what();
      } catch (const platform::EOSError& error) {
        outcome = error.Message().substr(0, error.Message().find('\n'));  // the system's words follow
      }
      const auto expected = refused.find(name);
      EXPECT_EQ(outcome, expected == refused.end() ? "drawn" : expected->second);
    }
  }
}

TEST(BitmapTest, SavesTrueColourFilesAndCompressedFilesByteForByte) {
  for (const char* name : {"libjpeg-turbo/nightshot_iso_100.bmp", "libjpeg-turbo/vgl_5674_0098.bmp",
                           "libjpeg-turbo/vgl_6434_0018a.bmp", "libjpeg-turbo/vgl_6548_0026a.bmp",
                           "bmpsuite/g/pal4rle.bmp", "bmpsuite/g/pal8rle.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(testing_support::SavedBytes(*Load(name)), testing_support::ReadTestData(name));
  }
}

TEST(BitmapTest, EmptyFileLoadsAsNothingAndSavesAsNoBytes) {
  testing_support::ScratchFolder folder;
  testing_support::WriteFileBytes(folder / "empty.bmp", "");
  TBitmap bitmap;
  bitmap.LoadFromFile(folder / "empty.bmp");
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_TRUE(testing_support::SavedBytes(bitmap).empty());
}

TEST(BitmapTest, AFileThatCannotBeOpenedFailsWithItsPath) {
  testing_support::ScratchFolder folder;
  TBitmap bitmap;
  const std::string missing = folder / "missing.bmp";
  try {
    bitmap.LoadFromFile(missing);
    FAIL() << "a missing file loaded";
  } catch (const platform::EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file " + missing);
  }
}

TEST(BitmapTest, PalettedBitmapsSaveWithTheirOwnTableAndRows) {
  const auto original = Load("bmpsuite/g/pal8.bmp");
  TBitmap reloaded;
  reloaded.LoadFromBytes(testing_support::SavedBytes(*original));
  EXPECT_EQ(reloaded.Format().colorTable, original->Format().colorTable);
  EXPECT_EQ(DifferingPixels(reloaded, ReadReference("pal8"), 0), 0);
}

}  // namespace
}  // namespace pictures
