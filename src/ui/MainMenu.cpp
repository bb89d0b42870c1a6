#include "ui/MainMenu.h"

namespace ui {
namespace {

constexpr WORD kFirstId = 1000;

}  // namespace

TMainMenu::TMainMenu(std::vector<TMenuItem> items) : items_(std::move(items)) { handle_ = Build(items_, true); }

TMainMenu::~TMainMenu() {
  if (!attached_) ::DestroyMenu(handle_);
}

void TMainMenu::AttachTo(HWND window) {
  ::SetMenu(window, handle_);
  attached_ = true;
}

HMENU TMainMenu::Build(std::vector<TMenuItem>& items, bool bar) {
  HMENU menu = bar ? ::CreateMenu() : ::CreatePopupMenu();
  for (TMenuItem& item : items) {
    if (item.caption == "-") {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.items.empty()) {
      ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Build(item.items, false)), item.caption.c_str());
    } else {
      const auto id = static_cast<UINT_PTR>(kFirstId + byId_.size());
      byId_.push_back(&item);
      ::AppendMenuA(menu, MF_STRING, id, item.caption.c_str());
    }
  }
  return menu;
}

bool TMainMenu::Click(WORD id) {
  const size_t index = static_cast<size_t>(id) - kFirstId;
  if (id < kFirstId || index >= byId_.size()) return false;
  const TMenuItem& item = *byId_[index];
  if (item.OnClick) item.OnClick();
  return true;
}

}  // namespace ui
