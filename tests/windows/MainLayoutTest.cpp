// The main window on screen: its controls' rectangles (also at 144 and 192 dpi) and, at 96 dpi,
// its pixels at the places of its layout.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <tuple>

#include "support/Design.h"
#include "support/ScreenCapture.h"
#include "support/Waiting.h"
#include "ui/Dpi.h"
#include "ui/Pointer.h"
#include "windows/MainForm.h"

namespace windows {
namespace {

using namespace std::chrono_literals;

class MainLayoutTest : public ::testing::Test {
 protected:
  MainLayoutTest() {
    // Wherever the real pointer was left, no button shows its hover look here.
    ui::SetPointerPositionHook([] { return POINT{0, 0}; });
    form_.Show();
    testing_support::WaitUntil([&] { return ::GetUpdateRect(form_.Handle(), nullptr, FALSE) == FALSE; }, 5s);
    testing_support::PumpFor(300ms);
    ::ClientToScreen(form_.Handle(), &origin_);
    screen_ = std::make_unique<testing_support::ScreenCapture>();
  }
  ~MainLayoutTest() override { ui::SetPointerPositionHook({}); }

  // A pixel of the window's client area.
  COLORREF At(int x, int y) const { return screen_->At(origin_.x + x, origin_.y + y); }
  static COLORREF System(int index) { return ::GetSysColor(index); }

