// A form's menu bar: items with captions, optional shortcuts and click handlers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

// A key with its modifiers: the virtual key in the low byte, scShift, scCtrl and scAlt above.
using TShortCut = WORD;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

struct TMenuItem {
  std::string name;
  std::string caption;  // "-" for a separator
  std::function<void()> OnClick;
  std::vector<TMenuItem> items;
  TShortCut shortCut = 0;  // shown beside the caption, as "Ctrl+S"
};

// "Ctrl+S", as a menu shows the shortcut.
std::string ShortCutText(TShortCut shortCut);

class TMainMenu {
 public:
  explicit TMainMenu(std::vector<TMenuItem> items);
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;
  ~TMainMenu();

  HMENU Handle() const { return handle_; }
  // Puts the menu bar on the window, which destroys it with itself from then on.
  void AttachTo(HWND window);
  // Runs the handler of the item with this command id; false when there is none.
  bool Click(WORD id);
  // Runs the handler of the item with this shortcut; false when there is none.
  bool ClickShortCut(TShortCut shortCut);

 private:
  HMENU Build(std::vector<TMenuItem>& items, bool bar);

  std::vector<TMenuItem> items_;
  std::vector<TMenuItem*> byId_;
  HMENU handle_ = nullptr;
  bool attached_ = false;
};

}  // namespace ui
