// The footprint of a one-file plan of 50,000 elements: the whole call (opening the file, reading
// the frame, fitting the four sides, closing), and the fitting alone on an open model.
#include <benchmark/benchmark.h>

#include <random>

#include "engine/emprise_polygone.h"
#include "engine/fixture/plan_fixture.h"
#include "titleblock/cart_cadre.h"
#include "toolbox/stb_elem.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr int kElements = 50000;

// The clean plan filled up to 50,000 elements inside its useful area, on the fitting's levels:
// lines, shapes, texts and small cells, placed at random (fixed seed).
const std::wstring& planCharge() {
  static const std::wstring chemin = [] {
    const pf::PlanUnique plan = pf::planUnique();
    pf::PlanUniqueConstruit construit = pf::construire(plan);
    fx::DesignBuilder& b = construit.fichier;
    std::mt19937 hasard(42);
    std::uniform_real_distribution<double> x(10.0, 150.0), y(-40.0, -6.0), taille(0.2, 3.0);
    std::uniform_int_distribution<int> niveau(2, 44), sorte(0, 19);
    const auto o = [&](double dx, double dy) { return pf::uor(plan.origineCadre + Point3d{dx, dy, 0}); };
    for (int i = static_cast<int>(b.file().models[0].size()); i < kElements; ++i) {
      const double px = x(hasard), py = y(hasard), t = taille(hasard);
      const int s = sorte(hasard);
      const int n = niveau(hasard);
      const host::LevelId l = static_cast<host::LevelId>(n == 5 ? 6 : n);  // level 5 is not fitted to
      if (s < 12) b.add(fx::line(o(px, py), o(px + t, py + t / 2)).level(l));
      else if (s < 16) b.add(fx::shape({o(px, py), o(px + t, py), o(px + t, py + t), o(px, py + t)}).level(l));
      else if (s < 19) b.add(fx::text(L"Texte", o(px, py)).level(l));
      else b.add(fx::cell(L"ARBRE", o(px, py), {fx::line(o(px, py), o(px + t, py)), fx::line(o(px, py), o(px, py + t))}).level(l));
    }
    const std::wstring c = L"bench_emprise/" + plan.nomFichier;
    if (!pf::sauver(b, c)) std::abort();
    return c;
  }();
  return chemin;
}

void BM_CalculerPolygone(benchmark::State& state) {
  const std::wstring& chemin = planCharge();
  for (auto _ : state) {
    std::vector<Point3d> polygone;
    if (emprise_calculerPolygone(polygone, chemin) != 0) state.SkipWithError("no footprint");
    benchmark::DoNotOptimize(polygone);
  }
}
BENCHMARK(BM_CalculerPolygone)->Unit(benchmark::kMillisecond);

void BM_AjusterCotes(benchmark::State& state) {
  host::ModelRef modele;
  if (host::openWorkFile(&modele, nullptr, nullptr, planCharge(), L"", true) != host::kSuccess) {
    state.SkipWithError("cannot open");
    return;
  }
  std::uint64_t idCadre = 0;
  cart_lireCadre(nullptr, nullptr, nullptr, nullptr, &idCadre, nullptr, modele);
  std::vector<Point3d> contour;
  stbElem_contourCellule(contour, host::ElementHandle(idCadre, modele));
  const host::LevelMask masque = emprise_masqueNiveaux();
  for (auto _ : state) {
    Point3d a = contour[0], c = contour[2];
    emprise_ajusterCotes(a, c, 0.0, modele, masque);
    benchmark::DoNotOptimize(a);
  }
  state.counters["elements"] = static_cast<double>(host::model(modele)->size());
  host::closeWorkFile(modele);
}
BENCHMARK(BM_AjusterCotes)->Unit(benchmark::kMillisecond);

void BM_OuvrirFermer(benchmark::State& state) {
  const std::wstring& chemin = planCharge();
  for (auto _ : state) {
    host::ModelRef modele;
    host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true);
    host::closeWorkFile(modele);
  }
}
BENCHMARK(BM_OuvrirFermer)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
