// The standard list box: single selection, optionally sorted, fixed item height.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TListBox : public TWinControl {
 public:
  // With `integralHeight` the list shrinks to whole rows; without, it keeps its height.
  TListBox(std::string name, TWinControl& parent, const RECT& bounds, bool sorted, int itemHeight,
           bool integralHeight = false);

  int Count() const;
  // Fails with "List index out of bounds (%d)".
  std::string Item(int index) const;
  // Adds at the end, or in sorted place; returns the position. Fails with "Unable to insert a line".
  int Add(const std::string& text);
  void Delete(int index);
  void Clear();
  // -1 when nothing is selected; setting -1 removes the selection.
  int ItemIndex() const;
  void SetItemIndex(int index);

  // The user changed the selection (never raised by the program's own changes).
  std::function<void()> OnClick;

 protected:
  void HandleCommand(WORD code) override;
  // A new font resets the item height; the list keeps its own.
  void FontApplied() override;

 private:
  int itemHeight_;       // on this screen
  RECT designedBounds_;  // on this screen
};

}  // namespace ui
