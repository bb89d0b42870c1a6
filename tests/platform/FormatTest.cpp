#include "platform/Format.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FormatTest, FillsThePatternWhole) {
  EXPECT_EQ(Format("Cannot open file %s", "C:\\Directory.drl"), "Cannot open file C:\\Directory.drl");
  EXPECT_EQ(Format("%d", 7), "7");
  EXPECT_EQ(Format("%s", ""), "");
}

}  // namespace
}  // namespace platform
