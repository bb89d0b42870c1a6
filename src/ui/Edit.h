// The standard one-line edit field.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TEdit : public TWinControl {
 public:
  TEdit(std::string name, TWinControl& parent, const DesignRect& bounds);

  // The user or the program changed the text.
  std::function<void()> OnChange;

 protected:
  void HandleCommand(WORD code) override;
};

}  // namespace ui
