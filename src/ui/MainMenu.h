// A form's menu bar: items with captions, optional shortcuts and click handlers; a submenu may
// bring its items up to date as it opens.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
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
  std::function<void()> OnPopup = {};  // a submenu's, as it opens
  bool radio = false;                  // checked with a bullet: one of a choice of several
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
  // Runs the OnPopup of the submenu with this handle; false when there is none.
  bool Popup(HMENU submenu);
  // The check mark and the state of the item of that name.
  void SetChecked(const std::string& name, bool checked);
  void SetEnabled(const std::string& name, bool enabled);

 private:
  HMENU Build(std::vector<TMenuItem>& items, bool bar);
  // The command id of the item of that name.
  UINT IdOf(const std::string& name) const;

  std::vector<TMenuItem> items_;
  std::vector<TMenuItem*> byId_;
  std::vector<std::pair<HMENU, TMenuItem*>> popups_;
  HMENU handle_ = nullptr;
  bool attached_ = false;
};

}  // namespace ui
