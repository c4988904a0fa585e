// The raccord collection and the node check on the plan's limit over generated plans of 5,000 to
// 20,000 network elements (the street-grid network of the graph's benchmark,
// plan_fixture::ajouterReseauGenere) with 200 labelled RACRIV cells along the square's sides and
// 5,000 node cells over the ground, one in ten on a raccord line. One-file plans for both; the
// three-file check too, its outline read from the frame of the clean three-file plan whose sheet
// the network fills. Per call and per element, with the process's peak memory; each figure's
// growth is fitted against n log n.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <numbers>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/bench/mesures_bench.h"
#include "networks/noeud_topo_limite.h"
#include "networks/raccords.h"
#include "standard/element_table.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr int kRaccords = 200;
constexpr int kNoeuds = 5'000;

// A generated plan file open for the whole run, with its file set (the element table built).
struct Plan {
  verplanfichiers fichiers;
  host::ModelRef modele;
  int elements = 0;
};

// The network, the raccords and the nodes in the square of side `cote` from `coin` (UORs).
void dessiner(fx::DesignBuilder& b, std::uint32_t type, int n, const Point3d& coin, double* cote) {
  const int troncons = n * 4 / 5;
  *cote = 20'000.0 * std::sqrt(troncons / 4.0);
  plan_fixture::ajouterReseauGenere(b, type, troncons, coin, *cote, 11);
  const host::LevelId raccords = b.level(L"RaccordsVoies"), divers = b.level(L"Topo4Divers");
  const host::LevelId noeuds = b.level(type == 1 ? L"R\u00e9seauBT" : L"AccNonAffBT");
  // 50 raccords a side, each labelled by a parallel text 1 m inside.
  const double pas = *cote / (kRaccords / 4);
  for (int i = 0; i < kRaccords; ++i) {
    const int cote4 = i % 4;
    const double t = (i / 4) * pas;
    const double angle = cote4 % 2 == 0 ? 0.0 : std::numbers::pi / 2;
    const Point3d debut = cote4 == 0 ? coin + Point3d{t, 0, 0}
                        : cote4 == 1 ? coin + Point3d{*cote, t, 0}
                        : cote4 == 2 ? coin + Point3d{t, *cote, 0}
                                     : coin + Point3d{0, t, 0};
    const Point3d dedans = cote4 == 0 ? Point3d{0, 1000, 0} : cote4 == 1 ? Point3d{-1000, 0, 0}
                         : cote4 == 2 ? Point3d{0, -1000, 0} : Point3d{1000, 0, 0};
    b.add(fx::cell(L"RACRIV", debut, {fx::line(debut, debut + Point3d{pas * 0.9, 0, 0})}).angle(angle).level(raccords));
    b.add(fx::text(L"44109045002", debut + dedans, 400, 280).angle(angle).level(divers));
  }
  // Nodes on a lattice over the square, every tenth moved onto the south side.
  const int parLigne = static_cast<int>(std::ceil(std::sqrt(kNoeuds)));
  for (int i = 0; i < kNoeuds; ++i) {
    Point3d o = coin + Point3d{(i % parLigne + 0.5) * *cote / parLigne, (i / parLigne + 0.5) * *cote / parLigne, 0};
    if (i % 10 == 0) o.y = coin.y + 0.5;
    b.add(fx::cell(L"1RNEUD", o, {fx::rectangle(o - Point3d{300, 300, 0}, o + Point3d{300, 300, 0})}, 2.0).level(noeuds));
  }
}

boost::filesystem::path dossier() {
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "noeud_limite_bench";
  boost::filesystem::create_directories(racine);
  return racine;
}

