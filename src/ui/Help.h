// The platform's help engine. Tests replace it through the hook, to see what would be asked.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

using HelpHook = std::function<void(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data)>;

// WinHelp with these arguments; the engine reports a missing file itself, and its answer is not
// looked at.
void WinHelp(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data);
// Replaces the engine until reset with an empty hook.
void SetHelpHook(HelpHook hook);

}  // namespace ui
