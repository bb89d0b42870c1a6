#include "ui/ComboBox.h"

#include "ui/Dpi.h"

namespace ui {
namespace {

constexpr int kDropDownRows = 8;

}  // namespace

TComboBox::TComboBox(std::string name, TWinControl& parent, const DesignRect& bounds,
                     const std::vector<std::string>& items, DesignLength itemHeight, TComboBoxStyle style)
    : TWinControl(std::move(name)), itemHeight_(itemHeight) {
  const DWORD kind = style == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
  CreateChild(parent, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | kind, 0, bounds);
  for (const std::string& item : items)
    ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// The window's height includes the dropped-down list; the closed box takes its own height.
RECT TComboBox::PixelBoundsAt(int dpi) const {
  RECT bounds = TWinControl::PixelBoundsAt(dpi);
  bounds.bottom += kDropDownRows * ItemHeightAtDpi(itemHeight_, dpi);
  return bounds;
}

void TComboBox::FontApplied() { ::SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, ItemHeightAtDpi(itemHeight_, Dpi())); }

int TComboBox::ItemIndex() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

int TComboBox::Count() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

void TComboBox::SetItemIndex(int index) {
  if (index == -1 || (index >= 0 && index < Count())) {
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return;
  }
  const std::string text = Text();
  ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetText(text);
}

}  // namespace ui
