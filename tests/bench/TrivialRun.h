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

// A program's whole run, from its start to its end, waited for exactly (no polling).
inline double WholeRun(const char* program, const char* arguments) {
  char commandLine[MAX_PATH + 64] = {};
  std::snprintf(commandLine, sizeof commandLine, "\"%s\" %s", program, arguments);
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  const auto start = std::chrono::steady_clock::now();
  ::CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return seconds;
}

inline double TrivialRun() {
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  return WholeRun(self, kTrivialArgument);
}

}  // namespace bench
