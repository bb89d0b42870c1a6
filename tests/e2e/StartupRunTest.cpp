// Vantoria.exe /s as it runs at log-on: the splash, the next (or a random) picture of the
// selected folders, the counters, and the wallpaper; then it ends by itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

#include "e2e/DesktopState.h"
#include "e2e/HostCommand.h"
#include "e2e/VantoriaProcess.h"
#include "pictures/BitmapFileBuilder.h"
#include "platform/Handles.h"
#include "support/PictureChangeTask.h"
#include "support/Shortcuts.h"
#include "support/XmlElement.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchFolder;
using testing_support::ScratchSettings;

constexpr auto kStartDeadline = 30s;
constexpr auto kRunDeadline = 30s;
constexpr char kMenuKey[] = "Software\\Classes\\DesktopBackground\\Shell\\Vantoria";
constexpr char kEarlierMenuKey[] = "Software\\Classes\\DesktopBackground\\Shell\\VantoriaNext";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A folder of three 24-bit pictures told apart by their widths: base, base + 1, base + 2.
class PictureFolder {
 public:
  explicit PictureFolder(int baseWidth) {
    for (int i = 0; i < 3; ++i) {
      const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = baseWidth + i, .height = 4});
      files_.emplace_back(file.begin(), file.end());
      testing_support::WriteFileBytes(Picture(i), files_.back());
    }
  }
  std::string Path() const { return folder_.Path(); }
  std::string Picture(int index) const { return folder_ / ("picture " + std::to_string(index + 1) + ".bmp"); }
  const std::string& File(int index) const { return files_.at(index); }

 private:
  ScratchFolder folder_;
  std::vector<std::string> files_;
};

class StartupRunTest : public ::testing::Test {
 protected:
  void ListFolders(const std::vector<std::string>& folders) {
    std::string text;
    for (const std::string& folder : folders) text += folder + "\r\n";
    testing_support::WriteFileBytes(program_ / "Directory.drl", text);
  }

  // Runs Vantoria.exe /s to its end, answering no box.
  void RunToTheEnd() {
    VantoriaProcess vantoria(program_, "/s");
    ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
    const auto splashShownAt = vantoria.Elapsed();
    ASSERT_TRUE(vantoria.WaitForExit(kRunDeadline).has_value()) << "the start-up run did not end";
    EXPECT_GE(vantoria.Elapsed() - splashShownAt, 5400u) << "the splash must stay up for both of its ticks";
    EXPECT_LT(vantoria.Elapsed() - splashShownAt, 15000u);
  }

  // Runs Vantoria.exe /s to its end, answering the one message box it shows; returns its text.
  std::string RunAnsweringTheBox() {
    VantoriaProcess vantoria(program_, "/s");
    const auto box = vantoria.AnswerMessageBox("OK", kStartDeadline);
    EXPECT_TRUE(vantoria.WaitForExit(kRunDeadline).has_value()) << "the start-up run did not end";
    return box ? box->text : "<no box>";
  }

  // Runs Vantoria.exe with `arguments` to its end (the test's copy, or the one in `program`),
  // watching that it shows no window and makes no main window, not even a hidden one; gives the
  // exit code.
  DWORD RunWithoutAWindow(const std::string& arguments) { return RunWithoutAWindow(arguments, program_); }
  DWORD RunWithoutAWindow(const std::string& arguments, const ScratchFolder& program) {
    VantoriaProcess vantoria(program, arguments);
    HWND shown = nullptr;
    std::optional<DWORD> exitCode;
    testing_support::WaitUntil([&] {
      shown = shown ? shown : testing_support::FindAnyVisibleWindow(vantoria.Id());
      shown = shown ? shown : testing_support::FindWindowOf(vantoria.Id(), "Vantoria v1.0");
      return (exitCode = vantoria.WaitForExit(0ms)).has_value();
    }, kRunDeadline);
    EXPECT_EQ(shown, nullptr) << arguments << " showed " << testing_support::WindowText(shown);
    return exitCode.value_or(STILL_ACTIVE);
  }

