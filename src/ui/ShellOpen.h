// Opening a document or address with the program the shell has for it. Tests replace the
// shell through the hook, to see what would be opened.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

using ShellOpenHook = std::function<void(HWND owner, const std::string& target)>;

// The shell's "open" on `target`, shown normally; what it answers is not looked at.
void ShellOpen(HWND owner, const std::string& target);
// Replaces the shell until reset with an empty hook.
void SetShellOpenHook(ShellOpenHook hook);

}  // namespace ui
