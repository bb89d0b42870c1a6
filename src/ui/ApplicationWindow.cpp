#include "ui/ApplicationWindow.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WindowClasses.h"

namespace ui {
namespace {

// The program's forms and message boxes: what hides with the minimised program.
bool IsFormOrBox(HWND window) {
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  return dynamic_cast<TForm*>(TWinControl::FromHandle(window)) || std::string(className) == "#32770";
}

// Another program's window (the program has one thread of windows).
bool BelongsToAnotherProgram(HWND window) {
  return window && ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId();
}

bool CanBeActivated(HWND window) {
  return window && ::IsWindow(window) && ::IsWindowVisible(window) && ::IsWindowEnabled(window);
}

}  // namespace

TApplicationWindow::TApplicationWindow() {
  const std::string& windowClass = RegisterWindowClass("Application", &TApplicationWindow::WindowProcedure);
  // A caption and a minimize box make the task bar offer the button and its minimising.
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  handle_ = ::CreateWindowExA(0, windowClass.c_str(), "", kStyle, ::GetSystemMetrics(SM_CXSCREEN) / 2,
                              ::GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
  ::SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TApplicationWindow::~TApplicationWindow() {
  if (handle_) ::DestroyWindow(handle_);
}

void TApplicationWindow::SetTitle(const std::string& title) { ::SetWindowTextA(handle_, title.c_str()); }

void TApplicationWindow::ShowButton() {
  if (!::IsWindowVisible(handle_)) ::ShowWindow(handle_, SW_SHOWNA);
}

bool TApplicationWindow::ComesFromAnotherProgram(HWND previouslyActive) const {
  if (previouslyActive && previouslyActive == handle_) return activatedFromAnotherProgram_;
  return BelongsToAnotherProgram(previouslyActive);
}

HWND TApplicationWindow::WindowToBringBack() const {
  const TForm* mainForm = Application().MainForm();
  for (HWND form : {lastActiveForm_, mainForm ? mainForm->Handle() : nullptr}) {
    if (!form || !::IsWindow(form)) continue;
    HWND popup = ::GetLastActivePopup(form);
    if (CanBeActivated(popup)) return popup;
    if (CanBeActivated(form)) return form;
  }
  return nullptr;
}

void TApplicationWindow::HideWindows() {
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM self) {
        auto* hidden = &reinterpret_cast<TApplicationWindow*>(self)->hiddenWhileMinimised_;
        if (::IsWindowVisible(window) && IsFormOrBox(window)) hidden->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  for (HWND window : hiddenWhileMinimised_) ::ShowWindow(window, SW_HIDE);
}

void TApplicationWindow::ShowWindowsAgain() {
  // Bottom first, so that they keep their order.
  for (auto it = hiddenWhileMinimised_.rbegin(); it != hiddenWhileMinimised_.rend(); ++it)
    if (::IsWindow(*it)) ::ShowWindow(*it, SW_SHOWNA);
  hiddenWhileMinimised_.clear();
}

LRESULT CALLBACK TApplicationWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TApplicationWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE)
        self->activatedFromAnotherProgram_ = BelongsToAnotherProgram(reinterpret_cast<HWND>(lParam));
      break;
    case WM_SETFOCUS:
      if (!::IsIconic(window))
        if (HWND target = self->WindowToBringBack()) ::SetActiveWindow(target);
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        self->HideWindows();
      } else if (wParam == SIZE_RESTORED && !self->hiddenWhileMinimised_.empty()) {
        self->ShowWindowsAgain();
        if (HWND target = self->WindowToBringBack()) ::SetActiveWindow(target);
      }
      return 0;
    case WM_CLOSE:  // "Close window" on the button
      Guarded([] {
        if (TForm* mainForm = Application().MainForm()) mainForm->Close();
      });
      return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace ui
