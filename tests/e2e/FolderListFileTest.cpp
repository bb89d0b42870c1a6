// The selected-folder list file beside Vantoria.exe (or the user's own copy), as the program
// loads and saves it.
#include <gtest/gtest.h>

#include "e2e/HostCommand.h"
#include "e2e/UserInput.h"
#include "e2e/VantoriaProcess.h"
#include "platform/Handles.h"
#include "platform/KnownFolders.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::ScratchFolder;
using testing_support::WriteFileBytes;

constexpr char kMainCaption[] = "Vantoria v1.0";
constexpr auto kStartDeadline = 30s;

// The user's own copy of the list, which a test may make: it would be used in place of the file
// beside the program, so there is none before and after a test.
class UsersOwnList {
 public:
  UsersOwnList() { Remove(); }
  ~UsersOwnList() { Remove(); }
  UsersOwnList(const UsersOwnList&) = delete;
  UsersOwnList& operator=(const UsersOwnList&) = delete;

  static std::string Path() { return platform::LocalAppDataFolder() + "\\Vantoria\\Directory.drl"; }
  // Saving the user's own copy fails too: a folder stands where its new content would be written.
  void Block() {
    ::CreateDirectoryA((platform::LocalAppDataFolder() + "\\Vantoria").c_str(), nullptr);
    ::CreateDirectoryA((Path() + ".new").c_str(), nullptr);
  }

 private:
  static void Remove() {
    ::DeleteFileA(Path().c_str());
    ::RemoveDirectoryA((Path() + ".new").c_str());
  }
};

// Another program holding the file open, as a scanner or an indexer does, with the sharing it
// gives others.
platform::FileHandle Held(const std::string& path, DWORD sharing) {
  return platform::FileHandle(::CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr));
}

// Once the main window is up (null when it is not), Actions, Select directory adds the tree's
// folder (the desktop, at start), after Yes when it holds no pictures, to a list of one entry.
HWND WithTheTreesFolderAdded(VantoriaProcess& vantoria) {
  HWND main = vantoria.WaitForWindow(kMainCaption, kStartDeadline);
  if (!main) return nullptr;
  ::SetForegroundWindow(main);
  testing_support::PumpFor(300ms);
  PressKeys("alt+t d");
  vantoria.AnswerMessageBox("&Yes", 3s);
  HWND list = ChildAt(main, "ListBox", 248, 16);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ::SendMessageA(list, LB_GETCOUNT, 0, 0) == 2; }, 5s));
  return main;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST(FolderListFileTest, AProgramFolderThatTakesNoFileKeepsTheListInTheUsersOwnCopyFromThenOn) {
  UsersOwnList usersOwn;
  ScratchFolder folder;
  WriteFileBytes(folder / "Directory.drl", "C:\\first\n");
  ASSERT_TRUE(::CopyFileA(VantoriaExe().c_str(), (folder / "Vantoria.exe").c_str(), FALSE));
  const UnwritableFolder programFiles(folder.Path());
  {
    VantoriaProcess vantoria(folder, "");
    HWND main = WithTheTreesFolderAdded(vantoria);
    ASSERT_NE(main, nullptr);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(vantoria.WaitForExit(10s).has_value()) << "the window did not close";
  }
  EXPECT_EQ(ReadFileBytes(folder / "Directory.drl"), "C:\\first\n") << "the file beside the program is untouched";
  const std::vector<std::string> saved = Lines(ReadFileBytes(UsersOwnList::Path()));
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0], "C:\\first");

  VantoriaProcess again(folder, "");
  HWND main = again.WaitForWindow(kMainCaption, kStartDeadline);
  ASSERT_NE(main, nullptr);
  HWND list = ChildAt(main, "ListBox", 248, 16);
  EXPECT_EQ(testing_support::ListBoxItem(list, 1), std::wstring(saved[1].begin(), saved[1].end()));
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitForExit(10s).has_value());
}

