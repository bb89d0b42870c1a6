// Vantoria.exe sets a wallpaper, driven through its windows as a user would.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "e2e/DesktopState.h"
#include "e2e/UserInput.h"
#include "e2e/VantoriaProcess.h"
#include "pictures/BitmapFileBuilder.h"
#include "support/ScreenCapture.h"
#include "support/TestData.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchFolder;

constexpr auto kStartDeadline = 30s;

// 64 x 64 pixels in four quadrants: red, green / blue, white (top row first).
COLORREF QuadrantColour(int x, int y) {
  const bool right = x % 64 >= 32, bottom = y % 64 >= 32;
  return !bottom ? (right ? RGB(0, 255, 0) : RGB(255, 0, 0)) : (right ? RGB(255, 255, 255) : RGB(0, 0, 255));
}

// Bottom-up: the desktop of Wine draws top-down wallpapers black.
std::string QuadrantBitmap() {
  std::vector<std::uint8_t> rows;
  for (int y = 63; y >= 0; --y)
    for (int x = 0; x < 64; ++x) {
      const COLORREF c = QuadrantColour(x, y);
      rows.insert(rows.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
    }
  const std::vector<std::uint8_t> file =
      testing_support::BuildBitmapFile({.width = 64, .height = 64, .pixels = std::move(rows)});
  return {file.begin(), file.end()};
}

// Every quadrant's middle on the screen, outside `covered`, shows the picture tiled from the
// screen's top-left corner.
bool ScreenShowsQuadrantsTiled(const RECT& covered) {
  const testing_support::ScreenCapture screen;
  for (int y = 16; y < screen.Height(); y += 32)
    for (int x = 16; x < screen.Width(); x += 32)
      if (!::PtInRect(&covered, POINT{x, y}) && screen.At(x, y) != QuadrantColour(x, y)) return false;
  return true;
}

// What a click on the button tells its window.
void Press(HWND window, const char* caption) {
  HWND button = ::FindWindowExA(window, nullptr, "Button", caption);
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The picture lies on the user's desktop (a folder of the test prefix), where the picture list
// starts.
class DesktopPicture {
 public:
  DesktopPicture() {
    char desktop[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    path_ = std::string(desktop) + "\\quadrants.bmp";
    testing_support::WriteFileBytes(path_, QuadrantBitmap());
  }
  ~DesktopPicture() { ::DeleteFileA(path_.c_str()); }

 private:
  std::string path_;
};

TEST(WallpaperTest, ChosenPictureBecomesTheWallpaperInTheStyleTheOptionsShow) {
  ScratchFolder program;
  testing_support::WriteFileBytes(program / "Directory.drl", "");
  CleanWallpaperState clean;
  DesktopPicture picture;
  const std::string target = WallpaperFile();

  VantoriaProcess vantoria(program, "");
  HWND main = vantoria.WaitForWindow("Vantoria v1.0", kStartDeadline);
  ASSERT_NE(main, nullptr);

  // Actions, Options from the keyboard (Alt+T, O): Display "Tile", OK.
  ::SetForegroundWindow(main);
  testing_support::PumpFor(300ms);
  PressKeys("alt+t o");
  HWND options = vantoria.WaitForWindow("Options", 10s);
  ASSERT_NE(options, nullptr);
  ::SendMessageA(::FindWindowExA(options, nullptr, "ComboBox", nullptr), CB_SETCURSEL, 0, 0);
  Press(options, "&OK");
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(options); }, 5s));

  // Click the first picture of the list, then "Set as wallpaper".
  HWND fileList = ChildAt(main, "ListBox", 8, 184);
  ASSERT_NE(fileList, nullptr);
  ::SendMessageA(fileList, LB_SETCURSEL, 0, 0);
  ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(fileList));
  ClickAt(main, 100, 352);  // "Set as wallpaper"

  ASSERT_TRUE(testing_support::WaitUntil([&] { return DesktopValue("TileWallpaper") == "1" &&
                                                      DesktopValue("Wallpaper") == target; }, 10s));
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
  // The preview's bitmap, saved in the bitmap layout: the same picture and rows.
  const std::string saved = testing_support::ReadFileBytes(target);
  const std::string source = QuadrantBitmap();
  ASSERT_EQ(saved.size(), source.size());
  EXPECT_EQ(saved.substr(54), source.substr(54));
  RECT mainBounds;
  ::GetWindowRect(main, &mainBounds);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ScreenShowsQuadrantsTiled(mainBounds); }, 10s));

  // Options again: "Center" chosen, then Cancel. The choice stands for this run.
  ::SetForegroundWindow(main);
  testing_support::PumpFor(300ms);
  PressKeys("alt+t o");
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ::IsWindowVisible(options); }, 10s));
  ::SendMessageA(::FindWindowExA(options, nullptr, "ComboBox", nullptr), CB_SETCURSEL, 1, 0);
  Press(options, "&Cancel");
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(options); }, 5s));
  ClickAt(main, 100, 352);  // "Set as wallpaper"
  EXPECT_TRUE(testing_support::WaitUntil([&] { return DesktopValue("TileWallpaper") == "0"; }, 10s));
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria.WaitForExit(10s).has_value());
}

}  // namespace
}  // namespace e2e
