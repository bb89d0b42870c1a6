// Vantoria.exe's run modes as the user meets them: an interactive run (the splash, then the main
// window until it is closed), and the program's one task-bar button in both modes: minimising
// and restoring, a minimised start, a log-on run's button.
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

// Restored, at Left 230, Top 105, 450 x 459.
void ExpectAtItsStartBounds(HWND main) {
  EXPECT_FALSE(::IsIconic(main));
  RECT bounds;
  ::GetWindowRect(main, &bounds);
  EXPECT_EQ(bounds.left, 230);
  EXPECT_EQ(bounds.top, 105);
  EXPECT_EQ(bounds.right - bounds.left, 450);
  EXPECT_EQ(bounds.bottom - bounds.top, 459);
}

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

  ExpectAtItsStartBounds(main);
  EXPECT_FALSE(::IsZoomed(main));
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

// The one window of the program that the task bar and Alt+Tab list.
HWND TaskBarButton(const VantoriaProcess& vantoria) {
  const std::vector<HWND> windows = testing_support::TaskBarWindows(vantoria.Id());
  EXPECT_EQ(windows.size(), 1u) << "task-bar buttons";
  if (windows.size() != 1) return nullptr;
  EXPECT_EQ(testing_support::WindowText(windows[0]), "Vantoria");
  return windows[0];
}

bool FocusIsInTheTree(HWND main) {
  GUITHREADINFO thread = {sizeof thread};
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &thread);
  return ::IsChild(main, thread.hwndFocus) && testing_support::ClassName(thread.hwndFocus) == "SysTreeView32";
}

TEST(TaskBarTest, OneButtonFromTheSplashOnBringsTheMainWindowBackAndMinimisesTheProgram) {
  ProgramFolder program;
  VantoriaProcess vantoria(program.folder, "");
  ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
  TaskBarButton(vantoria);
  HWND main = vantoria.WaitForWindow(kMainCaption, 15s);
  ASSERT_NE(main, nullptr);
  HWND button = TaskBarButton(vantoria);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return FocusIsInTheTree(main); }, 5s))
      << "the focus is not in the folder tree";

  // Another program's window covers it; the button (as the task bar activates it) brings it back.
  HWND cover = ::CreateWindowExA(0, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 200, 80, 520, 520, nullptr, nullptr,
                                 nullptr, nullptr);
  ::SetForegroundWindow(cover);
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ::GetForegroundWindow() == cover; }, 5s));
  ::SetForegroundWindow(button);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
  ::DestroyWindow(cover);

  // The button of the program in front minimises it, and restores it again.
  ::PostMessageA(button, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(main); }, 5s));
  ::PostMessageA(button, WM_SYSCOMMAND, SC_RESTORE, 0);
  const auto mainInFront = [&] { return ::IsWindowVisible(main) && ::GetForegroundWindow() == main; };
  EXPECT_TRUE(testing_support::WaitUntil(mainInFront, 5s));

  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria.WaitForExit(10s).has_value());
}

// "Run: Minimised" in a shortcut: the whole program starts minimised, and its button brings the
// main window back as it was designed.
TEST(TaskBarTest, AProgramStartedMinimisedComesBackFromItsButton) {
  ProgramFolder program;
  VantoriaProcess vantoria(program.folder, "", SW_SHOWMINNOACTIVE);
  ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
  HWND button = TaskBarButton(vantoria);
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ::IsIconic(button); }, 10s)) << "the program is not minimised";
  HWND main = testing_support::FindWindowOf(vantoria.Id(), kMainCaption);
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(::IsWindowVisible(main));
  EXPECT_FALSE(::IsIconic(main));

  ::PostMessageA(button, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(
      testing_support::WaitUntil([&] { return ::IsWindowVisible(main) && ::GetForegroundWindow() == main; }, 5s));
  EXPECT_FALSE(::IsIconic(button));
  ExpectAtItsStartBounds(main);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return FocusIsInTheTree(main); }, 5s));
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria.WaitForExit(10s).has_value());
}

// Minimised during the splash, restored after the main window came: the splash, closed
// meanwhile, does not come back.
TEST(TaskBarTest, ASplashClosedWhileTheProgramWasMinimisedStaysClosed) {
  ProgramFolder program;
  VantoriaProcess vantoria(program.folder, "");
  HWND splash = vantoria.WaitForWindow("PocetakDialog", kStartDeadline);
  ASSERT_NE(splash, nullptr);
  const auto splashShownAt = vantoria.Elapsed();
  HWND button = TaskBarButton(vantoria);
  ASSERT_NE(button, nullptr);
  ::PostMessageA(button, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(splash); }, 5s));
  testing_support::WaitUntil([&] { return vantoria.Elapsed() - splashShownAt > 4500; }, 10s);
  HWND main = testing_support::FindWindowOf(vantoria.Id(), kMainCaption);
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(::IsWindowVisible(main)) << "the main window came up in a minimised program";

  ::PostMessageA(button, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ::IsWindowVisible(main); }, 5s));
  testing_support::PumpFor(500ms);
  EXPECT_FALSE(::IsWindowVisible(splash)) << "the splash came back";
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria.WaitForExit(10s).has_value());
}

TEST(TaskBarTest, AStartupRunHasItsButtonDuringTheSplash) {
  ProgramFolder program;
  VantoriaProcess vantoria(program.folder, "/s");
  ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
  TaskBarButton(vantoria);
  // The empty folder list makes the rotation report its error; the run then ends by itself.
  vantoria.AnswerMessageBox("OK", 15s);
  EXPECT_TRUE(vantoria.WaitForExit(15s).has_value());
}

}  // namespace
}  // namespace e2e
