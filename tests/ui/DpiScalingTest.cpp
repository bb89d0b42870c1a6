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
}

}  // namespace
}  // namespace ui