  // The wallpaper file holds exactly the picture's rows, and the desktop points at it in the
  // style stored with the options ("TileWallpaper", "WallpaperStyle"): Tile, unless told.
  void ExpectWallpaper(const std::string& picture, const char* tile = "1", const char* style = "0") {
    const std::string saved = testing_support::ReadFileBytes(WallpaperFile());
    ASSERT_EQ(saved.size(), picture.size());
    EXPECT_EQ(saved.substr(18, 4), picture.substr(18, 4)) << "width";
    EXPECT_EQ(saved.substr(54), picture.substr(54)) << "pixels";
    EXPECT_EQ(DesktopValue("Wallpaper"), WallpaperFile());
    EXPECT_EQ(DesktopValue("TileWallpaper"), tile);
    EXPECT_EQ(DesktopValue("WallpaperStyle"), style);
  }

  // Changes every ten minutes, as registered by the test's copy: its runs register nothing.
  void ChooseTimedChanges() {
    ScratchSettings::SetValue("ChangeEvery", "10");
    ScratchSettings::SetValue("TimerCommand", "\"" + (program_ / "Vantoria.exe") + "\" /timer");
  }

  void ExpectCounters(const char* file, const char* folder) {
    EXPECT_EQ(ScratchSettings::Value("File"), file);
    EXPECT_EQ(ScratchSettings::Value("Folder"), folder);
  }

  static std::string Today() {
    char text[80] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    return text;
  }

  CleanWallpaperState clean_;
  ScratchFolder program_;
};

TEST_F(StartupRunTest, InOrderRunsUseTheFirstPicturesOfEachFolderInTurnAndKeepTheCounters) {
  PictureFolder first(10), second(20);
  ListFolders({first.Path(), second.Path()});
  ScratchSettings::SetValue("PerMonitor", "1");  // one monitor: nothing changes
  ScratchSettings::SetValue("Date", "untouched");
  ScratchSettings::SetValue("Display", "0");  // stored by the options dialog in an earlier run

  // Timed runs take the log-on run's turn, as cheap as a run gets; the log-on run itself last.
  ASSERT_EQ(RunWithoutAWindow("/next"), 0u);
  ExpectWallpaper(first.File(0));
  ExpectCounters("1", "0");

  ASSERT_EQ(RunWithoutAWindow("/next"), 0u);
  ExpectWallpaper(first.File(1));
  ExpectCounters("2", "0");

  // The last picture is never used: the first comes again and the next folder is due.
  ASSERT_EQ(RunWithoutAWindow("/next"), 0u);
  ExpectWallpaper(first.File(0));
  ExpectCounters("1", "1");

  ScratchSettings::SetValue("Display", "2");
  RunToTheEnd();
  ExpectWallpaper(second.File(1), "0", "2");
  ExpectCounters("2", "1");
  EXPECT_EQ(ScratchSettings::Value("Date"), "untouched") << "once a day is off: the date is not kept";

  ScratchSettings::SetValue("PausedSince", "2000-01-01 00:00");
  RunToTheEnd();
  ExpectWallpaper(second.File(1), "0", "2");
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "skipped: paused");
}

// "Close window" on the task-bar button ends a log-on run as its last splash tick does: the
// wallpaper already armed is still set, and the folder list is not written.
TEST_F(StartupRunTest, ClosingTheButtonDuringTheSplashEndsTheRunWithTheWallpaperSetAndTheListUntouched) {
  PictureFolder pictures(10);
  const std::string list = pictures.Path() + "\n";  // not the CR LF a save would write
  testing_support::WriteFileBytes(program_ / "Directory.drl", list);
  VantoriaProcess vantoria(program_, "/s");
  ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", kStartDeadline), nullptr);
  const auto splashShownAt = vantoria.Elapsed();
  const std::vector<HWND> buttons = testing_support::TaskBarWindows(vantoria.Id());
  ASSERT_EQ(buttons.size(), 1u);
  // After the rotation armed the wallpaper, before it is written.
  testing_support::WaitUntil([&] { return vantoria.Elapsed() - splashShownAt > 3600; }, 10s);
  ::PostMessageA(buttons[0], WM_CLOSE, 0, 0);
  ASSERT_TRUE(vantoria.WaitForExit(kRunDeadline).has_value());
  EXPECT_LT(vantoria.Elapsed() - splashShownAt, 5400u) << "the run waited for its last tick";
  ExpectWallpaper(pictures.File(0));
  EXPECT_EQ(testing_support::ReadFileBytes(program_ / "Directory.drl"), list);
}

