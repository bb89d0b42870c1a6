#include "pictures/PictureHeader.h"

#include <gtest/gtest.h>

#include <string>

#include "pictures/BitmapFileBuilder.h"
#include "support/TestData.h"

namespace pictures {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// testorig.jpg (227 x 149) with 200 KB of EXIF-like segments before its frame header.
std::vector<std::uint8_t> JpegBehindLargeSegments() {
  std::vector<std::uint8_t> jpeg = testing_support::ReadTestData("jpeg/testorig.jpg");
  std::vector<std::uint8_t> segments;
  for (int i = 0; i < 4; ++i) {
    segments.insert(segments.end(), {0xFF, 0xE1, 50002 >> 8, 50002 & 0xFF});
    segments.resize(segments.size() + 50000, 0xFF);  // fill that looks like markers
  }
  jpeg.insert(jpeg.begin() + 2, segments.begin(), segments.end());
  return jpeg;
}

// Each kind's size from its header, reading a few kilobytes at most; nothing for anything else.
TEST(PictureHeaderTest, EachKindGivesItsSizeFromItsHeaderAlone) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
    int width, height;  // 0: no size
  };
  const Case cases[] = {
      {"JPEG behind 200 KB", JpegBehindLargeSegments(), 227, 149},
      {"bitmap, top-down", testing_support::BuildBitmapFile({.width = 20, .height = -40}), 20, 40},
      {"bitmap, core header", testing_support::BuildBitmapFile({.width = 7, .height = 3, .headerSize = 12}), 7, 3},
      {"PNG", Bytes(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x02\x80\0\0\x01\xE0\x08\x02", 26)), 640, 480},
      {"GIF", Bytes(std::string("GIF89a\x80\x3E\x80\x3E\0\0\0", 13)), 16000, 16000},
      {"TIFF, little-endian", Bytes(std::string("II*\0\x08\0\0\0\x02\0" "\0\x01\x03\0\x01\0\0\0\x2C\x01\0\0"
                                                "\x01\x01\x04\0\x01\0\0\0\xC8\0\0\0", 34)), 300, 200},
      {"TIFF, big-endian", Bytes(std::string("MM\0*\0\0\0\x08\0\x02" "\x01\0\0\x03\0\0\0\x01\x01\x2C\0\0"
                                             "\x01\x01\0\x04\0\0\0\x01\0\0\0\xC8", 34)), 300, 200},
      {"JPEG cut before its frame", std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE1, 0x10, 0x00}, 0, 0},
      {"JPEG of no height", Bytes(std::string("\xFF\xD8\xFF\xC0\0\x11\x08\0\0\0\x10", 11)), 0, 0},
      {"GIF of no width", Bytes(std::string("GIF87a\0\0\x10\0", 10)), 0, 0},
      {"text", Bytes("Hello, world"), 0, 0},
      {"nothing", {}, 0, 0},
  };
  for (const Case& c : cases) {
    std::size_t read = 0;
    const auto size = PictureHeaderSize([&](std::uint64_t offset, std::span<std::uint8_t> bytes) -> std::size_t {
      if (offset >= c.file.size()) return 0;
      const std::size_t count = std::min<std::size_t>(bytes.size(), c.file.size() - offset);
      std::copy_n(c.file.begin() + static_cast<std::ptrdiff_t>(offset), count, bytes.begin());
      read += count;
      return count;
    });
    EXPECT_EQ(size ? size->width : 0, c.width) << c.what;
    EXPECT_EQ(size ? size->height : 0, c.height) << c.what;
    EXPECT_LE(read, 4096u) << c.what;
    EXPECT_EQ(PictureHeaderSize(c.file).has_value(), size.has_value()) << c.what;
  }
}

}  // namespace
}  // namespace pictures
