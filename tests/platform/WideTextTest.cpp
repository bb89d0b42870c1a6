#include "platform/WideText.h"

#include "platform/NameCase.h"

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

// The program's own table of capitals is the system's: the one its file systems fold names by.
TEST(NameCaseTest, EveryLetterFoldsAsTheSystemFoldsTheNamesOfFiles) {
  using Upcase = wchar_t(WINAPI*)(wchar_t);
  const auto systemCapital = reinterpret_cast<Upcase>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "RtlUpcaseUnicodeChar")));
  ASSERT_NE(systemCapital, nullptr);
  std::vector<unsigned> differing;
  for (unsigned unit = 0; unit < 0x10000; ++unit)
    if (systemCapital(static_cast<wchar_t>(unit)) != UpperCaseOfNameUnit(static_cast<char16_t>(unit)))
      differing.push_back(unit);
  EXPECT_TRUE(differing.empty()) << differing.size() << " differ, the first U+" << std::hex << differing.front();
}

}  // namespace
}  // namespace platform
