#include "platform/UserSid.h"

#include <windows.h>

#include <sddl.h>

#include <vector>

#include "platform/Handles.h"
#include "platform/SystemError.h"

namespace platform {

std::string CurrentUserSid() {
  FileHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Receive())) RaiseLastOSError();
  DWORD size = 0;
  ::GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
  std::vector<BYTE> user(size);
  if (size == 0 || !::GetTokenInformation(token.Get(), TokenUser, user.data(), size, &size)) RaiseLastOSError();
  char* text = nullptr;
  if (!::ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) RaiseLastOSError();
  std::string sid(text);
  ::LocalFree(text);
  return sid;
}

}  // namespace platform
