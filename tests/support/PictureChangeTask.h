// The current user's picture-change task as the Task Scheduler holds it (Wine keeps a task's
// settings, not its triggers and actions).
#pragma once

#include <windows.h>

#include <taskschd.h>

#include <optional>
#include <string>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/UserSid.h"
#include "platform/WideText.h"

namespace testing_support {

inline std::string PictureChangeTaskName() { return "Vantoria picture change (" + platform::CurrentUserSid() + ")"; }

// The task's XML, or nothing when there is no such task.
inline std::optional<std::string> PictureChangeTaskXml() {
  platform::ComScope com;
  platform::ComPtr<ITaskService> service;
  platform::ComPtr<ITaskFolder> root;
  platform::ComPtr<IRegisteredTask> task;
  VARIANT none;
  ::VariantInit(&none);
  BSTR xml = nullptr;
  const bool found = SUCCEEDED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_ITaskService, service.ReceiveVoid())) &&
                     SUCCEEDED(service->Connect(none, none, none, none)) &&
                     SUCCEEDED(service->GetFolder(const_cast<BSTR>(L"\\"), root.Receive())) &&
                     SUCCEEDED(root->GetTask(platform::ToWide(PictureChangeTaskName()).data(), task.Receive())) &&
                     SUCCEEDED(task->get_Xml(&xml));
  const std::optional<std::string> text = found ? std::optional(platform::FromWide(xml)) : std::nullopt;
  ::SysFreeString(xml);
  return text;
}

}  // namespace testing_support
