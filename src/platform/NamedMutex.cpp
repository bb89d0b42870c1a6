#include "platform/NamedMutex.h"

#include "platform/SystemError.h"

namespace platform {

NamedMutex::NamedMutex(const std::string& name) : mutex_(::CreateMutexA(nullptr, FALSE, name.c_str())) {
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
