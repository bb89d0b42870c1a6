#include "windows/MainForm.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include "platform/Module.h"
#include "support/Later.h"
#include "support/ScratchFolder.h"
#include "support/ScratchSettings.h"
#include "support/ScreenCapture.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/Waiting.h"
#include "ui/Application.h"
#include "ui/ApplicationWindow.h"
#include "ui/Help.h"
#include "ui/IconicBitmaps.h"
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

// While the changes are paused the title says since when, after the program's own caption; a
// pause that has ended by itself goes at the next activation, from another program too.
TEST(MainFormTest, TheTitleSaysSinceWhenTheChangesArePaused) {
  testing_support::ScratchSettings settings;
  testing_support::ScratchSettings::SetValue("PausedSince", "2000-01-01 00:00");
  TFormMain form;
  form.ShowWithStartupCommand();
  EXPECT_EQ(form.Text(), "Vantoria v1.0 (changes paused since 2000-01-01 00:00)");
  testing_support::ScratchSettings::SetValue("ResumeAfter", "day");
  ::SendMessageA(form.Handle(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(::GetDesktopWindow()));
  EXPECT_EQ(form.Text() + testing_support::ScratchSettings::Value("PausedSince"), "Vantoria v1.0<none>");
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
  settings::TDayNightDialog dayNight;
  TAboutDialog about;
  form.ConnectDialogs(options, dayNight, about);
  form.ShowWithStartupCommand();
  EXPECT_EQ(::GetFocus(), form.ShellTV.Handle()) << "the main window starts in the tree";
  ::SetFocus(form.SelDirLB.Handle());
  char caption[64] = {};
  HMENU bar = ::GetMenu(form.Handle());
  ::GetMenuStringA(bar, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "Ac&tions");
  HMENU actions = ::GetSubMenu(bar, 0);
  ::GetMenuStringA(actions, 5, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "&Options");

  bool shownModally = false, focusInDisplay = false;
  testing_support::Later close(std::chrono::milliseconds(200), [&] {
    shownModally = options.Visible() && options.Modal();
    // The combo box hands the focus to its text field.
    focusInDisplay = ::GetFocus() == options.DisplayCB.Handle() || ::IsChild(options.DisplayCB.Handle(), ::GetFocus());
    ::SendMessageA(options.CancelB.Handle(), BM_CLICK, 0, 0);
  });
  ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(actions, 5), 0), 0);
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
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    texts.push_back(info.fType & MFT_SEPARATOR ? "-" : text);
  }
  return texts;
}

TEST(MainFormTest, MenuHoldsTheActionsAndHelpItemsInOrder) {
  TFormMain form;
  HMENU bar = ::GetMenu(form.Handle());
  EXPECT_EQ(MenuTexts(bar), (std::vector<std::string>{"Ac&tions", "&Help"}));
  EXPECT_EQ(MenuTexts(::GetSubMenu(bar, 0)),
            (std::vector<std::string>{"Set as wallpaper\tCtrl+S", "Select &directory", "Exclude from the &rotation",
                                      "Show the selected &folder", "-", "&Options", "Day and ni&ght...", "-", "E&xit"}));
  EXPECT_EQ(MenuTexts(::GetSubMenu(::GetSubMenu(bar, 0), 3)),
            (std::vector<std::string>{"At any &time", "By &day", "By &night"}));
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
  DWORD shellAnswer = ERROR_SUCCESS;
  ui::SetShellOpenHook([&](HWND, const std::string& target) {
    opened.push_back(target);
    return shellAnswer;
  });
  testing_support::ScriptedMessageBoxes boxes;
  HMENU help = ::GetSubMenu(::GetMenu(form.Handle()), 1);
  const auto contents = [&] { ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(help, 0), 0), 0); };
  contents();
  // Without the help file, the read-me beside the program stands in for it; a PC with no program
  // for text files says so.
  const std::string readMe = platform::ExecutableDirectory() + "\\README.txt";
  testing_support::WriteFileBytes(readMe, "read me");
  contents();
  shellAnswer = ERROR_NO_ASSOCIATION;
  contents();
  ::DeleteFileA(readMe.c_str());
  ui::SetHelpHook({});
  ui::SetShellOpenHook({});
  EXPECT_EQ(asked, (std::vector<std::string>{"1 " + ui::Application().HelpFile() + " 3 0"}));
  EXPECT_EQ(opened, (std::vector<std::string>{readMe, readMe}));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text.rfind("System Error.  Code: 1155.", 0), 0u) << boxes.shown[0].text;
}

