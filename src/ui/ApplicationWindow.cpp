#include "ui/ApplicationWindow.h"

#include <algorithm>

#include "ui/HighContrast.h"
#include "ui/IconicBitmaps.h"
#include "ui/WindowPicture.h"
#include "ui/WindowToBringBack.h"

namespace ui {
namespace {

// The system's class of message boxes and dialogs.
constexpr char kDialogClass[] = "#32770";

bool IsBox(HWND window) {
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  return std::string(className) == kDialogClass;
}

// Another program's window (the program has one thread of windows).
bool BelongsToAnotherProgram(HWND window) {
  return window && ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId();
}

// The thread's windows as a restore would show them: while the program is minimised, those
// hidden with it count as visible.
struct ThreadWindows {
  const std::vector<HWND>& shownWhenRestored;

  static bool Exists(HWND window) { return window && ::IsWindow(window); }
  static HWND LastActivePopup(HWND form) { return ::GetLastActivePopup(form); }
  bool CanBeActivated(HWND window) const {
    return Exists(window) && (::IsWindowVisible(window) || std::ranges::count(shownWhenRestored, window) > 0) &&
           ::IsWindowEnabled(window);
  }
};

}  // namespace

TApplicationWindow::TApplicationWindow(Callbacks callbacks)
    : TWinControl("Application"), callbacks_(std::move(callbacks)) {
  // A caption and a minimise box make the task bar offer the button and its minimising.
  CreateHandle({"", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                Bounds(::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0), nullptr});
  // Its own frame has no size: the button's thumbnail and Peek show the window in front instead.
  EnableIconicBitmaps(Handle());
}

void TApplicationWindow::ShowButton() {
  if (!::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_SHOWNA);
}

void TApplicationWindow::Minimise() {
  if (!Minimised()) ::ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
}

void TApplicationWindow::ShowWhenRestored(HWND form, bool show) {
  std::erase(shownWhenRestored_, form);
  if (show) shownWhenRestored_.insert(shownWhenRestored_.begin(), form);
}

bool TApplicationWindow::ComesFromAnotherProgram(HWND previouslyActive) const {
  if (previouslyActive && previouslyActive == Handle()) return activatedFromAnotherProgram_;
  return BelongsToAnotherProgram(previouslyActive);
}

void TApplicationWindow::LookChanged() { InvalidateIconicBitmaps(Handle()); }

HWND TApplicationWindow::WindowToBringBack() const {
  return ui::WindowToBringBack(lastActiveForm_, callbacks_.mainForm ? callbacks_.mainForm() : HWND{},
                               ThreadWindows{shownWhenRestored_});
}

// Top first, as the thread's windows are enumerated.
void TApplicationWindow::HideWindows() {
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM self) {
        // The program's forms and message boxes: what hides with the minimised program.
        auto* program = reinterpret_cast<TApplicationWindow*>(self);
        if (::IsWindowVisible(window) && (program->callbacks_.isForm(window) || IsBox(window)))
          program->shownWhenRestored_.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  for (HWND window : shownWhenRestored_) ::ShowWindow(window, SW_HIDE);
}

void TApplicationWindow::ShowWindowsAgain() {
  // Bottom first, so that they keep their order; a form minimised on its own comes back restored.
  for (auto it = shownWhenRestored_.rbegin(); it != shownWhenRestored_.rend(); ++it)
    if (::IsWindow(*it)) ::ShowWindow(*it, ::IsIconic(*it) ? SW_SHOWNOACTIVATE : SW_SHOWNA);
  shownWhenRestored_.clear();
}

void TApplicationWindow::SendThumbnail(int maxWidth, int maxHeight) {
  if (HWND front = WindowToBringBack())
    SetIconicThumbnail(Handle(), FittedWindowPicture(front, maxWidth, maxHeight).Get());
}

// The preview stands where the window in front stands: this window, which has no size, moves to
// its corner, and the picture of its client area goes where that area is.
void TApplicationWindow::SendLivePreview() {
  HWND front = WindowToBringBack();
  if (!front) return;
  RECT bounds = {};
  ::GetWindowRect(front, &bounds);
  POINT client = {0, 0};
  ::ClientToScreen(front, &client);
  ::SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetIconicLivePreview(Handle(), WindowPicture(front).Get(), POINT{client.x - bounds.left, client.y - bounds.top});
}

LRESULT TApplicationWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE)
        activatedFromAnotherProgram_ = BelongsToAnotherProgram(reinterpret_cast<HWND>(lParam));
      break;
    case WM_SETFOCUS:
      if (!Minimised())
        if (HWND target = WindowToBringBack()) ::SetActiveWindow(target);
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        HideWindows();
      } else if (wParam == SIZE_RESTORED && !shownWhenRestored_.empty()) {
        ShowWindowsAgain();
        if (HWND target = WindowToBringBack()) ::SetActiveWindow(target);
      }
      return 0;
    case WM_CLOSE:
      if (callbacks_.closeRequested) callbacks_.closeRequested();
      return 0;
    // High contrast switched on or off, another theme: every window is drawn again in its colours.
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      ForgetHighContrast();
      ::EnumThreadWindows(
          ::GetCurrentThreadId(),
          [](HWND window, LPARAM) {
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return TRUE;
          },
          0);
      break;
    case WM_DWMSENDICONICTHUMBNAIL:
      SendThumbnail(HIWORD(lParam), LOWORD(lParam));
      return 0;
    case WM_DWMSENDICONICLIVEPREVIEWBITMAP:
      SendLivePreview();
      return 0;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace ui
