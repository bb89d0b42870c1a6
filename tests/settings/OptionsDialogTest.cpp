#include "settings/OptionsD.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include <shlobj.h>

#include "platform/Module.h"
#include "platform/WideText.h"
#include "support/Design.h"
#include "support/Later.h"
#include "support/PictureChangeTask.h"
#include "support/ScratchFolder.h"
#include "support/ScratchSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/Shortcuts.h"
#include "support/XmlElement.h"

namespace settings {
namespace {

using namespace std::chrono_literals;
using testing_support::Later;

// The width a check box's or radio button's caption takes in its font, with the box and the gap
// before it.
int CaptionWidth(const ui::TWinControl& box, int dpi) {
  std::wstring caption = platform::ToWide(box.Text());
  std::erase(caption, L'&');
  const HDC dc = ::GetDC(box.Handle());
  const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(box.Handle(), WM_GETFONT, 0, 0)));
  SIZE text = {};
  ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  ::SelectObject(dc, previous);
  ::ReleaseDC(box.Handle(), dc);
  return text.cx + ::MulDiv(13 + 4, dpi, 96);
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  static std::string Stored(const char* name) { return testing_support::ScratchSettings::Value(name); }
  static void Store(const char* name, const char* text) { testing_support::ScratchSettings::SetValue(name, text); }

  // Shows the dialog modally and runs the steps, one per tick, while it is up.
  void ShowAndDo(std::vector<std::function<void()>> steps) {
    constexpr int kTimedOut = 99;
    size_t next = 0;
    ui::TTimer ticks(150);
    ticks.OnTimer = [&] {
      if (next < steps.size()) steps[next++]();
    };
    ticks.SetEnabled(true);
    Later safety(5000ms, [this] { dialog_.SetModalResult(kTimedOut); });
    ASSERT_NE(dialog_.ShowModal(), kTimedOut) << "the dialog did not close";
  }
  void Click(const ui::TWinControl& control) { ::SendMessageA(control.Handle(), BM_CLICK, 0, 0); }
  void Key(HWND focus, WORD key) {
    ::SetFocus(focus);
    ::PostMessageA(focus, WM_KEYDOWN, key, 0);
    ::PostMessageA(focus, WM_KEYUP, key, 0xC0000000);
  }

  testing_support::ScratchSettings settings_;
  // The controls at their designed places at `dpi`, in the dialog's font at that resolution.
  void ExpectLaidOutAt(int dpi) const {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    using testing_support::IsScaledFrom;
    EXPECT_TRUE(IsScaledFrom(dialog_.DisplayL.Left(), 8, dpi));
    EXPECT_TRUE(IsScaledFrom(dialog_.DisplayL.Top(), 8, dpi));
    const RECT display = dialog_.DisplayCB.BoundsRect();  // the closed box's own height is the system's
    EXPECT_TRUE(
        IsScaledFrom(RECT{display.left, display.top, display.right, display.top}, ui::Design(8, 24, 89, 0), dpi));
    EXPECT_TRUE(IsScaledFrom(dialog_.OKB.BoundsRect(), ui::Design(202, 280, 75, 25), dpi));
    EXPECT_TRUE(IsScaledFrom(dialog_.CancelB.BoundsRect(), ui::Design(306, 280, 75, 25), dpi));
    EXPECT_TRUE(IsScaledFrom(dialog_.NextKeysHK.BoundsRect(), ui::Design(300, 196, 145, 21), dpi));
    EXPECT_TRUE(IsScaledFrom(dialog_.TimerL.Left(), 300, dpi));
    for (const auto& [box, place] : {std::pair{&dialog_.TimerCB, ui::Design(300, 24, 145, 0)},
                                     {&dialog_.ResumeCB, ui::Design(300, 148, 145, 0)},
                                     {&dialog_.SmallestCB, ui::Design(8, 216, 200, 0)}}) {
      const RECT bounds = box->BoundsRect();
      EXPECT_TRUE(IsScaledFrom(RECT{bounds.left, bounds.top, bounds.right, bounds.top}, place, dpi)) << box->Name();
    }
    // Each check box at its place, its caption whole within it in the font Wine puts for Comic Sans
    // MS (DejaVu Sans, wider).
    for (const auto& [box, place] : {std::pair{&dialog_.RndChkB, ui::Design(8, 56, 129, 17)},
                                     {&dialog_.ShuffleCB, ui::Design(8, 80, 276, 17)},
                                     {&dialog_.SubfoldersCB, ui::Design(8, 104, 276, 17)},
                                     {&dialog_.ChangeWPCB, ui::Design(8, 128, 276, 17)},
                                     {&dialog_.PerMonitorCB, ui::Design(8, 152, 276, 17)},
                                     {&dialog_.AllPicturesCB, ui::Design(8, 176, 276, 17)},
                                     {&dialog_.SameShapeCB, ui::Design(8, 248, 276, 17)},
                                     {&dialog_.BatteryCB, ui::Design(300, 56, 276, 17)},
                                     {&dialog_.DesktopMenuCB, ui::Design(300, 80, 276, 17)},
                                     {&dialog_.LogonCB, ui::Design(300, 104, 276, 17)}}) {
      EXPECT_TRUE(IsScaledFrom(box->BoundsRect(), place, dpi)) << box->Name();
      EXPECT_LE(CaptionWidth(*box, dpi), box->Width()) << box->Name();
    }
    EXPECT_EQ(dialog_.OKB.Font().Height(), -::MulDiv(8, dpi, 72));
  }
  TODialog dialog_;
};

