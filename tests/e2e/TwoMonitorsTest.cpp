// Vantoria.exe with a picture on each of two monitors: a 1280 x 1024 primary and a 1024 x 1280
// portrait monitor right or left of it. Run by ctest's e2e_two_monitors_right and _left, which
// give Wine those monitors (tests/run-on-two-monitors.sh); skipped elsewhere. Wine's desktop
// shows neither spanning nor scaling, so the composed file's pixels and the desktop values are
// what Windows would read.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <set>

#include "e2e/DesktopState.h"
#include "e2e/HostCommand.h"
#include "e2e/UserInput.h"
#include "e2e/VantoriaProcess.h"
#include "pictures/BitmapFileBuilder.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchFolder;
using testing_support::ScratchSettings;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0),
                   kYellow = RGB(255, 255, 0), kBackground = RGB(10, 20, 30);

// A 24-bit picture in two colours: its left and right halves, or for a portrait its top and
// bottom halves.
std::string TwoColours(int width, int height, COLORREF first, COLORREF second) {
  const int rowBytes = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> rows(static_cast<size_t>(rowBytes) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = (width > height ? x < width / 2 : y < height / 2) ? first : second;
      std::uint8_t* pixel = rows.data() + (height - 1 - y) * rowBytes + x * 3;  // rows run bottom up
      pixel[0] = GetBValue(colour), pixel[1] = GetGValue(colour), pixel[2] = GetRValue(colour);
    }
  const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = width, .height = height,
                                                                            .pixels = std::move(rows)});
  return {file.begin(), file.end()};
}

// The composed wallpaper file as Windows would read it: the one the desktop names, wherever the
// program could write it.
struct ComposedFile {
  std::int32_t Field(size_t at) const {
    std::int32_t value = 0;
    if (bytes.size() >= at + 4) std::memcpy(&value, bytes.data() + at, 4);
    return value;
  }
  COLORREF At(int x, int y) const {
    const size_t at = 54 + static_cast<size_t>(height - 1 - y) * ((width * 3 + 3) & ~3) + x * 3u;
    return at + 3 > bytes.size()
               ? CLR_INVALID
               : RGB(std::uint8_t(bytes[at + 2]), std::uint8_t(bytes[at + 1]), std::uint8_t(bytes[at]));
  }

  std::string bytes = testing_support::ReadFileBytes(DesktopValue("Wallpaper"));
  std::int32_t width = Field(18), height = Field(22);
};

class TwoMonitorsTest : public ::testing::Test {
 protected:
  TwoMonitorsTest() { ::SetProcessDPIAware(); }
  ~TwoMonitorsTest() override { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Wine", "Version"); }

  // Two monitors spanning `virtualScreen` (left, top, width, height), or a skip where the run
  // has one monitor. The desktop's colour is the test's own.
  void ExpectLayout(const char* layout, const std::array<int, 4>& virtualScreen) {
    const char* given = std::getenv("VANTORIA_TWO_MONITORS");
    if (!given || std::strcmp(given, layout) != 0) GTEST_SKIP() << "run by ctest's e2e_two_monitors_" << layout;
    ASSERT_EQ(::GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ((std::array{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                          ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)}),
              virtualScreen);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Colors", "Background", REG_SZ, "10 20 30", 9);
    testing_support::WriteFileBytes(program_ / "Directory.drl", pictures_.Path() + "\r\n");
    ScratchSettings::SetValue("PerMonitor", "1");
  }
  // "win10" or "win7", as winecfg -v sets it for the programs started after.
  static void ReportWindows(const char* version) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine", "Version", REG_SZ, version,
                      static_cast<DWORD>(std::strlen(version) + 1));
  }
  void AddPicture(const std::string& name, const std::string& file) {
    testing_support::WriteFileBytes(pictures_ / name, file);
  }
  // The landscape picture first, the portrait one second, and a third that in order is never used.
  void AddLandscapeAndPortrait() {
    AddPicture("1 landscape.bmp", TwoColours(300, 200, kRed, kBlue));
    AddPicture("2 portrait.bmp", TwoColours(200, 300, kGreen, kYellow));
    AddPicture("3 unused.bmp", TwoColours(30, 20, kBlue, kBlue));
  }
  // A run without a window to its end, which must succeed.
  void Run(const char* arguments) {
    VantoriaProcess vantoria(program_, arguments);
    ASSERT_EQ(vantoria.WaitForExit(60s).value_or(STILL_ACTIVE), 0u)
        << arguments << ": " << ScratchSettings::TimedRunOutcome();
  }
  // One change in order, from the first picture: the log-on run's choice, without its splash.
  void RunInOrder(const char* display) {
    ScratchSettings::SetValue("Display", display);
    ScratchSettings::SetValue("File", "0");
    ScratchSettings::SetValue("Folder", "0");
    Run("/next");
  }

  CleanWallpaperState clean_;
  ScratchFolder program_;
  ScratchFolder pictures_;
};

