// The current user's picture-change task as the Task Scheduler holds it (Wine keeps a task's
// settings, not its triggers and actions).
#pragma once

#include <optional>
#include <string>

namespace testing_support {

// The task's XML, or nothing when there is no such task.
std::optional<std::string> PictureChangeTaskXml();
// The Windows tasks folder's file of the task.
std::string PictureChangeTaskFile();

}  // namespace testing_support
