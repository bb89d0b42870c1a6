// The window that owns every form of the program. It has no size: all that shows of it is its
// task-bar button and Alt+Tab entry, captioned with the application's title, and the pictures
// Windows shows for them (the window in front, drawn by the program). Activating it (a click on
// the button, Alt+Tab) brings the window the user last worked in to the front. Minimising it,
// whatever asks (its button, a form's minimise command, the start's show command), minimises the
// whole program: the forms hide until it is restored, and only those still meant to be visible
// come back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/WinControl.h"

namespace ui {

class TApplicationWindow : public TWinControl {
 public:
  struct Callbacks {
    // "Close window" on the button.
    std::function<void()> closeRequested;
    // The window brought back when no form was active before.
    std::function<HWND()> mainForm;
    // Whether the window is one of the program's forms.
    std::function<bool(HWND)> isForm;
  };

  explicit TApplicationWindow(Callbacks callbacks);

  // Puts the button in the task bar; the first form to show calls it.
  void ShowButton();
  void Minimise();
  bool Minimised() const { return ::IsIconic(Handle()) != FALSE; }
  // A form shown (or hidden) while the program is minimised comes back with it (or not).
  void ShowWhenRestored(HWND form, bool show);
  // A form of the program became the active window.
  void FormActivated(HWND form) { lastActiveForm_ = form; }
  // The window that was active before a form of the program belongs to another program,
  // directly or through this window (its task-bar button, Alt+Tab).
  bool ComesFromAnotherProgram(HWND previouslyActive) const;
  // The look of the window in front changed: Windows asks for its pictures again.
  void LookChanged();
  // The last active form, or the box it opened last; the main form when that is gone. While the
  // program is minimised, the one a restore would bring back.
  HWND WindowToBringBack() const;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void HideWindows();
  void ShowWindowsAgain();
  void SendThumbnail(int maxWidth, int maxHeight);
  void SendLivePreview();

  Callbacks callbacks_;
  HWND lastActiveForm_ = nullptr;
  // Last activated from another program's window.
  bool activatedFromAnotherProgram_ = false;
  std::vector<HWND> shownWhenRestored_;
};

}  // namespace ui
