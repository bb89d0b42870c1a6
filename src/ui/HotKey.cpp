#include "ui/HotKey.h"

#include <commctrl.h>

namespace ui {

THotKey::THotKey(std::string name, TWinControl& parent, const DesignRect& bounds) : TWinControl(std::move(name)) {
  CreateChild(parent, HOTKEY_CLASSA, WS_TABSTOP | WS_BORDER, 0, bounds, "");
  ::SendMessageA(Handle(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
}

std::uint16_t THotKey::HotKey() const {
  return static_cast<std::uint16_t>(::SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0));
}

void THotKey::SetHotKey(std::uint16_t hotKey) { ::SendMessageA(Handle(), HKM_SETHOTKEY, hotKey, 0); }

}  // namespace ui
