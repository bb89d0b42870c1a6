// The standard list box: single selection, optionally sorted, fixed item height.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TListBox : public TWinControl {
 public:
  // With `wholeRows` the list shows the whole rows its designed height holds at 96 dpi, at every
  // resolution; without, it keeps its designed height.
  TListBox(std::string name, TWinControl& parent, const DesignRect& bounds, bool sorted, DesignLength itemHeight,
           bool wholeRows = false);

  int Count() const;
  // Fails with "List index out of bounds (%d)".
  std::string Item(int index) const;
  // Adds at the end, or in sorted place; returns the position. Fails with "Unable to insert a line".
  int Add(const std::string& text);
  void Delete(int index);
  // The item's text, in its place.
  void Replace(int index, const std::string& text);
  void Clear();
  // -1 when nothing is selected; setting -1 removes the selection.
  int ItemIndex() const;
  void SetItemIndex(int index);

  // The user changed the selection (never raised by the program's own changes).
  std::function<void()> OnClick;
  // A key pressed while the list has the focus (its virtual-key code).
  std::function<void(WORD key)> OnKeyDown;

 protected:
  void HandleCommand(WORD code) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // A new font resets the item height; the list keeps its own.
  void FontApplied() override;
  RECT PixelBoundsAt(int dpi) const override;

 private:
  DesignLength itemHeight_;
  bool wholeRows_;
};

}  // namespace ui
