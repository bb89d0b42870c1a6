#include "ui/Timer.h"

#include <gtest/gtest.h>

#include "support/Waiting.h"

namespace ui {
namespace {

using namespace std::chrono_literals;
using testing_support::PumpFor;
using testing_support::WaitUntil;

TEST(TimerTest, EnablingARunningTimerKeepsItsNextTick) {
  TTimer timer(1000);
  unsigned long long tickedAt = 0;
  timer.OnTimer = [&] {
    tickedAt = ::GetTickCount64();
    timer.SetEnabled(false);
  };
  const unsigned long long start = ::GetTickCount64();
  timer.SetEnabled(true);
  PumpFor(600ms);
  timer.SetEnabled(true);
  ASSERT_TRUE(WaitUntil([&] { return tickedAt != 0; }, 5s));
  // A restarted timer could not tick before 1600 ms.
  EXPECT_LT(tickedAt - start, 1500u);
}

TEST(TimerTest, DisabledTimerDoesNotTickAndChangingItsIntervalDoesNotStartIt) {
  TTimer timer(50);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetInterval(40);
  PumpFor(200ms);
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }, 5s));
  timer.SetEnabled(false);
  const int ticksWhenDisabled = ticks;
  PumpFor(200ms);
  EXPECT_EQ(ticks, ticksWhenDisabled);
}

}  // namespace
}  // namespace ui
