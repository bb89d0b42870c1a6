#include "platform/Paths.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace platform
