// Raising the system's own error text for a failed Win32 call.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

std::string SystemErrorText(DWORD code);
[[noreturn]] void RaiseOSError(DWORD code);
[[noreturn]] void RaiseLastOSError();

}  // namespace platform
