// A control without a window of its own: its parent paints it, clipped to its bounds, and routes
// to it the pointer events that fall inside them (all of them, while a left press holds the
// capture). A click is a left press and release inside the bounds; the press of a double click
// makes no click.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/Control.h"
#include "ui/Cursors.h"
#include "ui/DpiScaling.h"
#include "ui/Font.h"

namespace ui {

class TCanvas;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// `keys` holds the MK_ flags of the mouse message; x and y are in the control's own pixels.
using TMouseEvent = std::function<void(TMouseButton button, WPARAM keys, int x, int y)>;

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(std::string name);
  ~TGraphicControl() override;

  // Joins `parent`'s windowless controls, on top of them, and repaints where it was and is.
  virtual void SetParent(TControlParent* parent);
  void SetBounds(int left, int top, int width, int height) override;
  // Bounds as designed, at the parent's resolution from now on.
  void SetDesignBounds(const DesignRect& design);
  // Its place and size from its designed bounds, and its font.
  void ApplyDpi(int dpi) override;

  // Until its font is changed, the control takes its parent's.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

  // A disabled control gets no pointer events; it still counts for enter, leave and hints.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }

  // Asks the parent to repaint the control's area.
  void Invalidate();

  // Unavailable when disabled, hot-tracked while the pointer is over it.
  long AccessibleState() const override;
  void DoAccessibleDefaultAction() override { Click(); }
  void NotifyAccessibleEvent(DWORD event) override;

  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  std::function<void()> OnClick;

  // What the parent's painting and pointer routing call.
  void PaintOn(TCanvas& parentCanvas);
  void HandlePress(TMouseButton button, WPARAM keys, int x, int y, bool doubleClick);
  void HandleRelease(TMouseButton button, WPARAM keys, int x, int y);
  // The control that holds the pointer capture since a left press, if any.
  static TGraphicControl* Captured();
  static void CaptureLost();

 protected:
  virtual void Paint(TCanvas& canvas);
  virtual void MouseDown(TMouseButton button, WPARAM keys, int x, int y);
  virtual void MouseUp(TMouseButton button, WPARAM keys, int x, int y);
  virtual void Click();
  // Unavailable when `enabled` is false, hot-tracked while the pointer is over the control.
  long AccessibleStateWhen(bool enabled) const;
  // Draws onto the parent's surface at once, clipped to the control, (0, 0) at its corner.
  // Fails with "Control '%s' has no parent window" without a parent.
  void DrawNow(const std::function<void(TCanvas&)>& draw);
  // Runs after the font changed, before the repaint.
  virtual void FontChanged() {}

 private:
  void PlaceAtDpi(int dpi);

  TFont font_;
  std::optional<DesignRect> design_;
  bool parentFont_ = true;
  bool adoptingParentFont_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool clicked_ = false;  // a left press came; its release inside the bounds is a click
  TCursor cursor_ = crDefault;
};

}  // namespace ui
