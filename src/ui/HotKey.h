// The standard hot-key field: the user presses a combination of keys and the field shows it.
// A key without Ctrl or Alt becomes Ctrl+Alt and that key, as Explorer's shortcuts need.
#pragma once

#include <cstdint>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class THotKey : public TWinControl {
 public:
  THotKey(std::string name, TWinControl& parent, const DesignRect& bounds);

  // The virtual key in the low byte, the HOTKEYF_ modifiers in the high one; 0 for none.
  std::uint16_t HotKey() const;
  void SetHotKey(std::uint16_t hotKey);
};

}  // namespace ui
