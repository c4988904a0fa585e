// The network checks over generated electricity files of 5,000 to 40,000 elements: the street-grid
// network of the graph's benchmark (plan_fixture::ajouterReseauGenere, half the elements in
// pieces with their joints) grown with network groups over the same ground (flags, grouped cables
// with their texts, substations with their nodes, protections: plan_fixture::
// ajouterGroupesGeneres, the other half). Per call, and per element, of the length search without
// and with a clip, of 10,000 searches of the lines near a point, of the substation collection, of
// the flag stage (groups collected, marked, checked, their texts compared) and of a title block's
// network dates; the process's peak memory. Each figure's growth is fitted against n log n.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/fixture/plan_fixture_groupes.h"
#include "engine/plan_etapes.h"
#include "engine/vercontexte.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/bench/mesures_bench.h"
#include "networks/drapeaux.h"
#include "networks/groupes_graphiques.h"
#include "networks/postes.h"
#include "networks/recherches_reseau.h"
#include "networks/texte_symbologie.h"
#include "standard/element_table.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr int kRecherches = 10'000;
constexpr double kDistance = 1000.0;  // UORs: 1 m

// One generated electricity file, open for the whole run, with its plan record, its element table
// (every element examined) and a clip shape over the left half of its blocks.
struct Fichier {
  verplaninfo plan;
  verfichier fichier;
  host::ElementId clip = 0;
  host::Range3d etendue;
  int elements = 0;  // drawn, the clip left out
};

const Fichier& fichier(int n) {
  static std::map<int, Fichier> fichiers;
  auto it = fichiers.find(n);
  if (it != fichiers.end()) return it->second;
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "reseau_bench";
  boost::filesystem::create_directories(racine);
  const std::wstring chemin = host::paths::fromNative(racine) + L"/G" + std::to_wstring(n) + L".EL2";
  fx::DesignBuilder b;
  plan_fixture::definirNiveaux(b, chemin);
  // Streets 20 m apart, as the graph's benchmark draws them; the groups from the same corner.
  const int troncons = n / 2;
  plan_fixture::ajouterReseauGenere(b, 2, troncons, {0, 0, 0}, 20'000.0 * std::sqrt(troncons / 4.0), 11);
  plan_fixture::ajouterGroupesGeneres(b, n - static_cast<int>(b.file().models.front().size()), {0, 0, 0});
  Fichier f;
  f.elements = static_cast<int>(b.file().models.front().size());
  for (const host::Element* e : b.file().models.front().elements()) f.etendue.extend(host::elementRange(*e));
  const Point3d milieu = f.etendue.centre();
  f.clip = b.add(fx::rectangle(f.etendue.low - Point3d{1, 1, 0}, {milieu.x, f.etendue.high.y + 1, 0})
                     .level(b.level(L"EncartsBT")));
  plan_fixture::sauver(b, chemin);
  host::ModelRef modele;
  host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true);
  f.fichier.existe = true;
  f.fichier.chemin = chemin;
  f.fichier.role = roleElectricite;
  f.fichier.modele = modele;
  element_construireTable(f.fichier);
  for (verelement& e : f.fichier.elements) e.etatControle = 2;
  verplaninfo_construire(f.plan);
  f.plan.type = 2;
  f.plan.version = 1;
  f.plan.masqueTheme = f.plan.masqueReseau = 62;
  f.plan.modeleTheme = f.plan.modelePrincipal = modele;
  return fichiers.emplace(n, std::move(f)).first->second;
}

// 5,000 to 40,000 elements, fitted against n log n.
void tailles(benchmark::internal::Benchmark* b) {
  for (const int n : {5'000, 10'000, 20'000, 40'000}) b->Arg(n);
  b->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
}

void BM_LongueursSansClip(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Fichier& f = fichier(n);
  for (auto _ : state) benchmark::DoNotOptimize(res_elementsDansClip(f.plan, host::ElementHandle()));
  compter(state, f.elements);
}
BENCHMARK(BM_LongueursSansClip)->Apply(tailles);

void BM_LongueursAvecClip(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Fichier& f = fichier(n);
  const host::ElementHandle clip(f.clip, f.plan.modeleTheme);
  for (auto _ : state) benchmark::DoNotOptimize(res_elementsDansClip(f.plan, clip));
  compter(state, f.elements);
}
BENCHMARK(BM_LongueursAvecClip)->Apply(tailles);

// 10,000 searches at points spread over the file, the mask built once.
void BM_LeLongChemin(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Fichier& f = fichier(n);
  const host::LevelMask masque = res_masqueLignes(62, f.plan);
  std::vector<verproximite> proches;
  const double dx = (f.etendue.high.x - f.etendue.low.x) / 100.0, dy = (f.etendue.high.y - f.etendue.low.y) / 100.0;
  std::size_t trouves = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRecherches; ++i) {
      const Point3d p = f.etendue.low + Point3d{(i % 100) * dx, (i / 100) * dy, 0};
      res_elementsLeLongChemin(proches, p, kDistance, masque, f.plan);
      trouves += proches.size();
    }
  }
  state.SetComplexityN(f.elements);
  state.counters["per_search"] =
      benchmark::Counter(kRecherches, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["found_per_search"] = static_cast<double>(trouves) / static_cast<double>(state.iterations()) / kRecherches;
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_LeLongChemin)->Apply(tailles);

void BM_CollecterPostes(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Fichier& f = fichier(n);
  std::vector<verposte> postes;
  for (auto _ : state) {
    poste_collecterPostes(postes, f.plan);
    benchmark::DoNotOptimize(postes.data());
  }
  state.counters["substations"] = static_cast<double>(postes.size());
  compter(state, f.elements);
}
BENCHMARK(BM_CollecterPostes)->Apply(tailles);

// The driver's flag stage: the groups collected, marked, checked and their texts compared.
void BM_EtapeDrapeaux(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Fichier& f = fichier(n);
  vercontexte contexte;
  std::size_t groupes = 0, erreurs = 0;
  for (auto _ : state) {
    std::vector<verdrapeau> d = drap_collecterDrapeaux(f.plan);
    drap_marquerAControler(d, f.fichier);
    std::vector<vererreur> e;
    ctrl_groupesGraphiques(e, d, f.fichier, f.plan);
    ctrl_texteSymbologie(e, contexte, d, f.fichier);
    groupes = d.size();
    erreurs = e.size();
  }
  state.counters["groups"] = static_cast<double>(groupes);
  state.counters["errors"] = static_cast<double>(erreurs);
  compter(state, f.elements);
}
BENCHMARK(BM_EtapeDrapeaux)->Apply(tailles);

// The network dates of one identification cell against the lines drawn.
void BM_DatesReseaux(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Fichier& f = fichier(n);
  const std::vector<std::pair<std::wstring, std::wstring>> dates = {
      {L"HTA", L"15/03/2024"}, {L"BT", L"15/03/2024"}, {L"TLR", L""}, {L"TLC", L""}};
  std::size_t erreurs = 0;
  for (auto _ : state) {
    std::vector<vererreur> e;
    etape_datesReseaux(e, f.fichier, 0, f.plan, dates);
    erreurs = e.size();
  }
  state.counters["errors"] = static_cast<double>(erreurs);
  compter(state, f.elements);
}
BENCHMARK(BM_DatesReseaux)->Apply(tailles);

}  // namespace

BENCHMARK_MAIN();
