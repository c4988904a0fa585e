// The three steps of the network graph (nodes from cells, pieces from cables, connection of the
// ends, with the questions asked of the neighbours) on generated three-file networks of 5,000 to
// 40,000 pieces with their eight neighbours, two of them in Lambert 93: microseconds per piece of
// each step, node look-ups, scans and neighbour questions per piece, and the process's peak
// memory. The time per piece should stay nearly flat from one size to the next (n log n overall).
// The files are generated once into the temporary folder and reused by later runs, so that a run
// of one size in a process of its own (--benchmark_filter=/40000) measures only the graph in its
// peak memory.
#include <benchmark/benchmark.h>


#include <chrono>
#include <cstdlib>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/bench/mesures_bench.h"
#include "networks/reseau_compteurs.h"
#include "networks/reseau_graphe.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;

namespace {

// The files of one size under the temporary folder: the plan's EL2 file first, then its eight
// neighbours. Generated when one of them is missing.
std::vector<std::wstring> fichiers(int troncons) {
  const boost::filesystem::path racine =
      boost::filesystem::temp_directory_path() / ("reseau_graphe_bench_1_" + std::to_string(troncons));
  const std::wstring dossier = host::paths::fromNative(racine) + L"/";
  auto nom = [](int i) { return L"QRL-47-00193-01246-03-D-0" + std::to_wstring(i) + L".EL2"; };
  std::vector<std::wstring> chemins{dossier + nom(9)};
  for (int i = 0; i < 8; ++i) chemins.push_back(dossier + nom(i));
  bool complets = true;
  for (const std::wstring& c : chemins) complets = complets && boost::filesystem::exists(host::paths::toNative(c));
  if (complets) return chemins;
  boost::filesystem::create_directories(racine);
  chemins.clear();
  fx::DesignBuilder plan;
  pf::definirNiveaux(plan, nom(9));
  plan.header().coordinateSystem = L"RGF93.CC47";
  // Streets 20 m apart: the square's side grows with the square root of the pieces.
  const double cote = 20000.0 * std::sqrt(troncons / 4.0);
  const pf::ReseauGenere g = pf::ajouterReseauGenere(plan, 2, troncons, pf::uor({1354950, 6234000, 0}), cote, 11);
  chemins.push_back(dossier + nom(9));
  if (!pf::sauver(plan, chemins.back())) std::abort();
  std::vector<fx::DesignBuilder> voisins = pf::voisinsReseauGenere(2, g);
  for (std::size_t i = 0; i < voisins.size(); ++i) {
    chemins.push_back(dossier + nom(static_cast<int>(i)));
    if (!pf::sauver(voisins[i], chemins.back())) std::abort();
  }
  return chemins;
}

void BM_GrapheReseau(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<host::ModelRef> modeles;
  for (const std::wstring& chemin : fichiers(n)) {
    host::ModelRef m;
    if (host::openWorkFile(&m, nullptr, nullptr, chemin, L"", true) != host::kSuccess) std::abort();
    modeles.push_back(m);
  }
  verplaninfo plan;
  plan.type = 2;
  plan.masqueTheme = plan.masqueReseau = 62;
  plan.modelePrincipal = plan.modeleTheme = modeles.front();
  plan.projection.cleSysteme = L"RGF93.CC47";
  const std::vector<host::ModelRef> voisins(modeles.begin() + 1, modeles.end());

  using horloge = std::chrono::steady_clock;
  double cellules = 0, troncons = 0, relier = 0;
  res_compteurs compteurs;
  std::size_t pieces = 0;
  for (auto _ : state) {
    verreseau r;
    r.catalogueV2 = cable_listeAccessoires(1);
    r.catalogueV3 = cable_listeAccessoires(2);
    res_remettreCompteurs();
    const auto t0 = horloge::now();
    res_collecterCellulesReseau(r, plan);
    const auto t1 = horloge::now();
    res_collecterTroncons(r, plan);
    const auto t2 = horloge::now();
    res_relierTroncons(r, voisins, plan);
    const auto t3 = horloge::now();
    cellules += std::chrono::duration<double, std::micro>(t1 - t0).count();
    troncons += std::chrono::duration<double, std::micro>(t2 - t1).count();
    relier += std::chrono::duration<double, std::micro>(t3 - t2).count();
    compteurs = res_lireCompteurs();
    pieces = r.troncons.size();
    benchmark::DoNotOptimize(r.noeuds.data());
  }
  const double tours = static_cast<double>(state.iterations());
  const double p = static_cast<double>(pieces);
  state.counters["pieces"] = p;
  state.counters["us_cellules_par_piece"] = cellules / tours / p;
  state.counters["us_pieces_par_piece"] = troncons / tours / p;
  state.counters["us_relier_par_piece"] = relier / tours / p;
  state.counters["recherches_noeud_par_piece"] = static_cast<double>(compteurs.recherchesNoeud) / p;
  state.counters["scans_par_piece"] = static_cast<double>(compteurs.scans) / p;
  state.counters["questions_voisins_par_piece"] = static_cast<double>(compteurs.questionsVoisins) / p;
  state.counters["pic_Mo"] = picMegaoctets();
  state.SetComplexityN(n);
  for (host::ModelRef m : modeles) host::closeWorkFile(m);
}
BENCHMARK(BM_GrapheReseau)->Arg(5000)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
