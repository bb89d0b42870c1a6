// Median wall-clock time of repeated runs, for benchmarks that print ratios.
#pragma once

#include <algorithm>
#include <chrono>
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

}  // namespace bench
