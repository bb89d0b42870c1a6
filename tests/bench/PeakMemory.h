// How far the process's working set has ever grown, for the benchmarks that measure memory.
#pragma once

#include <windows.h>
#include <psapi.h>

namespace bench {

inline SIZE_T PeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

}  // namespace bench
