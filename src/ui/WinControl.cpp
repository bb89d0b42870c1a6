#include "ui/WinControl.h"

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/SystemError.h"

namespace ui {
namespace {

constexpr char kWindowClass[] = "VantoriaWindow";

void RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    windowClass.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), "MAINICON");
    return ::RegisterClassExA(&windowClass) != 0;
  }();
  if (!registered) RaiseLastOSError();
}

}  // namespace

TWinControl::TWinControl(std::string name) : TControl(std::move(name)) {
  font_.OnChange = [this] { Invalidate(); };
}

TWinControl::~TWinControl() {
  if (handle_) ::DestroyWindow(handle_);
}

void TWinControl::CreateHandle(const CreateParams& params) {
  RegisterWindowClass(&TWinControl::WindowProcedure);
  const RECT& r = params.bounds;
  HWND created = ::CreateWindowExA(params.exStyle, kWindowClass, params.caption.c_str(), params.style,
                                   r.left, r.top, r.right - r.left, r.bottom - r.top, params.parent,
                                   nullptr, ::GetModuleHandleA(nullptr), this);
  if (!created) RaiseLastOSError();
  TakeBoundsFromWindow();
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

void TWinControl::Invalidate() {
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Paint(TCanvas&) {}

void TWinControl::PaintWindow() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(handle_, &paint);
  {
    TCanvas canvas(dc);
    Paint(canvas);
  }
  ::EndPaint(handle_, &paint);
}

void TWinControl::TakeBoundsFromWindow() {
  RECT rect = {};
  ::GetWindowRect(handle_, &rect);
  if (HWND parent = ::GetParent(handle_); parent && (::GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  StoreBounds(rect);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      TCanvas canvas(reinterpret_cast<HDC>(wParam));
      canvas.FillRect(ClientRect(), color_);
      return 1;
    }
    case WM_PAINT:
      PaintWindow();
      return 0;
    case WM_SETCURSOR:
      if (cursor_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(cursor_);
        return TRUE;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      TakeBoundsFromWindow();
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT TWinControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
  try {
    return control->WndProc(message, wParam, lParam);
  } catch (...) {
    Application().HandleException(std::current_exception());
    return 0;
  }
}

}  // namespace ui
