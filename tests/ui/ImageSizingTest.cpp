#include "ui/ImageSizing.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr ImageSizing kPreview{.stretch = false, .proportional = true, .center = true};

TEST(ImageSizingTest, PreviewShrinksLargePicturesKeepingTheirShapeAndCentresThem) {
  EXPECT_EQ(DestinationRect(100, 50, 217, 145, kPreview), (ImageRect{58, 47, 100, 50}));
  EXPECT_EQ(DestinationRect(1000, 500, 217, 145, kPreview), (ImageRect{0, 18, 217, 108}));
  EXPECT_EQ(DestinationRect(400, 800, 217, 145, kPreview), (ImageRect{72, 0, 72, 145}));
  EXPECT_EQ(DestinationRect(400, 320, 217, 145, kPreview), (ImageRect{18, 0, 181, 145}));
  EXPECT_EQ(DestinationRect(0, 0, 217, 145, kPreview), (ImageRect{108, 72, 0, 0}));
  // Too large on one side only.
  EXPECT_EQ(DestinationRect(434, 100, 217, 145, kPreview), (ImageRect{0, 47, 217, 50}));
  EXPECT_EQ(DestinationRect(100, 290, 217, 145, kPreview), (ImageRect{83, 0, 50, 145}));
  // Square: neither landscape nor portrait, the shorter side of the control decides.
  EXPECT_EQ(DestinationRect(300, 300, 217, 145, kPreview), (ImageRect{36, 0, 145, 145}));
}

TEST(ImageSizingTest, SplashPictureIsShrunkToTheControlWidthAtItsTopLeft) {
  const ImageSizing splash{.stretch = false, .proportional = true, .center = false};
  EXPECT_EQ(DestinationRect(566, 283, 465, 233, splash), (ImageRect{0, 0, 465, 232}));
}

TEST(ImageSizingTest, OnlyStretchEnlargesAndWithoutProportionItFillsTheControl) {
  EXPECT_EQ(DestinationRect(65, 57, 65, 57, {.stretch = true, .proportional = true, .center = true}),
            (ImageRect{0, 0, 65, 57}));
  EXPECT_EQ(DestinationRect(10, 20, 100, 100, {.stretch = true, .proportional = true}), (ImageRect{0, 0, 50, 100}));
  EXPECT_EQ(DestinationRect(10, 20, 100, 100, {.stretch = true}), (ImageRect{0, 0, 100, 100}));
  // A picture without height has no shape to keep: it fills the control.
  EXPECT_EQ(DestinationRect(10, 0, 100, 100, {.stretch = true, .proportional = true}), (ImageRect{0, 0, 100, 100}));
  EXPECT_EQ(DestinationRect(300, 20, 100, 100, {}), (ImageRect{0, 0, 300, 20}));
}

}  // namespace
}  // namespace ui
