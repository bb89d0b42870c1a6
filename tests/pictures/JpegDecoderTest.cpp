#include "pictures/JpegDecoder.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
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
  std::uint8_t* Row(int y) override { return rows.data() + static_cast<size_t>(y) * width * bytesPerPixel; }
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
  int width = 0, height = 0, bits = 0, bytesPerPixel = 0;
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

TEST(JpegDecoderTest, EightBitOutputHasAtMost236Colours) {
  for (const char* file : {"testorig.jpg", "grayscale.jpg"}) {
    const MemoryTarget decoded = Decode(file, true);
    EXPECT_EQ(decoded.bits, 8) << file;
    EXPECT_LE(decoded.palette.size(), 236u) << file;
    EXPECT_LE(std::set<std::uint8_t>(decoded.rows.begin(), decoded.rows.end()).size(), 236u) << file;
  }
}

TEST(JpegDecoderTest, CmykFilesComeOutAsTheirColours) {
  const MemoryTarget decoded = Decode("cmyk.jpg", false, 32);
  int width = 0, height = 0;
  const std::vector<std::uint8_t> expected = ReferenceRgb("testorig.ppm", width, height);
  ASSERT_EQ(decoded.width, width);
  const std::vector<std::uint8_t> rgb = decoded.Rgb();
  double difference = 0;
  for (size_t i = 0; i < rgb.size(); ++i) difference += std::abs(rgb[i] - expected[i]);
  EXPECT_LT(difference / static_cast<double>(rgb.size()), 12.0);
}

TEST(JpegDecoderTest, BrokenFilesFailWithLibjpegsMessageCode) {
  for (const std::string& name : testing_support::TestDataFiles("jpeg/corrupt")) {
    SCOPED_TRACE(name);
    MemoryTarget target;
    try {
      DecodeJpeg(ReadTestData(name), {}, target);
      EXPECT_EQ(target.width, 227) << "only the damaged scan decodes with warnings";
    } catch (const EJPEG& error) {
      EXPECT_EQ(std::string(error.what()).rfind("JPEG error #", 0), 0u) << error.what();
    } catch (const platform::EOutOfResources&) {
      EXPECT_NE(name.find("65500x65500"), std::string::npos) << "only a huge picture is too large";
    } catch (const platform::Exception& error) {
      ADD_FAILURE() << "not a JPEG error: " << error.what();
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

TEST(JpegDecoderTest, ProgressComesAtMostEveryHalfSecondAndAsksForRedrawsOfFourRowsOrMore) {
  std::uint64_t now = 0;
  MemoryTarget target;
  // Every call of the hook moves the clock by 300 ms: the first only starts it, and then every
  // second call is far enough from the last accepted one.
  DecodeJpeg(ReadTestData("jpeg/testorig.jpg"), {.clock = [&] { return now += 300; }}, target);
  ASSERT_FALSE(target.reports.empty());
  int lastPercent = -1, lastEnd = 0;
  for (const auto& report : target.reports) {
    EXPECT_GT(report.percent, lastPercent);
    EXPECT_LE(report.percent, 100);
    EXPECT_EQ(report.firstRow, lastEnd);
    EXPECT_EQ(report.redraw, report.endRow - report.firstRow >= 4);
    lastPercent = report.percent;
    lastEnd = report.endRow;
  }
}

}  // namespace
}  // namespace pictures
