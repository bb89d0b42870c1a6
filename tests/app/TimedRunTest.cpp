// A timed run's rules that Wine cannot show, through its seam: Wine always answers that the user
// accepts notifications. The lock is held by another thread: this one cannot take it either.
// And what every mode of the rotation passes over, in this process.
#include "app/TimedRun.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include <thread>

#include "pictures/BitmapFileBuilder.h"
#include "platform/Handles.h"
#include "platform/Module.h"
#include "rotation/KeptFiles.h"
#include "support/ScratchFolder.h"
#include "support/ScratchSettings.h"
#include "windows/WallpaperChangeLock.h"

namespace app {
namespace {

using testing_support::ScratchSettings;

TEST(TimedRunTest, OnlyATimedRunSkipsForAFullScreenProgramOrAPresentationOrAnotherChange) {
  ScratchSettings settings;
  ScratchSettings::SetValue("ChangeEvery", "10");
  using enum TimedRun;
  for (const auto& [run, state, skipped] : {std::tuple{kTimer, QUNS_BUSY, "full-screen program"},
                                            {kTimer, QUNS_RUNNING_D3D_FULL_SCREEN, "full-screen program"},
                                            {kTimer, QUNS_PRESENTATION_MODE, "presentation"},
                                            {kTimer, QUNS_QUIET_TIME, ""}, {kNext, QUNS_BUSY, ""}}) {
    const int exitCode = RunTimedChange(run, [state] { return state; });
    const std::string outcome = ScratchSettings::TimedRunOutcome();
    EXPECT_EQ(outcome.starts_with("skipped: "), *skipped != '\0') << state << ": " << outcome;
    if (*skipped) {
      EXPECT_EQ(std::tie(outcome, exitCode), std::tuple("skipped: " + std::string(skipped), 0));
    }
  }
  // Events, not std::latch: this libstdc++'s waits can miss their wake-up on Windows.
  const platform::FileHandle taken(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      done(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  std::thread otherChange([&] {
    windows::WallpaperChangeLock lock;
    lock.Take(std::chrono::milliseconds(0));
    ::SetEvent(taken.Get());
    ::WaitForSingleObject(done.Get(), INFINITE);
  });
  ::WaitForSingleObject(taken.Get(), INFINITE);
  const auto accepts = [] { return static_cast<int>(QUNS_ACCEPTS_NOTIFICATIONS); };
  EXPECT_EQ(RunTimedChange(kTimer, accepts, std::chrono::milliseconds(100)), 0);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "skipped: another change");
  EXPECT_EQ(RunTimedChange(kNext, accepts, std::chrono::milliseconds(100)), 1);
  EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "failed: another change");
  ::SetEvent(done.Get());
  otherChange.join();
}

// In every mode the rotation passes an excluded picture over, as if its folder did not list it, and
// an entry that names no folder it can open.
TEST(TimedRunTest, AnExcludedPictureIsNeverChosenInAnyMode) {
  ScratchSettings settings;
  const testing_support::ScratchFolder pictures;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) {
    const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = 2, .height = 2});
    testing_support::WriteFileBytes(pictures / name, {file.begin(), file.end()});
  }
  struct ListedFolder {
    std::string list = platform::ExecutableDirectory() + "\\Directory.drl";
    ~ListedFolder() { ::DeleteFileA(list.c_str()); }
  } listed;
  testing_support::WriteFileBytes(listed.list, pictures.Path() + "\r\n");
  ::CreateDirectoryA(ScratchSettings::KeptFile("").c_str(), nullptr);
  testing_support::WriteFileBytes(ScratchSettings::KeptFile("Excluded pictures.txt"), pictures / "b.bmp");
  const auto accepts = [] { return static_cast<int>(QUNS_ACCEPTS_NOTIFICATIONS); };
  const auto modes = {std::pair{"0", "0"}, {"1", "0"}, {"1", "1"}};
  for (const auto& [rndFile, shuffle] : modes) {
    ScratchSettings::SetValue("RndFile", rndFile);
    ScratchSettings::SetValue("Shuffle", shuffle);
    for (int run = 0; run < 4; ++run) {
      ASSERT_EQ(RunTimedChange(TimedRun::kNext, accepts), 0) << ScratchSettings::TimedRunOutcome();
      EXPECT_NE(rotation::ReadHistory().content.Current()->pictures.at(0).path, pictures / "b.bmp")
          << rndFile << shuffle;
    }
  }
  // Entries that name no folder that can be opened list nothing, whatever folder the run starts in.
  testing_support::WriteFileBytes(listed.list, "C:\\nowhere\\gone\r\nrelative\r\n");
  char started[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, started);
  ::SetCurrentDirectoryA(pictures.Path().c_str());
  for (const auto& [rndFile, shuffle] : modes) {
    ScratchSettings::SetValue("RndFile", rndFile);
    ScratchSettings::SetValue("Shuffle", shuffle);
    EXPECT_EQ(RunTimedChange(TimedRun::kNext, accepts), 1) << rndFile << shuffle;
    EXPECT_EQ(ScratchSettings::TimedRunOutcome(), "failed: No file selected!") << rndFile << shuffle;
  }
  ::SetCurrentDirectoryA(started);
}

}  // namespace
}  // namespace app
