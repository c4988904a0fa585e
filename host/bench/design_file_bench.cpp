// Loading plans of 20,000 and 100,000 mixed elements beside simdjson's On-Demand parse and walk
// of the same bytes (the reference the loader is held to), the memory of a loaded plan and the
// peak while a 200 MB plan loads, and range scans around random points through the R-tree
// against a walk of the whole model; removing every element of one level, one by one.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include <nlohmann/json.hpp>
#include <simdjson.h>

#include "host/design_file.h"
#include "host/fixture/design_builder.h"

using namespace host;
namespace fx = host::fixture;

namespace {

constexpr int kElements = 100'000;
constexpr double kSide = 2'000'000.0;  // a 2 km square, in UORs

std::string makePlan(int elements) {
  fx::DesignBuilder b;
  for (int l = 1; l <= 60; ++l) b.level(L"Niveau" + std::to_wstring(l));
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> at(0, kSide), small(100, 5000);
  for (int i = 0; i < elements; ++i) {
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
}

const std::string& planText(int elements = kElements) {
  static std::map<int, std::string> texts;
  auto it = texts.find(elements);
  if (it == texts.end()) it = texts.emplace(elements, makePlan(elements)).first;
  return it->second;
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
  // As a file is read: with room after its bytes for the parser.
  std::string text;
  text.reserve(planText(static_cast<int>(state.range(0))).size() + DesignFile::kReadPadding);
  text = planText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto file = DesignFile::parsePadded(text);
    benchmark::DoNotOptimize(file);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["elements"] = static_cast<double>(state.range(0));
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_LoadPlan)->Arg(20'000)->Arg(kElements)->Unit(benchmark::kMillisecond);

// The reference: simdjson's On-Demand parse of the same bytes, with a walk that reads every
// key, string, number and boolean (numbers as doubles).
double walkValue(simdjson::ondemand::value v) {
  using simdjson::ondemand::json_type;
  double sum = 0.0;
  switch (v.type()) {
    case json_type::object:
      for (auto field : v.get_object()) {
        sum += static_cast<double>(std::string_view(field.unescaped_key()).size());
        sum += walkValue(field.value());
      }
      break;
    case json_type::array:
      for (auto item : v.get_array()) sum += walkValue(item.value());
      break;
    case json_type::number: sum += double(v.get_double()); break;
    case json_type::string: sum += static_cast<double>(std::string_view(v.get_string()).size()); break;
    case json_type::boolean: sum += bool(v.get_bool()) ? 1.0 : 0.0; break;
    case json_type::null: sum += v.is_null() ? 1.0 : 0.0; break;
  }
  return sum;
}

void BM_OnDemandParseAndWalk(benchmark::State& state) {
  const simdjson::padded_string text(planText(static_cast<int>(state.range(0))));
  simdjson::ondemand::parser parser;
  for (auto _ : state) {
    simdjson::ondemand::document doc = parser.iterate(text);
    double sum = 0.0;
    for (auto field : doc.get_object()) sum += walkValue(field.value());
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_OnDemandParseAndWalk)->Arg(20'000)->Arg(kElements)->Unit(benchmark::kMillisecond);

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
double heapMegabytes() { return static_cast<double>(mallinfo2().uordblks + mallinfo2().hblkhd) / 1e6; }

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

double residentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0.0;
}

double peakMegabytes() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;
}

// A plan file of about `megabytes` MB written element by element (the same mix as above, in the
// writer's layout), so that making it costs no memory.
std::filesystem::path bigPlanFile(double megabytes) {
  const auto path = std::filesystem::temp_directory_path() / "design_file_bench_big.dgn";
  std::FILE* out = std::fopen(path.c_str(), "w");
  std::fprintf(out, "{\n \"format\": \"cadhost-design\",\n \"header\": {\n  \"fileFormat\": 2,\n  \"is3d\": false,\n"
                    "  \"subPerMaster\": 1000.0,\n  \"uorPerSub\": 1.0\n },\n \"models\": [\n  {\n   \"elements\": [");
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> at(0, kSide), small(100, 5000);
  long written = 0;
  for (int i = 1; written < static_cast<long>(megabytes * 1e6); ++i) {
    const double x = at(rng), y = at(rng), u = x + small(rng), v = y + small(rng);
    written += std::fprintf(out,
                            "%s\n    {\n     \"colour\": %d,\n     \"group\": %d,\n     \"id\": %d,\n     \"level\": %d,\n"
                            "     \"points\": [\n      [\n       %.17g,\n       %.17g,\n       0.0\n      ],\n"
                            "      [\n       %.17g,\n       %.17g,\n       0.0\n      ],\n      [\n       %.17g,\n       %.17g,\n"
                            "       0.0\n      ]\n     ],\n     \"pos\": %d,\n     \"type\": 4\n    }",
                            i == 1 ? "" : ",", i % 7, i / 3, i, 1 + i % 60, x, y, u, y, u, v, i);
  }
  std::fprintf(out, "\n   ],\n   \"name\": \"Default\"\n  }\n ],\n \"version\": 1\n}\n");
  std::fclose(out);
  return path;
}

// The peak of the process while a 200 MB plan loads, above what it held before (run it alone:
// --benchmark_filter=BigPlan).
void BM_BigPlanPeakMemory(benchmark::State& state) {
  const auto path = bigPlanFile(200.0);
  const double fileMb = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
  malloc_trim(0);
  const double before = residentMegabytes();
  const double heapBefore = heapMegabytes();
  double loaded = 0.0;
  std::size_t elements = 0;
  for (auto _ : state) {
    auto file = DesignFile::load(boost::filesystem::path(path.string()));
    if (!file) {
      state.SkipWithError("the big plan did not load");
      break;
    }
    elements = file->models[0].size();
    loaded = heapMegabytes() - heapBefore;  // what the loaded plan holds
  }
  state.counters["file_MB"] = fileMb;
  state.counters["elements"] = static_cast<double>(elements);
  state.counters["peak_above_start_MB"] = peakMegabytes() - before;
  state.counters["loaded_plan_MB"] = loaded;
  std::filesystem::remove(path);
}
BENCHMARK(BM_BigPlanPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

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

// Removing every element of a model whose elements share one level, type and group, in file
// order, once its indexes are built: the cost per removal should not grow with the model.
void BM_RemoveAllOfOneLevel(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  fx::DesignBuilder b;
  const LevelId level = b.level(L"BT_Ajout");
  for (int i = 0; i < n; ++i) b.add(fx::line({i * 10.0, 0, 0}, {i * 10.0 + 10, 0, 0}).level(level));
  for (auto _ : state) {
    state.PauseTiming();
    Model m = b.file().models[0];
    ScanCriteria c;
    c.levels = {level};
    c.range = Range3d::from({0, -1, -1}, {1, 1, 1});
    m.scan(c);  // builds the indexes
    c.range.reset();
    m.scan(c);
    const auto all = m.elements();
    std::vector<ElementId> ids;
    for (const Element* e : all) ids.push_back(e->id);
    state.ResumeTiming();
    for (ElementId id : ids) m.remove(id);
    benchmark::DoNotOptimize(m.size());
  }
  state.counters["per_removal"] =
      benchmark::Counter(n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RemoveAllOfOneLevel)->Arg(5'000)->Arg(20'000)->Arg(80'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
