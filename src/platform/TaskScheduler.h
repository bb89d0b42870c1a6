// Tasks of the Task Scheduler's root folder, registered from their XML for the interactive user.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Exceptions.h"

namespace platform {

// What the Task Scheduler answered instead of S_OK; the message is the system's text (or the
// Task Scheduler's, for its own codes) with the code: "Access is denied (0x80070005)".
class ETaskSchedulerError : public Exception {
 public:
  explicit ETaskSchedulerError(HRESULT code);
  HRESULT Code() const { return code_; }
  // The service does not run (or is not available): it can neither have changed anything nor
  // start a task now.
  bool ServiceNotRunning() const;

 private:
  HRESULT code_;
};

// Creates the task or replaces its definition; runs as the logged-on user, without a password.
// Anything but S_OK fails, registered or not: a task that is registered but will not start (its
// triggers failed, the user lacks a right) is no success either.
void RegisterTask(const std::string& name, const std::string& xml);
// A missing task is no failure.
void DeleteTask(const std::string& name);
// Whether the root folder holds the task.
bool TaskExists(const std::string& name);

}  // namespace platform
