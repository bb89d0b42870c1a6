// Vantoria.exe run without "/s": the splash, then the main window until it is closed.
#include <gtest/gtest.h>

#include "e2e/VantoriaProcess.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchFolder;

constexpr char kMainCaption[] = "Vantoria v1.0";
// The first program of a fresh Wine prefix takes seconds to start.
constexpr auto kStartDeadline = 30s;

// A folder with an empty folder list beside the program, as after a first closing.
struct ProgramFolder {
  ProgramFolder() { testing_support::WriteFileBytes(folder / "Directory.drl", ""); }
  ScratchFolder folder;
};

class InteractiveRunTest : public ::testing::TestWithParam<const char*> {};

TEST_P(InteractiveRunTest, ShowsTheMainWindowAtItsStartBoundsAfterTheSplashAndEndsWhenItCloses) {
  ProgramFolder program;
  VantoriaProcess vantoria(program.folder, GetParam());
  ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
  const auto splashShownAt = vantoria.Elapsed();
  HWND main = vantoria.WaitForWindow(kMainCaption, 15s);
  ASSERT_NE(main, nullptr);
  EXPECT_GE(vantoria.Elapsed() - splashShownAt, 2900u) << "the main window came before the splash had closed";
  EXPECT_EQ(testing_support::FindVisibleWindow(vantoria.Id(), "PocetakDialog"), nullptr);

  RECT bounds;
  ::GetWindowRect(main, &bounds);
  EXPECT_EQ(bounds.left, 230);
  EXPECT_EQ(bounds.top, 105);
  EXPECT_EQ(bounds.right - bounds.left, 450);
  EXPECT_EQ(bounds.bottom - bounds.top, 459);
  EXPECT_FALSE(::IsZoomed(main));
  EXPECT_FALSE(::IsIconic(main));
  const LONG style = ::GetWindowLongA(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  ::PostMessageA(main, WM_CLOSE, 0, 0);
  const auto exitCode = vantoria.WaitForExit(10s);
  ASSERT_TRUE(exitCode.has_value()) << "closing the main window did not end the program";
  EXPECT_EQ(*exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(ArgumentsOtherThanSlashS, InteractiveRunTest, ::testing::Values("", "/S", "-s", "/s2"));

}  // namespace
}  // namespace e2e
