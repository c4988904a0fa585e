// The network display mask of a one-file plan (77 name look-ups) and of an electricity file (63),
// and the expected symbology of an uncertain PRC (two look-ups), against files holding every
// level of their catalogue.
#include <benchmark/benchmark.h>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_niveaux.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/niv_masque.h"
#include "standard/niv_symbologie.h"

namespace {

// A work file with the names, opened for the whole run.
host::ModelRef ouvrir(const std::vector<std::wstring>& noms, const std::string& nom) {
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "niv_masque_bench";
  boost::filesystem::create_directories(racine);
  const std::wstring c = host::paths::fromNative(racine / nom);
  host::fixture::DesignBuilder b;
  for (const auto& n : noms) b.level(n);
  plan_fixture::sauver(b, c);
  host::ModelRef m;
  host::openWorkFile(&m, nullptr, nullptr, c, L"", true);
  return m;
}

verplaninfo planDe(std::uint32_t type, std::uint32_t theme, host::ModelRef modele) {
  verplaninfo p;
  verplaninfo_construire(p);
  p.type = type;
  p.version = 1;
  p.masqueTheme = theme;
  p.modeleTheme = modele;
  return p;
}

void BM_MasqueUnFichier(benchmark::State& state) {
  static const host::ModelRef m = ouvrir(plan_fixture::niveauxPlanUnique(), "unique.dgn");
  const verplaninfo plan = planDe(1, 1984, m);
  for (auto _ : state) benchmark::DoNotOptimize(niv_masqueAffichage(65535, 65535, 15, 1, plan));
}
BENCHMARK(BM_MasqueUnFichier)->Unit(benchmark::kMicrosecond);

void BM_MasqueElectricite(benchmark::State& state) {
  static const host::ModelRef m = ouvrir(plan_fixture::niveauxEL2(), "plan.EL2");
  const verplaninfo plan = planDe(2, 62, m);
  for (auto _ : state) benchmark::DoNotOptimize(niv_masqueAffichage(65535, 65535, 15, 1, plan));
}
BENCHMARK(BM_MasqueElectricite)->Unit(benchmark::kMicrosecond);

void BM_SymbologieAttendue(benchmark::State& state) {
  static const host::ModelRef m = ouvrir(plan_fixture::niveauxPlanUnique(), "unique2.dgn");
  const verplaninfo plan = planDe(1, 1984, m);
  verclassement prc;
  prc.reseau = 1024;
  prc.etat = 4;
  versymbologie s;
  for (auto _ : state) benchmark::DoNotOptimize(niv_symbologieAttendue(s, prc, plan));
}
BENCHMARK(BM_SymbologieAttendue)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
