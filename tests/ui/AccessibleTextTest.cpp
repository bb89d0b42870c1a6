#include "ui/AccessibleText.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(AccessibleTextTest, CaptionsReadWithoutTheirAccessMarkAndLeadingBlanks) {
  EXPECT_EQ(AccessibleNameOf("  >>"), ">>");
  EXPECT_EQ(AccessibleNameOf(" Set as wallpaper"), "Set as wallpaper");
  EXPECT_EQ(AccessibleNameOf("&Display:"), "Display:");
  EXPECT_EQ(AccessibleNameOf("Randomize &file list"), "Randomize file list");
  EXPECT_EQ(AccessibleNameOf("Salt && pepper"), "Salt & pepper");
  EXPECT_EQ(AccessibleNameOf("end&"), "end&");
  EXPECT_EQ(AccessibleNameOf("   "), "");
  EXPECT_EQ(AccessKeyOf("&Display:"), 'D');
  EXPECT_EQ(AccessKeyOf("Change &wallpaper"), 'W');
  EXPECT_EQ(AccessKeyOf("Salt && &pepper"), 'P');
  EXPECT_EQ(AccessKeyOf("Salt && pepper"), 0);
  EXPECT_EQ(AccessKeyOf("end&"), 0);
  EXPECT_TRUE(IsAccessKeyOf("&Display:", 'D'));
  EXPECT_FALSE(IsAccessKeyOf("&Display:", 0x64)) << "the key code of the keypad's 4 is no letter";
}

}  // namespace
}  // namespace ui
