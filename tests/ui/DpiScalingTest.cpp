#include "ui/DpiScaling.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(DpiScalingTest, ScalesByTheResolutionAndTruncates) {
  EXPECT_EQ(ScaleToDpi(217, 96), 217);
  EXPECT_EQ(ScaleToDpi(217, 144), 325);
  EXPECT_EQ(ScaleToDpi(145, 144), 217);
  EXPECT_EQ(ScaleToDpi(1, 144), 1);
  EXPECT_EQ(ScaleToDpi(-8, 144), -12);
  EXPECT_EQ(ScaleToDpi(15, 120), 18);
  EXPECT_EQ(ScaleToDpi(DesignLength{19}, 144), 28);
}

// Item heights round, so that a list keeps its designed whole rows near its designed height.
TEST(DpiScalingTest, ItemHeightsScaleAndRound) {
  EXPECT_EQ(ItemHeightAtDpi(DesignLength{15}, 96), 15);
  EXPECT_EQ(ItemHeightAtDpi(DesignLength{15}, 120), 19);
  EXPECT_EQ(ItemHeightAtDpi(DesignLength{15}, 144), 23);
  EXPECT_EQ(ItemHeightAtDpi(DesignLength{15}, 192), 30);
  EXPECT_EQ(ItemHeightAtDpi(DesignLength{13}, 168), 23) << "22.75";
}

}  // namespace
}  // namespace ui