class PortraitRightTest : public TwoMonitorsTest {
 protected:
  void SetUp() override {
    ExpectLayout("right", {0, 0, 2304, 1280});
    ReportWindows("win10");
  }
};

// Then "Set as wallpaper" in the main window, which stands on the primary monitor: the picture
// goes there, and the portrait monitor keeps the one the log-on run gave it.
TEST_F(PortraitRightTest, FillCoversFitLeavesBarsAndSetAsWallpaperChangesTheMainWindowsMonitorOnly) {
  AddLandscapeAndPortrait();
  RunInOrder("3");
  EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "22") << "spanned";
  const ComposedFile fill;
  ASSERT_EQ(fill.width, 2304);
  ASSERT_EQ(fill.height, 1280);
  EXPECT_EQ(fill.At(0, 0), kRed) << "cropped at its sides, it still reaches the corner";
  EXPECT_EQ(fill.At(1279, 1023), kBlue);
  EXPECT_EQ(fill.At(1280, 0), kGreen) << "cropped top and bottom";
  EXPECT_EQ(fill.At(2303, 1279), kYellow);
  EXPECT_EQ(fill.At(640, 1100), kBackground) << "below the primary";

  RunInOrder("4");
  const ComposedFile fit;
  EXPECT_EQ(fit.At(640, 40), kBackground) << "the bar above the landscape picture";
  EXPECT_EQ(fit.At(10, 512), kRed);
  EXPECT_EQ(fit.At(1280 + 40, 640), kBackground) << "the bar left of the portrait picture";
  EXPECT_EQ(fit.At(1280 + 512, 100), kGreen);

  VantoriaProcess vantoria(program_, "");
  HWND main = vantoria.WaitForWindow("Vantoria v1.0", 30s);
  ASSERT_NE(main, nullptr);
  ClickAt(main, 300, 24);       // the selected folder
  ClickAt(main, 30, 192 + 30);  // its third picture, blue
  ClickAt(main, 100, 352);      // Set as wallpaper
  ASSERT_TRUE(testing_support::WaitUntil([] { return ComposedFile().At(640, 512) == kBlue; }, 15s));
  EXPECT_EQ(ComposedFile().At(1280 + 512, 100), kGreen);
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria.WaitForExit(15s).has_value());
}

