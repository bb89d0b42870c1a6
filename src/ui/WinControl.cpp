#include "ui/WinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/SystemError.h"
#include "ui/AccessibleObject.h"
#include "ui/ProgramServices.h"
#include "ui/Canvas.h"
#include "ui/Dpi.h"
#include "ui/GdiHandles.h"
#include "ui/GraphicControl.h"
#include "ui/Pointer.h"
#include "ui/WindowClasses.h"

namespace ui {

TWinControl::TWinControl(std::string name) : TControl(std::move(name)) {
  font_.OnChange = [this] { FontChanged(); };
}

// A font assigned from elsewhere takes the control's resolution first.
void TWinControl::FontChanged() {
  if (font_.PixelsPerInch() != Dpi()) {
    font_.SetPixelsPerInch(Dpi());
    return;
  }
  ApplyFont();
  Invalidate();
}

int TWinControl::Dpi() const { return dpi_ ? dpi_ : TControl::Dpi(); }

void TWinControl::ApplyDpi(int dpi) {
  if (design_) {
    const RECT r = PixelBoundsAt(dpi);
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  font_.SetPixelsPerInch(dpi);
  for (TGraphicControl* control : graphicControls_) control->ApplyDpi(dpi);
  for (HWND child = ::GetWindow(handle_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (TWinControl* control = FromHandle(child)) control->ApplyDpi(dpi);
}

RECT TWinControl::PixelBoundsAt(int dpi) const { return design_ ? Scaled(*design_, dpi) : BoundsRect(); }

// Every window of ours, and every standard control we subclass, keeps its object in
// GWLP_USERDATA; its window procedure tells that the window is ours, if it is of this process.
TWinControl* TWinControl::FromHandle(HWND window) {
  if (!window) return nullptr;
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId()) return nullptr;
  const auto procedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (procedure != &TWinControl::WindowProcedure && procedure != &TWinControl::SubclassProcedure) return nullptr;
  return reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

TWinControl::~TWinControl() {
  if (handle_) ::DestroyWindow(handle_);
}

void TWinControl::CreateHandle(const CreateParams& params) {
  const std::string& windowClass = RegisterWindowClass("Window", &TWinControl::WindowProcedure, CS_DBLCLKS);
  const RECT& r = params.bounds;
  HWND created =
      ::CreateWindowExA(params.exStyle, windowClass.c_str(), params.caption.c_str(), params.style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, params.parent, nullptr, ::GetModuleHandleA(nullptr), this);
  if (!created) platform::RaiseLastOSError();
  if (!(params.style & WS_CHILD)) dpi_ = WindowDpi(created);
  TakeBoundsFromWindow();
}

void TWinControl::CreateChild(TWinControl& parent, const char* className, DWORD style, DWORD exStyle,
                              const DesignRect& bounds, const std::string& caption) {
  SetParentField(&parent);
  design_ = bounds;
  font_ = parent.Font();
  const RECT r = PixelBoundsAt(parent.Dpi());
  HWND created = ::CreateWindowExA(exStyle, className, caption.c_str(), style | WS_CHILD | WS_VISIBLE, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, parent.Handle(), nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
  if (!created) platform::RaiseLastOSError();
  handle_ = created;
  ::SetWindowLongPtrA(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  standardProcedure_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProcedure)));
  TakeBoundsFromWindow();
  ApplyFont();
}

void TWinControl::CreateChild(TWinControl& parent, const DesignRect& bounds) {
  SetParentField(&parent);
  design_ = bounds;
  font_ = parent.Font();
  CreateHandle({"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, PixelBoundsAt(parent.Dpi()), parent.Handle()});
}

void TWinControl::ApplyFont() {
  if (!handle_) return;
  ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  FontApplied();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_) ::SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const {
  RECT rect = {};
  if (handle_) ::GetClientRect(handle_, &rect);
  return rect;
}

void TWinControl::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

std::string TWinControl::Text() const {
  std::string text(static_cast<size_t>(::GetWindowTextLengthA(handle_)) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWinControl::SetText(const std::string& text) { ::SetWindowTextA(handle_, text.c_str()); }

void TWinControl::Invalidate() {
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Paint(TCanvas&) {}

void TWinControl::AddGraphicControl(TGraphicControl& control) { graphicControls_.push_back(&control); }

void TWinControl::RemoveGraphicControl(TGraphicControl& control) {
  std::erase(graphicControls_, &control);
}

TGraphicControl* TWinControl::GraphicControlAt(POINT point, bool allowDisabled) const {
  for (auto it = graphicControls_.rbegin(); it != graphicControls_.rend(); ++it) {
    TGraphicControl& control = **it;
    const RECT bounds = control.BoundsRect();
    if (control.Visible() && (allowDisabled || control.Enabled()) && ::PtInRect(&bounds, point)) return &control;
  }
  return nullptr;
}

bool TWinControl::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  TGraphicControl* target = TGraphicControl::Captured();
  if (!target || target->Parent() != this) target = GraphicControlAt(point, false);
  if (!target) return false;
  const int x = point.x - target->Left(), y = point.y - target->Top();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      target->HandlePress(TMouseButton::mbLeft, wParam, x, y, message == WM_LBUTTONDBLCLK);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      target->HandlePress(TMouseButton::mbRight, wParam, x, y, message == WM_RBUTTONDBLCLK);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      target->HandlePress(TMouseButton::mbMiddle, wParam, x, y, message == WM_MBUTTONDBLCLK);
      break;
    case WM_LBUTTONUP:
      target->HandleRelease(TMouseButton::mbLeft, wParam, x, y);
      break;
    case WM_RBUTTONUP:
      target->HandleRelease(TMouseButton::mbRight, wParam, x, y);
      break;
    case WM_MBUTTONUP:
      target->HandleRelease(TMouseButton::mbMiddle, wParam, x, y);
      break;
  }
  return true;
}

bool TWinControl::SetCursorOfGraphicControl() {
  POINT point = PointerPosition();
  ::ScreenToClient(handle_, &point);
  TGraphicControl* control = TGraphicControl::Captured();
  if (!control || control->Parent() != this) control = GraphicControlAt(point, false);
  HCURSOR cursor = control ? CursorHandle(control->Cursor()) : nullptr;
  if (!cursor) return false;
  ::SetCursor(cursor);
  return true;
}

void TWinControl::HandleCommand(WORD) {}

LRESULT TWinControl::HandleNotify(NMHDR&) { return 0; }

void TWinControl::PaintWindow() {
  PaintDc dc(handle_);
  PaintInto(dc.Get());
}

void TWinControl::PaintInto(HDC dc) {
  TCanvas canvas(dc);
  Paint(canvas);
  for (TGraphicControl* control : graphicControls_) {
    const RECT bounds = control->BoundsRect();
    if (control->Visible() && ::RectVisible(dc, &bounds)) control->PaintOn(canvas);
  }
}

// As the system prints a window, done here because Wine leaves out the frame's offset and the
// children: the frame (the system's), the background, the client area, then each visible child
// from the bottom up, each at its place.
void TWinControl::Print(HDC dc, LPARAM flags) {
  POINT client = {0, 0};
  if (flags & PRF_NONCLIENT) {
    DefaultProc(WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    RECT window = {};
    ::GetWindowRect(handle_, &window);
    ::ClientToScreen(handle_, &client);
    client = POINT{client.x - window.left, client.y - window.top};
  }
  POINT origin = {};
  ::OffsetViewportOrgEx(dc, client.x, client.y, &origin);
  if (flags & PRF_ERASEBKGND) ::SendMessageA(handle_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if (flags & PRF_CLIENT) PaintInto(dc);
  if (flags & PRF_CHILDREN) {
    for (HWND child = ::GetWindow(::GetWindow(handle_, GW_CHILD), GW_HWNDLAST); child;
         child = ::GetWindow(child, GW_HWNDPREV)) {
      if (!::IsWindowVisible(child)) continue;
      RECT place = {};
      ::GetWindowRect(child, &place);
      ::MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&place), 2);
      POINT before = {};
      ::OffsetViewportOrgEx(dc, place.left, place.top, &before);
      ::SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
      ::SetViewportOrgEx(dc, before.x, before.y, nullptr);
    }
  }
  ::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void TWinControl::TakeBoundsFromWindow() {
  RECT rect = {};
  ::GetWindowRect(handle_, &rect);
  if (HWND parent = ::GetParent(handle_); parent && (::GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  StoreBounds(rect);
}

void TWinControl::NotifyAccessibleEvent(DWORD event) {
  if (handle_) ::NotifyWinEvent(event, handle_, OBJID_CLIENT, CHILDID_SELF);
}

long TWinControl::AccessibleChildId(const TGraphicControl& control) const {
  const auto found = std::find(graphicControls_.begin(), graphicControls_.end(), &control);
  return ChildWindowCount(handle_) + 1 + static_cast<long>(found - graphicControls_.begin());
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGED) TakeBoundsFromWindow();
  // The id compared as 32 bits: Wine passes it zero-extended, Windows sign-extended.
  if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) &&
      TellsScreenReaders(*this))
    return AnswerAccessibleObject(*this, wParam);
  // A standard control paints itself; our own windows paint and host their children.
  if (standardProcedure_) return DefaultProc(message, wParam, lParam);
  std::optional<LRESULT> handled = PaintMessage(message, wParam, lParam);
  if (!handled) handled = PointerMessage(message, wParam, lParam);
  if (!handled) handled = ChildMessage(message, wParam, lParam);
  return handled ? *handled : DefaultProc(message, wParam, lParam);
}

std::optional<LRESULT> TWinControl::PaintMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      TCanvas canvas(reinterpret_cast<HDC>(wParam));
      canvas.FillRect(ClientRect(), color_);
      return 1;
    }
    case WM_PAINT:
      PaintWindow();
      return 0;
    // Pictures of the window (PrintWindow: the task bar's thumbnail of a hidden one).
    case WM_PRINT:
      Print(reinterpret_cast<HDC>(wParam), lParam);
      return 0;
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(wParam));
      return 0;
  }
  return std::nullopt;
}

// The pointer over the window and its windowless controls.
std::optional<LRESULT> TWinControl::PointerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == handle_ && SetCursorOfGraphicControl())
        return TRUE;
      if (cursor_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(cursor_);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      if (RouteMouse(message, wParam, lParam)) return 0;
      break;
    case WM_CAPTURECHANGED:
      if (TGraphicControl* captured = TGraphicControl::Captured(); captured && captured->Parent() == this)
        TGraphicControl::CaptureLost();
      break;
  }
  return std::nullopt;
}