TEST_F(StartupRunTest, OnceADayChangesOnlyWhenTheStoredDateIsNotToday) {
  PictureFolder pictures(10);
  ListFolders({pictures.Path()});
  ScratchSettings::SetValue("ChangeWP", "1");
  ScratchSettings::SetValue("Date", Today());
  ScratchSettings::SetValue("File", "1");

  RunToTheEnd();
  EXPECT_FALSE(testing_support::FileExists(WallpaperFile()));
  EXPECT_EQ(DesktopValue("Wallpaper"), "");
  ExpectCounters("1", "<none>");

  ScratchSettings::SetValue("Date", "00");
  RunToTheEnd();
  ExpectWallpaper(pictures.File(1));
  EXPECT_EQ(ScratchSettings::Value("Date"), Today());
}

TEST_F(StartupRunTest, RandomOrderStaysWithinTheFolderOverManyRuns) {
  PictureFolder pictures(10);
  ListFolders({pictures.Path()});
  ScratchSettings::SetValue("RndFile", "1");
  for (int run = 0; run < 5; ++run) {
    ASSERT_EQ(RunWithoutAWindow("/next"), 0u) << ScratchSettings::TimedRunOutcome();
    const std::string saved = testing_support::ReadFileBytes(WallpaperFile());
    // A draw of the last picture uses the first one and moves on to the next (wrapped) folder.
    EXPECT_TRUE(saved.substr(54) == pictures.File(0).substr(54) || saved.substr(54) == pictures.File(1).substr(54))
        << "run " << run;
    EXPECT_TRUE(ScratchSettings::Value("File") == "1" || ScratchSettings::Value("File") == "2")
        << ScratchSettings::Value("File");
    EXPECT_TRUE(ScratchSettings::Value("Folder") == "0" || ScratchSettings::Value("Folder") == "1")
        << ScratchSettings::Value("Folder");
  }
}

TEST_F(StartupRunTest, EmptyListShowsTheListErrorWritesNothingAndStillEnds) {
  ListFolders({});
  EXPECT_EQ(RunAnsweringTheBox(), "List index out of bounds (-1)");
  ExpectCounters("<none>", "<none>");
  EXPECT_FALSE(testing_support::FileExists(WallpaperFile()));
}

TEST_F(StartupRunTest, MissingListFileIsReportedBeforeTheSplashAndTheRunGoesOn) {
  VantoriaProcess vantoria(program_, "/s");
  const auto first = vantoria.WaitForMessageBox(kStartDeadline);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->text, "File \"Directory.drl\" not found. Cannot load Selected direcotories list!");
  EXPECT_EQ(testing_support::FindVisibleWindow(vantoria.Id(), "PocetakDialog"), nullptr);
  ASSERT_TRUE(testing_support::PressButton(first->window, "OK"));

  ASSERT_NE(vantoria.WaitForWindow("PocetakDialog", 10s), nullptr);
  // The rotation reloads the list (the same box again) and finds it empty.
  std::vector<std::string> later;
  while (auto box = vantoria.AnswerMessageBox("OK", 10s)) later.push_back(box->text);
  EXPECT_EQ(later,
            (std::vector<std::string>{"File \"Directory.drl\" not found. Cannot load Selected direcotories list!",
                                      "List index out of bounds (-1)"}));
  ASSERT_TRUE(vantoria.WaitForExit(kRunDeadline).has_value());
  ExpectCounters("<none>", "<none>");
}

TEST_F(StartupRunTest, FolderWithoutPicturesMovesOnAfterTheNoFileBox) {
  ScratchFolder empty;
  PictureFolder pictures(10);
  ListFolders({empty.Path(), pictures.Path()});
  EXPECT_EQ(RunAnsweringTheBox(), " No file selected! ");
  ExpectCounters("1", "1");
  EXPECT_FALSE(testing_support::FileExists(WallpaperFile()));
}