// As for every standard user on Windows 10 and 11, the Windows folder refuses the wallpaper file:
// "Set as wallpaper" still decodes each monitor's picture once.
TEST_F(PortraitRightTest, AWindowsFolderThatRefusesTheFileCostsNoSecondDecoding) {
  for (const char* name : {"a.png", "b.png"})
    ASSERT_EQ(RunHostProgram("convert", "-size 3000x2000 xc:gray +noise Random PNG24:'" + HostPath(pictures_ / name) +
                                            "'"), 0);
  ScratchSettings::SetValue("AllPictures", "1");
  RunInOrder("3");  // a picture for each monitor
  testing_support::WriteFileBytes(WallpaperFile(), "");
  ::SetFileAttributesA(WallpaperFile().c_str(), FILE_ATTRIBUTE_READONLY);
  VantoriaProcess vantoria(program_, "");
  HWND main = vantoria.WaitForWindow("Vantoria v1.0", 30s);
  ASSERT_NE(main, nullptr);
  ClickAt(main, 300, 24);  // the selected folder
  ClickAt(main, 30, 192);  // its first picture
  const auto helpers = [&] {  // every Vantoria.exe but the program's own
    std::vector<DWORD> found = testing_support::RunningProcesses("Vantoria.exe");
    return std::erase(found, vantoria.Id()), found;
  };
  ASSERT_TRUE(testing_support::WaitUntil([&] { return helpers().empty(); }, 10s)) << "the preview's decoding";
  const std::string before = DesktopValue("Wallpaper");
  std::set<DWORD> started;
  ClickAt(main, 100, 352);  // Set as wallpaper
  for (const auto deadline = std::chrono::steady_clock::now() + 20s;
       std::chrono::steady_clock::now() < deadline && (DesktopValue("Wallpaper") == before || !helpers().empty());)
    for (DWORD helper : helpers()) started.insert(helper);
  EXPECT_NE(DesktopValue("Wallpaper"), WallpaperFile());
  EXPECT_EQ(started.size(), 2u);
}

// At random, then dealing with "Only pictures of the monitor's shape": never a deck's last landscapes.
TEST_F(PortraitRightTest, AtRandomEachMonitorTakesAPictureOfItsShape) {
  for (int i = 0; i < 4; ++i) {
    AddPicture("landscape " + std::to_string(i) + ".bmp", TwoColours(30, 20, RGB(255 - i, 0, 0), RGB(255 - i, 0, 0)));
    if (i < 2)
      AddPicture("portrait " + std::to_string(i) + ".bmp", TwoColours(20, 30, RGB(0, 255 - i, 0), RGB(0, 255 - i, 0)));
  }
  ScratchSettings::SetValue("RndFile", "1");
  ScratchSettings::SetValue("Display", "3");
  for (int run = 0; run < 9; ++run) {
    for (const char* name : {"Shuffle", "SameShape"}) ScratchSettings::SetValue(name, run >= 3 ? "1" : "0");
    Run("/next");
    const ComposedFile composed;
    EXPECT_GT(GetRValue(composed.At(640, 512)), 200) << "run " << run << ": the landscape monitor";
    EXPECT_GT(GetGValue(composed.At(1792, 640)), 200) << "run " << run << ": the portrait monitor";
  }
}

// "Three quarters", dealing: each monitor only the picture large enough for it; then small ones alone.
TEST_F(PortraitRightTest, EachMonitorPassesOverPicturesTooSmallForItUnlessThereAreNoOthers) {
  AddPicture("large landscape.bmp", TwoColours(960, 768, kRed, kRed));
  AddPicture("large portrait.bmp", TwoColours(768, 960, kGreen, kGreen));
  AddPicture("small landscape.bmp", TwoColours(959, 768, kBlue, kBlue));
  AddPicture("small portrait.bmp", TwoColours(768, 959, kYellow, kYellow));
  for (const char* name : {"RndFile", "Shuffle"}) ScratchSettings::SetValue(name, "1");
  ScratchSettings::SetValue("SmallestPart", "75");
  ScratchSettings::SetValue("Display", "3");
  for (int run = 0; run < 4; ++run) {
    Run("/next");
    const ComposedFile composed;
    EXPECT_EQ(std::pair(composed.At(640, 512), composed.At(1792, 640)), std::pair(kRed, kGreen)) << "run " << run;
  }
  for (const char* large : {"large landscape.bmp", "large portrait.bmp"}) ::DeleteFileA((pictures_ / large).c_str());
  Run("/next");
  const ComposedFile composed;
  EXPECT_EQ(std::set({composed.At(640, 512), composed.At(1792, 640)}), std::set({kBlue, kYellow}));
}

