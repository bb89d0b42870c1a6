#include "ui/Form.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/ApplicationWindow.h"
#include "ui/Dpi.h"
#include "ui/FormHost.h"
#include "ui/Label.h"
#include "ui/ProgramServices.h"

namespace ui {
namespace {

struct FrameStyles {
  DWORD style;
  DWORD exStyle;
};

FrameStyles StylesFor(TBorderStyle border, bool systemMenu) {
  FrameStyles frame = {WS_CLIPCHILDREN, 0};
  switch (border) {
    case TBorderStyle::bsNone:
      frame.style |= WS_POPUP;
      return frame;
    case TBorderStyle::bsSingle:
      frame.style |= WS_CAPTION | WS_BORDER;
      frame.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TBorderStyle::bsToolWindow:
      frame.style |= WS_CAPTION | WS_BORDER;
      frame.exStyle |= WS_EX_TOOLWINDOW;
      break;
    case TBorderStyle::bsSizeToolWin:
      frame.style |= WS_CAPTION | WS_THICKFRAME;
      frame.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (systemMenu) frame.style |= WS_SYSMENU;
  return frame;
}

// Disables the thread's other enabled top-level windows for the time of a modal loop. The
// application's window stays enabled, so that its task-bar button still brings the modal form up.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND keep) : keep_(keep) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisabledWindows::Disable, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledWindows() {
    for (HWND window : windows_) ::EnableWindow(window, TRUE);
  }

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    auto* list = reinterpret_cast<DisabledWindows*>(self);
    if (window != list->keep_ && window != ProgramWindow() && ::IsWindowVisible(window) &&
        ::IsWindowEnabled(window)) {
      ::EnableWindow(window, FALSE);
      list->windows_.push_back(window);
    }
    return TRUE;
  }

  HWND keep_;
  std::vector<HWND> windows_;
};

}  // namespace

TForm::TForm(const TFormSpec& layout)
    : TWinControl(layout.name),
      position_(layout.position),
      designBounds_(layout.bounds),
      clientSize_(layout.clientSize) {
  const FrameStyles frame = StylesFor(layout.borderStyle, layout.systemMenu);
  frameStyle_ = frame.style;
  frameExStyle_ = frame.exStyle;
  Font() = layout.font;
  SetColor(layout.color);
  CreateHandle({layout.caption, frame.style, frame.exStyle, OuterBoundsAt(SystemDpi()), ProgramWindow()});
  // Made on a screen of another resolution than the system's: laid out for that one.
  if (Dpi() != SystemDpi()) {
    Font().SetPixelsPerInch(Dpi());
    const RECT bounds = OuterBoundsAt(Dpi());
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  }
}

// The designed place and size at `dpi`: the client area (designed, or what the designed outer
// size left inside the frame at 96 dpi) scaled, in the frame the system draws at that resolution.
RECT TForm::OuterBoundsAt(int dpi) const {
  SIZE client = {designBounds_.width, designBounds_.height};
  if (!clientSize_) {
    const RECT designFrame = FrameAt(kDesignDpi, frameStyle_, frameExStyle_);
    client.cx -= designFrame.right - designFrame.left;
    client.cy -= designFrame.bottom - designFrame.top;
  }
  const RECT frameThere = FrameAt(dpi, frameStyle_, frameExStyle_);
  const int left = ScaleToDpi(designBounds_.left, dpi), top = ScaleToDpi(designBounds_.top, dpi);
  return RECT{left, top, left + ScaleToDpi(client.cx, dpi) + frameThere.right - frameThere.left,
              top + ScaleToDpi(client.cy, dpi) + frameThere.bottom - frameThere.top};
}

SIZE TForm::ScaledSizeAt(int dpi, SIZE pending) const {
  const RECT designedHere = OuterBoundsAt(Dpi());
  if (pending.cx == designedHere.right - designedHere.left && pending.cy == designedHere.bottom - designedHere.top) {
    const RECT there = OuterBoundsAt(dpi);
    return SIZE{there.right - there.left, there.bottom - there.top};
  }
  const RECT frameHere = FrameAt(Dpi(), frameStyle_, frameExStyle_);
  const RECT frameThere = FrameAt(dpi, frameStyle_, frameExStyle_);
  const int clientWidth = pending.cx - (frameHere.right - frameHere.left);
  const int clientHeight = pending.cy - (frameHere.bottom - frameHere.top);
  return SIZE{::MulDiv(clientWidth, dpi, Dpi()) + frameThere.right - frameThere.left,
              ::MulDiv(clientHeight, dpi, Dpi()) + frameThere.bottom - frameThere.top};
}

