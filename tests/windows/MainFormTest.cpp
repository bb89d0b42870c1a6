#include "windows/MainForm.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include "platform/Module.h"
#include "support/Later.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/Waiting.h"
#include "ui/Application.h"
#include "ui/Help.h"
#include "ui/ShellOpen.h"
#include "windows/AboutD.h"

namespace windows {
namespace {

using namespace std::chrono_literals;

TEST(MainFormTest, PictureListStartsOnTheDesktopFolderWithNothingSelected) {
  char desktop[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  TFormMain form;
  EXPECT_EQ(form.FileLB.Directory(), desktop);
  EXPECT_EQ(form.FileLB.ItemIndex(), -1);
  EXPECT_EQ(form.ShellTV.Path(), desktop);
}

TEST(MainFormTest, TreeAndListsTakeTheComicFont) {
  TFormMain form;
  EXPECT_EQ(form.FileLB.Font().Name(), "Comic Sans MS");
  EXPECT_EQ(form.SelDirLB.Font().Name(), "Comic Sans MS");
  EXPECT_EQ(form.ShellTV.Font().Name(), "Comic Sans MS");
}

TEST(MainFormTest, TabGoesFromTheTreeToTheSelectedFoldersToThePictures) {
  TFormMain form;
  HWND next = ::GetNextDlgTabItem(form.Handle(), form.ShellTV.Handle(), FALSE);
  EXPECT_EQ(next, form.SelDirLB.Handle());
  next = ::GetNextDlgTabItem(form.Handle(), next, FALSE);
  EXPECT_EQ(next, form.FileLB.Handle());
  EXPECT_EQ(::GetNextDlgTabItem(form.Handle(), next, FALSE), form.ShellTV.Handle());
}

TEST(MainFormTest, ActionsOptionsShowsTheOptionsDialogModallyWithTheFocusInDisplayAndGivesItBack) {
  TFormMain form;
  settings::TODialog options;
  TAboutDialog about;
  form.ConnectDialogs(options, about);
  form.ShowWithStartupCommand();
  EXPECT_EQ(::GetFocus(), form.ShellTV.Handle()) << "the main window starts in the tree";
  ::SetFocus(form.SelDirLB.Handle());
  char caption[64] = {};
  HMENU bar = ::GetMenu(form.Handle());
  ::GetMenuStringA(bar, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "Ac&tions");
  HMENU actions = ::GetSubMenu(bar, 0);
  ::GetMenuStringA(actions, 3, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "&Options");

  bool shownModally = false, focusInDisplay = false;
  testing_support::Later close(std::chrono::milliseconds(200), [&] {
    shownModally = options.Visible() && options.Modal();
    // The combo box hands the focus to its text field.
    focusInDisplay = ::GetFocus() == options.DisplayCB.Handle() || ::IsChild(options.DisplayCB.Handle(), ::GetFocus());
    ::SendMessageA(options.CancelB.Handle(), BM_CLICK, 0, 0);
  });
  ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(actions, 3), 0), 0);
  EXPECT_TRUE(shownModally);
  EXPECT_TRUE(focusInDisplay);
  EXPECT_FALSE(options.Visible());
  EXPECT_EQ(::GetFocus(), form.SelDirLB.Handle());
}

std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    texts.push_back(::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR ? "-" : text);
  }
  return texts;
}

TEST(MainFormTest, MenuHoldsTheActionsAndHelpItemsInOrder) {
  TFormMain form;
  HMENU bar = ::GetMenu(form.Handle());
  EXPECT_EQ(MenuTexts(bar), (std::vector<std::string>{"Ac&tions", "&Help"}));
  EXPECT_EQ(MenuTexts(::GetSubMenu(bar, 0)), (std::vector<std::string>{"Set as wallpaper\tCtrl+S", "Select &directory",
                                                                        "-", "&Options", "-", "E&xit"}));
  EXPECT_EQ(MenuTexts(::GetSubMenu(bar, 1)), (std::vector<std::string>{"&Contents", "-", "&About"}));
}

TEST(MainFormTest, HelpContentsAsksTheHelpEngineForTheTableOfContents) {
  TFormMain form;
  std::vector<std::string> asked;
  ui::SetHelpHook([&](HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
    asked.push_back(std::to_string(owner == form.Handle()) + " " + file + " " + std::to_string(command) + " " +
                    std::to_string(data));
  });
  std::vector<std::string> opened;
  ui::SetShellOpenHook([&](HWND, const std::string& target) { opened.push_back(target); });
  HMENU help = ::GetSubMenu(::GetMenu(form.Handle()), 1);
  const auto contents = [&] { ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(help, 0), 0), 0); };
  contents();
  // Without the help file, the read-me beside the program stands in for it.
  const std::string readMe = platform::ExecutableDirectory() + "\\README.txt";
  testing_support::WriteFileBytes(readMe, "read me");
  contents();
  ::DeleteFileA(readMe.c_str());
  ui::SetHelpHook({});
  ui::SetShellOpenHook({});
  EXPECT_EQ(asked, (std::vector<std::string>{"1 " + ui::Application().HelpFile() + " 3 0"}));
  EXPECT_EQ(opened, std::vector<std::string>{readMe});
}

TEST(MainFormTest, CtrlSRunsSetAsWallpaper) {
  testing_support::ScriptedMessageBoxes boxes;
  TFormMain form;
  form.Show();
  ::SetForegroundWindow(form.Handle());
  ::SetFocus(form.FileLB.Handle());
  for (const auto& [key, up] : {std::pair{VK_CONTROL, false}, {'S', false}, {'S', true}, {VK_CONTROL, true}}) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(key);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
  }
  // The application's own loop, which knows the menu's shortcuts.
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (boxes.shown.empty() && std::chrono::steady_clock::now() < deadline) {
    ui::Application().ProcessMessages();
    ::Sleep(20);
  }
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].text, " No file selected! ");
}

}  // namespace
}  // namespace windows
