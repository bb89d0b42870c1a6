#include "schedule/RefitTask.h"

#include "platform/Module.h"
#include "platform/TaskScheduler.h"
#include "platform/UserSid.h"
#include "schedule/ProgramCommand.h"
#include "schedule/TaskDefinition.h"

namespace schedule {
namespace {

std::string TaskName() { return "Vantoria monitors (" + platform::CurrentUserSid() + ")"; }

}  // namespace

std::string OwnRefitCommand() { return ProgramCommand(platform::ExecutablePath(), kRefitSwitch); }

void RegisterRefitTask() {
  platform::RegisterTask(TaskName(), RefitTaskXml(platform::ExecutablePath(), platform::CurrentUserSid()));
}

void DeleteRefitTask() { platform::DeleteTask(TaskName()); }

bool RefitTaskExists() { return platform::TaskExists(TaskName()); }

}  // namespace schedule
