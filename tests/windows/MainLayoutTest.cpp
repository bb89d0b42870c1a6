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
  if (ui::ScreenDpi() == 96) {
    EXPECT_EQ(bounds.right - bounds.left, 450);
    EXPECT_EQ(bounds.bottom - bounds.top, 459);
  }
  // 450 x 459 less the frame the system draws at 96 dpi (here 8 x 43: borders, small caption and
  // menu bar), scaled: the controls keep their places in it whatever the frame at another dpi.
  const RECT client = form_.ClientRect();
  EXPECT_TRUE(testing_support::IsScaledFrom(client.right, 442));
  EXPECT_TRUE(testing_support::IsScaledFrom(client.bottom, 416));
}

TEST_F(MainLayoutTest, EveryControlSitsAtItsDesignedPlace) {
  using testing_support::IsScaledFrom;
  EXPECT_TRUE(IsScaledFrom(form_.Bevel1.BoundsRect(), ui::Bounds(200, 184, 233, 164)));
  EXPECT_TRUE(IsScaledFrom(form_.Slika.BoundsRect(), ui::Bounds(208, 192, 217, 145)));
  EXPECT_TRUE(IsScaledFrom(form_.SelectSB.BoundsRect(), ui::Bounds(200, 72, 41, 17)));
  EXPECT_TRUE(IsScaledFrom(form_.UnselectSB.BoundsRect(), ui::Bounds(200, 104, 41, 17)));
  EXPECT_TRUE(IsScaledFrom(form_.SetSB.BoundsRect(), ui::Bounds(8, 344, 185, 17)));
  EXPECT_TRUE(IsScaledFrom(form_.ZatvoriSB.BoundsRect(), ui::Bounds(8, 384, 185, 17)));
  EXPECT_TRUE(IsScaledFrom(form_.SelDirLB.BoundsRect(), ui::Bounds(248, 16, 185, 161)));
  EXPECT_TRUE(IsScaledFrom(form_.ShellTV.BoundsRect(), ui::Bounds(8, 16, 185, 161)));
  // The picture list keeps whole rows of its designed item height.
  const RECT pictures = form_.FileLB.BoundsRect();
  EXPECT_TRUE(
      IsScaledFrom(RECT{pictures.left, pictures.top, pictures.right, pictures.top}, ui::Bounds(8, 184, 185, 0)));
  EXPECT_LE(pictures.bottom - pictures.top, (154 * ui::ScreenDpi()) / 96);
  EXPECT_TRUE(IsScaledFrom(static_cast<int>(::SendMessageA(form_.FileLB.Handle(), LB_GETITEMHEIGHT, 0, 0)), 15));
  EXPECT_TRUE(IsScaledFrom(static_cast<int>(::SendMessageA(form_.ShellTV.Handle(), TVM_GETINDENT, 0, 0)), 19));
  // Labels size themselves to their text, in fonts that follow the screen.
  for (const auto& [label, left, top] : {std::tuple{&form_.Uputa1, 248, 0}, std::tuple{&form_.VisinaL, 200, 368},
                                         std::tuple{&form_.DuzinaL, 200, 352}}) {
    EXPECT_TRUE(IsScaledFrom(label->Left(), left)) << label->Name();
    EXPECT_TRUE(IsScaledFrom(label->Top(), top)) << label->Name();
  }
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