TEST_F(OptionsDialogTest, StartsWithCenterTextAndNoSelectionAndGivesTheStoredStyleUntilShown) {
  EXPECT_EQ(dialog_.DisplayCB.ItemIndex(), -1);
  EXPECT_EQ(dialog_.DisplayCB.Text(), "Center");
  EXPECT_EQ(dialog_.WallpaperStyle(), platform::TWallpaperStyle::wsTile);
  Store("Display", "2");
  EXPECT_EQ(dialog_.WallpaperStyle(), platform::TWallpaperStyle::wsStretch);
  Store("Display", "4");
  EXPECT_EQ(dialog_.WallpaperStyle(), platform::TWallpaperStyle::wsFit);
  Store("Display", "5");
  EXPECT_EQ(dialog_.WallpaperStyle(), platform::TWallpaperStyle::wsNone);
}

TEST_F(OptionsDialogTest, WithoutStoredValuesShowsTheDefaultsAndOkStoresThem) {
  ShowAndDo({[&] {
    EXPECT_TRUE(dialog_.RndChkB.Checked());
    EXPECT_EQ(dialog_.DisplayCB.ItemIndex(), 0);
    EXPECT_EQ(dialog_.DisplayCB.Text(), "Tile");
    EXPECT_FALSE(dialog_.ChangeWPCB.Checked());
    EXPECT_EQ(dialog_.DisplayCB.Count(), 5) << "Tile, Center, Strech, Fill, Fit";
    EXPECT_FALSE(dialog_.PerMonitorCB.Checked());
    EXPECT_EQ(dialog_.TimerCB.Text(), "At log-on only");
    EXPECT_EQ(dialog_.TimerCB.Count(), 11);
    EXPECT_TRUE(dialog_.ShuffleCB.Enabled() && !dialog_.ShuffleCB.Checked() && !dialog_.SubfoldersCB.Checked());
    EXPECT_EQ(std::tuple(dialog_.ResumeCB.Text() + dialog_.PausedL.Caption(), dialog_.SmallestCB.Text()),
              std::tuple("never", "any size"));
    dialog_.ResumeCB.SetItemIndex(2);
    dialog_.SmallestCB.SetItemIndex(2);
    Click(dialog_.SameShapeCB);
    Click(dialog_.PerMonitorCB);
    Click(dialog_.AllPicturesCB);
    Click(dialog_.ShuffleCB);
    Click(dialog_.SubfoldersCB);
    Click(dialog_.OKB);
  }});
  EXPECT_EQ(std::tuple(Stored("Shuffle"), Stored("Subfolders"), Stored("SmallestPart"), Stored("SameShape")),
            std::tuple("1", "1", "75", "1"));
  EXPECT_EQ(Stored("RndFile"), "1");
  EXPECT_EQ(Stored("Display"), "0");
  EXPECT_EQ(Stored("ChangeWP"), "0");
  EXPECT_EQ(Stored("PerMonitor"), "1");
  EXPECT_EQ(Stored("AllPictures"), "1");
  EXPECT_EQ(Stored("ChangeEvery") + Stored("OnBattery") + Stored("DesktopMenu"), "010");
  EXPECT_EQ(Stored("ResumeAfter"), "day");
}