// Laid out again from the designed values each time, never from the current pixels, so that
// moving back and forth between screens does not drift.
void TForm::ChangeDpi(int dpi, const RECT& suggested) {
  SetOwnDpi(dpi);
  ApplyDpi(dpi);
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::PlaceForFirstShowing() {
  if (shownBefore_) return;
  shownBefore_ = true;
  if (position_ != TPosition::poScreenCenter) return;
  const int left = std::max(0, (::GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
  const int top = std::max(0, (::GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
  SetBounds(left, top, Width(), Height());
}

// While the program is minimised, a form shown comes up with the program when it is restored.
void TForm::ShowWindowWith(int command) {
  PlaceForFirstShowing();
  activationFailed_ = false;
  TApplicationWindow& program = FormHost().Window();
  program.ShowButton();
  if (program.Minimised()) {
    program.ShowWhenRestored(Handle(), true);
    return;
  }
  ::ShowWindow(Handle(), command);
  ::UpdateWindow(Handle());
}

void TForm::Show() {
  ShowWindowWith(SW_SHOWNORMAL);
  if (!Visible()) return;
  ::SetForegroundWindow(Handle());
  FocusActiveControl();
}

void TForm::FocusActiveControl() {
  if (activeControl_ && ::GetActiveWindow() == Handle()) ::SetFocus(activeControl_->Handle());
}

void TForm::ShowWithStartupCommand() {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  ::GetStartupInfoA(&startup);
  int command = SW_SHOWNORMAL;
  if (startup.dwFlags & STARTF_USESHOWWINDOW) {
    switch (startup.wShowWindow) {
      case SW_SHOWMAXIMIZED:
        command = SW_SHOWMAXIMIZED;
        break;
      case SW_SHOWMINIMIZED:
      case SW_SHOWMINNOACTIVE:
      case SW_MINIMIZE:
        // The whole program starts minimised: its button brings this form back.
        FormHost().Window().ShowButton();
        FormHost().Window().Minimise();
        break;
    }
  }
  ShowWindowWith(command);
  FocusActiveControl();
}

void TForm::Hide() {
  TApplicationWindow& program = FormHost().Window();
  if (program.Minimised()) program.ShowWhenRestored(Handle(), false);
  ::ShowWindow(Handle(), SW_HIDE);
}

bool TForm::Visible() const { return ::IsWindowVisible(Handle()) != FALSE; }

int TForm::ShowModal() {
  HWND previouslyActive = ::GetActiveWindow();
  // Owned by the form it was opened from, it stays above it.
  const bool fromAForm = dynamic_cast<TForm*>(FromHandle(previouslyActive)) != nullptr;
  ::SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT,
                      reinterpret_cast<LONG_PTR>(fromAForm ? previouslyActive : ProgramWindow()));
  modalResult_ = mrNone;
  modal_ = true;
  {
    DisabledWindows others(Handle());
    Show();
    TFormHost& application = FormHost();
    while (modalResult_ == mrNone) {
      application.HandleMessage();
      if (application.Terminated()) {
        modalResult_ = mrCancel;
        break;
      }
      if (modalResult_ != mrNone && !CloseHandlerLetsItClose()) modalResult_ = mrNone;
    }
  }
  // The window it came from is active again before this one hides: keys typed meanwhile reach
  // it, however long the hiding takes (Wine without a window manager waits for one there).
  // Disabled meanwhile, this form is no window the task-bar button would bring back instead.
  ::EnableWindow(Handle(), FALSE);
  if (previouslyActive && ::IsWindow(previouslyActive)) ::SetActiveWindow(previouslyActive);
  Hide();
  ::EnableWindow(Handle(), TRUE);
  modal_ = false;
  return modalResult_;
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  // Wakes the modal loop, which may be waiting for a message while another thread's sent
  // message is handled.
  if (result != mrNone) ::PostMessageA(Handle(), WM_NULL, 0, 0);
}

// A close handler that fails keeps the form open, modal or not, with its error shown as the main
// loop shows errors: the user sees why (the folder list cannot be written) and can try again.
bool TForm::CloseHandlerLetsItClose() { return !OnClose || Guarded(OnClose); }

void TForm::Close() {
  if (modal_) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseHandlerLetsItClose()) return;
  if (FormHost().MainForm() == this)
    FormHost().Terminate();
  else
    Hide();
}

void TForm::DoCreate() {
  if (OnCreate) Guarded(OnCreate);
}

void TForm::SetMainMenu(TMainMenu& menu) {
  menu_ = &menu;
  menu.AttachTo(Handle());
}

// Alt and a letter: the control of a windowless label with that access key, as a dialog's
// static text gives the focus to the control after it.
bool TForm::FocusByAccessKey(const MSG& message) {
  if (message.message != WM_SYSKEYDOWN) return false;
  for (TGraphicControl* control : GraphicControls()) {
    const auto* label = dynamic_cast<TLabel*>(control);
    if (label && label->FocusControl() && label->TakesAccessKey(message.wParam)) {
      ::SetFocus(label->FocusControl()->Handle());
      return true;
    }
  }
  return false;
}

bool TForm::IsShortCut(const MSG& message) {
  if (FocusByAccessKey(message)) return true;
  if (!menu_ || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)) return false;
  TShortCut shortCut = static_cast<TShortCut>(message.wParam & 0xFF);
  if (::GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
  if (::GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
  if (::GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
  return menu_->ClickShortCut(shortCut);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  std::optional<LRESULT> handled;
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0 && menu_ && menu_->Click(LOWORD(wParam))) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (menu_ && menu_->Popup(reinterpret_cast<HMENU>(wParam))) return 0;
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_GETDPISCALEDSIZE:
    case WM_DPICHANGED:
      return DpiMessage(message, wParam, lParam);
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      return SessionMessage(message, wParam);
    case WM_ACTIVATE:
      handled = Activated(wParam, lParam);
      break;
    case WM_SYSCOMMAND:
    case WM_SIZE:
    case WM_SHOWWINDOW:
      handled = ShowStateMessage(message, wParam, lParam);
      break;
  }
  return handled ? *handled : TWinControl::WndProc(message, wParam, lParam);
}

// Moved to a screen of another scale (or the scale changed): Windows asks for the size there of
// the size the window is about to have, then suggests the place.
LRESULT TForm::DpiMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDPISCALEDSIZE) {
    auto* size = reinterpret_cast<SIZE*>(lParam);
    *size = ScaledSizeAt(static_cast<int>(wParam), *size);
    return TRUE;
  }
  ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
  return 0;
}

LRESULT TForm::SessionMessage(UINT message, WPARAM wParam) {
  if (message == WM_QUERYENDSESSION) return TRUE;
  if (wParam && OnEndSession && !std::exchange(sessionEnded_, true)) {
    // No box can be answered while the session ends; whatever failed leaves what it wrote
    // whole, as every file is written beside and then replaced.
    try {
      OnEndSession();
    } catch (...) {
    }
  }
  return 0;
}

std::optional<LRESULT> TForm::Activated(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    // The control that has the focus gets it back when the form is active again.
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(Handle(), focus)) lastFocus_ = focus;
    return std::nullopt;
  }
  TApplicationWindow& program = FormHost().Window();
  program.FormActivated(Handle());
  if (OnEveryActivation) Guarded(OnEveryActivation);
  // The program's active form changed; coming back from another program is no activation.
  // A handler that fails runs once per showing: its error box activates the form again as it
  // closes, still inside the handler's call, and at every later activation.
  if (!program.ComesFromAnotherProgram(reinterpret_cast<HWND>(lParam)) && OnActivate && !activationFailed_) {
    activationFailed_ = true;
    activationFailed_ = !Guarded(OnActivate);
  }
  if (HIWORD(wParam)) return std::nullopt;
  if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsChild(Handle(), lastFocus_)) {
    ::SetFocus(lastFocus_);
    return 0;
  }
  // Shown while the program was minimised, it gets its first focus when it comes back.
  if (activeControl_ && activeControl_->HandleAllocated()) {
    ::SetFocus(activeControl_->Handle());
    return 0;
  }
  return std::nullopt;
}

// Minimising a form minimises the program, whose button brings the form back; the application's
// window hides and shows its forms itself, so that only those still meant to be visible come back.
std::optional<LRESULT> TForm::ShowStateMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool minimised = (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) ||
                         (message == WM_SIZE && wParam == SIZE_MINIMIZED);
  if (minimised) FormHost().Window().Minimise();
  if (message == WM_SYSCOMMAND && minimised) return 0;
  if (message == WM_SHOWWINDOW && (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING)) return 0;
  return std::nullopt;
}

}  // namespace ui
