// The selected-folder list file beside Vantoria.exe, as the program loads and saves it.
#include <gtest/gtest.h>

#include "e2e/VantoriaProcess.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::ScratchFolder;
using testing_support::WriteFileBytes;

constexpr char kMainCaption[] = "Vantoria v1.0";
constexpr auto kStartDeadline = 30s;

TEST(FolderListFileTest, MissingFileIsReportedFirstAndClosingWritesAnEmptyList) {
  ScratchFolder folder;
  {
    VantoriaProcess vantoria(folder, "");
    const auto box = vantoria.AnswerMessageBox("OK", kStartDeadline);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Error");
    EXPECT_EQ(box->text, "File \"Directory.drl\" not found. Cannot load Selected direcotories list!");
    HWND main = vantoria.WaitForWindow(kMainCaption, 15s);
    ASSERT_NE(main, nullptr);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(vantoria.WaitForExit(10s).has_value());
  }
  ASSERT_TRUE(FileExists(folder / "Directory.drl"));
  EXPECT_EQ(ReadFileBytes(folder / "Directory.drl"), "");

  VantoriaProcess again(folder, "");
  HWND main = again.WaitForWindow(kMainCaption, kStartDeadline);
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(testing_support::FindMessageBox(again.Id()).has_value());
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitForExit(10s).has_value());
}

TEST(FolderListFileTest, ListIsLoadedAndWrittenBackWithCrLf) {
  ScratchFolder folder;
  WriteFileBytes(folder / "Directory.drl", std::string("C:\\a\nC:\\b\r\r\nlast\0lost", 21));
  VantoriaProcess vantoria(folder, "");
  HWND main = vantoria.WaitForWindow(kMainCaption, kStartDeadline);
  ASSERT_NE(main, nullptr);
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(vantoria.WaitForExit(10s).has_value());
  EXPECT_EQ(ReadFileBytes(folder / "Directory.drl"), "C:\\a\r\nC:\\b\r\n\r\nlast\r\n");
}

class UnsavableListTest : public ::testing::TestWithParam<bool> {};

// Read-only list file, or a failed write (a folder stands where the new content would be
// written): the error box, the window stays open and the old file is intact.
TEST_P(UnsavableListTest, ClosingShowsTheErrorKeepsTheWindowOpenAndTheOldFile) {
  const bool readOnly = GetParam();
  ScratchFolder folder;
  const std::string list = folder / "Directory.drl";
  WriteFileBytes(list, "C:\\Pictures\r\n");
  if (readOnly)
    ::SetFileAttributesA(list.c_str(), FILE_ATTRIBUTE_READONLY);
  else
    ::CreateDirectoryA((list + ".new").c_str(), nullptr);

  VantoriaProcess vantoria(folder, "");
  HWND main = vantoria.WaitForWindow(kMainCaption, kStartDeadline);
  ASSERT_NE(main, nullptr);
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  const auto box = vantoria.AnswerMessageBox("OK", 10s);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "Vantoria");
  EXPECT_EQ(box->text, "Cannot create file " + list + ".");
  EXPECT_FALSE(vantoria.WaitForExit(1s).has_value()) << "the program ended without its list";
  EXPECT_TRUE(::IsWindowVisible(main));
  EXPECT_EQ(ReadFileBytes(list), "C:\\Pictures\r\n");

  ::SetFileAttributesA(list.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::RemoveDirectoryA((list + ".new").c_str());
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria.WaitForExit(10s).has_value());
}

INSTANTIATE_TEST_SUITE_P(Causes, UnsavableListTest, ::testing::Values(true, false));

}  // namespace
}  // namespace e2e
