// COM for the current thread while the object lives (single-threaded apartment); a thread that
// already has it keeps it.
#pragma once

#include <objbase.h>

namespace platform {

class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

}  // namespace platform
