// A trivial program's whole run under Wine, the reference of the benchmarks that time whole runs
// of Vantoria.exe: the benchmark started again with an argument that makes it end at once.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace bench {

inline constexpr char kTrivialArgument[] = "--trivial";

// True in the run that ends at once: main returns 0 then.
inline bool IsTrivialRun(int argc, char** argv) { return argc > 1 && std::strcmp(argv[1], kTrivialArgument) == 0; }

inline double TrivialRun() {
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  char commandLine[MAX_PATH + 16] = {};
  std::snprintf(commandLine, sizeof commandLine, "\"%s\" %s", self, kTrivialArgument);
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  const auto start = std::chrono::steady_clock::now();
  ::CreateProcessA(self, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return seconds;
}

}  // namespace bench
