#include "e2e/VantoriaProcess.h"

#include <cstdlib>
#include <stdexcept>

namespace e2e {

std::string VantoriaExe() {
  // ctest gives the build tree's Linux path; Wine shows the Linux root as drive Z:.
  const char* unixPath = std::getenv("VANTORIA_EXE");
  if (!unixPath) throw std::runtime_error("VANTORIA_EXE is not set");
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

VantoriaProcess::VantoriaProcess(const testing_support::ScratchFolder& folder, const std::string& arguments)
    : exePath_(folder / "Vantoria.exe") {
  if (!::CopyFileA(VantoriaExe().c_str(), exePath_.c_str(), FALSE))
    throw std::runtime_error("cannot copy Vantoria.exe into " + folder.Path());
  std::string commandLine = "\"" + exePath_ + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  startedAt_ = ::GetTickCount64();
  if (!::CreateProcessA(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path().c_str(), &startup, &info))
    throw std::runtime_error("cannot start " + commandLine);
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
}

VantoriaProcess::~VantoriaProcess() {
  if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process_, 99);
    ::WaitForSingleObject(process_, 5000);
  }
  ::CloseHandle(process_);
}

unsigned long long VantoriaProcess::Elapsed() const { return ::GetTickCount64() - startedAt_; }

HWND VantoriaProcess::WaitForWindow(const std::string& caption, Milliseconds timeout) {
  HWND found = nullptr;
  testing_support::WaitUntil(
      [&] { return (found = testing_support::FindVisibleWindow(processId_, caption)) != nullptr; }, timeout);
  return found;
}

std::optional<testing_support::MessageBoxContent> VantoriaProcess::WaitForMessageBox(Milliseconds timeout) {
  std::optional<testing_support::MessageBoxContent> box;
  testing_support::WaitUntil(
      [&] {
        box = testing_support::FindMessageBox(processId_);
        return box && !box->buttons.empty();
      },
      timeout);
  return box;
}

std::optional<testing_support::MessageBoxContent> VantoriaProcess::AnswerMessageBox(const std::string& buttonText,
                                                                                    Milliseconds timeout) {
  auto box = WaitForMessageBox(timeout);
  if (box && !testing_support::PressButton(box->window, buttonText)) return std::nullopt;
  // Gone before the caller looks for the next one.
  if (box) testing_support::WaitUntil([&] { return !::IsWindowVisible(box->window); }, timeout);
  return box;
}

std::optional<DWORD> VantoriaProcess::WaitForExit(Milliseconds timeout) {
  const bool ended = testing_support::WaitUntil(
      [&] { return ::WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeout);
  if (!ended) return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace e2e
