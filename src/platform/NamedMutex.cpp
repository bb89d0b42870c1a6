#include "platform/NamedMutex.h"

#include <sddl.h>

#include "platform/Format.h"
#include "platform/SystemError.h"
#include "platform/UserSid.h"

namespace platform {
namespace {

// What a process needs to wait for the mutex and to release it.
constexpr DWORD kTakeAndRelease = SYNCHRONIZE | MUTEX_MODIFY_STATE;

// Only the user's own processes may take it, elevated or not: the default security of an elevated
// process would grant only administrators, and its high integrity would refuse the user's other
// processes (the low label lets every level release it).
HANDLE CreateUsersMutex(const std::string& name) {
  const std::string descriptor = Format("D:(A;;0x%lX;;;%s)S:(ML;;NW;;;LW)", static_cast<unsigned long>(kTakeAndRelease),
                                       CurrentUserSid().c_str());
  PSECURITY_DESCRIPTOR security = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(descriptor.c_str(), SDDL_REVISION_1, &security, nullptr))
    RaiseLastOSError();
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, security, FALSE};
  const HANDLE mutex = ::CreateMutexExA(&attributes, name.c_str(), 0, kTakeAndRelease);
  const DWORD error = ::GetLastError();
  ::LocalFree(security);
  ::SetLastError(error);
  return mutex;
}

}  // namespace

NamedMutex::NamedMutex(const std::string& name) : mutex_(CreateUsersMutex(name)) {
  if (!mutex_) RaiseLastOSError();
}

bool NamedMutex::Take(std::chrono::milliseconds wait) {
  if (held_) return true;
  const DWORD waited = ::WaitForSingleObject(mutex_.Get(), static_cast<DWORD>(wait.count()));
  held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  return held_;
}

void NamedMutex::Release() {
  if (held_) ::ReleaseMutex(mutex_.Get());
  held_ = false;
}

}  // namespace platform