TEST_F(StartupRunTest, PictureThatCannotBeOpenedWritesNothingSoTheNextRunTriesItAgain) {
  PictureFolder pictures(10);
  ListFolders({pictures.Path()});
  HANDLE locked = ::CreateFileA(pictures.Picture(0).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  const std::string text = RunAnsweringTheBox();
  ::CloseHandle(locked);
  EXPECT_EQ(text.rfind("Cannot open file ", 0), 0u) << text;
  ExpectCounters("<none>", "<none>");
  EXPECT_FALSE(testing_support::FileExists(WallpaperFile()));
}

TEST_F(StartupRunTest, ATimedRunWithoutItsListFailsSilentlyAndWritesNothing) {
  ChooseTimedChanges();
  EXPECT_EQ(RunWithoutAWindow("/timer"), 1u);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(),
            "failed: File \"Directory.drl\" not found. Cannot load Selected direcotories list!");
  PictureFolder pictures(10);
  ListFolders({pictures.Path()});
  const std::string listFile = program_ / "Directory.drl";
  const std::string list = testing_support::ReadFileBytes(listFile);
  HANDLE locked = ::CreateFileA(listFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(RunWithoutAWindow("/timer"), 1u);
  ::CloseHandle(locked);
  EXPECT_EQ(testing_support::ReadFileBytes(listFile), list);
  ExpectCounters("<none>", "<none>");
  EXPECT_FALSE(testing_support::FileExists(WallpaperFile()));
}

// The timed run's picture is decoded once: the window it never shows decodes nothing for a preview.
TEST_F(StartupRunTest, ATimedRunDecodesAPictureOfTheImagingComponentOnce) {
  ScratchFolder pictures;
  ASSERT_EQ(RunHostProgram("convert", "-size 3000x2000 xc:gray +noise Random PNG24:'" +
                                          HostPath(pictures / "large.png") + "'"),
            0);
  ListFolders({pictures.Path()});
  ScratchSettings::SetValue("AllPictures", "1");
  ChooseTimedChanges();
  VantoriaProcess vantoria(program_, "/timer");
  EXPECT_EQ(vantoria.HelpersUntilExit(kRunDeadline).size(), 1u);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "changed");
}

// Dealing, with subfolders: every picture of three folders (one with a folder below it, and a link
// back to itself that is not followed) once before any repeats, told apart by their widths; a
// picture deleted meanwhile and a state file of junk cost no run.
TEST_F(StartupRunTest, NextDealsEveryPictureOfTheFoldersAndTheirSubfoldersOnceBeforeAnyRepeats) {
  ScratchFolder library;
  int width = 10;
  for (const char* folder : {"a", "a\\nested", "b", "c"}) {
    ::CreateDirectoryA((library / folder).c_str(), nullptr);
    for (int i = 0; i < (std::string(folder) == "b" ? 3 : 2); ++i, ++width) {
      const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = width, .height = 2});
      testing_support::WriteFileBytes(library / (std::string(folder) + "\\" + std::to_string(width) + ".bmp"),
                                      {file.begin(), file.end()});
    }
  }
  ASSERT_EQ(RunHostProgram("ln", "-s '" + HostPath(library / "a") + "' '" + HostPath(library / "a\\loop") + "'"), 0);
  ListFolders({library / "a", library / "b", library / "c"});
  for (const char* name : {"RndFile", "Shuffle", "Subfolders"}) ScratchSettings::SetValue(name, "1");
  const auto shownWidth = [] {
    return static_cast<unsigned char>(testing_support::ReadFileBytes(WallpaperFile())[18]);
  };
  std::vector<int> shown;
  for (int run = 0; run < 10; ++run) {
    ASSERT_EQ(RunWithoutAWindow("/next"), 0u) << ScratchSettings::TimedRunOutcome();
    shown.push_back(shownWidth());
  }
  EXPECT_EQ(std::set(shown.begin(), shown.begin() + 9).size(), 9u);
  EXPECT_NE(shown[9], shown[8]);
  EXPECT_EQ(testing_support::ReadFileBytes(ScratchSettings::KeptFile("Rotation.state")).find("loop"), std::string::npos)
      << "followed";

  ::DeleteFileA((library / ("b\\" + std::to_string(shown[9] == 14 ? 15 : 14) + ".bmp")).c_str());
  EXPECT_EQ(RunWithoutAWindow("/next"), 0u);
  testing_support::WriteFileBytes(ScratchSettings::KeptFile("Rotation.state"), "junk");
  EXPECT_EQ(RunWithoutAWindow("/next"), 0u);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "changed");
}

