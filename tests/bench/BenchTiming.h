// Median wall-clock time of repeated runs (or of what each round measures), and the table row that every benchmark
// prints: what, its reference, both times and their ratio, separated by "|" for scripts/bench.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
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
double Seconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Work>
double MedianSeconds(int rounds, Work work) {
  return Median(rounds, [&] { return Seconds(work); });
}

// The medians of two works timed in turn, round after round, so that both meet the disk and its
// caches in the same state (a file written without a flush is still being written out meanwhile);
// `afterRound` runs untimed after each round.
template <typename First, typename Second, typename AfterRound>
std::pair<double, double> MedianSecondsInTurn(int rounds, First first, Second second, AfterRound afterRound) {
  std::vector<double> firsts, seconds;
  for (int round = 0; round < rounds; ++round) {
    firsts.push_back(Seconds(first));
    seconds.push_back(Seconds(second));
    afterRound();
  }
  std::sort(firsts.begin(), firsts.end());
  std::sort(seconds.begin(), seconds.end());
  return {firsts[firsts.size() / 2], seconds[seconds.size() / 2]};
}

inline void PrintRow(const char* what, const char* reference, double referenceSeconds, double seconds) {
  std::printf("%s|%s|%.3f s|%.3f s|%.2f\n", what, reference, referenceSeconds, seconds, seconds / referenceSeconds);
}

}  // namespace bench
