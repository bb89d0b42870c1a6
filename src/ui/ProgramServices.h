// What the toolkit's windows and timers need of the program's application object, which stands
// above them all (ui/Application.cpp gives these): where an error that no handler caught goes,
// and the window that owns the program's windows.
#pragma once

#include <windows.h>

#include <exception>

namespace ui {

// Shows the error box for an error no handler caught; a silent abort shows nothing.
void ReportUncaughtError(std::exception_ptr error);
// The window that owns every form and box of the program and stands for it in the task bar.
HWND ProgramWindow();

// Runs `action`; an error it raises is shown as the main loop shows errors, and stops there.
// False when it raised one. Every message and timer tick goes through it.
template <typename Action>
bool Guarded(Action&& action) {
  try {
    action();
    return true;
  } catch (...) {
    ReportUncaughtError(std::current_exception());
    return false;
  }
}

}  // namespace ui
