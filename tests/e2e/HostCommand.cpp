#include "e2e/HostCommand.h"

#include <windows.h>

#include <stdexcept>

#include "support/ScratchFolder.h"
#include "support/Waiting.h"

namespace e2e {

// Wine starts a Linux program without a process to wait on: a shell runs it and writes its exit
// code into a file, which is waited for.
int RunHostProgram(const std::string& program, const std::string& arguments) {
  char folder[MAX_PATH] = {}, file[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  ::GetTempFileNameA(folder, "vh", 0, file);
  ::DeleteFileA(file);
  std::string command =
      "Z:\\bin\\sh -c \"/usr/bin/" + program + " " + arguments + "; echo $? > '" + HostPath(file) + "'\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    throw std::runtime_error(program + " could not be started");
  std::string code;
  testing_support::WaitUntil(
      [&] {
        code = testing_support::FileExists(file) ? testing_support::ReadFileBytes(file) : "";
        return code.find('\n') != std::string::npos;
      },
      std::chrono::seconds(60));
  ::DeleteFileA(file);
  return code.empty() ? -1 : std::stoi(code);
}

std::string HostPath(const std::string& windowsPath) {
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  static const auto unixFileName = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  wchar_t wide[MAX_PATH] = {};
  ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
  char* unixPath = unixFileName ? unixFileName(wide) : nullptr;
  if (!unixPath) throw std::runtime_error("no machine path for " + windowsPath);
  std::string path = unixPath;
  ::HeapFree(::GetProcessHeap(), 0, unixPath);
  return path;
}

UnwritableFolder::UnwritableFolder(std::string windowsPath) : hostPath_(HostPath(windowsPath)) {
  if (RunHostProgram("chattr", "+i '" + hostPath_ + "'") != 0)
    throw std::runtime_error("chattr +i failed on " + hostPath_ + " (it needs root and a file system that has it)");
}

UnwritableFolder::~UnwritableFolder() { RunHostProgram("chattr", "-i '" + hostPath_ + "'"); }

}  // namespace e2e
