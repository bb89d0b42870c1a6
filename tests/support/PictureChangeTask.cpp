#include "support/PictureChangeTask.h"

#include <windows.h>

#include <taskschd.h>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/UserSid.h"
#include "platform/WideText.h"

namespace testing_support {
namespace {

std::string TaskName() { return "Vantoria picture change (" + platform::CurrentUserSid() + ")"; }

}  // namespace

std::optional<RegisteredTaskSettings> PictureChangeTask() {
  platform::ComScope com;
  platform::ComPtr<ITaskService> service;
  VARIANT none;
  ::VariantInit(&none);
  platform::ComPtr<ITaskFolder> root;
  platform::ComPtr<IRegisteredTask> task;
  platform::ComPtr<ITaskDefinition> definition;
  platform::ComPtr<ITaskSettings> settings;
  BSTR rootPath = ::SysAllocString(L"\\");
  BSTR name = ::SysAllocString(platform::ToWide(TaskName()).c_str());
  const bool found =
      SUCCEEDED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                   service.ReceiveVoid())) &&
      SUCCEEDED(service->Connect(none, none, none, none)) && SUCCEEDED(service->GetFolder(rootPath, root.Receive())) &&
      SUCCEEDED(root->GetTask(name, task.Receive())) && SUCCEEDED(task->get_Definition(definition.Receive())) &&
      SUCCEEDED(definition->get_Settings(settings.Receive()));
  ::SysFreeString(rootPath);
  ::SysFreeString(name);
  if (!found) return std::nullopt;
  VARIANT_BOOL disallow = VARIANT_FALSE, stop = VARIANT_TRUE, startWhenAvailable = VARIANT_FALSE;
  TASK_INSTANCES_POLICY policy = TASK_INSTANCES_PARALLEL;
  BSTR limit = nullptr;
  settings->get_DisallowStartIfOnBatteries(&disallow);
  settings->get_StopIfGoingOnBatteries(&stop);
  settings->get_StartWhenAvailable(&startWhenAvailable);
  settings->get_MultipleInstances(&policy);
  settings->get_ExecutionTimeLimit(&limit);
  RegisteredTaskSettings read{disallow != VARIANT_FALSE, stop != VARIANT_FALSE, startWhenAvailable != VARIANT_FALSE,
                              policy, limit ? platform::FromWide(limit) : ""};
  ::SysFreeString(limit);
  return read;
}

std::string PictureChangeTaskFile() {
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\System32\\Tasks\\" + TaskName();
}

}  // namespace testing_support
