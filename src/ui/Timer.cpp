#include "ui/Timer.h"

#include "platform/SystemError.h"
#include "ui/ProgramServices.h"
#include "ui/WindowClasses.h"

namespace ui {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(unsigned intervalMs) : interval_(intervalMs) {
  const std::string& windowClass = RegisterWindowClass("Timer", &TTimer::WindowProcedure);
  window_ = ::CreateWindowExA(0, windowClass.c_str(), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
  if (!window_) platform::RaiseLastOSError();
  ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
  Stop();
  ::DestroyWindow(window_);
}

void TTimer::SetInterval(unsigned intervalMs) {
  if (interval_ == intervalMs) return;
  interval_ = intervalMs;
  if (enabled_) Start();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (enabled)
    Start();
  else
    Stop();
}

void TTimer::Start() {
  if (interval_ == 0) return;
  if (!::SetTimer(window_, kTimerId, interval_, nullptr)) platform::RaiseLastOSError();
}

void TTimer::Stop() { ::KillTimer(window_, kTimerId); }

LRESULT CALLBACK TTimer::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* timer = reinterpret_cast<TTimer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message != WM_TIMER || !timer) return ::DefWindowProcA(window, message, wParam, lParam);
  Guarded([timer] {
    if (timer->enabled_ && timer->OnTimer) timer->OnTimer();
  });
  return 0;
}

}  // namespace ui