// "Three quarters" of a 1280 x 1024 screen: of three large pictures and three too narrow, too low
// or both, no small one is set over two decks; the small ones alone still set the largest.
TEST_F(StartupRunTest, PicturesSmallerThanThePartOfTheMonitorAskedArePassedOverUnlessNoneIsLarger) {
  ScratchFolder mixed;
  const auto write = [](const std::string& path, int width, int height) {
    const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = width, .height = height});
    testing_support::WriteFileBytes(path, {file.begin(), file.end()});
  };
  for (int i = 0; i < 3; ++i) write(mixed / ("large " + std::to_string(i) + ".bmp"), 960 + i, 768);
  for (const auto& [width, height] : {std::pair{959, 768}, {1280, 767}, {200, 100}})
    write(mixed / (std::to_string(width) + ".bmp"), width, height);
  for (const char* name : {"RndFile", "Shuffle"}) ScratchSettings::SetValue(name, "1");
  ScratchSettings::SetValue("SmallestPart", "75");
  const auto shownSize = [] {
    std::int32_t size[2] = {};
    std::memcpy(size, testing_support::ReadFileBytes(WallpaperFile()).append(26, '\0').data() + 18, sizeof size);
    return std::pair(size[0], std::abs(size[1]));
  };
  ListFolders({mixed.Path()});
  for (int run = 0; run < 6; ++run) {
    ASSERT_EQ(RunWithoutAWindow("/next"), 0u) << ScratchSettings::TimedRunOutcome();
    EXPECT_TRUE(shownSize().first >= 960 && shownSize().second == 768) << shownSize().first;
  }
  for (int i = 0; i < 3; ++i) ::DeleteFileA((mixed / ("large " + std::to_string(i) + ".bmp")).c_str());
  ASSERT_EQ(RunWithoutAWindow("/next"), 0u) << ScratchSettings::TimedRunOutcome();
  EXPECT_EQ(shownSize(), std::pair(959, 768));
}

// Dealing from two folders told apart by widths: a folder away for a run (a share offline) and
// back keeps its place in the deck, as does ticking "Show all picture types", so the deck's six
// pictures come once each; entries that name no folder that can be opened (gone, relative) are
// passed over, not replaced by the folder the run started in, full of pictures of its own.
TEST_F(StartupRunTest, AFolderAwayForARunOrAnotherMaskKeepsItsPlaceInTheDeckAndNoEntryStandsForAnother) {
  ScratchFolder library;
  int width = 10;
  for (const char* folder : {"a", "b"}) {
    ::CreateDirectoryA((library / folder).c_str(), nullptr);
    for (int i = 0; i < 3; ++i, ++width) {
      const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = width, .height = 2});
      testing_support::WriteFileBytes(library / (std::string(folder) + "\\" + std::to_string(width) + ".bmp"),
                                      {file.begin(), file.end()});
    }
  }
  for (int i = 0; i < 3; ++i) {  // where the run starts: the program's folder
    const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = 90 + i, .height = 2});
    testing_support::WriteFileBytes(program_ / ("here " + std::to_string(i) + ".bmp"), {file.begin(), file.end()});
  }
  ListFolders({"C:\\nowhere\\gone", library / "a", "relative\\entry", library / "b"});
  for (const char* name : {"RndFile", "Shuffle"}) ScratchSettings::SetValue(name, "1");
  std::vector<int> shown;
  const auto next = [&] {
    ASSERT_EQ(RunWithoutAWindow("/next"), 0u) << ScratchSettings::TimedRunOutcome();
    shown.push_back(static_cast<unsigned char>(testing_support::ReadFileBytes(WallpaperFile())[18]));
  };
  next();
  const std::string away = shown[0] < 13 ? "a" : "b";
  ASSERT_TRUE(::MoveFileA((library / away).c_str(), (library / "offline").c_str()));
  next();
  EXPECT_NE(testing_support::ReadFileBytes(ScratchSettings::KeptFile("Rotation.state")).find(library / away),
            std::string::npos) << "the listing of the folder away is kept";
  ASSERT_TRUE(::MoveFileA((library / "offline").c_str(), (library / away).c_str()));
  next();
  ScratchSettings::SetValue("AllPictures", "1");
  for (int run = 0; run < 3; ++run) next();
  EXPECT_EQ(std::set(shown.begin(), shown.end()).size(), 6u) << "a picture came twice in one deck";
  EXPECT_LT(*std::ranges::max_element(shown), 90) << "a picture of the folder the run started in";
}

