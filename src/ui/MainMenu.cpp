#include "ui/MainMenu.h"

namespace ui {
namespace {

constexpr WORD kFirstId = 1000;

}  // namespace

std::string ShortCutText(TShortCut shortCut) {
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + static_cast<char>(shortCut & 0xFF);
}

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
      HMENU submenu = Build(item.items, false);
      popups_.emplace_back(submenu, &item);
      ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), item.caption.c_str());
    } else {
      const auto id = static_cast<UINT_PTR>(kFirstId + byId_.size());
      byId_.push_back(&item);
      const std::string text = item.shortCut ? item.caption + "\t" + ShortCutText(item.shortCut) : item.caption;
      ::AppendMenuA(menu, MF_STRING, id, text.c_str());
      if (item.radio) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_STRING | MFT_RADIOCHECK;
        ::SetMenuItemInfoA(menu, static_cast<UINT>(id), FALSE, &info);
      }
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

bool TMainMenu::ClickShortCut(TShortCut shortCut) {
  for (TMenuItem* item : byId_) {
    if (item->shortCut == shortCut) {
      if (item->OnClick) item->OnClick();
      return true;
    }
  }
  return false;
}

bool TMainMenu::Popup(HMENU submenu) {
  for (const auto& [handle, item] : popups_) {
    if (handle == submenu) {
      if (item->OnPopup) item->OnPopup();
      return true;
    }
  }
  return false;
}

UINT TMainMenu::IdOf(const std::string& name) const {
  for (std::size_t i = 0; i < byId_.size(); ++i)
    if (byId_[i]->name == name) return static_cast<UINT>(kFirstId + i);
  return 0;
}

void TMainMenu::SetChecked(const std::string& name, bool checked) {
  ::CheckMenuItem(handle_, IdOf(name), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMainMenu::SetEnabled(const std::string& name, bool enabled) {
  ::EnableMenuItem(handle_, IdOf(name), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace ui
