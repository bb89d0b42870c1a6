#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <tuple>

namespace platform {
namespace {

TEST(PathsTest, FolderOfAFileKeepsTheBackslashOnlyForADrivesRoot) {
  EXPECT_EQ(ExtractFileDir("C:\\Programs\\Vantoria\\Vantoria.exe"), "C:\\Programs\\Vantoria");
  EXPECT_EQ(ExtractFileDir("C:\\Vantoria.exe"), "C:\\");
  EXPECT_EQ(ExtractFileDir("C:Vantoria.exe"), "C:");
  EXPECT_EQ(ExtractFileDir("\\\\server\\share\\Vantoria.exe"), "\\\\server\\share");
  EXPECT_EQ(ExtractFileDir("Vantoria.exe"), "");
  EXPECT_EQ(ExtractFileDir("a\\b.exe"), "a");
  EXPECT_EQ(ExtractFileDir("C:\\a\\\\b.exe"), "C:\\a\\\\");
  EXPECT_EQ(ExtractFileDir("\\"), "\\");
  EXPECT_EQ(ExtractFileDir("a"), "");
  EXPECT_EQ(ExtractFileDir(""), "");
}

// Letters of any case (beyond ASCII too), either slash and a trailing separator name one file;
// what Windows keeps apart stays apart.
TEST(PathsTest, PathsAreComparedAsWindowsComparesTheNamesOfFiles) {
  for (const auto& [first, second, same] : std::initializer_list<std::tuple<const char*, const char*, bool>>{
           {"C:\\Programs\\Vantoria.exe", "c:\\PROGRAMS\\vantoria.EXE", true},
           {"C:\\\xC5\xA0kola\\\xD0\x96.jpg", "c:\\\xC5\xA1KOLA\\\xD0\xB6.JPG", true},  // S with caron, Cyrillic zhe
           {"C:/Pictures/Cats/", "C:\\Pictures\\Cats", true},
           {"C:\\", "c:/", true},
           {"C:\\Pictures\\", "C:\\Pictures\\\\", true},
           {"C:\\Programs\\Vantoria.exe", "C:\\Programs\\Vantoria.exe2", false},
           {"C:\\", "C:", false},
           {"C:\\stra\xC3\x9F" "e", "C:\\STRASSE", false},  // no letter becomes two
           {"C:\\\xC4\xB1", "C:\\I", false},                  // dotless i is no I
           {"C:\\\xC5\x9C", "C:\\\\\\", false},              // U+015C is no backslash
           {"C:\\caf\xE9", "C:\\CAF\xC9", false},              // not UTF-8: bytes as they are
       })
    EXPECT_EQ(SamePath(first, second), same) << first << " and " << second;
}

}  // namespace
}  // namespace platform