// Back and forward through the changes as a browser's, then new pictures again; "/show" opens
// the folder of the picture shown.
TEST_F(StartupRunTest, PreviousGoesBackThroughTheChangesNextForwardAgainAndShowOpensThePicturesFolder) {
  PictureFolder pictures(10);
  ListFolders({pictures.Path()});
  for (const char* name : {"RndFile", "Shuffle"}) ScratchSettings::SetValue(name, "1");
  const auto shownWidth = [] { return testing_support::ReadFileBytes(WallpaperFile()).substr(18, 4); };
  std::vector<std::string> shown;
  for (int run = 0; run < 3; ++run) {
    ASSERT_EQ(RunWithoutAWindow("/next"), 0u) << ScratchSettings::TimedRunOutcome();
    shown.push_back(shownWidth());
  }
  for (const auto& [step, width] : {std::pair{"/previous", 1}, {"/previous", 0}, {"/next", 1}}) {
    ASSERT_EQ(RunWithoutAWindow(step), 0u) << ScratchSettings::TimedRunOutcome();
    EXPECT_EQ(shownWidth(), shown[width]) << step;
  }
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "changed (forward)");

  EXPECT_EQ(RunWithoutAWindow("/show"), 0u);
  const std::string folderName = pictures.Path().substr(pictures.Path().rfind('\\') + 1);
  HWND explorer = nullptr;
  EXPECT_TRUE(testing_support::WaitUntil([&] { return (explorer = ::FindWindowA(nullptr, folderName.c_str())); }, 10s));
  ::PostMessageA(explorer, WM_CLOSE, 0, 0);

  // A history held by another program, or far too large to be one, is left as it is.
  const std::string historyFile = ScratchSettings::KeptFile("History.txt");
  const std::string history = testing_support::ReadFileBytes(historyFile);
  {
    const platform::FileHandle held(
        ::CreateFileA(historyFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_EQ(RunWithoutAWindow("/next"), 0u);
    EXPECT_NE(ScratchSettings::TimedRunOutcome().find("; the history was not kept: it could not be read"),
              std::string::npos) << ScratchSettings::TimedRunOutcome();
  }
  EXPECT_EQ(testing_support::ReadFileBytes(historyFile), history);
  const std::string tooLarge = history + std::string(17 << 20, '#');
  testing_support::WriteFileBytes(historyFile, tooLarge);
  ASSERT_EQ(RunWithoutAWindow("/next"), 0u);
  EXPECT_EQ(testing_support::ReadFileBytes(historyFile).size(), tooLarge.size());
  testing_support::WriteFileBytes(historyFile, history);

  // The user chose another wallpaper: "/show" says so and opens nothing, and "/previous" sets the
  // program's last picture again first.
  const std::string own = "C:\\windows\\own.bmp";
  ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", REG_SZ, own.c_str(),
                    static_cast<DWORD>(own.size() + 1));
  VantoriaProcess show(program_, "/show");
  const auto box = show.AnswerMessageBox("OK", kRunDeadline);
  EXPECT_EQ(box ? box->text : "<no box>", "The desktop shows a picture Vantoria did not set.");
  EXPECT_EQ(show.WaitForExit(kRunDeadline), 1u);
  ASSERT_EQ(RunWithoutAWindow("/previous"), 0u);
  EXPECT_EQ(shownWidth(), shown[1]) << "the change shown, not the one before it";
}

