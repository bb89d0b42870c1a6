#include "ui/Edit.h"

namespace ui {

TEdit::TEdit(std::string name, TWinControl& parent, const DesignRect& bounds) : TWinControl(std::move(name)) {
  CreateChild(parent, "EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, bounds, "");
}

void TEdit::HandleCommand(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

}  // namespace ui