// Icons' sizes come from their headers, and each monitor's picture is decoded once: no helper
// asked of every picture that might suit the portrait monitor.
TEST_F(PortraitRightTest, AtRandomPicturesAHelperDecodesCostAtMostTwoHelpersAMonitor) {
  for (int i = 0; i < 6; ++i) {
    const std::string icon = HostPath(pictures_ / (std::to_string(i) + ".ico"));
    ASSERT_EQ(RunHostProgram("convert", "-size 48x32 xc:red ICO:'" + icon + "'"), 0);
  }
  ScratchSettings::SetValue("AllPictures", "1");
  ScratchSettings::SetValue("RndFile", "1");
  VantoriaProcess vantoria(program_, "/next");
  EXPECT_LE(vantoria.HelpersUntilExit(60s).size(), 4u);
  EXPECT_EQ(GetRValue(ComposedFile().At(640, 512)), 255);
}

// "Never show this picture again" with the pointer on the portrait monitor: its picture joins
// the user's list and gives way to another there, the primary keeps its own, and no later change
// shows it; "Next picture on this monitor" changes that monitor alone too. A picture both
// monitors showed (the only one there was) leaves both.
TEST_F(PortraitRightTest, ExcludeTakesThePictureUnderThePointerOffItsMonitorForGood) {
  AddPicture("only.bmp", TwoColours(30, 20, kBlue, kBlue));
  for (const char* name : {"RndFile", "Shuffle"}) ScratchSettings::SetValue(name, "1");
  ScratchSettings::SetValue("Display", "3");
  Run("/next");
  ASSERT_EQ(ComposedFile().At(640, 512), kBlue);
  ASSERT_EQ(ComposedFile().At(1792, 640), kBlue);
  for (int i = 0; i < 3; ++i) {
    AddPicture("landscape " + std::to_string(i) + ".bmp", TwoColours(30, 20, RGB(255 - i, 0, 0), RGB(255 - i, 0, 0)));
    AddPicture("portrait " + std::to_string(i) + ".bmp", TwoColours(20, 30, RGB(0, 255 - i, 0), RGB(0, 255 - i, 0)));
  }
  ::SetCursorPos(1792, 640);
  Run("/exclude");
  EXPECT_NE(ComposedFile().At(640, 512), kBlue);
  EXPECT_NE(ComposedFile().At(1792, 640), kBlue);
  EXPECT_NE(ComposedFile().At(640, 512), ComposedFile().At(1792, 640)) << "one picture on both monitors";

  const auto portraitShown = [] { return 255 - GetGValue(ComposedFile().At(1792, 640)); };
  Run("/next");
  const COLORREF primary = ComposedFile().At(640, 512);
  // "Next picture on this monitor": only the portrait monitor's picture changes, in one change.
  const auto current = [] {  // the history's newest change, while fewer than 50 are kept
    const std::string history = testing_support::ReadFileBytes(ScratchSettings::KeptFile("History.txt"));
    return std::atoi(history.c_str() + history.find("\ncurrent ") + 9);
  };
  const COLORREF portrait = ComposedFile().At(1792, 640);
  const int changes = current();
  Run("/nexthere");
  EXPECT_EQ(ComposedFile().At(640, 512), primary);
  EXPECT_NE(ComposedFile().At(1792, 640), portrait);
  EXPECT_EQ(current(), changes + 1);
  const int excluded = portraitShown();
  Run("/exclude");
  EXPECT_EQ(testing_support::ReadFileBytes(ScratchSettings::KeptFile("Excluded pictures.txt")),
            pictures_ / "only.bmp" + "\r\n" + pictures_ / ("portrait " + std::to_string(excluded) + ".bmp") + "\r\n");
  EXPECT_EQ(ComposedFile().At(640, 512), primary);
  for (int later = 0; later < 20; ++later) {
    EXPECT_NE(portraitShown(), excluded) << "change " << later;
    Run("/next");
  }
}

