#include "browse/FolderListText.h"

#include <gtest/gtest.h>

#include <vector>

namespace browse {
namespace {

using Entries = std::vector<std::string>;

TEST(FolderListTextTest, LinesEndAtCrLfLoneCrAndLoneLf) {
  EXPECT_EQ(ParseFolderList("C:\\a\r\nC:\\b\r\n"), (Entries{"C:\\a", "C:\\b"}));
  EXPECT_EQ(ParseFolderList("C:\\a\nC:\\b\n"), (Entries{"C:\\a", "C:\\b"}));
  EXPECT_EQ(ParseFolderList("C:\\a\n\nC:\\b"), (Entries{"C:\\a", "", "C:\\b"})) << "LF LF is two line ends";
  EXPECT_EQ(ParseFolderList("C:\\a\rC:\\b\r"), (Entries{"C:\\a", "C:\\b"}));
  EXPECT_EQ(ParseFolderList("C:\\a\n\rC:\\b"), (Entries{"C:\\a", "", "C:\\b"}));
  // Held in a buffer of its exact size, a lone CR at the end is read with nothing after it.
  const std::vector<char> exact{'C', ':', '\\', 'a', '\r'};
  EXPECT_EQ(ParseFolderList(std::string_view(exact.data(), exact.size())), Entries{"C:\\a"});
}

TEST(FolderListTextTest, KeepsBlankEntriesBlanksAndAnUnendedLastLine) {
  EXPECT_EQ(ParseFolderList("C:\\a\r\n\r\n C:\\b \r\nC:\\c"), (Entries{"C:\\a", "", " C:\\b ", "C:\\c"}));
  EXPECT_EQ(ParseFolderList(""), Entries{});
  EXPECT_EQ(ParseFolderList("\r\n"), Entries{""});
}

TEST(FolderListTextTest, AZeroByteEndsTheText) {
  EXPECT_EQ(ParseFolderList(std::string_view("C:\\a\r\nC:\\b\0C:\\c\r\n", 17)), (Entries{"C:\\a", "C:\\b"}));
}

TEST(FolderListTextTest, WritesCrLfAfterEveryEntryAndReadsBackTheSameList) {
  const Entries entries{"C:\\Pictures", "", " spaced ", "My Computer", "C:\\"};
  EXPECT_EQ(FolderListText(entries), "C:\\Pictures\r\n\r\n spaced \r\nMy Computer\r\nC:\\\r\n");
  EXPECT_EQ(ParseFolderList(FolderListText(entries)), entries);
  EXPECT_EQ(FolderListText({}), "");
}

}  // namespace
}  // namespace browse
