// The cable checks of the cable-topology stage on generated three-file electricity networks of
// 5,000 to 40,000 pieces (plan_fixture::ajouterReseauGenere, one cell per four pieces), every
// element new, the file itself standing as its previous version and no neighbour, so that each
// border end is looked for in the previous version: microseconds per piece of the accessory
// order (2062, 2063), the dangling ends (2061), the turn backs and confused vertices (2064, 2066)
// and the cables drawn over each other (2067), host scans per piece of the last two searches, the
// rows found (none: the network is clean) and the process's peak memory. The graph is built once,
// outside the timing. The files are generated once into the temporary folder and reused.
#include <benchmark/benchmark.h>


#include <chrono>
#include <cmath>
#include <cstdlib>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/bench/mesures_bench.h"
#include "networks/defauts_trace.h"
#include "networks/ordre_accessoires.h"
#include "networks/reseau_compteurs.h"
#include "networks/reseau_graphe.h"
#include "standard/element_table.h"
#include "standard/niv_reseaux.h"

namespace pf = plan_fixture;

namespace {

// The EL2 file of one size under the temporary folder, generated when missing.
std::wstring fichier(int troncons) {
  const boost::filesystem::path racine =
      boost::filesystem::temp_directory_path() / ("controles_cables_bench_" + std::to_string(troncons));
  const std::wstring chemin = host::paths::fromNative(racine) + L"/QRL-47-00193-01246-03-D-09.EL2";
  if (boost::filesystem::exists(host::paths::toNative(chemin))) return chemin;
  boost::filesystem::create_directories(racine);
  host::fixture::DesignBuilder plan;
  pf::definirNiveaux(plan, chemin);
  plan.header().coordinateSystem = L"RGF93.CC47";
  // Streets 20 m apart, as the graph's benchmark draws them.
  const double cote = 20000.0 * std::sqrt(troncons / 4.0);
  pf::ajouterReseauGenere(plan, 2, troncons, pf::uor({1354950, 6234000, 0}), cote, 11);
  if (!pf::sauver(plan, chemin)) std::abort();
  return chemin;
}

bool cableExamine(const verelement& e) {
  return (e.etatControle == 2 || e.etatControle == 3) && (e.classement.reseau == nr_BT || e.classement.reseau == nr_HTA);
}

void BM_ControlesCables(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::wstring chemin = fichier(n);
  host::ModelRef modele, precedent;
  if (host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true) != host::kSuccess ||
      host::openWorkFile(&precedent, nullptr, nullptr, chemin, L"", true) != host::kSuccess)
    std::abort();
  verplaninfo plan;
  plan.type = 2;
  plan.masqueTheme = plan.masqueReseau = 62;
  plan.modelePrincipal = plan.modeleTheme = modele;
  plan.projection.cleSysteme = L"RGF93.CC47";
  verfichier f;
  f.existe = true;
  f.chemin = chemin;
  f.nomFichier = L"QRL-47-00193-01246-03-D-09.EL2";
  f.role = roleElectricite;
  f.modele = modele;
  element_construireTable(f);
  for (verelement& e : f.elements) e.etatControle = 2;
  verreseau r;
  tol_initialiser(r.tolerances);
  r.catalogueV2 = cable_listeAccessoires(1);
  r.catalogueV3 = cable_listeAccessoires(2);
  res_collecterCellulesReseau(r, plan);
  res_collecterTroncons(r, plan);
  res_relierTroncons(r, {}, plan);

  using horloge = std::chrono::steady_clock;
  auto us = [](horloge::time_point a, horloge::time_point b) { return std::chrono::duration<double, std::micro>(b - a).count(); };
  double ordre = 0, bouts = 0, traces = 0, superposes = 0;
  std::uint64_t scansBouts = 0, scansSuperposes = 0;
  std::size_t lignes = 0;
  const std::vector<host::ModelRef> voisins;
  for (auto _ : state) {
    std::vector<vererreur> erreurs;
    const auto t0 = horloge::now();
    cable_controlerOrdreAccessoires(erreurs, r, f, plan);
    const auto t1 = horloge::now();
    res_remettreCompteurs();
    for (const vertroncon& t : r.troncons) {
      const std::int32_t i = element_rechercherParId(f.elements, t.idElement);
      if (i < 0 || !cableExamine(f.elements[static_cast<std::size_t>(i)])) continue;
      const verelement& e = f.elements[static_cast<std::size_t>(i)];
      cable_controlerBoutPendant(erreurs, e, 1, t.noeudDebut, r, f, precedent, voisins);
      cable_controlerBoutPendant(erreurs, e, 0, t.noeudFin, r, f, precedent, voisins);
    }
    scansBouts = res_lireCompteurs().scans;
    const auto t2 = horloge::now();
    cable_controlerAllerRetour(erreurs, r.tolerances[21], r.tolerances[12], f);
    cable_controlerSommetsConfondus(erreurs, r.tolerances[12], f);
    const auto t3 = horloge::now();
    res_remettreCompteurs();
    for (const verelement& e : f.elements)
      if (cableExamine(e) && e.classement.contenu == cn_Lignes && e.classement.etat != er_Abandonne)
        cable_controlerCablesSuperposes(erreurs, e, r.tolerances[12], f, plan);
    scansSuperposes = res_lireCompteurs().scans;
    const auto t4 = horloge::now();
    ordre += us(t0, t1);
    bouts += us(t1, t2);
    traces += us(t2, t3);
    superposes += us(t3, t4);
    lignes = erreurs.size();
    benchmark::DoNotOptimize(erreurs.data());
  }
  const double tours = static_cast<double>(state.iterations());
  const double p = static_cast<double>(r.troncons.size());
  state.counters["pieces"] = p;
  state.counters["us_ordre_par_piece"] = ordre / tours / p;
  state.counters["us_bouts_par_piece"] = bouts / tours / p;
  state.counters["us_2064_2066_par_piece"] = traces / tours / p;
  state.counters["us_2067_par_piece"] = superposes / tours / p;
  state.counters["scans_bouts_par_piece"] = static_cast<double>(scansBouts) / p;
  state.counters["scans_2067_par_piece"] = static_cast<double>(scansSuperposes) / p;
  state.counters["lignes"] = static_cast<double>(lignes);
  state.counters["pic_Mo"] = picMegaoctets();
  state.SetComplexityN(n);
  host::closeWorkFile(precedent);
  host::closeWorkFile(modele);
}
BENCHMARK(BM_ControlesCables)->Arg(5000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