// What the window's child controls report, and a screen reader's default action for a windowless one.
std::optional<LRESULT> TWinControl::ChildMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kDoAccessibleDefaultAction:
      for (TGraphicControl* control : graphicControls_)
        if (AccessibleChildId(*control) == static_cast<long>(wParam)) control->DoAccessibleDefaultAction();
      return 0;
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
        child->HandleCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (TWinControl* child = FromHandle(header.hwndFrom)) return child->HandleNotify(header);
      break;
    }
  }
  return std::nullopt;
}

void SetTabOrder(std::initializer_list<TWinControl*> controls) {
  HWND previous = HWND_TOP;
  for (TWinControl* control : controls) {
    ::SetWindowPos(control->Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control->Handle();
  }
}

LRESULT TWinControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (standardProcedure_) return ::CallWindowProcA(standardProcedure_, handle_, message, wParam, lParam);
  return ::DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    control->handle_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  auto* control = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control) return ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    control->handle_ = nullptr;
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  return Dispatch(*control, message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const WNDPROC standard = control->standardProcedure_;
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(standard));
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    control->handle_ = nullptr;
    return ::CallWindowProcA(standard, window, message, wParam, lParam);
  }
  return Dispatch(*control, message, wParam, lParam);
}

LRESULT TWinControl::Dispatch(TWinControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  Guarded([&] { result = control.WndProc(message, wParam, lParam); });
  return result;
}

}  // namespace ui