Plan ouvrir(const fx::DesignBuilder& b, const std::wstring& chemin, std::uint32_t role, verplanfichiers fichiers) {
  Plan p;
  plan_fixture::sauver(b, chemin);
  host::openWorkFile(&p.modele, nullptr, nullptr, chemin, L"", true);
  verfichier& f = fichiers.fichiers[role == rolePlanUnique ? 0 : 1];
  f.existe = true;
  f.chemin = chemin;
  f.nomFichier = host::paths::fromNative(boost::filesystem::path(host::paths::toNative(chemin)).filename());
  f.role = role;
  f.modele = p.modele;
  element_construireTable(f);
  p.fichiers = std::move(fichiers);
  p.elements = static_cast<int>(b.file().models.front().size());
  return p;
}

const Plan& unFichier(int n) {
  static std::map<int, Plan> plans;
  if (auto it = plans.find(n); it != plans.end()) return it->second;
  fx::DesignBuilder b;
  const std::wstring chemin = host::paths::fromNative(dossier()) + L"/G" + std::to_wstring(n) + L".DGN";
  plan_fixture::definirNiveaux(b, chemin);
  double cote = 0;
  dessiner(b, 1, n, {0, 0, 0}, &cote);
  verplanfichiers v;
  v.type = 1;
  v.version = 1;
  return plans.emplace(n, ouvrir(b, chemin, rolePlanUnique, v)).first->second;
}

// The clean three-file plan's background (its frame) with the network drawn from the sheet's
// lower-left corner in a file of its own.
const Plan& troisFichiers(int n) {
  static std::map<int, Plan> plans;
  if (auto it = plans.find(n); it != plans.end()) return it->second;
  const plan_fixture::PlanTroisFichiers p = plan_fixture::planTroisFichiers();
  const std::wstring rep = host::paths::fromNative(dossier()) + L"/T" + std::to_wstring(n);
  const plan_fixture::CheminsTroisFichiers chemins = plan_fixture::enregistrer(p, rep);
  fx::DesignBuilder b;
  plan_fixture::definirNiveaux(b, chemins.el2);
  double cote = 0;
  dessiner(b, 2, n, plan_fixture::uor(p.contour.front()), &cote);
  verplanfichiers v;
  v.type = 2;
  v.version = 1;
  v.fichiers[0].existe = true;
  v.fichiers[0].chemin = chemins.fp2;
  return plans.emplace(n, ouvrir(b, chemins.el2, roleElectricite, v)).first->second;
}

void tailles(benchmark::internal::Benchmark* b) {
  for (const int n : {5'000, 10'000, 20'000}) b->Arg(n);
  b->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
}

void BM_CollecterRaccords(benchmark::State& state) {
  const Plan& p = unFichier(static_cast<int>(state.range(0)));
  vertolerances t;
  tol_initialiser(t);
  std::vector<verraccord> r;
  for (auto _ : state) {
    rac_collecterRaccords(r, p.modele, t);
    benchmark::DoNotOptimize(r.data());
  }
  std::size_t lies = 0;
  for (const verraccord& x : r) lies += static_cast<std::size_t>(x.lie);
  state.counters["raccords"] = static_cast<double>(r.size());
  state.counters["linked"] = static_cast<double>(lies);
  compter(state, p.elements);
}
BENCHMARK(BM_CollecterRaccords)->Apply(tailles);

void noeuds(benchmark::State& state, const Plan& p) {
  std::size_t trouves = 0;
  for (auto _ : state) {
    std::vector<vererreur> e;
    ctrl_noeudTopoSurLimite(e, p.fichiers);
    trouves = e.size();
  }
  state.counters["errors"] = static_cast<double>(trouves);
  compter(state, p.elements);
}

void BM_NoeudTopoSurLimiteUnFichier(benchmark::State& state) { noeuds(state, unFichier(static_cast<int>(state.range(0)))); }
BENCHMARK(BM_NoeudTopoSurLimiteUnFichier)->Apply(tailles);

void BM_NoeudTopoSurLimiteTroisFichiers(benchmark::State& state) {
  noeuds(state, troisFichiers(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_NoeudTopoSurLimiteTroisFichiers)->Apply(tailles);

}  // namespace

BENCHMARK_MAIN();
