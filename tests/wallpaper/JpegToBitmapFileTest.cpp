#include "wallpaper/JpegToBitmapFile.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "pictures/BitmapFormat.h"
#include "support/TestData.h"

namespace wallpaper {
namespace {

std::vector<std::uint8_t> Convert(const std::string& name, std::uint64_t* reserved = nullptr) {
  std::vector<std::uint8_t> file;
  WriteJpegAsBitmapFile(testing_support::ReadTestData(name),
                        {[&](std::uint64_t size) {
                           if (reserved) *reserved = size;
                           file.assign(size, 0xEE);
                         },
                         [&](std::uint64_t offset, std::span<const std::uint8_t> bytes) {
                           std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
                         }});
  return file;
}

// Pixel (x, y), top row 0, of a bottom-up 24-bit file, as RGB.
std::array<std::uint8_t, 3> At(const pictures::ParsedBitmap& bitmap, int x, int y) {
  const size_t stride = static_cast<size_t>(bitmap.format.RowBytes());
  const std::uint8_t* p = bitmap.pixelData.data() + (bitmap.format.info.height - 1 - y) * stride + x * 3;
  return {p[2], p[1], p[0]};
}

TEST(JpegToBitmapFileTest, WritesA24BitBottomUpFileWithTheDecodedPixels) {
  std::uint64_t reserved = 0;
  const std::vector<std::uint8_t> file = Convert("jpeg/testorig.jpg", &reserved);
  EXPECT_EQ(reserved, 54u + 684 * 149);  // rows of 227 x 3 bytes padded to 684
  const pictures::ParsedBitmap bitmap = pictures::ParseBitmap(file);
  EXPECT_EQ(bitmap.format.info.width, 227);
  EXPECT_EQ(bitmap.format.info.height, 149);
  EXPECT_EQ(bitmap.format.info.bitCount, 24);

  const std::vector<std::uint8_t> reference = testing_support::ReadTestData("jpeg/reference/testorig.ppm");
  const size_t start = reference.size() - 227 * 149 * 3;
  int differing = 0;
  for (int y = 0; y < 149; ++y)
    for (int x = 0; x < 227; ++x) {
      const auto pixel = At(bitmap, x, y);
      const size_t i = start + (static_cast<size_t>(y) * 227 + x) * 3;
      if (pixel[0] != reference[i] || pixel[1] != reference[i + 1] || pixel[2] != reference[i + 2]) ++differing;
    }
  EXPECT_EQ(differing, 0);
}

TEST(JpegToBitmapFileTest, GrayscaleAndCmykPicturesBecomeTrueColourFiles) {
  for (const char* name : {"jpeg/grayscale.jpg", "jpeg/cmyk.jpg"}) {
    const std::vector<std::uint8_t> file = Convert(name);
    const pictures::ParsedBitmap bitmap = pictures::ParseBitmap(file);
    EXPECT_EQ(bitmap.format.info.bitCount, 24) << name;
    EXPECT_EQ(bitmap.pixelData.size(), bitmap.format.PixelBytes()) << name;
  }
  // Each gray level in all three channels.
  const std::vector<std::uint8_t> gray = Convert("jpeg/grayscale.jpg");
  const pictures::ParsedBitmap bitmap = pictures::ParseBitmap(gray);
  std::set<std::uint8_t> levels;
  for (int y = 0; y < bitmap.format.info.height; ++y)
    for (int x = 0; x < bitmap.format.info.width; ++x) {
      const auto pixel = At(bitmap, x, y);
      ASSERT_TRUE(pixel[0] == pixel[1] && pixel[1] == pixel[2]) << x << ", " << y;
      levels.insert(pixel[0]);
    }
  EXPECT_GT(levels.size(), 100u);
}

}  // namespace
}  // namespace wallpaper