  TFormMain form_;
  POINT origin_ = {0, 0};
  std::unique_ptr<testing_support::ScreenCapture> screen_;
};

TEST_F(MainLayoutTest, WindowSitsAtItsStartBoundsWithItsDesignedClientArea) {
  RECT bounds;
  ::GetWindowRect(form_.Handle(), &bounds);
  EXPECT_TRUE(testing_support::IsScaledFrom(bounds.left, 230));
  EXPECT_TRUE(testing_support::IsScaledFrom(bounds.top, 105));
  if (ui::SystemDpi() == 96) {
    EXPECT_EQ(bounds.right - bounds.left, 450);
    EXPECT_EQ(bounds.bottom - bounds.top, 459);
  }
  // 450 x 459 less the frame the system draws at 96 dpi (here 8 x 43: borders, small caption and
  // menu bar), scaled: the controls keep their places in it whatever the frame at another dpi.
  const RECT client = form_.ClientRect();
  EXPECT_TRUE(testing_support::IsScaledFrom(client.right, 442));
  EXPECT_TRUE(testing_support::IsScaledFrom(client.bottom, 416));
}

// Every control at its designed place and size at `dpi`, in fonts and rows of that resolution.
void ExpectLaidOutAt(const TFormMain& form, int dpi) {
  SCOPED_TRACE(testing::Message() << dpi << " dpi");
  const auto scaled = [dpi](const RECT& actual, const ui::DesignRect& design) {
    return testing_support::IsScaledFrom(actual, design, dpi);
  };
  EXPECT_TRUE(scaled(form.Bevel1.BoundsRect(), ui::Design(200, 184, 233, 164)));
  EXPECT_TRUE(scaled(form.Slika.BoundsRect(), ui::Design(208, 192, 217, 145)));
  EXPECT_TRUE(scaled(form.SelectSB.BoundsRect(), ui::Design(200, 72, 41, 17)));
  EXPECT_TRUE(scaled(form.UnselectSB.BoundsRect(), ui::Design(200, 104, 41, 17)));
  EXPECT_TRUE(scaled(form.SetSB.BoundsRect(), ui::Design(8, 344, 185, 17)));
  EXPECT_TRUE(scaled(form.ZatvoriSB.BoundsRect(), ui::Design(8, 384, 185, 17)));
  EXPECT_TRUE(scaled(form.SelDirLB.BoundsRect(), ui::Design(248, 16, 185, 161)));
  EXPECT_TRUE(scaled(form.ShellTV.BoundsRect(), ui::Design(8, 16, 185, 161)));
  // The picture list shows the ten whole rows it shows at 96 dpi, within 4 pixels of its designed
  // height, and above "Set as wallpaper".
  const RECT pictures = form.FileLB.BoundsRect();
  EXPECT_TRUE(scaled(RECT{pictures.left, pictures.top, pictures.right, pictures.top}, ui::Design(8, 184, 185, 0)));
  const int itemHeight = static_cast<int>(::SendMessageA(form.FileLB.Handle(), LB_GETITEMHEIGHT, 0, 0));
  EXPECT_TRUE(testing_support::IsScaledFrom(itemHeight, 15, dpi));
  EXPECT_EQ(form.FileLB.ClientRect().bottom, 10 * itemHeight);
  EXPECT_NEAR(pictures.bottom - pictures.top, 154.0 * dpi / 96, 4);
  EXPECT_LT(pictures.bottom, form.SetSB.Top());
  EXPECT_TRUE(testing_support::IsScaledFrom(
      static_cast<int>(::SendMessageA(form.SelDirLB.Handle(), LB_GETITEMHEIGHT, 0, 0)), 15, dpi));
  EXPECT_TRUE(testing_support::IsScaledFrom(
      static_cast<int>(::SendMessageA(form.ShellTV.Handle(), TVM_GETINDENT, 0, 0)), 19, dpi));
  // Labels size themselves to their text, in fonts of the screen's resolution.
  for (const auto& [label, left, top] : {std::tuple{&form.Uputa1, 248, 0}, std::tuple{&form.VisinaL, 200, 368},
                                         std::tuple{&form.DuzinaL, 200, 352}}) {
    EXPECT_TRUE(testing_support::IsScaledFrom(label->Left(), left, dpi)) << label->Name();
    EXPECT_TRUE(testing_support::IsScaledFrom(label->Top(), top, dpi)) << label->Name();
    EXPECT_EQ(label->Font().Height(), -::MulDiv(8, dpi, 72)) << label->Name();
  }
  for (const ui::TWinControl* control : std::initializer_list<const ui::TWinControl*>{&form.FileLB, &form.SelDirLB,
                                                                                     &form.ShellTV}) {
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control->Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -::MulDiv(8, dpi, 72)) << control->Name();
  }
  EXPECT_EQ(form.SetSB.Font().Height(), -::MulDiv(8, dpi, 72));
}

TEST_F(MainLayoutTest, EveryControlSitsAtItsDesignedPlace) { ExpectLaidOutAt(form_, ui::SystemDpi()); }

// Moved to screens of other scales and back (Windows sends WM_DPICHANGED; the test sends it from
// inside the process, as Wine never does): laid out as a start at each would lay it out, and at
// 96 dpi again exactly as designed.
TEST_F(MainLayoutTest, LaidOutAgainOnEveryScreenItMovesToWithoutDrift) {
  for (int dpi : {144, 192, 120, 96}) {
    testing_support::MoveToScreenOf(form_, dpi);
    ExpectLaidOutAt(form_, dpi);
  }
  EXPECT_EQ(form_.Width(), 450);
  EXPECT_EQ(form_.Height(), 459);
}

// Resized or snapped by the user as it crosses to a screen of twice the scale: the size it is
// about to have is kept, its client area twice as large there.
TEST_F(MainLayoutTest, ASizeTheUserGivesIsScaledOnTheWayToAnotherScreen) {
  const int here = form_.Dpi(), there = 2 * here;
  const auto style = static_cast<DWORD>(::GetWindowLongA(form_.Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongA(form_.Handle(), GWL_EXSTYLE));
  const RECT frameHere = ui::FrameAt(here, style, exStyle), frameThere = ui::FrameAt(there, style, exStyle);
  const SIZE pending = {form_.Width() + 100, form_.Height() - 60};
  SIZE size = pending;
  ASSERT_TRUE(::SendMessageA(form_.Handle(), WM_GETDPISCALEDSIZE, there, reinterpret_cast<LPARAM>(&size)));
  EXPECT_EQ(size.cx - (frameThere.right - frameThere.left), 2 * (pending.cx - (frameHere.right - frameHere.left)));
  EXPECT_EQ(size.cy - (frameThere.bottom - frameThere.top), 2 * (pending.cy - (frameHere.bottom - frameHere.top)));
}

TEST_F(MainLayoutTest, FlatButtonsShowTheirGreyBordersAroundTheFace) {
  const COLORREF grey = RGB(128, 128, 128);
  for (const RECT& r : {ui::Bounds(200, 72, 41, 17), ui::Bounds(200, 104, 41, 17), ui::Bounds(8, 344, 185, 17),
                        ui::Bounds(8, 384, 185, 17)}) {
    SCOPED_TRACE(testing::Message() << r.left << ", " << r.top);
    for (const POINT& p : {POINT{r.left, r.top}, POINT{r.right - 1, r.top}, POINT{r.left, r.bottom - 1},
                           POINT{r.right - 1, r.bottom - 1}, POINT{(r.left + r.right) / 2, r.top}})
      EXPECT_EQ(At(p.x, p.y), grey) << p.x << ", " << p.y;
    EXPECT_EQ(At(r.left - 1, r.top - 1), System(COLOR_BTNFACE)) << "nothing drawn outside";
    EXPECT_EQ(At(r.left + 1, r.top + 1), System(COLOR_BTNFACE));
  }
}

// The theme decides the frames' colours; what must hold is where they begin and end.
TEST_F(MainLayoutTest, ListsAndTreeShowTheirFramesAtTheirPlaces) {
  const COLORREF face = System(COLOR_BTNFACE);
  for (const RECT& r : {ui::Bounds(8, 16, 185, 161), ui::Bounds(248, 16, 185, 161), ui::Bounds(8, 184, 185, 150)}) {
    SCOPED_TRACE(testing::Message() << r.left << ", " << r.top);
    const int middleX = (r.left + r.right) / 2, middleY = (r.top + r.bottom) / 2;
    EXPECT_EQ(At(r.left - 1, middleY), face);
    EXPECT_NE(At(r.left, middleY), face);
    EXPECT_EQ(At(middleX, r.top - 1), face);
    EXPECT_NE(At(middleX, r.top), face);
    EXPECT_EQ(At(r.right, middleY), face);
    EXPECT_EQ(At(r.left + 4, r.bottom - 6), System(COLOR_WINDOW)) << "the white inside";
  }
  // The picture list keeps whole rows, so it ends at or above 338.
  EXPECT_EQ(At(100, 338), face);
}

TEST_F(MainLayoutTest, PreviewBevelIsRaised) {
  EXPECT_EQ(At(200, 184), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(At(432, 184 + 80), System(COLOR_BTNSHADOW));
  EXPECT_EQ(At(200 + 100, 347), System(COLOR_BTNSHADOW));
  EXPECT_EQ(At(201, 185), System(COLOR_BTNFACE)) << "only the frame belongs to the bevel";
}

}  // namespace
}  // namespace windows
