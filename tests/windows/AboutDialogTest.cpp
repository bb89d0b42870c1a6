#include "windows/AboutD.h"

#include <gtest/gtest.h>

#include "support/Design.h"
#include "support/Later.h"
#include "support/Waiting.h"
#include "ui/Dpi.h"
#include "windows/MainForm.h"

namespace windows {
namespace {

using namespace std::chrono_literals;

void PressKey(WORD key) {
  for (DWORD flags : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
  }
}

// The controls at their designed places at `dpi`, in fonts of that resolution; the 65 x 57
// picture fills its image, unscaled at 96 dpi.
void ExpectLaidOutAt(const TAboutDialog& about, int dpi) {
  SCOPED_TRACE(testing::Message() << dpi << " dpi");
  const auto scaled = [dpi](int actual, int design) { return testing_support::IsScaledFrom(actual, design, dpi); };
  EXPECT_TRUE(testing_support::IsScaledFrom(about.Panel1.BoundsRect(), ui::Design(0, 0, 281, 177), dpi));
  EXPECT_TRUE(testing_support::IsScaledFrom(about.ProgramIcon.BoundsRect(), ui::Design(8, 8, 65, 57), dpi));
  EXPECT_TRUE(testing_support::IsScaledFrom(about.OKButton.BoundsRect(), ui::Design(95, 184, 75, 25), dpi));
  EXPECT_TRUE(scaled(about.NpsUrl.Left(), 8));
  EXPECT_TRUE(scaled(about.NpsUrl.Top(), 96));
  EXPECT_TRUE(scaled(about.NpsUrl1.Left(), 224));
  EXPECT_EQ(about.NpsUrl.Font().Height(), -::MulDiv(9, dpi, 72));
  for (const ui::TLabel* label : {&about.ProductName, &about.Copyright, &about.Label1}) {
    EXPECT_TRUE(scaled(label->Left(), label == &about.Label1 ? 8 : 88)) << label->Name();
    EXPECT_EQ(label->Font().Height(), -::MulDiv(8, dpi, 72)) << label->Name();
  }
  const RECT drawn = about.ProgramIcon.PictureRect();
  EXPECT_TRUE(scaled(drawn.right - drawn.left, 65));
  EXPECT_TRUE(scaled(drawn.bottom - drawn.top, 57));
}

TEST(AboutDialogTest, LaidOutAsAToolWindowWithoutCaptionButtons) {
  TAboutDialog about;
  const LONG style = ::GetWindowLongA(about.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_TRUE(::GetWindowLongA(about.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  using testing_support::IsScaledFrom;
  if (ui::SystemDpi() == 96) {
    EXPECT_EQ(about.Width(), 291);
    EXPECT_EQ(about.Height(), 243);
  }
  // 291 x 243 less the frame drawn at 96 dpi (8 x 24), scaled.
  EXPECT_TRUE(IsScaledFrom(about.ClientRect().right, 283));
  EXPECT_TRUE(IsScaledFrom(about.ClientRect().bottom, 219));
  ExpectLaidOutAt(about, ui::SystemDpi());
  EXPECT_EQ(about.ProductName.Caption(), "Vantoria v1.0");
  EXPECT_EQ(about.NpsUrl.Caption(), "Brindlework Homepage");
  EXPECT_EQ(about.NpsUrl.Protocol(), controls::TProtocol::ptWWW);
  EXPECT_EQ(about.NpsUrl1.Caption(), "E - Mail");
  EXPECT_EQ(about.NpsUrl1.Protocol(), controls::TProtocol::ptMAIL);
  EXPECT_EQ(about.NpsUrl1.Cursor(), ui::crHandPoint);
  EXPECT_EQ(about.NpsUrl.Parent(), &about.Panel1);
  ASSERT_NE(about.ProgramIcon.Picture(), nullptr);
  EXPECT_EQ(about.ProgramIcon.Picture()->Width(), 65);
  EXPECT_EQ(about.ProgramIcon.Picture()->Height(), 57);
}

// Moved to screens of other scales and back, from inside the process (Wine sends no
// WM_DPICHANGED): laid out as a start there would lay it out, and as designed again at 96 dpi.
TEST(AboutDialogTest, LaidOutAgainOnEveryScreenItMovesToWithoutDrift) {
  TAboutDialog about;
  for (int dpi : {144, 192, 120, 96}) {
    testing_support::MoveToScreenOf(about, dpi);
    ExpectLaidOutAt(about, dpi);
  }
  EXPECT_EQ(about.Width(), 291);
  EXPECT_EQ(about.Height(), 243);
}

TEST(AboutDialogTest, EscLeavesItOpenEnterAndSpaceOnItsFocusedDefaultButtonCloseItAndItReopensWhereItWasLeft) {
  TAboutDialog about;
  bool openAfterEsc = false, focusedOnOk = false, drawnAsDefault = false;
  RECT firstPlace = {};
  testing_support::Later esc(200ms, [&] {
    ::SetForegroundWindow(about.Handle());
    ::GetWindowRect(about.Handle(), &firstPlace);
    focusedOnOk = ::GetFocus() == about.OKButton.Handle();
    drawnAsDefault = (::GetWindowLongA(about.OKButton.Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    PressKey(VK_ESCAPE);
  });
  testing_support::Later check(600ms, [&] {
    openAfterEsc = about.Visible();
    ::SetWindowPos(about.Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PressKey(VK_RETURN);
  });
  about.ShowModal();
  EXPECT_TRUE(focusedOnOk);
  EXPECT_TRUE(drawnAsDefault);
  EXPECT_TRUE(openAfterEsc);
  EXPECT_EQ(about.ModalResult(), ui::mrOk);
  EXPECT_EQ(firstPlace.left, std::max(0, (::GetSystemMetrics(SM_CXSCREEN) - 291) / 2));
  EXPECT_EQ(firstPlace.top, std::max(0, (::GetSystemMetrics(SM_CYSCREEN) - 243) / 2));

  RECT secondPlace = {};
  testing_support::Later space(200ms, [&] {
    ::SetForegroundWindow(about.Handle());
    ::GetWindowRect(about.Handle(), &secondPlace);
    PressKey(VK_SPACE);
  });
  testing_support::Later safety(3s, [&] { about.SetModalResult(ui::mrCancel); });
  EXPECT_EQ(about.ShowModal(), ui::mrOk) << "Space did not close it";
  EXPECT_EQ(secondPlace.left, 10);
  EXPECT_EQ(secondPlace.top, 20);
}

TEST(AboutDialogTest, HelpAboutOnTheMainWindowShowsItModally) {
  TFormMain form;
  settings::TODialog options;
  settings::TDayNightDialog dayNight;
  TAboutDialog about;
  form.ConnectDialogs(options, dayNight, about);
  form.Show();
  HMENU help = ::GetSubMenu(::GetMenu(form.Handle()), 1);
  char caption[32] = {};
  ::GetMenuStringA(help, 2, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "&About");
  bool shownModally = false;
  testing_support::Later close(200ms, [&] {
    shownModally = about.Visible() && about.Modal() && !::IsWindowEnabled(form.Handle());
    ::SendMessageA(about.OKButton.Handle(), BM_CLICK, 0, 0);
  });
  ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(help, 2), 0), 0);
  EXPECT_TRUE(shownModally);
  EXPECT_FALSE(about.Visible());
}

}  // namespace
}  // namespace windows
