#include "support/Waiting.h"

#include <windows.h>

#include "ui/Application.h"

namespace testing_support {
namespace {

// As the application's loop does: the waiting messages, then the idle work.
void PumpWaitingMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  ui::Application().DoIdle();
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    PumpWaitingMessages();
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void PumpFor(Milliseconds duration) {
  WaitUntil([] { return false; }, duration);
}

}  // namespace testing_support
