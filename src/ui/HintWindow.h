// The hint of the control under the pointer: shown once the pointer has rested on the control
// for a moment, hidden after a while or as soon as the pointer moves to another control.
#pragma once

#include <windows.h>

#include "ui/Timer.h"

namespace ui {

class TControl;

class THintWindow {
 public:
  static constexpr unsigned kShowPause = 500;
  static constexpr unsigned kHidePause = 2500;

  THintWindow();
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;
  ~THintWindow();

  // The pointer is now over `control` (or over none of ours).
  void PointerOver(const TControl* control);
  // The control goes away.
  void Forget(const TControl* control);

 private:
  void Show();
  void Hide();

  HWND tooltip_ = nullptr;
  const TControl* control_ = nullptr;
  TTimer showTimer_{kShowPause};
  TTimer hideTimer_{kHidePause};
};

}  // namespace ui