// A day folder and a night folder (junk lines beside their marks): the sun at the equator where it
// is now midnight, then noon, or Windows' mode, picks the folder; with only day folders at night a
// picture is still set. The task waits for the next sunrise or sunset, written in UTC (Wine keeps
// no trigger: SunChange says what was registered), until /unregister.
TEST_F(StartupRunTest, DayAndNightFoldersFollowTheSunOrWindowsModeAndTheTaskWaitsForTheNextChange) {
  PictureFolder day(10), night(20);
  ListFolders({day.Path(), night.Path()});
  const std::string phasesFile = ScratchSettings::KeptFile("Day and night.txt");
  testing_support::WriteFileBytes(phasesFile, "day " + day.Path() + "\r\nnight " + night.Path() +
                                                  "\r\nnoon C:\\x\r\n\xff\xfe junk\r\nday\r\n");
  SYSTEMTIME now = {};
  ::GetSystemTime(&now);
  const double utcHours = now.wHour + now.wMinute / 60.0;
  const auto longitudeAt = [utcHours](double solarHours) {
    return std::to_string(std::remainder((solarHours - utcHours) * 15, 360.0));
  };
  for (const auto& [name, text] : {std::pair{"DayNight", "sun"}, {"Latitude", "0"}, {"RndFile", "1"}})
    ScratchSettings::SetValue(name, text);
  struct Unregistered {
    const ScratchFolder& program;
    ~Unregistered() { VantoriaProcess(program, "/unregister").WaitForExit(kRunDeadline); }
  } unregistered{program_};
  const auto shownWidth = [] { return testing_support::ReadFileBytes(WallpaperFile())[18]; };
  const auto expectShown = [&](const char* run, int baseWidth, const std::string& outcome) {
    ASSERT_EQ(RunWithoutAWindow(run), 0u) << ScratchSettings::TimedRunOutcome();
    EXPECT_EQ((shownWidth() - baseWidth) / 3, 0) << run << " " << outcome;
    EXPECT_TRUE(ScratchSettings::TimedRunOutcome().starts_with(outcome)) << ScratchSettings::TimedRunOutcome();
  };
  ScratchSettings::SetValue("Longitude", longitudeAt(0));
  for (int run = 0; run < 3; ++run) expectShown("/next", 20, "changed; night; next: day at ");
  const std::string sunChange = ScratchSettings::Value("SunChange");
  EXPECT_EQ(std::tuple(sunChange.size(), sunChange[10], sunChange.back()), std::tuple(20u, 'T', 'Z')) << sunChange;
  EXPECT_TRUE(testing_support::PictureChangeTaskXml().has_value()) << "no interval, but the sun";
  ScratchSettings::SetValue("Longitude", longitudeAt(12));
  expectShown("/timer", 10, "changed; day; next: night at ");
  EXPECT_NE(ScratchSettings::Value("SunChange"), sunChange);

  const char* personalize = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  struct ThemeRestored {
    const char* key;
    ~ThemeRestored() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, key, "AppsUseLightTheme"); }
  } restored{personalize};
  ScratchSettings::SetValue("DayNight", "theme");
  for (const auto& [light, baseWidth, outcome] : {std::tuple{0u, 20, "changed; night"}, {1u, 10, "changed; day"}}) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, personalize, "AppsUseLightTheme", REG_DWORD, &light, sizeof light);
    expectShown("/next", baseWidth, outcome);
  }
  EXPECT_FALSE(testing_support::PictureChangeTaskXml().has_value()) << "it waited for the sun alone";
  testing_support::WriteFileBytes(phasesFile, "day " + day.Path() + "\r\nday " + night.Path() + "\r\n");
  const DWORD dark = 0;
  ::RegSetKeyValueA(HKEY_CURRENT_USER, personalize, "AppsUseLightTheme", REG_DWORD, &dark, sizeof dark);
  ASSERT_EQ(RunWithoutAWindow("/next"), 0u);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "changed; night");

  EXPECT_EQ(RunWithoutAWindow("/unregister"), 0u);
  EXPECT_EQ(ScratchSettings::Value("SunChange"), "<none>");
  EXPECT_FALSE(testing_support::PictureChangeTaskXml().has_value());
}

