// A form's menu bar: items with captions, optional shortcuts and click handlers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct TMenuItem {
  std::string name;
  std::string caption;  // "-" for a separator
  std::function<void()> OnClick;
  std::vector<TMenuItem> items;
};

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

 private:
  HMENU Build(std::vector<TMenuItem>& items, bool bar);

  std::vector<TMenuItem> items_;
  std::vector<TMenuItem*> byId_;
  HMENU handle_ = nullptr;
  bool attached_ = false;
};

}  // namespace ui
