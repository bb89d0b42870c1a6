#include "browse/ShellItemRules.h"

#include <gtest/gtest.h>

namespace browse {
namespace {

TEST(ShellItemRulesTest, ArchivesTheShellListsAsFoldersStayOutOfTheTree) {
  constexpr std::uint32_t kFolder = 0x20000000, kHasSubfolder = 0x80000000, kFileSystem = 0x40000000;
  EXPECT_TRUE(ShowsInFolderTree(kFolder | kHasSubfolder | kFileSystem));
  EXPECT_TRUE(ShowsInFolderTree(kFolder)) << "a virtual folder";
  EXPECT_FALSE(ShowsInFolderTree(kFolder | kFileSystem | kShellItemIsStream)) << "a .zip file";
}

TEST(ShellItemRulesTest, QuestionMarksGoOnlyFromNamesThatStartWithOneAndADigit) {
  EXPECT_EQ(WithoutQuestionMarks("?1?2 Photos?"), "12 Photos");
  EXPECT_EQ(WithoutQuestionMarks("?x?"), "?x?");
  EXPECT_EQ(WithoutQuestionMarks("?"), "?");
  EXPECT_EQ(WithoutQuestionMarks("C:\\a?b"), "C:\\a?b");
  EXPECT_EQ(WithoutQuestionMarks("?9?0"), "90");
  EXPECT_TRUE(IsClassIdName("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
  EXPECT_FALSE(IsClassIdName("C:\\::{x}"));
  EXPECT_FALSE(IsClassIdName("::x"));
}

}  // namespace
}  // namespace browse
