// A control that owns a window. Messages reach the object through one window procedure
// that finds it by the pointer kept in the window, and no exception ever leaves it.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "ui/Colors.h"
#include "ui/Control.h"
#include "ui/ControlParent.h"
#include "ui/DpiScaling.h"
#include "ui/Font.h"

namespace ui {

class TCanvas;
class TGraphicControl;

struct CreateParams {
  std::string caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT bounds = {};  // position and outer size, in the parent's client coordinates
  HWND parent = nullptr;
};

class TWinControl : public TControl, public TControlParent {
 public:
  explicit TWinControl(std::string name);
  // The object of one of our windows or subclassed controls, or null.
  static TWinControl* FromHandle(HWND window);
  ~TWinControl() override;

  HWND Handle() const override { return handle_; }
  bool HandleAllocated() const override { return handle_ != nullptr; }
  // A subclassed control of the system's (a list box, a tree), not a window of our own class.
  bool IsStandardControl() const { return standardProcedure_ != nullptr; }

  // A top-level window's own resolution; a child's is its parent's.
  int Dpi() const override;
  // Its place and size from its designed bounds (a child's), its font, then every control on it.
  void ApplyDpi(int dpi) override;

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const;

  TColor Color() const override { return color_; }
  void SetColor(TColor color);
  TFont& Font() { return font_; }
  const TFont& Font() const override { return font_; }

  // The window's text: a form's caption, a combo box's field.
  std::string Text() const;
  void SetText(const std::string& text);

  // A control that is not enabled shows grey and takes no input; it keeps its state.
  bool Enabled() const { return ::IsWindowEnabled(handle_) != FALSE; }
  void SetEnabled(bool enabled) { ::EnableWindow(handle_, enabled); }

  void Invalidate();
  // The pointer's shape over the client area; null keeps the class cursor.
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  void AddGraphicControl(TGraphicControl& control) override;
  void RemoveGraphicControl(TGraphicControl& control) override;
  // The topmost visible windowless control at `point` (client coordinates), or null.
  TGraphicControl* GraphicControlAt(POINT point, bool allowDisabled) const;
  const std::vector<TGraphicControl*>& GraphicControls() const { return graphicControls_; }

  // The window's own object for screen readers is the system's, with what the control tells
  // (AccessibleName...); a window with windowless controls lists them after its child windows.
  void NotifyAccessibleEvent(DWORD event) override;
  long AccessibleChildId(const TGraphicControl& control) const override;

 protected:
  // A top-level window takes the resolution of the screen it is created on.
  void CreateHandle(const CreateParams& params);
  // A standard control as a child of `parent`, at `bounds` in its client area, in the parent's font.
  void CreateChild(TWinControl& parent, const char* className, DWORD style, DWORD exStyle, const DesignRect& bounds,
                   const std::string& caption = "");
  // A child window of our own class that paints itself.
  void CreateChild(TWinControl& parent, const DesignRect& bounds);
  // Where the control goes at `dpi`: its designed bounds scaled.
  virtual RECT PixelBoundsAt(int dpi) const;
  // A top-level window moved to a screen of another resolution.
  void SetOwnDpi(int dpi) { dpi_ = dpi; }
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void Paint(TCanvas& canvas);
  // Runs after the control took a new font.
  virtual void FontApplied() {}
  // Notifications the parent passes back to the control that sent them.
  virtual void HandleCommand(WORD code);
  virtual LRESULT HandleNotify(NMHDR& header);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT Dispatch(TWinControl& control, UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyFont();
  void PaintWindow();
  // Paints the client area and the windowless controls on it.
  void PaintInto(HDC dc);
  // WM_PRINT: the window and its children as PRF_ `flags` ask.
  void Print(HDC dc, LPARAM flags);
  // Hands a pointer message to the windowless control under the pointer (or holding the
  // capture); false when there is none.
  bool RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool SetCursorOfGraphicControl();
  void TakeBoundsFromWindow();
  // The window procedure's concerns: painting, the pointer, and the child controls' reports;
  // nothing when the message goes on to the window's defaults.
  std::optional<LRESULT> PaintMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> PointerMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> ChildMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void FontChanged();

  HWND handle_ = nullptr;
  WNDPROC standardProcedure_ = nullptr;  // a subclassed standard control's own procedure
  std::optional<DesignRect> design_;     // a child's designed bounds
  int dpi_ = 0;                          // a top-level window's own resolution
  TColor color_ = clBtnFace;
  TFont font_;
  HCURSOR cursor_ = nullptr;
  std::vector<TGraphicControl*> graphicControls_;
};

// Tab walks the controls in this order: each goes right after the previous one among its
// siblings, which is the order the dialog keys follow.
void SetTabOrder(std::initializer_list<TWinControl*> controls);

}  // namespace ui
