#include "pictures/BitmapFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "pictures/BitmapFileBuilder.h"
#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "support/TestData.h"

namespace pictures {
namespace {

using testing_support::BitmapFileSpec;
using testing_support::BuildBitmapFile;
using testing_support::ReadU32;

// What saving a parsed uncompressed bitmap writes: headers, then exactly its own rows.
std::vector<std::uint8_t> Resave(const ParsedBitmap& parsed) {
  std::vector<std::uint8_t> file = EncodeBitmapHeaders(parsed.format);
  std::vector<std::uint8_t> rows(parsed.pixelData.begin(), parsed.pixelData.end());
  rows.resize(static_cast<size_t>(parsed.format.PixelBytes()));
  file.insert(file.end(), rows.begin(), rows.end());
  return file;
}

// A parsed file together with the bytes its spans point into.
class Parsed {
 public:
  explicit Parsed(std::vector<std::uint8_t> file) : file_(std::move(file)), parsed_(ParseBitmap(file_)) {}
  Parsed(const Parsed&) = delete;
  Parsed& operator=(const Parsed&) = delete;
  const ParsedBitmap* operator->() const { return &parsed_; }
  const ParsedBitmap& operator*() const { return parsed_; }

 private:
  std::vector<std::uint8_t> file_;
  ParsedBitmap parsed_;
};

Parsed Parse(std::vector<std::uint8_t> file) { return Parsed(std::move(file)); }

TEST(BitmapFormatTest, NoBytesGiveAnEmptyBitmap) {
  EXPECT_TRUE(ParseBitmap({}).empty);
}

TEST(BitmapFormatTest, SavedLayoutsPutTheRowsWhereTheirHeadersSay) {
  struct Case {
    const char* what;
    BitmapFileSpec layout;
    std::uint32_t rowsAt;
    std::uint32_t clrUsed;
  };
  const Case cases[] = {
      {"8-bit, 100 colours used", {.bitCount = 8, .clrUsed = 100, .tableEntries = 100}, 454, 100},
      {"1-bit, colours used 0", {.bitCount = 1, .tableEntries = 2}, 62, 2},
      {"4-bit, colours used 0", {.bitCount = 4, .tableEntries = 16}, 118, 16},
      {"4-bit, 20 colours used", {.bitCount = 4, .clrUsed = 20, .tableEntries = 20}, 118, 16},
      {"24-bit, image size 0", {.bitCount = 24}, 54, 0},
      {"24-bit, exact image size", {.bitCount = 24, .sizeImage = 24}, 54, 0},
      {"16-bit bit fields", {.bitCount = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}}, 66, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint8_t> saved = Resave(*Parse(BuildBitmapFile(c.layout)));
    const std::uint32_t rows = testing_support::AllRowBytes(c.layout);
    EXPECT_EQ(ReadU32(saved, 10), c.rowsAt);
    EXPECT_EQ(ReadU32(saved, 2), c.rowsAt + rows);
    EXPECT_EQ(saved.size(), c.rowsAt + rows);
    EXPECT_EQ(ReadU32(saved, 14), 40u);
    EXPECT_EQ(ReadU32(saved, 34), rows);
    EXPECT_EQ(ReadU32(saved, 46), c.clrUsed);
  }
}

TEST(BitmapFormatTest, Os2BitmapsSaveInTheirOwnLayoutWithAFullThreeByteTable) {
  const auto file = BuildBitmapFile({.width = 5, .height = 3, .bitCount = 8, .headerSize = 12, .tableEntries = 256});
  const Parsed parsed = Parse(file);
  EXPECT_TRUE(parsed->format.os2);
  const std::vector<std::uint8_t> saved = Resave(*parsed);
  EXPECT_EQ(ReadU32(saved, 10), 14u + 12 + 768);
  EXPECT_EQ(ReadU32(saved, 14), 12u);
  EXPECT_EQ(saved.size(), 794u + 8 * 3);
  // Every byte after the file header equals the source's: table and rows unchanged.
  EXPECT_TRUE(std::equal(saved.begin() + 14, saved.end(), file.begin() + 14));
}

TEST(BitmapFormatTest, LoadSaveLoadKeepsFormatAndRowsForEveryDepth) {
  for (std::uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    for (std::int32_t height : {5, -5}) {
      SCOPED_TRACE("bits " + std::to_string(bits) + ", height " + std::to_string(height));
      const BitmapFileSpec layout{.width = 7, .height = height, .bitCount = bits,
                                .tableEntries = bits <= 8 ? 1u << bits : 0u};
      const Parsed first = Parse(BuildBitmapFile(layout));
      const std::vector<std::uint8_t> saved = Resave(*first);
      const ParsedBitmap second = ParseBitmap(saved);
      EXPECT_EQ(second.format.info.width, 7);
      EXPECT_EQ(second.format.info.height, height);
      EXPECT_EQ(second.format.info.bitCount, bits);
      EXPECT_EQ(second.format.colorTable, first->format.colorTable);
      EXPECT_TRUE(std::equal(first->pixelData.begin(), first->pixelData.end(), second.pixelData.begin(),
                             second.pixelData.end()));
      EXPECT_EQ(Resave(second), saved);
    }
  }
}

TEST(BitmapFormatTest, BitFieldMasksAreReadAfterTheHeaderOrFromALargerHeaderAndDefaultedWhenZero) {
  const Parsed afterHeader =
      Parse(BuildBitmapFile({.bitCount = 32, .compression = 3, .masks = {0xFF000000, 0x00000FF0, 0x00FF0000}}));
  EXPECT_EQ(afterHeader->format.masks, (std::array<std::uint32_t, 3>{0xFF000000, 0x00000FF0, 0x00FF0000}));
  EXPECT_EQ(ReadU32(Resave(*afterHeader), 54), 0xFF000000u);

  const Parsed inV3Header =
      Parse(BuildBitmapFile({.bitCount = 16, .compression = 3, .headerSize = 52, .masks = {0x7C00, 0x03E0, 0x001F}}));
  EXPECT_EQ(inV3Header->format.masks, (std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}));

