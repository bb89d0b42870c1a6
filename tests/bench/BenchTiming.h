// Median wall-clock time of repeated runs, and the table row that every benchmark prints:
// what, its reference, both times and their ratio, separated by "|" for scripts/bench.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

template <typename Work>
double MedianSeconds(int rounds, Work work) {
  std::vector<double> samples;
  for (int round = 0; round < rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    work();
    samples.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

inline void PrintRow(const char* what, const char* reference, double referenceSeconds, double seconds) {
  std::printf("%s|%s|%.3f s|%.3f s|%.2f\n", what, reference, referenceSeconds, seconds, seconds / referenceSeconds);
}

}  // namespace bench
