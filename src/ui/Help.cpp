#include "ui/Help.h"

namespace ui {
namespace {

HelpHook& Hook() {
  static HelpHook hook;
  return hook;
}

}  // namespace

void WinHelp(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data) {
  if (Hook()) {
    Hook()(owner, helpFile, command, data);
    return;
  }
  ::WinHelpA(owner, helpFile.c_str(), command, data);
}

void SetHelpHook(HelpHook hook) { Hook() = std::move(hook); }

}  // namespace ui
