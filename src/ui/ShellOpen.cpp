#include "ui/ShellOpen.h"

#include <shellapi.h>

namespace ui {
namespace {

ShellOpenHook& Hook() {
  static ShellOpenHook hook;
  return hook;
}

}  // namespace

void ShellOpen(HWND owner, const std::string& target) {
  if (Hook()) {
    Hook()(owner, target);
    return;
  }
  ::ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SetShellOpenHook(ShellOpenHook hook) { Hook() = std::move(hook); }

}  // namespace ui