// With subfolders, one selected folder or two, in order and at random: every change sets a picture
// on both monitors.
TEST_F(PortraitRightTest, WithSubfoldersEveryMonitorGetsAPictureInOrderAndAtRandom) {
  for (const char* folder : {"a", "a\\below", "b"}) {
    ::CreateDirectoryA((pictures_ / folder).c_str(), nullptr);
    for (int i = 0; i < 2; ++i)
      AddPicture(std::string(folder) + "\\" + std::to_string(i) + ".bmp", TwoColours(30, 20, kRed, kRed));
  }
  ScratchSettings::SetValue("Subfolders", "1");
  ScratchSettings::SetValue("Display", "3");
  for (const std::string& list : {pictures_ / "a" + "\r\n", pictures_ / "a" + "\r\n" + pictures_ / "b" + "\r\n"}) {
    testing_support::WriteFileBytes(program_ / "Directory.drl", list);
    for (const char* rndFile : {"0", "1"}) {
      ScratchSettings::SetValue("RndFile", rndFile);
      for (int run = 0; run < 3; ++run) {
        testing_support::WriteFileBytes(WallpaperFile(), "");
        Run("/next");
        EXPECT_EQ(std::tuple(ComposedFile().At(640, 512), ComposedFile().At(1792, 640)), std::tuple(kRed, kRed))
            << list << " at random: " << rndFile;
      }
    }
  }
}

TEST_F(PortraitRightTest, WithTheOptionOffThePictureIsSetAsItAlwaysWas) {
  ScratchSettings::SetValue("PerMonitor", "0");
  AddLandscapeAndPortrait();
  RunInOrder("3");
  EXPECT_EQ(testing_support::ReadFileBytes(WallpaperFile()).substr(54),
            testing_support::ReadFileBytes(pictures_ / "1 landscape.bmp").substr(54));
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "10");
}

class PortraitLeftTest : public TwoMonitorsTest {
 protected:
  void SetUp() override { ExpectLayout("left", {-1024, 0, 2304, 1280}); }
};

// Windows 8 and later span the bitmap from the virtual screen's corner; Windows 7 tiles it from
// the primary's, so the primary's picture comes first and the left monitor's after it.
TEST_F(PortraitLeftTest, SpannedFromTheLeftMonitorOnWindows10TiledFromThePrimaryOnWindows7) {
  AddLandscapeAndPortrait();
  ReportWindows("win10");
  RunInOrder("3");
  const ComposedFile spanned;
  EXPECT_EQ(spanned.At(0, 0), kGreen);
  EXPECT_EQ(spanned.At(1023, 1279), kYellow);
  EXPECT_EQ(spanned.At(1024, 0), kRed);

  ReportWindows("win7");
  RunInOrder("3");
  EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
  const ComposedFile tiled;
  EXPECT_EQ(tiled.At(0, 0), kRed);
  EXPECT_EQ(tiled.At(1279, 1023), kBlue);
  EXPECT_EQ(tiled.At(1280, 0), kGreen);
}

// The portrait monitor was right of the primary when the wallpaper was composed, and is left of
// it now: "/refit" lays the pictures the history names out again where the monitors are, and
// changes nothing once they fit.
TEST_F(PortraitLeftTest, RefitLaysTheMonitorsPicturesOutAgainWhereTheMonitorsAreNow) {
  AddLandscapeAndPortrait();
  ReportWindows("win10");
  ScratchSettings::SetValue("Display", "3");
  Run("/next");
  std::string layout = ScratchSettings::Value("WallpaperLayout");
  const std::size_t left = layout.find(" -1024 0 ");
  ASSERT_NE(left, std::string::npos) << layout;
  ScratchSettings::SetValue("WallpaperLayout", layout.replace(left, 9, " 1280 0 "));
  testing_support::WriteFileBytes(WallpaperFile(), TwoColours(2304, 1280, kBackground, kBackground));
  const std::string history = testing_support::ReadFileBytes(ScratchSettings::KeptFile("History.txt"));
  Run("/refit");
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "refitted");
  const ComposedFile refitted;
  EXPECT_EQ(std::tuple(refitted.At(0, 0), refitted.At(1023, 1279), refitted.At(1024, 0)),
            std::tuple(kGreen, kYellow, kRed));
  EXPECT_EQ(testing_support::ReadFileBytes(ScratchSettings::KeptFile("History.txt")), history);
  Run("/refit");
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "skipped: the monitors are as they were");
}

}  // namespace
}  // namespace e2e