// Windows ends the process soon after WM_ENDSESSION: an interactive run saves its list there; a
// log-on run never writes it.
TEST(FolderListFileTest, EndingTheSessionKeepsTheListOfAnInteractiveRunButNotOfALogOnRun) {
  UsersOwnList usersOwn;
  ScratchFolder folder;
  const std::string list = folder / "Directory.drl";
  WriteFileBytes(list, "C:\\first\n");
  {
    VantoriaProcess vantoria(folder, "");
    HWND main = WithTheTreesFolderAdded(vantoria);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(vantoria.EndSession());
  }
  const std::vector<std::string> saved = Lines(ReadFileBytes(list));
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0], "C:\\first");

  WriteFileBytes(list, "C:\\first\n");
  {
    VantoriaProcess vantoria(folder, "/s");
    ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
    EXPECT_TRUE(vantoria.EndSession());
  }
  EXPECT_EQ(ReadFileBytes(list), "C:\\first\n");
  EXPECT_FALSE(FileExists(UsersOwnList::Path()));
}

// A file held for a moment while the window closes is waited for: the list stays beside the
// program, and an edit of that file by hand shows at the next start, the user's own copy older.
TEST(FolderListFileTest, AListHeldForAMomentStaysBesideTheProgramAndItsNewerEditsWin) {
  UsersOwnList usersOwn;
  ScratchFolder folder;
  const std::string list = folder / "Directory.drl";
  WriteFileBytes(list, "C:\\first\r\n");
  {
    VantoriaProcess vantoria(folder, "");
    HWND main = WithTheTreesFolderAdded(vantoria);
    ASSERT_NE(main, nullptr);
    platform::FileHandle scanner = Held(list, FILE_SHARE_READ);
    ASSERT_TRUE(scanner);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ::Sleep(1500);
    scanner.Reset();
    ASSERT_TRUE(vantoria.WaitForExit(10s).has_value()) << "the window did not close";
  }
  EXPECT_EQ(Lines(ReadFileBytes(list)).size(), 2u);
  EXPECT_FALSE(FileExists(UsersOwnList::Path()));

  ::CreateDirectoryA((platform::LocalAppDataFolder() + "\\Vantoria").c_str(), nullptr);
  WriteFileBytes(UsersOwnList::Path(), "C:\\older\r\n");
  ::Sleep(50);
  WriteFileBytes(list, "C:\\edited\r\n");
  VantoriaProcess again(folder, "");
  HWND main = again.WaitForWindow(kMainCaption, kStartDeadline);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(testing_support::ListBoxItem(ChildAt(main, "ListBox", 248, 16), 0), L"C:\\edited");
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitForExit(10s).has_value());
  EXPECT_EQ(ReadFileBytes(list), "C:\\edited\r\n");
}

// Locked by another program while the program starts: the list could not be read, so what the
// window shows is not written over it when the session ends.
TEST(FolderListFileTest, AListThatCouldNotBeReadIsNotReplacedWhenTheSessionEnds) {
  ScratchFolder folder;
  const std::string list = folder / "Directory.drl";
  WriteFileBytes(list, "C:\\first\r\nC:\\second\r\n");
  platform::FileHandle locked = Held(list, 0);
  ASSERT_TRUE(locked);
  VantoriaProcess vantoria(folder, "");
  const auto box = vantoria.AnswerMessageBox("OK", kStartDeadline);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, "Cannot open file " + list + ".");
  ASSERT_NE(vantoria.WaitForWindow(kMainCaption, 15s), nullptr);
  locked.Reset();
  EXPECT_TRUE(vantoria.EndSession());
  EXPECT_EQ(ReadFileBytes(list), "C:\\first\r\nC:\\second\r\n");
}

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
// written), and the user's own copy cannot be saved either: the error box, the window stays open
// and the old file is intact.
TEST_P(UnsavableListTest, ClosingShowsTheErrorKeepsTheWindowOpenAndTheOldFile) {
  const bool readOnly = GetParam();
  UsersOwnList usersOwn;
  usersOwn.Block();
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
