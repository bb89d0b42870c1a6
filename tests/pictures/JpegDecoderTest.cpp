#include "pictures/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include <jpeglib.h>  // after <cstdio>, which it needs
#include <jerror.h>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "support/TestData.h"

namespace pictures {
namespace {

using testing_support::ReadTestData;

// Rows kept in memory as RGB triples, whatever the decoder's output.
class MemoryTarget : public JpegTarget {
 public:
  void Begin(int width, int height, int bitsPerPixel, const std::vector<RgbQuad>& palette) override {
    this->width = width;
    this->height = height;
    bits = bitsPerPixel;
    this->palette = palette;
    rows.assign(static_cast<size_t>(width) * height * (bitsPerPixel / 8), 0);
    bytesPerPixel = bitsPerPixel / 8;
  }
  void Part(int left, int top, int width, int height) override {
    partLeft = left;
    partTop = top;
    Begin(width, height, bits, palette);
  }
  std::uint8_t* Row(int y) override {
    return rows.data() + static_cast<size_t>(y - partTop) * width * bytesPerPixel;
  }
  const std::uint8_t* Pixel(int x, int y) const {
    return rows.data() + (static_cast<size_t>(y - partTop) * width + x - partLeft) * bytesPerPixel;
  }
  void Progress(int percent, int firstRow, int endRow, bool redraw) noexcept override {
    reports.push_back({percent, firstRow, endRow, redraw});
  }

  std::vector<std::uint8_t> Rgb() const {
    std::vector<std::uint8_t> rgb;
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
      if (bits > 8) {
        const std::uint8_t* bgr = &rows[i * bytesPerPixel];
        rgb.insert(rgb.end(), {bgr[2], bgr[1], bgr[0]});
      } else {
        const RgbQuad& c = palette.at(rows[i]);
        rgb.insert(rgb.end(), {c.red, c.green, c.blue});
      }
    }
    return rgb;
  }

