// Closest point and stroking of a 10,000-vertex line string; offset of a 1,000-vertex line.
#include <benchmark/benchmark.h>

#include <cmath>

#include "host/area_ops.h"
#include "host/curve_vector.h"

namespace {

using host::CurveVector;
using host::Point3d;

// A wavy line of n vertices, 1 m (1000 UORs) apart.
std::vector<Point3d> wavy(int n) {
  std::vector<Point3d> pts;
  for (int i = 0; i < n; ++i) pts.push_back({i * 1000.0, 5000.0 * std::sin(i * 0.01), 0});
  return pts;
}

void BM_ClosestPoint10k(benchmark::State& state) {
  const CurveVector cv = *CurveVector::createLinear(wavy(10000), CurveVector::BoundaryType::Open);
  for (auto _ : state) benchmark::DoNotOptimize(cv.closestPointBounded({5'000'000, 3000, 0}));
}
BENCHMARK(BM_ClosestPoint10k)->Unit(benchmark::kMicrosecond);

void BM_Stroke10k(benchmark::State& state) {
  const CurveVector cv = *CurveVector::createLinear(wavy(10000), CurveVector::BoundaryType::Open);
  for (auto _ : state) {
    std::vector<Point3d> pts;
    cv.addStrokePoints(pts, 1.0);
    benchmark::DoNotOptimize(pts.data());
  }
}
BENCHMARK(BM_Stroke10k)->Unit(benchmark::kMicrosecond);

// The buffer of an open line, as the toolbox asks it: the line out and back as a loop.
void BM_Buffer1k(benchmark::State& state) {
  std::vector<Point3d> pts = wavy(1000);
  for (int i = 998; i >= 0; --i) pts.push_back(pts[static_cast<size_t>(i)]);
  const CurveVector loop = *CurveVector::createLinear(pts, CurveVector::BoundaryType::Outer);
  for (auto _ : state) benchmark::DoNotOptimize(host::areaOffset(loop, 10'000, 1.0));
}
BENCHMARK(BM_Buffer1k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
