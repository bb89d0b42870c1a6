// The current user's picture-change task as the Task Scheduler holds it (Wine keeps a task's
// settings, not its triggers and actions).
#pragma once

#include <optional>
#include <string>

namespace testing_support {

struct RegisteredTaskSettings {
  bool disallowStartIfOnBatteries;
  bool stopIfGoingOnBatteries;
  bool startWhenAvailable;
  int multipleInstancesPolicy;  // TASK_INSTANCES_IGNORE_NEW is 2
  std::string executionTimeLimit;
};

// Nothing when there is no such task.
std::optional<RegisteredTaskSettings> PictureChangeTask();
// The Windows tasks folder's file of the task.
std::string PictureChangeTaskFile();

}  // namespace testing_support
