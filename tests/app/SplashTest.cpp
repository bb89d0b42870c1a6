#include "app/PocetakD.h"

#include <gtest/gtest.h>

#include "pictures/BitmapFileBuilder.h"
#include "platform/Module.h"
#include "support/Design.h"
#include "support/Later.h"
#include "support/ScratchFolder.h"
#include "support/ScratchSettings.h"
#include "support/ScreenCapture.h"
#include "support/Waiting.h"
#include "ui/Canvas.h"
#include "ui/MessageBoxes.h"
#include "windows/MainForm.h"

namespace app {
namespace {

using namespace std::chrono_literals;

class SplashTest : public ::testing::Test {
 protected:
  windows::TFormMain mainForm_;
};

// The image at its designed place, the picture drawn in it at the designed 465 x 232, scaled as
// the whole window is.
void ExpectPictureAt(const TPocetakDialog& splash, int dpi) {
  SCOPED_TRACE(testing::Message() << dpi << " dpi");
  EXPECT_TRUE(testing_support::IsScaledFrom(splash.Slika.BoundsRect(), ui::Design(-8, 0, 465, 233), dpi));
  EXPECT_TRUE(testing_support::IsScaledFrom(splash.Slika.PictureRect(), ui::Design(0, 0, 465, 232), dpi));
}

TEST_F(SplashTest, BorderlessWindowCentredOnThePrimaryMonitorWithThePictureShrunkToTheImage) {
  TPocetakDialog splash(mainForm_, false);
  splash.Show();
  using testing_support::IsScaledFrom;
  RECT window;
  ::GetWindowRect(splash.Handle(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  EXPECT_TRUE(IsScaledFrom(width, 457));
  EXPECT_TRUE(IsScaledFrom(height, 233));
  EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  EXPECT_EQ(::GetWindowLongA(splash.Handle(), GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);

  ASSERT_NE(splash.Slika.Picture(), nullptr);
  EXPECT_EQ(splash.Slika.Picture()->Width(), 566);
  EXPECT_EQ(splash.Slika.Picture()->Height(), 283);
  ExpectPictureAt(splash, ui::SystemDpi());
}

// Moved to screens of other scales and back, from inside the process (Wine sends no
// WM_DPICHANGED): the window and its picture as a start there gives them, and as designed again.
TEST_F(SplashTest, LaidOutAgainOnEveryScreenItMovesToWithoutDrift) {
  TPocetakDialog splash(mainForm_, false);
  for (int dpi : {144, 192, 120, 96}) {
    testing_support::MoveToScreenOf(splash, dpi);
    EXPECT_TRUE(testing_support::IsScaledFrom(splash.Width(), 457, dpi));
    EXPECT_TRUE(testing_support::IsScaledFrom(splash.Height(), 233, dpi));
    ExpectPictureAt(splash, dpi);
  }
  EXPECT_EQ(splash.Width(), 457);
  EXPECT_EQ(splash.Height(), 233);
}

TEST_F(SplashTest, ScreenShowsThePictureFromItsNinthColumnAndTheFaceColourBelowIt) {
  TPocetakDialog splash(mainForm_, false);
  splash.Show();
  ui::TBitmapCanvas picture(465, 233);
  splash.Slika.DrawPicture(picture);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(picture.Pixel(8, 116), face) << "the picture was drawn";

  RECT window;
  ::GetWindowRect(splash.Handle(), &window);
  std::vector<std::pair<POINT, COLORREF>> expected;
  for (int y : {0, 50, 116, 200, 231})
    for (int x : {0, 1, 100, 448}) expected.push_back({{x, y}, picture.Pixel(x + 8, y)});
  for (int x : {0, 200, 456}) expected.push_back({{x, 232}, face});
  std::vector<std::string> wrong;
  const auto screenShowsIt = [&] {
    const testing_support::ScreenCapture screen;
    wrong.clear();
    for (const auto& [at, colour] : expected)
      if (screen.At(window.left + at.x, window.top + at.y) != colour)
        wrong.push_back(std::to_string(at.x) + "," + std::to_string(at.y));
    return wrong.empty();
  };
  // Under load the X server shows parts of the window late, and a repaint that Wine starts by
  // itself can show its first strokes for a moment: one capture that shows it all is the proof.
  EXPECT_TRUE(testing_support::WaitUntil(screenShowsIt, 5s)) << testing::PrintToString(wrong);
}

TEST_F(SplashTest, PointerIsTheHourglassOverThePicture) {
  TPocetakDialog splash(mainForm_, false);
  splash.Show();
  ::SendMessageA(splash.Slika.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(splash.Slika.Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
}

TEST_F(SplashTest, InteractiveRunClosesAtTheFirstTick) {
  TPocetakDialog splash(mainForm_, false);
  splash.Show();
  splash.TimerTimer();
  EXPECT_FALSE(splash.Visible());
  EXPECT_FALSE(splash.Timer.Enabled());
}

// The first tick of a start-up run has come: the timer was re-armed for its second tick.
void AfterFirstStartupTick(TPocetakDialog& splash) {
  splash.Timer.SetInterval(TPocetakDialog::kSecondInterval);
  splash.Show();
}

TEST_F(SplashTest, StartupRunClosesAtTheSecondTickWhenNoWallpaperIsPending) {
  TPocetakDialog splash(mainForm_, true);
  AfterFirstStartupTick(splash);
  splash.TimerTimer();
  EXPECT_FALSE(splash.Visible());
}

TEST_F(SplashTest, StartupRunClosesOnlyAfterThePendingWallpaperIsWritten) {
  TPocetakDialog splash(mainForm_, true);
  AfterFirstStartupTick(splash);
  bool written = false;
  mainForm_.Timer.OnTimer = [&] {
    mainForm_.Timer.SetEnabled(false);
    written = true;
  };
  mainForm_.Timer.SetEnabled(true);  // a slow rotation armed it late

  splash.TimerTimer();
  EXPECT_TRUE(splash.Visible());
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !splash.Visible(); }, 5s));
  EXPECT_TRUE(written);
}

// The rotation's "Directory.drl not found" box is still up at the splash's second tick, which
// asks to close; the rotation then goes on with the list it had and arms the wallpaper.
TEST_F(SplashTest, StartupRunWaitsForAWallpaperArmedAfterTheSecondTickAskedToClose) {
  testing_support::ScratchFolder pictures;
  const std::vector<std::uint8_t> picture = testing_support::BuildBitmapFile({.width = 2, .height = 2});
  testing_support::WriteFileBytes(pictures / "picture.bmp", std::string(picture.begin(), picture.end()));
  ::DeleteFileA((platform::ExecutableDirectory() + "\\Directory.drl").c_str());
  const testing_support::ScratchSettings settings;
  mainForm_.AddEntry(pictures.Path());
  bool written = false;
  mainForm_.Timer.OnTimer = [&] {
    mainForm_.Timer.SetEnabled(false);
    written = true;
  };
  TPocetakDialog splash(mainForm_, true);
  std::vector<std::string> boxes;
  const ui::MessageBoxHook previous = ui::SetMessageBoxHook([&](const ui::MessageBoxRequest& box) {
    boxes.push_back(box.text);
    testing_support::WaitUntil([&] { return splash.ModalResult() != ui::mrNone; }, 5s);
    return IDOK;
  });
  constexpr int kTimedOut = 99;
  testing_support::Later safety(15s, [&] { splash.SetModalResult(kTimedOut); });

  splash.Timer.SetEnabled(true);
  EXPECT_NE(splash.ShowModal(), kTimedOut);
  EXPECT_TRUE(written) << "the run would end before the wallpaper is written";
  ui::SetMessageBoxHook(previous);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "File \"Directory.drl\" not found. Cannot load Selected direcotories list!");
}

}  // namespace
}  // namespace app
