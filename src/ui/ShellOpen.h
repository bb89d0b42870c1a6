// Opening a document or address with the program the shell has for it. Tests replace the
// shell through the hook, to see what would be opened and to answer as the shell would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// Answers with 0 when the target was opened, else with the system's error code.
using ShellOpenHook = std::function<DWORD(HWND owner, const std::string& target)>;

// The shell's "open" on `target`, shown normally: 0 when it was opened, else the system's error
// code for why not (no program for that kind of file, a target that is gone).
DWORD ShellOpen(HWND owner, const std::string& target);
// Replaces the shell until reset with an empty hook.
void SetShellOpenHook(ShellOpenHook hook);

}  // namespace ui
