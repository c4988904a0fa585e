// The recount of a signed plan of 100,000 elements: the whole model check (stored record read,
// recount, comparison) and the recount alone, with the number of scan batches of the recount.
#include <benchmark/benchmark.h>

#include <boost/filesystem.hpp>

#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/signer.h"
#include "host/model_ref.h"
#include "signature/model_check.h"
#include "signature/model_statistics.h"

namespace {

namespace fs = boost::filesystem;
namespace fx = host::fixture;

// 100,000 counted elements: lines, texts, chains of two components and cells, on 200 levels.
host::ModelRef signedPlan() {
  static host::ModelRef model;
  if (model) return model;
  fx::DesignBuilder b;
  for (int i = 0; i < 100000; ++i) {
    const double x = (i % 1000) * 1000.0, y = (i / 1000) * 1000.0;
    const auto level = static_cast<host::LevelId>(1 + i % 200);
    switch (i % 4) {
      case 0: b.add(fx::line({x, y}, {x + 500, y}).level(level).colour(i % 256).weight(i % 16)); break;
      case 1: b.add(fx::text(L"T", {x, y}).level(level).colour(0xFFFFFFFF)); break;
      case 2: b.add(fx::chain({fx::line({x, y}, {x + 5, y}).level(level), fx::line({x + 5, y}, {x + 9, y})})); break;
      default: b.add(fx::cell(L"C", {x, y}, {fx::rectangle({x, y}, {x + 9, y + 9}).level(level)})); break;
    }
  }
  fx::sign(b.file());
  const fs::path path = fs::temp_directory_path() / fs::unique_path("brevane_bench_%%%%%%.dgn");
  b.save(path.wstring());
  host::openWorkFile(&model, nullptr, nullptr, path.wstring(), L"", true);
  fs::remove(path);
  host::config::set(L"BREVANE_MAFILE", fs::path(PROJECT_SOURCE_DIR "/resources/brevane.json").wstring());
  return model;
}

void BM_CheckModel100k(benchmark::State& state) {
  const host::ModelRef model = signedPlan();
  int result = -1;
  for (auto _ : state) benchmark::DoNotOptimize(result = brevane::CheckModel(model));
  state.counters["result"] = result;
}
BENCHMARK(BM_CheckModel100k)->Unit(benchmark::kMillisecond);

void BM_Recount100k(benchmark::State& state) {
  const host::ModelRef model = signedPlan();
  int batches = 0;
  for (auto _ : state) {
    brevane::SignatureRecord record{};
    batches = brevane::ComputeModelStatistics(record, model);
    benchmark::DoNotOptimize(record);
  }
  state.counters["elements"] = static_cast<double>(host::model(model)->size() - 1);
  state.counters["batches"] = batches;
}
BENCHMARK(BM_Recount100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
