// A timer that ticks on the user-interface thread. Enabling a running timer changes nothing:
// its next tick stays where it was.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class TTimer {
 public:
  explicit TTimer(unsigned intervalMs = 1000);
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;
  ~TTimer();

  unsigned Interval() const { return interval_; }
  // A running timer starts its new interval from now.
  void SetInterval(unsigned intervalMs);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> OnTimer;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Start();
  void Stop();

  HWND window_ = nullptr;
  unsigned interval_;
  bool enabled_ = false;
};

}  // namespace ui
