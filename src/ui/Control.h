// The base of everything placed on a form: a name, bounds relative to the parent's client area,
// and a hint.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class TControl;
class TControlParent;

// A control goes away: the pointer tracker forgets it (ui/PointerTracker.cpp gives this).
void ForgetControl(const TControl* control);

// A rectangle given as a control's place and size.
inline RECT Bounds(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

class TControl {
 public:
  explicit TControl(std::string name) : name_(std::move(name)) {}
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  virtual ~TControl();

  const std::string& Name() const { return name_; }
  TControlParent* Parent() const { return parent_; }

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  const RECT& BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);

  // The resolution of the screen the control is on: its window's.
  virtual int Dpi() const;
  // Lays the control out again from its designed values at `dpi`: its place and size, its font
  // and whatever else it scales.
  virtual void ApplyDpi(int dpi) = 0;

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  // The pointer came over the control, or went off it: it is hot-tracked meanwhile.
  void PointerEntered();
  void PointerLeft();
  bool Hovered() const { return hovered_; }

  // What a screen reader is told of the control (MSAA). A windowed control keeps the system's own
  // object and takes from these the name, role and description they give; a windowless one is a
  // simple child of its parent's object, with all of them.
  virtual std::string AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  virtual std::string AccessibleDescription() const { return {}; }
  virtual long AccessibleRole() const { return 0; }  // 0: the system's
  virtual long AccessibleState() const { return 0; }
  virtual std::string AccessibleDefaultAction() const { return {}; }
  // Runs what a click runs.
  virtual void DoAccessibleDefaultAction() {}
  // Tells screen readers that a name or state changed (NotifyWinEvent).
  virtual void NotifyAccessibleEvent(DWORD event) = 0;

 protected:
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}

  void SetParentField(TControlParent* parent) { parent_ = parent; }
  void StoreBounds(const RECT& bounds) { bounds_ = bounds; }

 private:
  std::string name_;
  TControlParent* parent_ = nullptr;
  RECT bounds_ = {};
  std::string hint_;
  bool showHint_ = false;
  bool hovered_ = false;
  std::string accessibleName_;
};

}  // namespace ui
