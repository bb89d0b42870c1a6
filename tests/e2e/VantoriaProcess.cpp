#include "e2e/VantoriaProcess.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

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

VantoriaProcess::VantoriaProcess(const testing_support::ScratchFolder& folder, const std::string& arguments,
                                 WORD showCommand)
    : exePath_(folder / "Vantoria.exe") {
  if (!testing_support::FileExists(exePath_) && !::CopyFileA(VantoriaExe().c_str(), exePath_.c_str(), FALSE))
    throw std::runtime_error("cannot copy Vantoria.exe into " + folder.Path());
  std::string commandLine = "\"" + exePath_ + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = showCommand;
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

std::set<DWORD> VantoriaProcess::HelpersUntilExit(Milliseconds timeout) {
  std::set<DWORD> helpers;
  testing_support::WaitUntil(
      [&] {
        for (DWORD process : testing_support::RunningProcesses("Vantoria.exe"))
          if (process != processId_) helpers.insert(process);
        return ::WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
      },
      timeout);
  return helpers;
}

bool VantoriaProcess::EndSession() {
  struct Windows {
    DWORD process;
    std::vector<HWND> found;
  } windows = {processId_, {}};
  ::EnumWindows(
      [](HWND window, LPARAM parameter) {
        auto& windows = *reinterpret_cast<Windows*>(parameter);
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == windows.process) windows.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  bool agreed = !windows.found.empty();
  for (HWND window : windows.found) {
    DWORD_PTR answer = FALSE;
    agreed = ::SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) && answer &&
             agreed;
  }
  for (HWND window : windows.found)
    ::SendMessageTimeoutA(window, WM_ENDSESSION, agreed, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  ::TerminateProcess(process_, 0);
  ::WaitForSingleObject(process_, 5000);
  return agreed;
}

}  // namespace e2e