TEST_F(OptionsDialogTest, StoredValuesOutsideTheListsSelectTheirFallbackAndOkStoresThat) {
  Store("Display", "5");
  Store("ChangeEvery", "7");
  Store("RndFile", "0");
  Store("ChangeWP", "1");
  Store("Shuffle", "1");
  Store("PausedSince", "2000-01-01 00:00");
  ShowAndDo({[&] {
    EXPECT_EQ(dialog_.PausedL.Caption(), "Changes paused since 2000-01-01 00:00");
    EXPECT_EQ(dialog_.DisplayCB.ItemIndex(), -1);
    EXPECT_FALSE(dialog_.RndChkB.Checked());
    EXPECT_TRUE(!dialog_.ShuffleCB.Enabled() && dialog_.ShuffleCB.Checked()) << "kept while random order is off";
    Click(dialog_.RndChkB);
    EXPECT_TRUE(dialog_.ShuffleCB.Enabled());
    Click(dialog_.RndChkB);
    EXPECT_TRUE(dialog_.ChangeWPCB.Checked());
    EXPECT_EQ(dialog_.TimerCB.ItemIndex(), 0);
    Click(dialog_.OKB);
  }});
  EXPECT_EQ(Stored("Display"), "-1");
  EXPECT_EQ(Stored("ChangeEvery"), "0");
  EXPECT_EQ(Stored("RndFile"), "0");
  EXPECT_EQ(Stored("ChangeWP"), "1");
}

TEST_F(OptionsDialogTest, CancelledChoiceStaysTheCurrentSelectionUntilTheNextShowing) {
  Store("Display", "1");
  ShowAndDo({[&] {
    dialog_.DisplayCB.SetItemIndex(2);
    Click(dialog_.CancelB);
  }});
  EXPECT_EQ(Stored("Display"), "1");
  EXPECT_EQ(dialog_.WallpaperStyle(), platform::TWallpaperStyle::wsStretch);
  EXPECT_EQ(dialog_.DisplayCB.Text(), "Strech");
  ShowAndDo({[&] {
    EXPECT_EQ(dialog_.WallpaperStyle(), platform::TWallpaperStyle::wsCenter);
    Click(dialog_.CancelB);
  }});
}

TEST_F(OptionsDialogTest, EscCancelsAndEnterPressesOkOnlyWhileOkHasTheFocus) {
  ShowAndDo({[&] { Key(dialog_.RndChkB.Handle(), VK_RETURN); },
             [&] {
               EXPECT_TRUE(dialog_.Visible()) << "Enter on the check box closed the dialog";
               Key(dialog_.RndChkB.Handle(), VK_ESCAPE);
             }});
  EXPECT_EQ(Stored("RndFile"), "<none>");
  ShowAndDo({[&] { Key(dialog_.OKB.Handle(), VK_RETURN); }});
  EXPECT_EQ(Stored("RndFile"), "1");
}

