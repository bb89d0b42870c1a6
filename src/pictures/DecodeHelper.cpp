#include "pictures/DecodeHelper.h"

#include <cstdint>
#include <vector>

#include "pictures/PictureErrors.h"
#include "pictures/WicDecoder.h"
#include "platform/Format.h"
#include "platform/Module.h"
#include "ui/Application.h"

namespace pictures {
namespace {

// Waited for without a window to keep answering (the log-on run, the wallpaper file).
constexpr DWORD kHelperTimeoutMs = 5000;
// Waited for while the window answers: what a picture at the size limit needs on a slow PC.
constexpr DWORD kBackgroundTimeoutMs = 60000;

std::string& HelperProgram() {
  static std::string program;
  return program;
}

EInvalidGraphic Undecodable(const std::string& picturePath) {
  return EInvalidGraphic(platform::Format("Cannot decode %s", picturePath.c_str()));
}

// The job every helper runs in: ended with this process, however it ends (Windows ending the
// session, a crash), so that no helper outlives it.
HANDLE HelperJob() {
  static const platform::KernelHandle job = [] {
    platform::KernelHandle created(::CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (created) ::SetInformationJobObject(created.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return created;
  }();
  return job.Get();
}

// Runs `commandLine` with only `inherited` of this process's handles, in the helpers' job.
platform::KernelHandle StartWithHandle(const std::string& program, std::string commandLine, HANDLE inherited) {
  SIZE_T listBytes = 0;
  ::InitializeProcThreadAttributeList(nullptr, 1, 0, &listBytes);
  std::vector<std::uint8_t> list(listBytes);
  auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(list.data());
  if (!::InitializeProcThreadAttributeList(attributes, 1, 0, &listBytes)) return {};
  STARTUPINFOEXA startup = {};
  startup.StartupInfo.cb = sizeof startup;
  startup.lpAttributeList = attributes;
  PROCESS_INFORMATION started = {};
  const bool ran = ::UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &inherited,
                                               sizeof inherited, nullptr, nullptr) &&
                   ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                    EXTENDED_STARTUPINFO_PRESENT | CREATE_SUSPENDED, nullptr, nullptr,
                                    &startup.StartupInfo, &started);
  ::DeleteProcThreadAttributeList(attributes);
  if (!ran) return {};
  const platform::KernelHandle thread(started.hThread);
  platform::KernelHandle process(started.hProcess);
  // Without the job (a system that refuses it) the helper still ends when it is done or given up.
  if (HANDLE job = HelperJob()) ::AssignProcessToJobObject(job, process.Get());
  ::ResumeThread(thread.Get());
  return process;
}

}  // namespace

void SetDecodeHelperProgram(std::string program) { HelperProgram() = std::move(program); }

RunningHelper::RunningHelper(const std::string& picturePath, bool sizeOnly)
    : picturePath_(picturePath), answer_(NewAnswerFile()) {
  if (!answer_) throw Undecodable(picturePath_);
  const std::string program = HelperProgram().empty() ? platform::ExecutablePath() : HelperProgram();
  process_ = StartWithHandle(
      program,
      platform::Format("\"%s\" %s \"%s\" %llu%s%s", program.c_str(), kDecodeSwitch, picturePath_.c_str(),
                       static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(answer_.Get())),
                       sizeOnly ? " " : "", sizeOnly ? kSizeOnlySwitch : ""),
      answer_.Get());
  if (!process_) throw Undecodable(picturePath_);
}

RunningHelper::~RunningHelper() {
  if (process_ && ::WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0) {
    ::TerminateProcess(process_.Get(), 1);
    ::WaitForSingleObject(process_.Get(), kHelperTimeoutMs);
  }
}

void RunningHelper::CheckSucceeded() {
  DWORD exitCode = 1;
  if (::WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0) {
    ::TerminateProcess(process_.Get(), 1);
    throw Undecodable(picturePath_);
  }
  if (!::GetExitCodeProcess(process_.Get(), &exitCode) || exitCode != 0 || !answer_) throw Undecodable(picturePath_);
}

HelperAnswer RunningHelper::Answer() {
  CheckSucceeded();
  return HelperAnswer(std::move(answer_), picturePath_);
}

PictureSize RunningHelper::AnswerSize() {
  CheckSucceeded();
  const std::optional<PictureSize> size = ParseDecodedPictureSize(MapAnswerForReading(answer_.Get()).bytes);
  if (!size) throw Undecodable(picturePath_);
  return *size;
}

HelperAnswer DecodeInHelper(const std::string& picturePath, HelperWait wait) {
  RunningHelper helper(picturePath);
  if (wait == HelperWait::kWindowsAnswer)
    ui::Application().WaitWhileAnswering(helper.Process(), kBackgroundTimeoutMs);
  else
    ::WaitForSingleObject(helper.Process(), kHelperTimeoutMs);
  return helper.Answer();
}

std::optional<PictureSize> PictureSizeInHelper(const std::string& picturePath) {
  try {
    RunningHelper helper(picturePath, true);
    ::WaitForSingleObject(helper.Process(), kHelperTimeoutMs);
    return helper.AnswerSize();
  } catch (const EInvalidGraphic&) {
    return std::nullopt;
  }
}

BackgroundDecode::BackgroundDecode(const std::string& picturePath, HWND window, UINT message, WPARAM id)
    : helper_(picturePath), window_(window), message_(message), id_(id) {
  if (!::RegisterWaitForSingleObject(&wait_, helper_.Process(), &BackgroundDecode::Ended, this, kBackgroundTimeoutMs,
                                     WT_EXECUTEONLYONCE))
    throw Undecodable(picturePath);
}

BackgroundDecode::~BackgroundDecode() {
  // Waits for a call of Ended that is under way: none comes after.
  ::UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
}

void CALLBACK BackgroundDecode::Ended(void* self, BOOLEAN) {
  const auto* decode = static_cast<const BackgroundDecode*>(self);
  ::PostMessageA(decode->window_, decode->message_, decode->id_, 0);
}

}  // namespace pictures
