// What a control needs of the window it is placed on (TWinControl gives it): its resolution, its
// window, its font and colour, and a place among its windowless controls.
#pragma once

#include <windows.h>

#include "ui/Colors.h"
#include "ui/Font.h"

namespace ui {

class TGraphicControl;

class TControlParent {
 public:
  virtual int Dpi() const = 0;
  virtual HWND Handle() const = 0;
  virtual bool HandleAllocated() const = 0;
  virtual const TFont& Font() const = 0;
  virtual TColor Color() const = 0;
  // Windowless controls on this window, painted and hit bottom first.
  virtual void AddGraphicControl(TGraphicControl& control) = 0;
  virtual void RemoveGraphicControl(TGraphicControl& control) = 0;
  // The child id of a windowless control of this window in the window's object for screen readers.
  virtual long AccessibleChildId(const TGraphicControl& control) const = 0;

 protected:
  ~TControlParent() = default;
};

}  // namespace ui