// Wine's Task Scheduler keeps a task's settings only: the triggers and the action are the XML's;
// the task's file is written again only when the task is registered again. A folder of the
// task's name in the tasks folder makes it refuse the task.
TEST_F(OptionsDialogTest, AnIntervalRegistersTheTaskAndTheMenuCommandAtLogOnOnlyRemovesThemARefusalIsReported) {
  const std::string exe = platform::ExecutablePath();
  testing_support::ScriptedMessageBoxes boxes;
  const auto choose = [&](int interval, std::vector<const ui::TWinControl*> clicks) {
    ShowAndDo({[&] {
      dialog_.TimerCB.SetItemIndex(interval);
      for (const ui::TWinControl* control : clicks) Click(*control);
    }});
  };
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string taskFile = std::string(windows) + "\\System32\\Tasks\\" + testing_support::PictureChangeTaskName();
  const auto taskWritten = [&] {
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    ::GetFileAttributesExA(taskFile.c_str(), GetFileExInfoStandard, &file);
    return std::pair(file.ftLastWriteTime.dwLowDateTime, file.ftLastWriteTime.dwHighDateTime);
  };
  choose(3, {&dialog_.BatteryCB, &dialog_.DesktopMenuCB, &dialog_.OKB});
  EXPECT_EQ(Stored("ChangeEvery"), "10");
  EXPECT_EQ(Stored("TimerCommand"), "\"" + exe + "\" /timer");
  const std::string task = testing_support::PictureChangeTaskXml().value_or("<no task>");
  for (const auto& [name, text] : {std::pair{"DisallowStartIfOnBatteries", "true"}, {"StopIfGoingOnBatteries", "false"},
                                   {"StartWhenAvailable", "true"}, {"MultipleInstancesPolicy", "IgnoreNew"},
                                   {"ExecutionTimeLimit", "PT5M"}})
    EXPECT_EQ(testing_support::XmlElement(task, name), text) << name;
  // One submenu of the user's classes, each command the program with its switch.
  const std::string menu = "Software\\Classes\\DesktopBackground\\Shell\\Vantoria";
  EXPECT_EQ(testing_support::RegistryText(menu.c_str(), "ExtendedSubCommandsKey"), menu.substr(17));
  for (const auto& [key, caption, switchText] : {std::tuple{"1Next", "&Next picture", "/next"},
                                                 {"2NextHere", "Next picture on &this monitor", "/nexthere"},
                                                 {"3Previous", "Pre&vious picture", "/previous"},
                                                 {"4Show", "&Show the picture's file", "/show"},
                                                 {"5Exclude", "Never show this picture &again", "/exclude"},
                                                 {"6Pause", "&Pause the changes", "/pause"},
                                                 {"7Resume", "&Resume the changes", "/resume"}}) {
    const std::string command = menu + "\\Shell\\" + key;
    EXPECT_EQ(testing_support::RegistryText(command.c_str(), "MUIVerb"), caption);
    EXPECT_EQ(testing_support::RegistryText((command + "\\command").c_str(), ""), "\"" + exe + "\" " + switchText);
  }

  // An OK that leaves the task as it was keeps its schedule; another battery choice registers it
  // again, and so does a TimerCommand written by hand as a number, which is then written right.
  const auto registered = taskWritten();
  choose(3, {&dialog_.ChangeWPCB, &dialog_.OKB});
  EXPECT_EQ(taskWritten(), registered) << "registered again";
  ::Sleep(20);
  choose(3, {&dialog_.BatteryCB, &dialog_.OKB});
  EXPECT_NE(taskWritten(), registered);
  const DWORD number = 1;
  ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Vantoria\\Settings", "TimerCommand", REG_DWORD, &number,
                    sizeof number);
  choose(3, {&dialog_.OKB});
  EXPECT_EQ(Stored("TimerCommand"), "\"" + exe + "\" /timer");
  EXPECT_TRUE(boxes.shown.empty());

  // TimerCommand lost: at log-on only still finds the task and removes it.
  ::RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Vantoria\\Settings", "TimerCommand");
  choose(0, {&dialog_.DesktopMenuCB, &dialog_.OKB});
  EXPECT_FALSE(testing_support::PictureChangeTaskXml().has_value());
  EXPECT_EQ(Stored("TimerCommand") + Stored("ChangeEvery") + testing_support::RegistryText(menu.c_str(), "MUIVerb"),
            "<none>0<none>");

  const std::string& blocker = taskFile;
  ASSERT_TRUE(::CreateDirectoryA(blocker.c_str(), nullptr));
  choose(1, {&dialog_.RndChkB, &dialog_.OKB});
  ::RemoveDirectoryA(blocker.c_str());
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  EXPECT_TRUE(text.starts_with("The picture cannot be changed on a timer: ") && text.ends_with(" (0x80070005).")) << text;
  EXPECT_EQ(Stored("RndFile") + Stored("ChangeEvery") + Stored("TimerCommand"), "00<none>");
}

