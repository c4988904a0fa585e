// The one-file rule book over a generated one-file plan of 50,000 elements spread over the slots
// of its chain (cells of each slot's list, lines, shapes, texts and dimensions as each slot
// accepts, some of them off the standard): time per plan and per element, peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <random>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/niv_catalogues.h"
#include "standard/regle_v2.h"
#include "standard/regle_v2_table.h"

namespace fx = host::fixture;

namespace {

constexpr int kElements = 50'000;

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

const std::wstring& fichierPlan() {
  static const std::wstring f = [] {
    fx::DesignBuilder b;
    plan_fixture::definirNiveaux(b, L"44010450.109");
    const std::int32_t styles[] = {0, 1, b.lineStyle(L"ST_BT_CLA_V2"), b.lineStyle(L"ST_HTA_CLA")};
    const auto chaine = regle_chaineV2();
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> at(0, 140'000.0), petit(100, 5000);
    for (int i = 0; i < kElements; ++i) {
      const regle_slotV2& slot = chaine[static_cast<std::size_t>(i) % chaine.size()];
      const host::Point3d p{at(rng), at(rng), 0}, q{p.x + petit(rng), p.y + petit(rng), 0};
      fx::Spec s = fx::line(p, q);
      if ((slot.masque & 1) != 0 && i % 2 == 0) {
        const auto& c = slot.cellules[static_cast<std::size_t>(i / 2) % slot.cellules.size()];
        s = fx::cell(std::wstring(c.nom), p, {fx::rectangle(p, q), fx::line(p, q)}, 2.0);
      } else if ((slot.masque & 32) != 0) {
        s = fx::text(L"Texte " + std::to_wstring(i), p);
      } else if ((slot.masque & 64) != 0) {
        s = fx::dimension({p, q});
      } else if ((slot.masque & 16) != 0 && i % 3 == 0) {
        s = fx::rectangle(p, q);
      } else {
        s = fx::lineString({p, {q.x, p.y, 0}, q});
      }
      const std::wstring niveau(niv_catalogueV2()[slot.slot]);
      s.level(*b.file().levelId(niveau)).colour(static_cast<std::uint32_t>(i % 8)).style(styles[i % 4]);
      b.add(s);
    }
    const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "regle_v2_bench";
    boost::filesystem::create_directories(racine);
    const std::wstring c = host::paths::fromNative(racine) + L"/44010450.109";
    plan_fixture::sauver(b, c);
    return c;
  }();
  return f;
}

void BM_ElementsV2(benchmark::State& state) {
  host::ModelRef modele;
  host::openWorkFile(&modele, nullptr, nullptr, fichierPlan(), L"", true);
  verplanfichiers fichiers;
  fichiers.type = 1;
  fichiers.version = 1;
  verfichier& f = fichiers.fichiers[0];
  f.chemin = fichierPlan();
  f.role = rolePlanUnique;
  f.modele = modele;
  std::size_t erreurs = 0;
  for (auto _ : state) {
    std::vector<vererreur> e;
    ctrl_elementsV2(e, f, fichiers);
    erreurs = e.size();
    benchmark::DoNotOptimize(e.data());
  }
  host::closeWorkFile(modele);
  state.counters["elements"] = static_cast<double>(f.elements.size());
  state.counters["errors"] = static_cast<double>(erreurs);
  state.counters["per_element"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kElements, benchmark::Counter::kIsRate |
                                                                                  benchmark::Counter::kInvert);
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_ElementsV2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
