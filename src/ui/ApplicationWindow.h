// The window that owns every form of the program. It has no size: all that shows of it is its
// task-bar button and Alt+Tab entry, captioned with the application's title. Activating it (a
// click on the button, Alt+Tab) brings the window the user last worked in to the front, and
// minimising it (a click on the button of the program in front) hides the program's windows
// until it is restored.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

class TApplicationWindow {
 public:
  TApplicationWindow();
  TApplicationWindow(const TApplicationWindow&) = delete;
  TApplicationWindow& operator=(const TApplicationWindow&) = delete;
  ~TApplicationWindow();

  HWND Handle() const { return handle_; }
  void SetTitle(const std::string& title);
  // Puts the button in the task bar; the first form to show calls it.
  void ShowButton();
  // A form of the program became the active window.
  void FormActivated(HWND form) { lastActiveForm_ = form; }
  // The window that was active before a form of the program belongs to another program,
  // directly or through this window (its task-bar button, Alt+Tab).
  bool ComesFromAnotherProgram(HWND previouslyActive) const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The last active form, or the box it opened last; the main form when that is gone.
  HWND WindowToBringBack() const;
  void HideWindows();
  void ShowWindowsAgain();

  HWND handle_ = nullptr;
  HWND lastActiveForm_ = nullptr;
  // Last activated from another program's window.
  bool activatedFromAnotherProgram_ = false;
  std::vector<HWND> hiddenWhileMinimised_;
};

}  // namespace ui