// Timed runs change as log-on runs do, but every time: the daily rule and its date are the log-on
// run's. The task, the menu's commands and the start-up entry name the program's folder: a copy
// started elsewhere takes them over (with battery runs on when OnBattery is no text, and the
// earlier single menu command gone), and another copy's /unregister leaves them. Wine keeps no
// task's action: TimerCommand says what was registered.
TEST_F(StartupRunTest, ACopyTakesOverTheTaskTheMenuAndTheStartUpEntryWhoseTimedRunsChangeUntilUnregistered) {
  PictureFolder first(10), second(20);
  ListFolders({first.Path(), second.Path()});
  for (const auto& [name, text] : {std::pair{"ChangeWP", "1"}, {"Date", Today().c_str()}, {"ChangeEvery", "10"},
                                   {"TimerCommand", "\"C:\\Elsewhere\\Vantoria.exe\" /timer"}, {"DesktopMenu", "1"},
                                   {"RunAtLogon", "1"}, {"NextKeys", "Ctrl+Alt+N"}})
    ScratchSettings::SetValue(name, text);
  ::RegSetKeyValueA(HKEY_CURRENT_USER, kEarlierMenuKey, "MUIVerb", REG_SZ, "Next Vantoria picture", 22);
  const DWORD offBattery = 0;
  ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Vantoria\\Settings", "OnBattery", REG_DWORD, &offBattery,
                    sizeof offBattery);
  struct Unregistered {
    const ScratchFolder& program;
    ~Unregistered() { VantoriaProcess(program, "/unregister").WaitForExit(kRunDeadline); }
  } unregistered{program_};
  EXPECT_EQ(RunWithoutAWindow("/timer"), 0u);
  ExpectWallpaper(first.File(0));
  ExpectCounters("1", "0");
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "changed");
  const std::string exe = "\"" + (program_ / "Vantoria.exe") + "\"";
  EXPECT_EQ(ScratchSettings::Value("TimerCommand"), exe + " /timer");
  EXPECT_EQ(testing_support::XmlElement(testing_support::PictureChangeTaskXml().value_or(""),
                                        "DisallowStartIfOnBatteries"),
            "false");
  ScratchSettings::SetValue("Date", "00");
  const auto menuCommand = [](const char* key) {
    return testing_support::RegistryText((kMenuKey + std::string("\\Shell\\") + key + "\\command").c_str(), "");
  };
  for (const auto& [key, switchText] : {std::pair{"1Next", "/next"}, {"3Previous", "/previous"}, {"4Show", "/show"},
                                        {"5Exclude", "/exclude"}})
    EXPECT_EQ(menuCommand(key), exe + " " + switchText);
  EXPECT_EQ(testing_support::RegistryText(kEarlierMenuKey, "MUIVerb"), "<none>");
  EXPECT_EQ(testing_support::RegistryText(kRunKey, "Vantoria"), exe + " /s");
  const auto shortcut = [] { return testing_support::ShortcutText(testing_support::NextKeysShortcutPath()); };
  EXPECT_EQ(shortcut(), exe + " /next 064E");
  EXPECT_EQ(RunWithoutAWindow("/next"), 0u);
  ExpectWallpaper(first.File(1));
  EXPECT_EQ(ScratchSettings::Value("Date"), "00");

  // Paused, timed runs change nothing while what the user asks for still does, until resumed.
  EXPECT_EQ(RunWithoutAWindow("/pause") + RunWithoutAWindow("/timer"), 0u);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "skipped: paused");
  ExpectWallpaper(first.File(1));
  EXPECT_EQ(RunWithoutAWindow("/next"), 0u);
  ExpectWallpaper(first.File(0));
  EXPECT_EQ(RunWithoutAWindow("/resume") + RunWithoutAWindow("/timer"), 0u);
  ExpectWallpaper(second.File(1));

  // A second copy that exists, started once, takes nothing over; its /unregister leaves a start-up
  // entry made by hand for the first, unquoted, and the first's choices.
  ScratchFolder otherCopy;
  EXPECT_EQ(RunWithoutAWindow("/timer", otherCopy), 1u) << "it has no folder list";
  EXPECT_EQ(ScratchSettings::Value("TimerCommand"), exe + " /timer");
  EXPECT_EQ(menuCommand("1Next") + testing_support::RegistryText(kRunKey, "Vantoria"), exe + " /next" + exe + " /s");
  const std::string handMade = program_ / "Vantoria.exe" + " /s";
  ::RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Vantoria", REG_SZ, handMade.c_str(),
                    static_cast<DWORD>(handMade.size() + 1));
  EXPECT_EQ(RunWithoutAWindow("/unregister", otherCopy), 0u);
  EXPECT_TRUE(testing_support::PictureChangeTaskXml().has_value());
  EXPECT_EQ(testing_support::RegistryText(kRunKey, "Vantoria"), handMade);
  EXPECT_EQ(menuCommand("1Next"), exe + " /next");
  EXPECT_EQ(shortcut(), exe + " /next 064E");
  EXPECT_EQ(ScratchSettings::Value("ChangeEvery") + ScratchSettings::Value("DesktopMenu") +
                ScratchSettings::Value("RunAtLogon"),
            "1011");
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "left: registered by " + exe);

  // No interval chosen (the removal failed once): the next timed run removes its task.
  ScratchSettings::SetValue("ChangeEvery", "0");
  EXPECT_EQ(RunWithoutAWindow("/timer"), 0u);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "skipped: no interval chosen");
  EXPECT_FALSE(testing_support::PictureChangeTaskXml().has_value());
  ExpectWallpaper(second.File(1));

  EXPECT_EQ(RunWithoutAWindow("/unregister"), 0u);
  EXPECT_FALSE(testing_support::PictureChangeTaskXml().has_value());
  EXPECT_EQ(testing_support::RegistryText(kMenuKey, "MUIVerb") + testing_support::RegistryText(kRunKey, "Vantoria"),
            "<none><none>");
  EXPECT_EQ(ScratchSettings::Value("TimerCommand") + ScratchSettings::Value("ChangeEvery") +
                ScratchSettings::Value("DesktopMenu") + ScratchSettings::Value("RunAtLogon"),
            "<none>000");
  EXPECT_EQ(ScratchSettings::Value("NextKeys") + shortcut(), "<none><none>");
}

}  // namespace
}  // namespace e2e
