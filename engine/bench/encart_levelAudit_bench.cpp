// Step 15.4 on a network file of 50,000 elements, half of them new, with 20 insets: the time and
// the clips built per pass (the range test spares most elements). The LevelAudit run on a plan:
// the time, mostly two switches of the active design file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include <boost/filesystem.hpp>

#include "engine/ctrl_levelAudit.h"
#include "engine/encart.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/plan_etapes.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr int kElements = 50000;
constexpr int kEncarts = 20;

// The clean one-file plan with 20 inset squares of 4 m along its content and short lines at
// random over the content (fixed seed) up to 50,000 elements.
const std::wstring& planAvecEncarts() {
  static const std::wstring chemin = [] {
    const pf::PlanUnique plan = pf::planUnique();
    pf::PlanUniqueConstruit construit = pf::construire(plan);
    fx::DesignBuilder& b = construit.fichier;
    const Point3d bas = pf::etendueContenu(plan).low;
    const auto o = [&](double dx, double dy) { return pf::uor(bas + Point3d{dx, dy, 0}); };
    const host::LevelId habillage = *b.file().levelId(L"Cart+habillage");
    for (int i = 0; i < kEncarts; ++i) {
      const double x = 2.0 + 7.0 * i;
      b.add(fx::rectangle(o(x, 10), o(x + 4, 14)).level(habillage));
    }
    std::mt19937 hasard(42);
    std::uniform_real_distribution<double> x(0.5, 143.0), y(0.5, 37.0), taille(0.2, 1.5);
    const host::LevelId niveau = *b.file().levelId(L"Topo4Divers");
    for (int i = static_cast<int>(b.file().models[0].size()); i < kElements; ++i) {
      const double px = x(hasard), py = y(hasard), t = taille(hasard);
      b.add(fx::line(o(px, py), o(px + t, py + t / 2)).level(niveau));
    }
    const std::wstring c = L"bench_encarts/" + plan.nomFichier;
    if (!pf::sauver(b, c)) std::abort();
    return c;
  }();
  return chemin;
}

void BM_EtapeEncarts(benchmark::State& state) {
  host::ModelRef modele;
  if (host::openWorkFile(&modele, nullptr, nullptr, planAvecEncarts(), L"", true) != host::kSuccess) std::abort();
  verplaninfo plan;
  plan.type = 1;
  plan.modelePrincipal = plan.modeleTheme = modele;
  verfichier reseau;
  reseau.modele = modele;
  host::ScanCriteria tous;
  for (host::ElementId id : host::scan(modele, tous)) {
    verelement e;
    e.idElement = id;
    reseau.elements.push_back(e);
  }
  std::uint64_t clips = 0, remis = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (std::size_t i = 0; i < reseau.elements.size(); ++i) reseau.elements[i].etatControle = i % 2 == 0 ? 2 : 1;
    const std::uint64_t avant = encart_nombreClips();
    state.ResumeTiming();
    etape_encarts(plan, reseau);
    state.PauseTiming();
    clips = encart_nombreClips() - avant;
    remis = 0;
    for (std::size_t i = 0; i < reseau.elements.size(); i += 2) remis += reseau.elements[i].etatControle == 1 ? 1 : 0;
    state.ResumeTiming();
  }
  state.counters["elements"] = static_cast<double>(reseau.elements.size());
  state.counters["insets"] = static_cast<double>(plan.encarts.size());
  state.counters["clips"] = static_cast<double>(clips);
  state.counters["set_back_to_1"] = static_cast<double>(remis);
  host::closeWorkFile(modele);
}
BENCHMARK(BM_EtapeEncarts)->Unit(benchmark::kMillisecond);

// One LevelAudit run on the clean one-file plan, a working drawing active with its reference.
void BM_LevelAudit(benchmark::State& state) {
  const std::wstring& chemin = planAvecEncarts();
  boost::filesystem::create_directories("bench_levelaudit/tmp");
  ::setenv("TMPDIR", "bench_levelaudit/tmp", 1);
  fx::DesignBuilder dessin;
  dessin.add(fx::line({0, 0, 0}, {1000, 0, 0}));
  if (!pf::sauver(dessin, L"bench_levelaudit/dessin.dgn") ||
      host::openActiveFile(L"bench_levelaudit/dessin.dgn") != host::kSuccess)
    std::abort();
  host::ReferenceAttachment a;
  a.logicalName = L"VERIF";
  a.fileName = host::paths::fromNative(boost::filesystem::absolute(host::paths::toNative(chemin)));
  host::attachReference(host::activeModel(), a);
  std::int32_t resultat = 0;
  for (auto _ : state) benchmark::DoNotOptimize(resultat = ctrl_levelAudit(chemin));
  if (resultat != 0) std::abort();
  host::closeActiveFile();
}
BENCHMARK(BM_LevelAudit)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