  const Parsed inV4Header =
      Parse(BuildBitmapFile({.bitCount = 16, .compression = 3, .headerSize = 108, .masks = {0x7C00, 0x03E0, 0x001F}}));
  EXPECT_EQ(inV4Header->format.masks, (std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}));
  const std::vector<std::uint8_t> savedV4 = Resave(*inV4Header);
  EXPECT_EQ(ReadU32(savedV4, 14), 40u) << "only the info header is saved";
  EXPECT_EQ(ReadU32(savedV4, 54), 0x7C00u);

  for (auto [bits, red, green, blue] : {std::array<std::uint32_t, 4>{16, 0xF800, 0x07E0, 0x001F},
                                        std::array<std::uint32_t, 4>{32, 0xFF0000, 0x00FF00, 0x0000FF}}) {
    const auto saved = Resave(
        *Parse(BuildBitmapFile({.bitCount = static_cast<std::uint16_t>(bits), .compression = 3, .masks = {0, 0, 0}})));
    EXPECT_EQ(ReadU32(saved, 54), red);
    EXPECT_EQ(ReadU32(saved, 58), green);
    EXPECT_EQ(ReadU32(saved, 62), blue);
  }
}

TEST(BitmapFormatTest, DeepBitmapsWithAColourTableWriteItBack) {
  const Parsed parsed = Parse(BuildBitmapFile({.bitCount = 24, .clrUsed = 4, .tableEntries = 4}));
  const std::vector<std::uint8_t> saved = Resave(*parsed);
  EXPECT_EQ(ReadU32(saved, 46), 4u);
  EXPECT_EQ(ReadU32(saved, 10), 54u + 16);
  EXPECT_EQ(ParseBitmap(saved).format.colorTable, parsed->format.colorTable);
}

TEST(BitmapFormatTest, PixelDataNeverGoesBeyondTheBitmapsOwnRows) {
  BitmapFileSpec layout{.bitCount = 24, .sizeImage = 1000};
  std::vector<std::uint8_t> file = BuildBitmapFile(layout);
  file.insert(file.end(), 100, 0xEE);
  const Parsed larger = Parse(file);
  EXPECT_EQ(larger->pixelData.size(), 24u);
  EXPECT_EQ(Resave(*larger).size(), 54u + 24);

  layout.sizeImage = 10;  // smaller than the rows: the rest of the rows stays empty
  const Parsed smaller = Parse(BuildBitmapFile(layout));
  EXPECT_EQ(smaller->pixelData.size(), 10u);
  EXPECT_EQ(ReadU32(Resave(*smaller), 34), 24u);
}

TEST(BitmapFormatTest, CompressedBitmapsKeepTheirDataUncut) {
  const std::vector<std::uint8_t> rle = {0x02, 0x05, 0x00, 0x00, 0x02, 0x07, 0x00, 0x01};
  const Parsed parsed =
      Parse(BuildBitmapFile({.width = 2, .height = 2, .bitCount = 8, .compression = 1, .tableEntries = 256, .pixels = rle}));
  EXPECT_TRUE(parsed->format.Compressed());
  EXPECT_EQ(std::vector<std::uint8_t>(parsed->pixelData.begin(), parsed->pixelData.end()), rle);
}

struct Refusal {
  const char* what;
  BitmapFileSpec layout;
};

class BitmapRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(BitmapRefusalTest, IsNotAValidBitmap) {
  EXPECT_THROW(Parse(BuildBitmapFile(GetParam().layout)), EInvalidGraphic) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BitmapRefusalTest,
    ::testing::Values(Refusal{"header size 13", {.headerSize = 13}}, Refusal{"header size 39", {.headerSize = 39}},
                      Refusal{"header size 4", {.headerSize = 4}}, Refusal{"two planes", {.planes = 2}},
                      Refusal{"257 colours used", {.bitCount = 8, .clrUsed = 257, .tableEntries = 257}},
                      Refusal{"negative width", {.width = -3, .pixels = {1}}},
                      Refusal{"zero width", {.width = 0, .pixels = {1}}}, Refusal{"zero height", {.height = 0}},
                      Refusal{"bit count 3", {.bitCount = 3}}, Refusal{"bit count 64", {.bitCount = 64}},
                      Refusal{"bit fields at 24 bits", {.bitCount = 24, .compression = 3, .masks = {1, 2, 3}}}));

