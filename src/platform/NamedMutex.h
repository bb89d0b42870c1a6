// A mutex the user's other processes open by its name, elevated or not; held by the thread that
// takes it.
#pragma once

#include <chrono>
#include <string>

#include "platform/Handles.h"

namespace platform {

class NamedMutex {
 public:
  explicit NamedMutex(const std::string& name);
  ~NamedMutex() { Release(); }
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;

  // Waits up to `wait`; true when this object holds it (a holder that ended without releasing it
  // gives it up). Taking it again while held changes nothing.
  bool Take(std::chrono::milliseconds wait);
  void Release();

 private:
  FileHandle mutex_;
  bool held_ = false;
};

}  // namespace platform
