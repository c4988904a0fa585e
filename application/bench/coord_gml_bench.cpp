// The GML text of the copy tools for a polygon of 100,000 points, reprojected from Lambert 93 to
// WGS84 and written with nine decimals.
#include <benchmark/benchmark.h>

#include <boost/filesystem.hpp>

#include "application/coordonnees.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"

namespace {

void BM_ExporterPoints(benchmark::State& state) {
  const auto dossier = boost::filesystem::temp_directory_path() / boost::filesystem::unique_path("coord_gml_%%%%%%%%");
  boost::filesystem::create_directories(dossier);
  host::fixture::DesignBuilder b;
  b.header().coordinateSystem = L"IGN-RGF93";
  const std::wstring chemin = (dossier / "L93.dgn").wstring();
  if (!b.save(chemin) || host::openActiveFile(chemin) != host::kSuccess) {
    state.SkipWithError("working drawing");
    return;
  }
  std::vector<host::Point3d> points;
  const auto n = static_cast<std::size_t>(state.range(0));
  for (std::size_t i = 0; i < n; ++i)
    points.push_back({650000000.0 + static_cast<double>(i) * 10.0, 6860000000.0 + static_cast<double>(i % 1000) * 10.0, 0});
  verprojection l93, wgs84;
  l93.cleSysteme = L"IGN-RGF93";
  wgs84.cleSysteme = L"EPSG:4326";
  std::size_t taille = 0;
  for (auto _ : state) {
    const std::wstring texte = coord_exporterPoints(points, 2, L"Tolvek", l93, wgs84);
    taille = texte.size();
    benchmark::DoNotOptimize(texte.data());
  }
  state.counters["caracteres"] = static_cast<double>(taille);
  host::resetModels();
  boost::filesystem::remove_all(dossier);
}
BENCHMARK(BM_ExporterPoints)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
