#include "ui/ErrorText.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(ErrorTextTest, AppendsAPeriodOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(WithClosingPeriod("Stream read error"), "Stream read error.");
  EXPECT_EQ(WithClosingPeriod("List index out of bounds (-1)"), "List index out of bounds (-1)");
  EXPECT_EQ(WithClosingPeriod("Done."), "Done.");
  EXPECT_EQ(WithClosingPeriod("Folder allready selected!"), "Folder allready selected!");
  EXPECT_EQ(WithClosingPeriod("Really?"), "Really?.");
  EXPECT_EQ(WithClosingPeriod("ends in a comma,"), "ends in a comma,");
  EXPECT_EQ(WithClosingPeriod("a/"), "a/.");
  EXPECT_EQ(WithClosingPeriod("\xC3\xA9"), "\xC3\xA9.");
  EXPECT_EQ(WithClosingPeriod(""), "");
}

}  // namespace
}  // namespace ui
