// The standard push button.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TButton : public TWinControl {
 public:
  // `id` IDCANCEL makes it the button Esc presses.
  TButton(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption, int id = 0);

  // Drawn as the button Enter presses.
  void SetDefault() { ::SendMessageA(Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE); }

  std::function<void()> OnClick;

 protected:
  void HandleCommand(WORD code) override;
  // A focused button is the one Enter presses, as in a dialog.
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
