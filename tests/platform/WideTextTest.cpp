#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace platform {
namespace {

// A command line of the program's path in a code page that cannot carry it would never start.
TEST(WideTextTest, APathSurvivesACodePageOnlyWhenEveryLetterIsOneOfIts) {
  EXPECT_TRUE(SurvivesCodePage(L"C:\\Programs\\Vantoria.exe", 1252));
  EXPECT_TRUE(SurvivesCodePage(L"C:\\Caf\u00e9\\Vantoria.exe", 1252));
  EXPECT_FALSE(SurvivesCodePage(L"C:\\\u0416\\Vantoria.exe", 1252)) << "Cyrillic on a Western PC";
  EXPECT_FALSE(SurvivesCodePage(L"C:\\\u0100\\Vantoria.exe", 1252)) << "no look-alike A either";
  EXPECT_TRUE(SurvivesCodePage(L"C:\\\u0416\\Vantoria.exe", 1251));
  EXPECT_TRUE(SurvivesCodePage(L"C:\\\u0416\\Vantoria.exe", CP_UTF8));
  EXPECT_TRUE(SurvivesCodePage(L"", 1252));
}

TEST(WideTextTest, PathsAreTheSameWhateverTheCaseOfAnyLetter) {
  EXPECT_TRUE(SamePathText("C:\\Programs\\Vantoria.exe", "c:\\PROGRAMS\\vantoria.EXE"));
  EXPECT_TRUE(SamePathText(FromWide(L"C:\\\u0160\\V.exe"), FromWide(L"C:\\\u0161\\V.exe"))) << "S with caron";
  EXPECT_FALSE(SamePathText("C:\\Programs\\Vantoria.exe", "C:\\Programs\\Vantoria.exe2"));
}

}  // namespace
}  // namespace platform
