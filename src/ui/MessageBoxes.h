// Message boxes, centred on the screen. Every box goes through one replaceable hook, so that
// tests can record the texts and script the answers instead of blocking on a real box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

struct MessageBoxRequest {
  std::string caption;
  std::string text;
  UINT icon = 0;     // MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION
  UINT buttons = 0;  // MB_OK or MB_YESNO
};

// Answers with IDOK, IDYES or IDNO.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Replaces the real box; an empty hook brings it back. Returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
int ShowMessageBox(const MessageBoxRequest& request);

enum class TMsgDlgType { mtWarning, mtError, mtInformation };
enum class TMsgDlgButtons { mbOK, mbYesNo };

// A typed box: the type gives the caption ("Warning", "Error", "Information") and the icon.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

}  // namespace ui