// The task-bar button's thumbnail and Peek show the window in front, which the program draws for
// Windows (dwmapi, a stub under Wine, is replaced by the hook).
TEST(MainFormTest, TheTaskBarButtonsPicturesShowTheMainWindow) {
  TFormMain form;
  form.ShowWithStartupCommand();
  testing_support::PumpFor(300ms);
  struct Handed {
    bool livePreview;
    DIBSECTION bitmap;
    std::vector<std::uint32_t> pixels;
  };
  std::vector<Handed> handed;
  const auto record = [&](HWND window, HBITMAP bitmap, bool livePreview) {
    EXPECT_EQ(window, ui::Application().Handle());
    Handed picture = {livePreview, {}, {}};
    ::GetObjectA(bitmap, sizeof picture.bitmap, &picture.bitmap);
    const auto* bits = static_cast<const std::uint32_t*>(picture.bitmap.dsBm.bmBits);
    picture.pixels.assign(bits, bits + picture.bitmap.dsBm.bmWidth * picture.bitmap.dsBm.bmHeight);
    handed.push_back(std::move(picture));
  };
  ui::SetIconicBitmapHook(record);
  ::SendMessageA(ui::Application().Handle(), WM_DWMSENDICONICTHUMBNAIL, 0, MAKELPARAM(120, 200));
  ::SendMessageA(ui::Application().Handle(), WM_DWMSENDICONICLIVEPREVIEWBITMAP, 0, 0);
  ui::SetIconicBitmapHook({});
  ASSERT_EQ(handed.size(), 2u);

  const RECT client = form.ClientRect();
  const int width = client.right, height = client.bottom;
  POINT origin = {0, 0};
  ::ClientToScreen(form.Handle(), &origin);
  const testing_support::ScreenCapture screen;
  const auto pixel = [](const Handed& picture, int x, int y) {
    const std::uint32_t bgrx = picture.pixels[static_cast<size_t>(y * picture.bitmap.dsBm.bmWidth + x)];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
  };
  const Handed& thumbnail = handed[0];
  EXPECT_FALSE(thumbnail.livePreview);
  EXPECT_EQ(thumbnail.bitmap.dsBm.bmBitsPixel, 32);
  EXPECT_LE(thumbnail.bitmap.dsBm.bmWidth, 200);
  EXPECT_LE(thumbnail.bitmap.dsBm.bmHeight, 120);
  EXPECT_TRUE(thumbnail.bitmap.dsBm.bmWidth == 200 || thumbnail.bitmap.dsBm.bmHeight == 120) << "fits, not smaller";
  EXPECT_NEAR(static_cast<double>(thumbnail.bitmap.dsBm.bmWidth) / thumbnail.bitmap.dsBm.bmHeight,
              static_cast<double>(width) / height, 0.02);

  const Handed& preview = handed[1];

  EXPECT_TRUE(preview.livePreview);
  ASSERT_EQ(preview.bitmap.dsBm.bmWidth, width);
  ASSERT_EQ(preview.bitmap.dsBm.bmHeight, height);
  // The preview's pixels are the window's: its own, its children's and the flat buttons'; the
  // thumbnail's are them shrunk, where a flat area lies under it.
  for (const POINT& p : {POINT{4, 4}, POINT{100, 30}, POINT{300, 100}, POINT{220, 78}, POINT{60, 352},
                         POINT{100, 392}, POINT{300, 260}, POINT{width - 5, height - 5}})
    EXPECT_EQ(pixel(preview, p.x, p.y), screen.At(origin.x + p.x, origin.y + p.y)) << p.x << ", " << p.y;
  const double scale = static_cast<double>(thumbnail.bitmap.dsBm.bmWidth) / width;
  for (const POINT& p : {POINT{196, 120}, POINT{300, 260}, POINT{width - 10, height - 10}})
    EXPECT_EQ(pixel(thumbnail, static_cast<int>(p.x * scale), static_cast<int>(p.y * scale)),
              screen.At(origin.x + p.x, origin.y + p.y))
        << p.x << ", " << p.y;

  // Minimised, the program hides its forms: the thumbnail shows the one a restore brings back.
  ui::Application().Window().Minimise();
  ui::SetIconicBitmapHook(record);
  ::SendMessageA(ui::Application().Handle(), WM_DWMSENDICONICTHUMBNAIL, 0, MAKELPARAM(120, 200));
  ui::SetIconicBitmapHook({});
  ::ShowWindow(ui::Application().Handle(), SW_RESTORE);
  ASSERT_EQ(handed.size(), 3u);
  EXPECT_EQ(handed[2].pixels.size(), handed[0].pixels.size());
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
