#include "support/PictureChangeTask.h"

#include <windows.h>

#include <taskschd.h>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/UserSid.h"
#include "platform/WideText.h"

namespace testing_support {
namespace {

std::wstring TaskName() { return platform::ToWide("Vantoria picture change (" + platform::CurrentUserSid() + ")"); }

}  // namespace

std::optional<std::string> PictureChangeTaskXml() {
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
                     SUCCEEDED(root->GetTask(const_cast<BSTR>(TaskName().c_str()), task.Receive())) &&
                     SUCCEEDED(task->get_Xml(&xml));
  std::optional<std::string> text;
  if (found) text = platform::FromWide(xml);
  ::SysFreeString(xml);
  return text;
}

std::string PictureChangeTaskFile() {
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\System32\\Tasks\\" + platform::FromWide(TaskName());
}

}  // namespace testing_support
