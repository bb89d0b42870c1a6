#include "ui/ShellOpen.h"

#include <shellapi.h>

namespace ui {
namespace {

ShellOpenHook& Hook() {
  static ShellOpenHook hook;
  return hook;
}

// ShellExecute's own failure values (32 and below) as system error codes, for when it leaves
// none behind; the others are system codes already.
DWORD SystemCodeOf(INT_PTR shellError) {
  switch (shellError) {
    case 0:
      return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
      return ERROR_NO_ASSOCIATION;
    case SE_ERR_SHARE:
      return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND:
      return ERROR_DLL_NOT_FOUND;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return ERROR_DDE_FAIL;
    default:
      return static_cast<DWORD>(shellError);
  }
}

}  // namespace

DWORD ShellOpen(HWND owner, const std::string& target) {
  if (Hook()) return Hook()(owner, target);
  ::SetLastError(ERROR_SUCCESS);
  const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr,
                                                                 SW_SHOWNORMAL));
  if (result > 32) return ERROR_SUCCESS;
  const DWORD error = ::GetLastError();
  return error != ERROR_SUCCESS ? error : SystemCodeOf(result);
}

void SetShellOpenHook(ShellOpenHook hook) { Hook() = std::move(hook); }

}  // namespace ui
