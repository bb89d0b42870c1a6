#include "browse/FileListPaths.h"

#include <gtest/gtest.h>

namespace browse {
namespace {

TEST(FileListPathsTest, MaskSplitsAtEverySemicolonWithAFinalEmptyPattern) {
  EXPECT_EQ(SplitMask("*.jpg;*.jpeg;*.bmp;"), (std::vector<std::string>{"*.jpg", "*.jpeg", "*.bmp", ""}));
  EXPECT_EQ(SplitMask("*.gif"), (std::vector<std::string>{"*.gif"}));
  // A folder text with a wildcard in its last part sets the list's mask.
  EXPECT_TRUE(HasWildcard("*.gif"));
  EXPECT_TRUE(HasWildcard("photo?.jpg"));
  EXPECT_FALSE(HasWildcard("C:\\Pictures"));
}

// As the file system matches a name (its long one; the short alias is tried by the caller).
TEST(FileListPathsTest, NamesMatchAPatternAsTheFileSystemMatchesThem) {
  const struct {
    const char* name;
    const char* pattern;
    bool matches;
  } cases[] = {
      {"a.jpg", "*.jpg", true},         {"A.JPG", "*.jpg", true},          {"a.jpeg", "*.jpg", false},
      {"a.jpg.bak", "*.jpg", false},    {"x.jpg.jpg", "*.jpg", true},      {"noext", "*.*", true},
      {"photo1.jpg", "photo?.jpg", true}, {"photoé.jpg", "photo?.jpg", true}, {"photo.jpg", "photo?.jpg", false},
      {"a.jpg", "a.jpg**", true},       {"éé", "*é", true},                {"a.jpg", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

TEST(FileListPathsTest, JoinsWithExactlyOneBackslash) {
  EXPECT_EQ(JoinPath("C:\\Pictures", "a.jpg"), "C:\\Pictures\\a.jpg");
  EXPECT_EQ(JoinPath("C:\\", "a.jpg"), "C:\\a.jpg");
}

TEST(FileListPathsTest, AppliedTextsSplitIntoTheirFolderAndLastComponent) {
  struct Case {
    const char* text;
    const char* folder;
    const char* last;
  };
  const Case cases[] = {
      {"C:\\Pictures\\Summer", "C:\\Pictures", "Summer"},
      {"C:\\Pictures\\", "C:\\", "Pictures"},
      {"C:\\Pictures", "C:\\", "Pictures"},
      {"C:\\", "C:\\", ""},
      {"C:", "C:", ""},
      {"D:\\Pictures\\*.gif", "D:\\Pictures", "*.gif"},
      {"\\\\server\\share\\photos", "\\\\server\\share\\", "photos"},
      {"\\\\server\\share", "\\\\server\\share", ""},
      {"\\Pictures\\a.jpg", "E:\\Pictures", "a.jpg"},
      {"Pictures", "", "Pictures"},
      {"My Computer", "", "My Computer"},
      {"C:/Pictures/Summer", "C:/Pictures", "Summer"},
      {"//server/share/photos", "//server/share\\", "photos"},
      {"\\", "E:\\", ""},
      {"a", "", "a"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const AppliedPath parts = SplitAppliedPath(c.text, "E:");
    EXPECT_EQ(parts.folder, c.folder) << c.text;
    EXPECT_EQ(parts.last, c.last) << c.text;
  }
}

TEST(FileListPathsTest, TextsWithoutADriveOrALeadingBackslashAreTakenFromTheShownFolder) {
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "Summer"), "C:\\Pictures\\Summer");
  EXPECT_EQ(ResolvedAgainst("C:\\", "Summer"), "C:\\Summer");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", ""), "C:\\Pictures");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "\\Other"), "C:\\Other");
  EXPECT_EQ(ResolvedAgainst("\\\\server\\share\\photos", "\\Other"), "\\\\server\\share\\Other");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "c:Summer"), "C:\\Pictures\\Summer") << "the same drive";
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "C:"), "C:\\Pictures");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "D:Summer"), "D:\\Summer") << "another drive: from its root";
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "D:\\Summer"), "D:\\Summer");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "\\\\server\\share"), "\\\\server\\share");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "\\"), "C:\\");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "a"), "C:\\Pictures\\a");
  // Windows takes a forward slash for a backslash.
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "/Photos"), "C:/Photos");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "C:/Photos"), "C:/Photos");
  EXPECT_EQ(ResolvedAgainst("\\\\server\\share\\photos", "/Other"), "\\\\server\\share/Other");
  EXPECT_EQ(ResolvedAgainst("C:\\Pictures", "//server/share"), "//server/share");
}

}  // namespace
}  // namespace browse
