// The standard combo box: a drop-down list under an editable text field, or under a field that
// shows the selected item only.
#pragma once

#include <string>
#include <vector>

#include "ui/WinControl.h"

namespace ui {

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
 public:
  TComboBox(std::string name, TWinControl& parent, const DesignRect& bounds, const std::vector<std::string>& items,
            DesignLength itemHeight, TComboBoxStyle style = TComboBoxStyle::csDropDown);

  int Count() const;
  // -1 when no list item is selected. Setting -1 selects none and empties the text field;
  // another index outside the list selects none and keeps the field's text.
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  void FontApplied() override;
  RECT PixelBoundsAt(int dpi) const override;

 private:
  DesignLength itemHeight_;
};

}  // namespace ui
