// Loading a plan of 100,000 mixed elements, and range scans around random points through the
// R-tree against a walk of the whole model.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <random>

#include <nlohmann/json.hpp>

#include "host/design_file.h"
#include "host/fixture/design_builder.h"

using namespace host;
namespace fx = host::fixture;

namespace {

constexpr int kElements = 100'000;
constexpr double kSide = 2'000'000.0;  // a 2 km square, in UORs

const std::string& planText() {
  static const std::string text = [] {
    fx::DesignBuilder b;
    for (int l = 1; l <= 60; ++l) b.level(L"Niveau" + std::to_wstring(l));
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> at(0, kSide), small(100, 5000);
    for (int i = 0; i < kElements; ++i) {
      const Point3d p{at(rng), at(rng), 0};
      const Point3d q{p.x + small(rng), p.y + small(rng), 0};
      fx::Spec s = i % 10 == 0   ? fx::text(L"Texte " + std::to_wstring(i), p)
                   : i % 10 == 1 ? fx::cell(L"POTKRV", p, {fx::rectangle(p, q), fx::line(p, q)}, 2.0)
                   : i % 10 == 2 ? fx::arc(p, small(rng), 0, 2)
                   : i % 10 == 3 ? fx::rectangle(p, q).fill(3)
                   : i % 10 == 4 ? fx::line(p, q)
                                 : fx::lineString({p, {q.x, p.y, 0}, q, {p.x, q.y, 0}});
      s.level(static_cast<LevelId>(1 + i % 60)).colour(static_cast<std::uint32_t>(i % 7)).group(static_cast<std::uint32_t>(i / 3));
      b.add(s);
    }
    return b.file().toJson();
  }();
  return text;
}

const DesignFile& plan() {
  static const DesignFile file = *DesignFile::parse(planText());
  return file;
}

std::vector<Range3d> probes() {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> at(0, kSide);
  std::vector<Range3d> out;
  for (int i = 0; i < 10'000; ++i) {
    const Point3d p{at(rng), at(rng), 0};
    out.push_back(Range3d::from({p.x - 2000, p.y - 2000, -1}, {p.x + 2000, p.y + 2000, 1}));
  }
  return out;
}

void BM_LoadPlan(benchmark::State& state) {
  const std::string& text = planText();
  for (auto _ : state) {
    auto file = DesignFile::parse(text);
    benchmark::DoNotOptimize(file);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["elements"] = kElements;
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_LoadPlan)->Unit(benchmark::kMillisecond);

void BM_JsonParseOnly(benchmark::State& state) {
  const std::string& text = planText();
  for (auto _ : state) {
    auto doc = nlohmann::json::parse(text);
    benchmark::DoNotOptimize(doc);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_JsonParseOnly)->Unit(benchmark::kMillisecond);

// Heap bytes in use (glibc), so that memory freed by earlier runs does not hide the figure.
double heapMegabytes() { return static_cast<double>(mallinfo2().uordblks) / 1e6; }

void BM_LoadedPlanMemory(benchmark::State& state) {
  planText();
  std::optional<DesignFile> file;
  double added = 0.0;
  for (auto _ : state) {
    file.reset();
    const double before = heapMegabytes();
    file = DesignFile::parse(planText());
    added = heapMegabytes() - before;
  }
  state.counters["heap_MB_of_loaded_plan"] = added;
}
BENCHMARK(BM_LoadedPlanMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_RangeScans(benchmark::State& state) {
  const Model& m = plan().models[0];
  const auto ranges = probes();
  std::size_t found = 0;
  for (auto _ : state) {
    for (const auto& r : ranges) {
      ScanCriteria c;
      c.range = r;
      found += m.scan(c).size();
    }
  }
  state.counters["hits_per_scan"] = static_cast<double>(found) / static_cast<double>(state.iterations() * ranges.size());
  state.counters["scans"] = static_cast<double>(ranges.size());
}
BENCHMARK(BM_RangeScans)->Unit(benchmark::kMillisecond);

void BM_RangeScansByWalk(benchmark::State& state) {
  const Model& m = plan().models[0];
  auto ranges = probes();
  ranges.resize(200);  // a walk costs the whole model each time: 200 scans are enough to time it
  std::size_t found = 0;
  for (auto _ : state) {
    for (const auto& r : ranges) {
      ScanCriteria c;
      c.range = r;
      found += m.scanByWalk(c).size();
    }
  }
  state.counters["hits_per_scan"] = static_cast<double>(found) / static_cast<double>(state.iterations() * ranges.size());
  state.counters["scans"] = static_cast<double>(ranges.size());
}
BENCHMARK(BM_RangeScansByWalk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
