#include "platform/TaskScheduler.h"

#include <taskschd.h>

#include <array>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/Format.h"
#include "platform/SystemError.h"
#include "platform/WideText.h"

namespace platform {
namespace {

constexpr HRESULT kServiceNotAvailable = static_cast<HRESULT>(0x80041322L);  // SCHED_E_SERVICE_NOT_AVAILABLE
constexpr HRESULT kTaskNotFound = static_cast<HRESULT>(0x80070002L);         // ERROR_FILE_NOT_FOUND

// The Task Scheduler's texts for its own codes, which the system's message table does not hold
// (mingw-w64's headers lack the codes from 0x80041316 on).
struct SchedulerCode {
  HRESULT code;
  const char* text;
};
constexpr std::array<SchedulerCode, 6> kSchedulerCodes{{
    {SCHED_E_SERVICE_NOT_RUNNING, "The Task Scheduler service is not running"},
    {static_cast<HRESULT>(0x8004131AL), "The task XML is malformed"},  // SCHED_E_MALFORMEDXML
    {static_cast<HRESULT>(0x0004131BL),  // SCHED_S_SOME_TRIGGERS_FAILED
     "The task is registered, but not all specified triggers will start the task"},
    {static_cast<HRESULT>(0x0004131CL),  // SCHED_S_BATCH_LOGON_PROBLEM
     "The task is registered, but may fail to start. Batch logon privilege needs to be enabled for the task "
     "principal"},
    {kServiceNotAvailable, "The Task Scheduler service is not available"},
    // SCHED_E_SERVICE_TOO_BUSY
    {static_cast<HRESULT>(0x80041323L), "The Task Scheduler service is too busy"},
}};

std::string CodeText(HRESULT code) {
  for (const SchedulerCode& known : kSchedulerCodes) {
    if (known.code == code) return known.text;
  }
  std::string text = SystemErrorText(static_cast<DWORD>(code));
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text.empty() ? "Unknown error" : text;
}

void Check(HRESULT result) {
  if (result != S_OK) throw ETaskSchedulerError(result);
}

// A BSTR owned for one call.
class Text {
 public:
  explicit Text(const std::string& text) : bstr_(::SysAllocString(ToWide(text).c_str())) {}
  ~Text() { ::SysFreeString(bstr_); }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  BSTR Get() const { return bstr_; }

 private:
  BSTR bstr_;
};

ComPtr<ITaskFolder> RootFolder() {
  ComPtr<ITaskService> service;
  Check(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                           service.ReceiveVoid()));
  VARIANT none;
  ::VariantInit(&none);
  Check(service->Connect(none, none, none, none));
  ComPtr<ITaskFolder> root;
  Check(service->GetFolder(Text("\\").Get(), root.Receive()));
  return root;
}

}  // namespace

ETaskSchedulerError::ETaskSchedulerError(HRESULT code)
    : Exception(Format("%s (0x%08lX)", CodeText(code).c_str(), static_cast<unsigned long>(code))), code_(code) {}

void RegisterTask(const std::string& name, const std::string& xml) {
  ComScope com;
  ComPtr<ITaskFolder> root = RootFolder();
  VARIANT none;
  ::VariantInit(&none);
  VARIANT emptyText;
  ::VariantInit(&emptyText);
  emptyText.vt = VT_BSTR;
  emptyText.bstrVal = nullptr;
  ComPtr<IRegisteredTask> task;
  const Text taskName(name);
  const Text definition(xml);
  Check(root->RegisterTask(taskName.Get(), definition.Get(), TASK_CREATE_OR_UPDATE, none, none,
                           TASK_LOGON_INTERACTIVE_TOKEN, emptyText, task.Receive()));
}

bool ETaskSchedulerError::ServiceNotRunning() const {
  return code_ == SCHED_E_SERVICE_NOT_RUNNING || code_ == kServiceNotAvailable;
}

void DeleteTask(const std::string& name) {
  ComScope com;
  ComPtr<ITaskFolder> root = RootFolder();
  const HRESULT deleted = root->DeleteTask(Text(name).Get(), 0);
  if (deleted != kTaskNotFound) Check(deleted);
}

bool TaskExists(const std::string& name) {
  ComScope com;
  ComPtr<ITaskFolder> root = RootFolder();
  ComPtr<IRegisteredTask> task;
  const HRESULT found = root->GetTask(Text(name).Get(), task.Receive());
  if (found == kTaskNotFound) return false;
  Check(found);
  return true;
}

}  // namespace platform
