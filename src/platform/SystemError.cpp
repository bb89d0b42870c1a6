#include "platform/SystemError.h"

#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace platform {

std::string SystemErrorText(DWORD code) {
  char buffer[512] = {};
  const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

void RaiseOSError(DWORD code) {
  if (code == 0) throw EOSError("A call to an OS function failed");
  throw EOSError(Format("System Error.  Code: %lu.\n%s", code, SystemErrorText(code).c_str()));
}

void RaiseLastOSError() { RaiseOSError(::GetLastError()); }

}  // namespace platform