  struct Report {
    int percent, firstRow, endRow;
    bool redraw;
  };
  int width = 0, height = 0, bits = 0, bytesPerPixel = 0, partLeft = 0, partTop = 0;
  std::vector<RgbQuad> palette;
  std::vector<std::uint8_t> rows;
  std::vector<Report> reports;
};

// A binary PPM or PGM reference as RGB triples.
std::vector<std::uint8_t> ReferenceRgb(const std::string& name, int& width, int& height) {
  const std::vector<std::uint8_t> bytes = ReadTestData("jpeg/reference/" + name);
  std::istringstream header(std::string(bytes.begin(), bytes.begin() + 20));
  std::string magic;
  int maximum = 0;
  header >> magic >> width >> height >> maximum;
  const size_t channels = magic == "P5" ? 1 : 3;
  const size_t samples = static_cast<size_t>(width) * height * channels;
  std::vector<std::uint8_t> pixels(bytes.end() - static_cast<std::ptrdiff_t>(samples), bytes.end());
  if (channels == 3) return pixels;
  std::vector<std::uint8_t> rgb;
  for (std::uint8_t gray : pixels) rgb.insert(rgb.end(), {gray, gray, gray});
  return rgb;
}

MemoryTarget Decode(const std::string& name, bool eightBit = false, int colourBits = 24) {
  MemoryTarget target;
  DecodeJpeg(ReadTestData("jpeg/" + name), {.eightBit = eightBit, .colourBits = colourBits}, target);
  return target;
}

struct DecodeCase {
  const char* file;
  const char* reference;
  bool eightBit;
  int colourBits = 24;
};

class JpegPixelsTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(JpegPixelsTest, EqualLibjpegTurbosOwnDecode) {
  const MemoryTarget decoded = Decode(GetParam().file, GetParam().eightBit, GetParam().colourBits);
  int width = 0, height = 0;
  const std::vector<std::uint8_t> expected = ReferenceRgb(GetParam().reference, width, height);
  EXPECT_EQ(decoded.width, width);
  EXPECT_EQ(decoded.height, height);
  EXPECT_TRUE(decoded.Rgb() == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegPixelsTest,
    ::testing::Values(DecodeCase{"testorig.jpg", "testorig.ppm", false},
                      DecodeCase{"progressive.jpg", "progressive.ppm", false},
                      DecodeCase{"sampled444.jpg", "sampled444.ppm", false},
                      DecodeCase{"testimgari.jpg", "testimgari.ppm", false},
                      DecodeCase{"testorig.jpg", "testorig.ppm", false, 32},
                      DecodeCase{"testorig.jpg", "testorig-236.ppm", true},
                      DecodeCase{"grayscale.jpg", "grayscale-236.pgm", false}));

TEST(JpegDecoderTest, HeaderGivesSizeAndKindWithoutDecoding) {
  const JpegHeader baseline = ReadJpegHeader(ReadTestData("jpeg/testorig.jpg"));
  EXPECT_EQ(baseline.width, 227);
  EXPECT_EQ(baseline.height, 149);
  EXPECT_FALSE(baseline.grayscale);
  EXPECT_FALSE(baseline.progressive);
  EXPECT_TRUE(ReadJpegHeader(ReadTestData("jpeg/progressive.jpg")).progressive);
  EXPECT_TRUE(ReadJpegHeader(ReadTestData("jpeg/grayscale.jpg")).grayscale);
}

// A part, away from the picture's corner, comes out as the same region of the whole picture: at
// its edges too, where the smooth upsampling of 4:2:0 reads the columns beside it.
TEST(JpegDecoderTest, APartIsTheSameRegionOfTheWholePicture) {
  for (const char* file : {"testorig.jpg", "cmyk.jpg"}) {
    const std::vector<std::uint8_t> jpeg = ReadTestData(std::string("jpeg/") + file);
    JpegDecodeOptions options = {.grayscaleAsPalette = false, .floatDct = false};
    MemoryTarget whole, part;
    DecodeJpeg(jpeg, options, whole);
    options.part = {32, 20, 64, 40};
    DecodeJpeg(jpeg, options, part);
    ASSERT_TRUE(part.partLeft <= 32 && part.partLeft + part.width >= 96 && part.partTop == 20 && part.height == 40);
    for (int y = 20; y < 60; ++y)
      for (int x = 32; x < 96; ++x)
        ASSERT_TRUE(std::equal(part.Pixel(x, y), part.Pixel(x, y) + 3, whole.Pixel(x, y)))
            << file << " " << x << "," << y;
  }
}

TEST(JpegDecoderTest, EightBitOutputHasAtMost236Colours) {
  for (const char* file : {"testorig.jpg", "grayscale.jpg"}) {
    const MemoryTarget decoded = Decode(file, true);
    EXPECT_EQ(decoded.bits, 8) << file;
    EXPECT_LE(decoded.palette.size(), 236u) << file;
    EXPECT_LE(std::set<std::uint8_t>(decoded.rows.begin(), decoded.rows.end()).size(), 236u) << file;
  }
}

TEST(JpegDecoderTest, CmykFilesComeOutAsTheirColoursInTrueColourEvenWhereEightBitsAreAsked) {
  int width = 0, height = 0;
  const std::vector<std::uint8_t> expected = ReferenceRgb("testorig.ppm", width, height);
  for (const bool eightBit : {false, true}) {
    const MemoryTarget decoded = Decode("cmyk.jpg", eightBit, 32);
    ASSERT_EQ(decoded.width, width);
    EXPECT_EQ(decoded.bits, 32);
    const std::vector<std::uint8_t> rgb = decoded.Rgb();
    double difference = 0;
    for (size_t i = 0; i < rgb.size(); ++i) difference += std::abs(rgb[i] - expected[i]);
    EXPECT_LT(difference / static_cast<double>(rgb.size()), 12.0);
  }
}

TEST(JpegDecoderTest, BrokenFilesFailWithLibjpegsMessageCode) {
  const std::map<std::string, std::string> outcomes = {
      {"empty_0_bytes.jpg", platform::Format("JPEG error #%d", JERR_INPUT_EMPTY)},
      {"garbage_random_4096.jpg", platform::Format("JPEG error #%d", JERR_NO_SOI)},
      {"scan_data_corrupted_mid.jpg", platform::Format("JPEG error #%d", JERR_UNKNOWN_MARKER)},
      {"sof_dims_patched_65500x65500.jpg", "Out of memory"},
      {"soi_only_2_bytes.jpg", platform::Format("JPEG error #%d", JERR_NO_IMAGE)},
      {"soi_then_garbage_4096.jpg", platform::Format("JPEG error #%d", JERR_UNKNOWN_MARKER)},
      {"text_named_jpg.jpg", platform::Format("JPEG error #%d", JERR_NO_SOI)},
      {"truncated_in_header_before_sos.jpg", platform::Format("JPEG error #%d", JERR_SOF_NO_SOS)},
  };
  for (const std::string& path : testing_support::TestDataFiles("jpeg/corrupt")) {
    const std::string name = path.substr(path.rfind('/') + 1);
    SCOPED_TRACE(name);
    ASSERT_TRUE(outcomes.contains(name)) << "a corrupt file without its outcome";
    MemoryTarget target;
    try {
      DecodeJpeg(ReadTestData(path), {}, target);
      ADD_FAILURE() << "decoded";
    } catch (const EJPEG& error) {
      EXPECT_EQ(error.what(), outcomes.at(name));
    } catch (const platform::EOutOfResources& error) {
      EXPECT_EQ(error.what(), outcomes.at(name));
    }
  }
  EXPECT_THROW(ReadJpegHeader({}), EJPEG);
  EXPECT_THROW(Decode("testorig12.jpg"), EJPEG);
}

TEST(JpegDecoderTest, LargePhotosDecodeEvenWhenCutShort) {
  struct Photo {
    const char* file;
    int bits;
  };
  for (const Photo& photo : {Photo{"photo_1920x1280_cmyk.jpg", 24}, Photo{"photo_1920x1280_gray.jpg", 8},
                             Photo{"truncated_half_baseline_1920x1280.jpg", 24},
                             Photo{"truncated_half_progressive_1920x1280.jpg", 24}}) {
    SCOPED_TRACE(photo.file);
    const MemoryTarget decoded = Decode(std::string("photos/") + photo.file);
    EXPECT_EQ(decoded.width, 1920);
    EXPECT_EQ(decoded.height, 1280);
    EXPECT_EQ(decoded.bits, photo.bits);
  }
}

// The progress of one decode, with the hook's clock at `clock(call)` for its numbered calls.
std::vector<MemoryTarget::Report> Progress(const std::string& name, bool eightBit,
                                           std::function<std::uint64_t(int call)> clock) {
  int calls = 0;
  MemoryTarget target;
  DecodeJpeg(ReadTestData("jpeg/" + name), {.eightBit = eightBit, .clock = [&] { return clock(calls++); }}, target);
  return target.reports;
}

TEST(JpegDecoderTest, ProgressComesAtMostEveryHalfSecondWithRisingPercentagesOverEveryPass) {
  // Every call 500 ms after the last: each is far enough from it, and only new percentages come.
  // Progressive files and two-pass colour reduction take several passes.
  for (const auto& [name, eightBit] :
       {std::pair{"testorig.jpg", false}, std::pair{"progressive.jpg", false}, std::pair{"testorig.jpg", true}}) {
    SCOPED_TRACE(std::string(name) + (eightBit ? ", 8 bits" : ""));
    const auto reports = Progress(name, eightBit, [](int call) { return 500u * call; });
    ASSERT_GT(reports.size(), 10u);
    int lastPercent = -1, lastEnd = 0;
    for (const auto& report : reports) {
      EXPECT_GT(report.percent, lastPercent);
      EXPECT_LE(report.percent, 100);
      EXPECT_EQ(report.firstRow, lastEnd);
      EXPECT_EQ(report.redraw, report.endRow - report.firstRow >= 4);
      lastPercent = report.percent;
      lastEnd = report.endRow;
    }
    EXPECT_GT(lastPercent, 90) << "the percentage covers every pass";
  }
  // A call exactly 500 ms after the last one taken is taken too: the first report comes at the
  // second call, after the first row.
  EXPECT_EQ(Progress("testorig.jpg", false, [](int call) { return 500u * call; }).front().endRow, 1);
  // A clock that stands still: the first call only starts it, and nothing is reported.
  EXPECT_TRUE(Progress("testorig.jpg", false, [](int) { return 1000u; }).empty());
}

TEST(JpegDecoderTest, ProgressAsksForARedrawOnceFourNewRowsAreThere) {
  // 1000 ms pass every fourth call: each report brings exactly four rows.
  const auto reports = Progress("testorig.jpg", false, [](int call) { return 1000u * (call / 4); });
  ASSERT_GT(reports.size(), 10u);
  for (const auto& report : reports) {
    EXPECT_EQ(report.endRow - report.firstRow, 4) << report.firstRow;
    EXPECT_TRUE(report.redraw) << report.firstRow;
  }
}

// testorig.jpg claiming another size: its frame header gives the height and then the width.
std::vector<std::uint8_t> WithSize(int width, int height) {
  std::vector<std::uint8_t> file = ReadTestData("jpeg/testorig.jpg");
  for (size_t i = 0; i + 9 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = static_cast<std::uint8_t>(height >> 8);
      file[i + 6] = static_cast<std::uint8_t>(height);
      file[i + 7] = static_cast<std::uint8_t>(width >> 8);
      file[i + 8] = static_cast<std::uint8_t>(width);
      break;
    }
  return file;
}

TEST(JpegDecoderTest, PicturesOfUpToOneGibibyteOfOutputAreTakenAndLargerOnesRefused) {
  // The decode is cut short where its rows would be wanted: the picture was taken.
  class StopAtBegin : public MemoryTarget {
    void Begin(int, int, int, const std::vector<RgbQuad>&) override { throw std::logic_error("taken"); }
  };
  StopAtBegin target;
  const JpegDecodeOptions trueColour{.colourBits = 32};
  EXPECT_THROW(DecodeJpeg(WithSize(16384, 16384), trueColour, target), std::logic_error);  // 4 x 2^28 bytes
  EXPECT_THROW(DecodeJpeg(WithSize(16384, 16385), trueColour, target), platform::EOutOfResources);
}

}  // namespace
}  // namespace pictures
