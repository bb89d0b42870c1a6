// Finds, each time the message queue runs empty, which control the pointer is over: tells
// controls when the pointer enters and leaves them, and has the hint window follow.
#pragma once

#include <windows.h>

#include "ui/HintWindow.h"

namespace ui {

class TControl;

// The topmost of our controls at the screen point, windowless ones (disabled ones too) first.
TControl* ControlAtScreenPoint(POINT screen);

class TPointerTracker {
 public:
  TPointerTracker();
  TPointerTracker(const TPointerTracker&) = delete;
  TPointerTracker& operator=(const TPointerTracker&) = delete;
  ~TPointerTracker();

  void Track();

 private:
  friend void ForgetControl(const TControl* control);

  TControl* over_ = nullptr;
  THintWindow hints_;
};

}  // namespace ui
