#include "pictures/PictureExtension.h"

#include <gtest/gtest.h>

#include "pictures/BitmapFileBuilder.h"
#include "pictures/PictureHeader.h"
#include "support/TestData.h"

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

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Bytes(const char* text, std::size_t size) { return Bytes(std::string(text, size)); }

// An icon's directory of two entries: 48 x 32, and one whose zero sides say 256 and whose
// picture, a PNG at offset 38, may tell more.
std::vector<std::uint8_t> Icon(const std::string& secondPicture) {
  return Bytes(std::string("\0\0\x01\0\x02\0" "\x30\x20\0\0\x01\0\x20\0\x10\0\0\0\x26\0\0\0"
                           "\0\0\0\0\x01\0\x20\0\x10\0\0\0\x26\0\0\0", 38) + secondPicture);
}

// Each kind's size from its header, reading a few bytes: a JPEG's frame header behind 200 KB of
// segments too. Nothing for anything else.
TEST(PictureExtensionTest, EachKindGivesItsSizeFromItsHeaderAlone) {
  std::vector<std::uint8_t> jpeg = testing_support::ReadTestData("jpeg/testorig.jpg");  // 227 x 149
  for (int i = 0; i < 4; ++i) {
    std::vector<std::uint8_t> segment = {0xFF, 0xE1, 50002 >> 8, 50002 & 0xFF};
    segment.resize(50004, 0xFF);  // fill that looks like markers
    jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  }
  const std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x02\0\0\0\x02\0\x08\x06", 26);  // 512 x 512
  const std::pair<std::vector<std::uint8_t>, std::pair<int, int>> cases[] = {
      {jpeg, {227, 149}},
      {testing_support::ReadTestData("jpeg/testimgari.jpg"), {227, 149}},  // arithmetic coding: SOF9
      {testing_support::ReadTestData("jpeg/testorig12.jpg"), {227, 149}},  // 12 bits: SOF1
      // Huffman tables first, as cameras write them; fill bytes between the segments.
      {Bytes("\xFF\xD8\xFF\xC4\0\x04\0\0\xFF\xFF\xC0\0\x11\x08\0\x0A\0\x14", 18), {20, 10}},
      {Bytes("RIFF\0\0\0\0WEBPVP8 \0\0\0\0\x10\x02\x00\x9D\x01\x2A\x80\x42\xE0\x01", 30), {640, 480}},  // scaling bits
      {Bytes("RIFF\0\0\0\0WEBPVP8L\0\0\0\0\x2F\x8F\xC1\x4A\0\0\0\0\0\0", 30), {400, 300}},
      {Bytes("RIFF\0\0\0\0WEBPVP8X\0\0\0\0\x10\0\0\0\x6F\x11\x01\xB7\x0B\0", 30), {70000, 3000}},
      {Icon(""), {256, 256}},
      {Icon(png), {512, 512}},
      {Bytes("GIF87a\x14\0\x0A\0", 10), {20, 10}},
      {Bytes("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\x80\0\0\0\0\0\0\x01", 24), {0, 0}},  // a side of 2^31
      {Bytes("II*\0\x08\0\0\0\x02\0\0\x01\x04\0\x01\0\0\0\0\0\0\x80\x01\x01\x03\0\x01\0\0\0\x01\0\0\0", 34), {0, 0}},
      {testing_support::BuildBitmapFile({.width = 20, .height = -40}), {20, 40}},  // top-down
      {testing_support::BuildBitmapFile({.width = 7, .height = 3, .headerSize = 12}), {7, 3}},
      {Bytes(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x02\x80\0\0\x01\xE0\x08\x02", 26)), {640, 480}},
      {Bytes(std::string("GIF89a\x80\x3E\x80\x3E\0\0\0", 13)), {16000, 16000}},
      // Two directory entries: width a SHORT, height a LONG.
      {Bytes(std::string("II*\0\x08\0\0\0\x02\0\0\x01\x03\0\x01\0\0\0\x2C\x01\0\0"
                         "\x01\x01\x04\0\x01\0\0\0\xC8\0\0\0", 34)), {300, 200}},
      {Bytes(std::string("MM\0*\0\0\0\x08\0\x02\x01\0\0\x03\0\0\0\x01\x01\x2C\0\0"
                         "\x01\x01\0\x04\0\0\0\x01\0\0\0\xC8", 34)), {300, 200}},
      {{0xFF, 0xD8, 0xFF, 0xE1, 0x10, 0x00}, {0, 0}},                             // cut before its frame
      {Bytes(std::string("\xFF\xD8\xFF\xC0\0\x11\x08\0\0\0\x10", 11)), {0, 0}},  // no height
      // A stuffed zero where a marker belongs, its next two bytes a length that lands on a frame.
      {Bytes("\xFF\xD8\xFF\0\0\x0B\xFF\xC0\0\x11\x08\0\x0A\0\x14\xFF\xC0\0\x11\x08\0\x28\0\x50", 24), {0, 0}},
      {Bytes(std::string("GIF87a\0\0\x10\0", 10)), {0, 0}},
      {Bytes("Hello, world"), {0, 0}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::vector<std::uint8_t>& file = cases[i].first;
    std::size_t read = 0;
    const auto size = PictureHeaderSize([&](std::uint64_t offset, std::span<std::uint8_t> bytes) -> std::size_t {
      const std::size_t count = offset < file.size() ? std::min<std::size_t>(bytes.size(), file.size() - offset) : 0;
      std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(offset, file.size())), count,
                  bytes.begin());
      read += count;
      return count;
    });
    EXPECT_EQ(size ? std::pair(size->width, size->height) : std::pair(0, 0), cases[i].second) << "case " << i;
    EXPECT_LE(read, 1024u) << "case " << i;
  }
}

}  // namespace
}  // namespace pictures
