#include <gtest/gtest.h>

#include <new>

#include "support/ScriptedMessageBoxes.h"
#include "support/Waiting.h"
#include "ui/Application.h"
#include "ui/Exceptions.h"
#include "ui/MessageBoxes.h"
#include "ui/Timer.h"

namespace ui {
namespace {

using namespace std::chrono_literals;

// Throws from a real timer tick, so the error travels the way a handler's error does.
void ThrowFromATick(const std::function<void()>& thrower) {
  TTimer timer(10);
  int ticks = 0;
  timer.OnTimer = [&] {
    ++ticks;
    thrower();
  };
  timer.SetEnabled(true);
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ticks >= 2; }, 5s)) << "the timer stopped after an error";
}

TEST(HandleExceptionTest, HandlerErrorsAreShownWithTheTitleAndTheLoopGoesOn) {
  Application().SetTitle("Vantoria");
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw EReadError("Stream read error"); });
  ASSERT_GE(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "Vantoria");
  EXPECT_EQ(boxes.shown[0].text, "Stream read error.");
  EXPECT_EQ(boxes.shown[0].icon, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(boxes.shown[0].buttons, static_cast<UINT>(MB_OK));
}

TEST(HandleExceptionTest, MessagesEndingInPunctuationGetNoSecondPeriod) {
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw Exception("Folder allready selected!"); });
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].text, "Folder allready selected!");
}

TEST(HandleExceptionTest, SilentAbortShowsNothing) {
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw EAbort(""); });
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(HandleExceptionTest, OutOfMemoryIsReportedNotFatal) {
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw std::bad_alloc(); });
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].text, "Out of memory.");
}

}  // namespace
}  // namespace ui