// The keys make the shortcut to the next picture, with their hot key as Explorer reads it; keys
// that another shortcut on the desktop has are refused with its name; cleared, the shortcut goes.
TEST_F(OptionsDialogTest, TheKeysMakeTheNextPictureShortcutUnlessAnotherShortcutHasThem) {
  char desktop[MAX_PATH] = {};
  ASSERT_EQ(::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  struct Shortcuts {
    std::string other;
    ~Shortcuts() {
      ::DeleteFileA(other.c_str());
      ::DeleteFileA(testing_support::NextKeysShortcutPath().c_str());
    }
  } shortcuts{std::string(desktop) + "\\Mail.lnk"};
  ASSERT_TRUE(testing_support::WriteShortcut(shortcuts.other, 0x064D));

  testing_support::ScriptedMessageBoxes boxes;
  const auto chooseKeys = [&](std::uint16_t keys) {
    ShowAndDo({[&] {
                 dialog_.NextKeysHK.SetHotKey(keys);
                 Click(dialog_.OKB);
               },
               [&] {
                 if (dialog_.Visible()) Click(dialog_.CancelB);
               }});
  };
  chooseKeys(0x064E);
  EXPECT_EQ(Stored("NextKeys"), "Ctrl+Alt+N");
  EXPECT_EQ(testing_support::ShortcutText(testing_support::NextKeysShortcutPath()),
            "\"" + platform::ExecutablePath() + "\" /next 064E");
  chooseKeys(0x064D);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "The keys Ctrl+Alt+M already start \"" + shortcuts.other + "\". Choose other keys.");
  EXPECT_EQ(Stored("NextKeys"), "Ctrl+Alt+N");
  chooseKeys(0);
  EXPECT_EQ(Stored("NextKeys") + testing_support::ShortcutText(testing_support::NextKeysShortcutPath()),
            "<none><none>");
}

// The start-up entry is made on request and taken away only when the program made it and it
// starts this program: another program's entry of that name is left, with a box that says so.
TEST_F(OptionsDialogTest, TheStartUpEntryIsMadeOnRequestAndOnlyOursIsRemoved) {
  constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const auto entry = [&] { return testing_support::RegistryText(kRun, "Vantoria"); };
  const auto setEntry = [&](const std::string& command) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kRun, "Vantoria", REG_SZ, command.c_str(), static_cast<DWORD>(command.size() + 1));
  };
  testing_support::ScriptedMessageBoxes boxes;
  const auto tickLogonAndOk = [&] {
    ShowAndDo({[&] {
      Click(dialog_.LogonCB);
      Click(dialog_.OKB);
    }});
  };
  const std::string ours = "\"" + platform::ExecutablePath() + "\" /s";
  setEntry(ours);  // made by hand: OK with the box unticked leaves it
  ShowAndDo({[&] { Click(dialog_.OKB); }});
  EXPECT_EQ(entry(), ours);
  ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRun, "Vantoria");
  tickLogonAndOk();
  EXPECT_EQ(Stored("RunAtLogon") + entry(), "1" + ours);
  tickLogonAndOk();
  EXPECT_EQ(Stored("RunAtLogon") + entry(), "0<none>");
  tickLogonAndOk();
  char notepad[MAX_PATH] = {};
  ::ExpandEnvironmentStringsA("\"%windir%\\notepad.exe\" /s", notepad, MAX_PATH);
  setEntry(notepad);
  tickLogonAndOk();
  EXPECT_EQ(entry(), notepad);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "The start-up entry \"Vantoria\" was left as it is: it starts \"" +
                                     std::string(notepad + 1, std::strchr(notepad + 1, '"')) + "\".");
  ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRun, "Vantoria");
}

// Moved to screens of other scales and back, from inside the process (Wine sends no
// WM_DPICHANGED): laid out as a start there would lay it out, and as designed again at 96 dpi.
TEST_F(OptionsDialogTest, LaidOutAgainOnEveryScreenItMovesToWithoutDrift) {
  const RECT designed = dialog_.BoundsRect();
  for (int dpi : {144, 192, 120, 96}) {
    testing_support::MoveToScreenOf(dialog_, dpi);
    ExpectLaidOutAt(dpi);
  }
  EXPECT_EQ(dialog_.Width(), designed.right - designed.left);
  EXPECT_EQ(dialog_.Height(), designed.bottom - designed.top);
}

