// Median wall-clock time of repeated runs (or of what each round measures), and the table row that every benchmark
// prints: what, its reference, both times and their ratio, separated by "|" for scripts/bench.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

// The median of what `measure` returns in each round.
template <typename Measure>
double Median(int rounds, Measure measure) {
  std::vector<double> samples;
  for (int round = 0; round < rounds; ++round) samples.push_back(measure());
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

template <typename Work>
double MedianSeconds(int rounds, Work work) {
  return Median(rounds, [&] {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  });
}

inline void PrintRow(const char* what, const char* reference, double referenceSeconds, double seconds) {
  std::printf("%s|%s|%.3f s|%.3f s|%.2f\n", what, reference, referenceSeconds, seconds, seconds / referenceSeconds);
}

}  // namespace bench
