// What a timed run decides before it changes anything, through its seam: Wine always answers that
// the user accepts notifications, and no other program takes the change lock.
#include "app/TimedRun.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include <latch>
#include <thread>

#include "support/ScratchSettings.h"
#include "windows/WallpaperChangeLock.h"

namespace app {
namespace {

using testing_support::ScratchSettings;

std::string Outcome() {
  const std::string record = ScratchSettings::Value("LastTimerRun");  // "2026-12-08 14:05:00 outcome"
  return record.size() > 20 ? record.substr(20) : record;
}

// A change held by another thread of this process is one this thread cannot take either.
TEST(TimedRunTest, OnlyATimedRunSkipsForAFullScreenProgramOrAPresentationOrAnotherChange) {
  ScratchSettings settings;
  struct Row {
    TimedRun run;
    int state;
    const char* outcome;  // nullptr: the run goes on
  };
  for (const Row& row : {Row{TimedRun::kTimer, QUNS_BUSY, "skipped: full-screen program"},
                         {TimedRun::kTimer, QUNS_RUNNING_D3D_FULL_SCREEN, "skipped: full-screen program"},
                         {TimedRun::kTimer, QUNS_PRESENTATION_MODE, "skipped: presentation"},
                         {TimedRun::kTimer, QUNS_QUIET_TIME, nullptr}, {TimedRun::kNext, QUNS_BUSY, nullptr}}) {
    const int exitCode = RunTimedChange(row.run, [&] { return row.state; });
    if (row.outcome) {
      EXPECT_EQ(Outcome(), row.outcome);
      EXPECT_EQ(exitCode, 0);
      EXPECT_EQ(ScratchSettings::Value("File"), "<none>");
    } else {
      EXPECT_EQ(Outcome().rfind("skipped", 0), std::string::npos) << Outcome();
    }
  }

  std::latch taken(1), done(1);
  std::thread otherChange([&] {
    windows::WallpaperChangeLock lock;
    lock.Take(std::chrono::milliseconds(0));
    taken.count_down();
    done.wait();
  });
  taken.wait();
  const auto accepts = [] { return static_cast<int>(QUNS_ACCEPTS_NOTIFICATIONS); };
  EXPECT_EQ(RunTimedChange(TimedRun::kTimer, accepts), 0);
  EXPECT_EQ(Outcome(), "skipped: another change");
  EXPECT_EQ(RunTimedChange(TimedRun::kNext, accepts), 1);
  EXPECT_EQ(Outcome(), "failed: another change");
  done.count_down();
  otherChange.join();
}

}  // namespace
}  // namespace app
