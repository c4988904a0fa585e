#pragma once
// The figures that every benchmark of the network checks reports: the time per element, the
// process's peak memory, and the element count that its growth is fitted on.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

inline double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

inline void compter(benchmark::State& state, int n) {
  state.SetComplexityN(n);
  state.counters["elements"] = n;
  state.counters["per_element"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
