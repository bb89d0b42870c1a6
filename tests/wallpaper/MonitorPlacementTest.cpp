#include "wallpaper/MonitorPlacement.h"

#include <gtest/gtest.h>

#include <tuple>

#include <utility>

#include "pictures/BgrPixels.h"
#include "pictures/JpegScale.h"

namespace wallpaper {
namespace {

using platform::TWallpaperStyle;

// A 1280 x 1024 landscape monitor and a 1024 x 1280 portrait one, with pictures of 3:2 and 2:3.
TEST(MonitorPlacementTest, EachStylePlacesThePictureAtTheMonitorsSize) {
  struct Case {
    TWallpaperStyle style;
    int pictureWidth, pictureHeight, width, height;
    PixelRect placed;
  };
  const Case cases[] = {
      {TWallpaperStyle::wsTile, 300, 200, 1280, 1024, {0, 0, 300, 200}},
      {TWallpaperStyle::wsCenter, 300, 200, 1280, 1024, {490, 412, 300, 200}},
      {TWallpaperStyle::wsCenter, 3000, 2000, 1280, 1024, {-860, -488, 3000, 2000}},  // cropped
      {TWallpaperStyle::wsNone, 301, 201, 1280, 1024, {489, 411, 301, 201}},
      {TWallpaperStyle::wsStretch, 300, 200, 1024, 1280, {0, 0, 1024, 1280}},
      // Fill covers, cropped equally on both sides: at the sides for the wider picture...
      {TWallpaperStyle::wsFill, 3000, 2000, 1280, 1024, {-128, 0, 1536, 1024}},
      // ...top and bottom for the narrower one.
      {TWallpaperStyle::wsFill, 2000, 3000, 1280, 1024, {0, -448, 1280, 1920}},
      {TWallpaperStyle::wsFill, 2000, 3000, 1024, 1280, {0, -128, 1024, 1536}},
      // Fit lies inside, centred, with bars.
      {TWallpaperStyle::wsFit, 3000, 2000, 1280, 1024, {0, 85, 1280, 853}},
      {TWallpaperStyle::wsFit, 2000, 3000, 1280, 1024, {298, 0, 683, 1024}},
      {TWallpaperStyle::wsFit, 100, 100, 1024, 1280, {0, 128, 1024, 1024}},  // enlarged to fit
      {TWallpaperStyle::wsFit, 0, 100, 1024, 1280, {0, 0, 0, 0}},
      {TWallpaperStyle::wsFit, 10000, 1, 1920, 1080, {0, 539, 1920, 1}},  // a pixel high at least
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceOnMonitor(c.style, c.pictureWidth, c.pictureHeight, c.width, c.height), c.placed)
        << static_cast<int>(c.style) << ": " << c.pictureWidth << " x " << c.pictureHeight << " on " << c.width
        << " x " << c.height;
}

TEST(MonitorPlacementTest, MonitorsGoPrimaryFirstThenByLeftThenByTop) {
  std::vector<Monitor> monitors = {{"C", {1280, 0, 1024, 1280}, false},
                                   {"B", {-1024, 500, 1024, 768}, false},
                                   {"A", {0, 0, 1280, 1024}, true},
                                   {"D", {-1024, -268, 1024, 768}, false}};
  OrderMonitors(monitors);
  std::string order;
  for (const Monitor& monitor : monitors) order += monitor.device;
  EXPECT_EQ(order, "ADBC");

  // The monitor under a point: its own, else the nearest (a monitor's right edge is outside it).
  const std::vector<Monitor> twoShapes = {{"A", {0, 0, 1280, 1024}, true}, {"C", {1280, 0, 1024, 1280}, false}};
  for (const auto& [x, y, device] : {std::tuple{1279, 1023, "A"}, {1280, 0, "C"}, {1300, 1200, "C"},
                                     {-50, 2000, "A"}, {1200, 1100, "A"}, {1290, 1100, "C"}, {9000, -5, "C"}})
    EXPECT_EQ(MonitorAt(twoShapes, x, y)->device, device) << x << ", " << y;
  EXPECT_EQ(MonitorAt({}, 0, 0), nullptr);
}

// Older Windows tile from the primary's corner: a monitor left of it puts the primary's column
// 1024 of 2304 first. JPEGs decode at the smallest fast scale that covers the need, and only the
// part the resampler reads for what shows. Portrait pictures suit tall monitors.
TEST(MonitorPlacementTest, TileShiftsScalesPartsAndShapes) {
  EXPECT_EQ(TileShift(-1024, 2304), 1024);
  EXPECT_EQ(TileShift(0, 2304), 0);
  EXPECT_EQ(TileShift(-3000, 2304), 696);
  EXPECT_EQ(TileShift(-5, 0), 0);
  EXPECT_EQ(TileShift(100, 2304), 2204);

  EXPECT_EQ(pictures::JpegScaleEighths(6000, 4000, 3840, 2560), 8) << "half gives 3000 columns";
  EXPECT_EQ(pictures::JpegScaleEighths(6000, 4000, 2160, 1440), 4);
  EXPECT_EQ(pictures::JpegScaleEighths(6000, 4000, 750, 500), 1);
  EXPECT_EQ(pictures::JpegScaleEighths(6001, 4000, 751, 500), 1) << "the decoder rounds up";
  EXPECT_EQ(pictures::JpegScaleEighths(300, 200, 300, 200), 8);
  EXPECT_EQ(pictures::JpegScaleEighths(6000, 4000, 1000, 1500), 4) << "a quarter is wide enough, not tall enough";

  EXPECT_EQ(pictures::ShownPart(300, 200, {-128, 0, 1536, 1024}, {0, 0, 1280, 1024}), (PixelRect{24, 0, 252, 200}));
  EXPECT_EQ(pictures::ShownPart(300, 200, {490, 412, 300, 200}, {490, 412, 300, 200}), (PixelRect{0, 0, 300, 200}));
  EXPECT_EQ(pictures::ShownPart(300, 200, {0, 0, 300, 200}, {0, 0, 0, 0}), (PixelRect{0, 0, 0, 0}));

  EXPECT_TRUE(SuitsMonitor(2000, 3000, 1024, 1280));
  EXPECT_FALSE(SuitsMonitor(3000, 2000, 1024, 1280));
  EXPECT_TRUE(SuitsMonitor(3000, 2000, 1280, 1024));
  EXPECT_TRUE(SuitsMonitor(500, 500, 1024, 1280)) << "square";
  EXPECT_TRUE(SuitsMonitor(2000, 3000, 1024, 1024)) << "square";
}

// A picture of two columns, black and white, drawn at other sizes.
TEST(MonitorPlacementTest, ShrinkingAveragesEnlargingBlendsAndDrawingStaysInTheClip) {
  BgrPixels picture(4, 1);
  picture.Fill({2, 0, 2, 1}, 0xFFFFFF);
  BgrPixels canvas(6, 2, 0x0000FF);  // red
  const PicturePart whole = WholePicture(std::move(picture));
  DrawScaled(whole, {0, 0, 2, 1}, {0, 0, 6, 2}, canvas);  // halved: each pixel the mean of two
  EXPECT_EQ(canvas.Row(0)[0], 0);
  EXPECT_EQ(canvas.Row(0)[3], 255);
  DrawScaled(whole, {0, 1, 8, 1}, {0, 1, 5, 1}, canvas);  // doubled, cropped after 5 columns
  EXPECT_EQ(canvas.Row(1)[0], 0);
  EXPECT_EQ(canvas.Row(1)[3 * 3], 64) << "a quarter of the way to white";
  EXPECT_EQ(canvas.Row(1)[4 * 3], 191);
  EXPECT_EQ(canvas.Row(1)[5 * 3 + 2], 255) << "outside the clip: still red";
  // Its right half alone, as a part, draws the same where it shows.
  BgrPixels rightHalf(2, 1);
  rightHalf.Fill({0, 0, 2, 1}, 0xFFFFFF);
  DrawScaled(PicturePart{std::move(rightHalf), 2, 0, 4, 1}, {0, 0, 8, 1}, {5, 0, 1, 1}, canvas);
  EXPECT_EQ(canvas.Row(0)[5 * 3], 255);

  BgrPixels tiled(5, 1);
  DrawTiled(whole.pixels, {1, 0, 4, 1}, tiled);
  EXPECT_EQ(tiled.Row(0)[1 * 3], 0);
  EXPECT_EQ(tiled.Row(0)[3 * 3], 255);
  tiled.Turn(3, 0);
  EXPECT_EQ(tiled.Row(0)[0], 255) << "column 3 first";
  tiled.Turn(-3, 0);
  EXPECT_EQ(tiled.Row(0)[3 * 3], 255) << "and back";
  BgrPixels rows(1, 3);  // a monitor above the primary turns the rows
  rows.Fill({0, 1, 1, 1}, 0xFFFFFF);
  rows.Turn(0, 1);
  EXPECT_TRUE(rows.Row(0)[0] == 255 && rows.Row(2)[0] == 0);

  BgrPixels pair(2, 1);  // black and white into one pixel: their mean
  pair.Fill({1, 0, 1, 1}, 0xFFFFFF);
  DrawScaled(WholePicture(std::move(pair)), {0, 0, 1, 1}, {0, 0, 1, 1}, canvas);
  EXPECT_EQ(canvas.Row(0)[0], 128);

  BgrPixels ramp(2, 256), halved(2, 128);  // drawn in bands: no row lost at a band's edge
  for (int y = 0; y < 256; ++y) ramp.Fill({0, y, 2, 1}, 0x010101u * static_cast<std::uint32_t>(y));
  DrawScaled(WholePicture(std::move(ramp)), {0, 0, 2, 128}, {0, 0, 2, 128}, halved);
  for (int y = 0; y < 128; ++y) EXPECT_NEAR(halved.Row(y)[3], 2 * y + 0.5, 1) << y;
  BgrPixels column(640, 1), shrunk(156, 1);  // drawn pixel 117 begins with a sliver of column 479
  column.Fill({479, 0, 1, 1}, 0xFFFFFF);
  DrawScaled(WholePicture(std::move(column)), {0, 0, 156, 1}, {0, 0, 156, 1}, shrunk);
  EXPECT_LT(shrunk.Row(0)[117 * 3], 8) << "a bright neighbour wrapped to white";

  // A flat colour shrunk by large uneven factors keeps exactly its colour; a height the bands do
  // not divide still gets its last row.
  for (const auto& [from, to] : {std::pair{6000, 150}, {3000, 7}, {67, 67}}) {
    BgrPixels flat(from, 67, 0x123456), drawn(to, 67, 0xFFFFFF);
    DrawScaled(WholePicture(std::move(flat)), {0, 0, to, 67}, {0, 0, to, 67}, drawn);
    for (int y = 0; y < 67; ++y)
      for (int x = 0; x < to * 3; x += 3)
        ASSERT_EQ(drawn.Row(y)[x] << 16 | drawn.Row(y)[x + 1] << 8 | drawn.Row(y)[x + 2], 0x123456) << x << ", " << y;
  }
  // The previews' 32-bit rows: a black and a white pixel halved into their mean, doubled into a blend.
  const std::vector<std::uint8_t> blackWhite = {0, 0, 0, 255, 255, 255, 255, 255};
  EXPECT_EQ(pictures::ScaledBgra(blackWhite, 2, 1, 1, 1), (std::vector<std::uint8_t>{128, 128, 128, 255}));
  const std::vector<std::uint8_t> doubled = pictures::ScaledBgra(blackWhite, 2, 1, 4, 2);
  for (int row = 0; row < 2; ++row)
    for (const auto& [x, level] : {std::pair{0, 0}, {1, 64}, {2, 191}, {3, 255}})
      EXPECT_EQ(doubled[(row * 4 + x) * 4 + 1], level) << x;
}

}  // namespace
}  // namespace wallpaper