TEST_F(OptionsDialogTest, OpensAtItsPlaceFirstAndWhereItWasClosedLaterWithTheFocusInDisplayEachTime) {
  // The combo box hands the focus to its text field.
  const auto focusInDisplay = [&] {
    return ::GetFocus() == dialog_.DisplayCB.Handle() || ::IsChild(dialog_.DisplayCB.Handle(), ::GetFocus());
  };
  using testing_support::IsScaledFrom;
  ShowAndDo({[&] {
    EXPECT_TRUE(IsScaledFrom(dialog_.Left(), 230));
    EXPECT_TRUE(IsScaledFrom(dialog_.Top(), 150));
    const RECT client = dialog_.ClientRect();
    EXPECT_TRUE(IsScaledFrom(client.right, 584));
    EXPECT_TRUE(IsScaledFrom(client.bottom, 313));
    ExpectLaidOutAt(ui::SystemDpi());
    EXPECT_TRUE(focusInDisplay());
    ::SetFocus(dialog_.ChangeWPCB.Handle());
    dialog_.SetBounds(300, 200, dialog_.Width(), dialog_.Height());
    Click(dialog_.CancelB);
  }});
  ShowAndDo({[&] {
    EXPECT_EQ(dialog_.Left(), 300);
    EXPECT_EQ(dialog_.Top(), 200);
    EXPECT_TRUE(focusInDisplay());
    Click(dialog_.CancelB);
  }});
}

// The place as typed, with the user's separator or a point; today's sunrise and sunset there as
// it is typed; a place that cannot be read refused with a box naming the field, nothing stored;
// one that can, stored with a point.
TEST(DayNightDialogTest, ThePlaceTypedShowsItsSunAndOkStoresItOrNamesTheFieldItCannotRead) {
  testing_support::ScratchSettings settings;
  testing_support::ScratchSettings::SetValue("DayNight", "sun");
  testing_support::ScratchSettings::SetValue("Latitude", "95");  // written by hand: shown as it is
  testing_support::ScratchSettings::SetValue("Longitude", "13.4");
  testing_support::ScriptedMessageBoxes boxes;
  TDayNightDialog dialog;
  dialog.FormActivate();
  EXPECT_TRUE(dialog.SunRB.Checked());
  EXPECT_EQ(std::tuple(dialog.LatitudeE.Text(), dialog.SunL.Caption()), std::tuple(std::string("95"), std::string()));
  dialog.OKBClick();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "The latitude must be a number of degrees from -90 (south) to 90 (north).");
  EXPECT_EQ(testing_support::ScratchSettings::Value("Latitude"), "95") << "nothing stored";

  dialog.LatitudeE.SetText("52.52");
  EXPECT_TRUE(dialog.SunL.Caption().starts_with("Sunrise ")) << dialog.SunL.Caption();
  EXPECT_NE(dialog.SunL.Caption().find(", sunset "), std::string::npos);
  dialog.LatitudeE.SetText("-33.87");
  dialog.LongitudeE.SetText("east");
  dialog.OKBClick();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "The longitude must be a number of degrees from -180 (west) to 180 (east).");
  dialog.LongitudeE.SetText("151.21");
  testing_support::WriteFileBytes(testing_support::ScratchSettings::KeptFile("Day and night.txt"), "night C:\\Stars\r\n");
  dialog.OKBClick();
  EXPECT_EQ(testing_support::ScratchSettings::Value("DayNight") + " " + testing_support::ScratchSettings::Value("Latitude") +
                " " + testing_support::ScratchSettings::Value("Longitude"),
            "sun -33.87 151.21");
  // The task waits for the sun, whatever OK in Options then registers.
  const std::string sunChange = testing_support::ScratchSettings::Value("SunChange");
  EXPECT_NE(sunChange, "<none>");
  TODialog().OKBClick();
  EXPECT_EQ(testing_support::ScratchSettings::Value("SunChange"), sunChange);
  dialog.ThemeRB.SetChecked(true);
  dialog.SunRB.SetChecked(false);
  dialog.SourceChanged();
  EXPECT_FALSE(dialog.LatitudeE.Enabled());
  dialog.OKBClick();
  EXPECT_EQ(testing_support::ScratchSettings::Value("DayNight"), "theme");
  EXPECT_EQ(boxes.shown.size(), 2u);

  // Every caption whole in Wine's font, the longest sun line too.
  dialog.SunL.SetCaption(SunLine(ClockTime{23, 59}, std::nullopt, true));
  for (const ui::TRadioButton* source : {&dialog.OffRB, &dialog.SunRB, &dialog.ThemeRB})
    EXPECT_LE(CaptionWidth(*source, dialog.Dpi()), source->Width()) << source->Name();
  for (const ui::TLabel* label : {&dialog.SunL, &dialog.HintL})
    EXPECT_LE(label->Left() + label->Width(), dialog.ClientRect().right) << label->Caption();
}

}  // namespace
}  // namespace settings