INSTANTIATE_TEST_SUITE_P(
    Dimensions, BitmapRefusalTest,
    ::testing::Values(Refusal{"rows over 1 GiB", {.width = 3000000, .height = 2000000, .pixels = {1}}},
                      Refusal{"one row over 1 GiB", {.width = 8192, .height = 32769, .bitCount = 32, .pixels = {1}}},
                      Refusal{"row size over 32 bits", {.width = 0x7FFFFFFF, .height = 1, .bitCount = 32, .pixels = {1}}},
                      Refusal{"minimum height", {.width = 1, .height = INT32_MIN, .pixels = {1}}},
                      Refusal{"huge compressed", {.width = 100000, .height = 100000, .bitCount = 8, .compression = 1,
                                                  .tableEntries = 256, .pixels = {0, 1}}}));

TEST(BitmapFormatTest, RowsOfExactlyTheSizeLimitAreTaken) {
  const Parsed atLimit = Parse(BuildBitmapFile({.width = 8192, .height = 32768, .bitCount = 32, .pixels = {1}}));
  EXPECT_EQ(atLimit->format.PixelBytes(), kMaxPixelBytes);
}

TEST(BitmapFormatTest, WrongSignatureIsNotAValidBitmap) {
  std::vector<std::uint8_t> file = BuildBitmapFile({});
  file[1] = 'A';
  EXPECT_THROW(Parse(file), EInvalidGraphic);
}

TEST(BitmapFormatTest, TruncatedFilesGiveTheErrorOfWhereTheyEnd) {
  // 8 bits per pixel, 4 colours: file header 0-13, header 14-53, table 54-69, rows from 70.
  const std::vector<std::uint8_t> file = BuildBitmapFile({.bitCount = 8, .clrUsed = 4, .tableEntries = 4});
  for (size_t length = 1; length < file.size(); ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    if (length < 14 || (length >= 54 && length < 70)) {
      EXPECT_THROW(Parse(cut), platform::EReadError);
    } else if (length < 54) {
      EXPECT_THROW(Parse(cut), EInvalidGraphic);
    } else {
      EXPECT_EQ(Parse(cut)->pixelData.size(), length - 70);
    }
  }
  const std::vector<std::uint8_t> bitFields = BuildBitmapFile({.bitCount = 16, .compression = 3, .masks = {1, 2, 3}});
  for (size_t length : {54, 58, 65})
    EXPECT_THROW(ParseBitmap({bitFields.data(), length}), platform::EReadError) << length;
}

TEST(BitmapFormatTest, EveryCorpusFileLoadsOrGivesAReaderError) {
  for (const char* folder : {"bmpsuite/g", "bmpsuite/q", "bmpsuite/b", "libjpeg-turbo"}) {
    for (const std::string& name : testing_support::TestDataFiles(folder)) {
      if (name.size() < 4 || name.substr(name.size() - 4) != ".bmp") continue;
      SCOPED_TRACE(name);
      const std::vector<std::uint8_t> file = testing_support::ReadTestData(name);
      try {
        const ParsedBitmap parsed = ParseBitmap(file);
        if (!parsed.format.Compressed()) {
          // Saved and read again, it is the same bitmap, and saves the same bytes once more.
          const std::vector<std::uint8_t> saved = Resave(parsed);
          const ParsedBitmap again = ParseBitmap(saved);
          const InfoHeader& before = parsed.format.info;
          const InfoHeader& after = again.format.info;
          EXPECT_EQ(std::tie(after.width, after.height, after.bitCount, after.compression, after.sizeImage),
                    std::tie(before.width, before.height, before.bitCount, before.compression, before.sizeImage));
          EXPECT_EQ(again.format.os2, parsed.format.os2);
          const size_t tableRoom = before.bitCount <= 8 ? 1u << before.bitCount : 256;
          EXPECT_EQ(again.format.colorTable.size(), std::min(parsed.format.colorTable.size(), tableRoom));
          std::vector<std::uint8_t> rows(parsed.pixelData.begin(), parsed.pixelData.end());
          rows.resize(static_cast<size_t>(parsed.format.PixelBytes()));
          EXPECT_TRUE(std::equal(again.pixelData.begin(), again.pixelData.end(), rows.begin(), rows.end()));
          EXPECT_EQ(Resave(again), saved);
        }
      } catch (const EInvalidGraphic&) {
      } catch (const platform::EReadError&) {
      }
    }
  }
}

}  // namespace
}  // namespace pictures
