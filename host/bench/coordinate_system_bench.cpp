// Reprojection of 100,000 points in one call, and one point at a time (as the network checks do).
#include <benchmark/benchmark.h>

#include "host/coordinate_system.h"

namespace {

using host::CoordinateSystem;
using host::Point3d;

std::vector<Point3d> grid(int n) {
  std::vector<Point3d> pts;
  for (int i = 0; i < n; ++i) pts.push_back({(650000.0 + (i % 1000) * 10) * 1000, (6600000.0 + (i / 1000) * 10) * 1000, 0});
  return pts;
}

void BM_Reproject100k(benchmark::State& state) {
  const auto from = CoordinateSystem::create(L"IGN-RGF93"), to = CoordinateSystem::create(L"RGF93.CC46");
  const std::vector<Point3d> source = grid(100000);
  for (auto _ : state) {
    std::vector<Point3d> pts = source;
    benchmark::DoNotOptimize(host::reprojectUors(pts, *from, *to, 1000.0));
  }
}
BENCHMARK(BM_Reproject100k)->Unit(benchmark::kMillisecond);

void BM_Reproject100kFromNtf(benchmark::State& state) {
  const auto from = CoordinateSystem::create(L"NTF.Lambert-E"), to = CoordinateSystem::create(L"IGN-RGF93");
  std::vector<Point3d> source = grid(100000);
  for (Point3d& p : source) p.y -= 4'400'000'000.0;  // Lambert II extended northings
  for (auto _ : state) {
    std::vector<Point3d> pts = source;
    benchmark::DoNotOptimize(host::reprojectUors(pts, *from, *to, 1000.0));
  }
}
BENCHMARK(BM_Reproject100kFromNtf)->Unit(benchmark::kMillisecond);

void BM_ReprojectOnePoint(benchmark::State& state) {
  const auto from = CoordinateSystem::create(L"IGN-RGF93"), to = CoordinateSystem::create(L"EPSG:4326");
  for (auto _ : state) {
    std::vector<Point3d> pts = {{700000000, 6600000000, 0}};
    benchmark::DoNotOptimize(host::reprojectUors(pts, *from, *to, 1000.0));
  }
}
BENCHMARK(BM_ReprojectOnePoint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
