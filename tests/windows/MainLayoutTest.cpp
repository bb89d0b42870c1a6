// The main window on screen, read back by pixels at the places of its layout.
#include <gtest/gtest.h>

#include "support/ScreenCapture.h"
#include "support/Waiting.h"
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

TEST_F(MainLayoutTest, WindowSitsAtItsStartBounds) {
  RECT bounds;
  ::GetWindowRect(form_.Handle(), &bounds);
  EXPECT_EQ(bounds.left, 230);
  EXPECT_EQ(bounds.top, 105);
  EXPECT_EQ(bounds.right - bounds.left, 450);
  EXPECT_EQ(bounds.bottom - bounds.top, 459);
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
