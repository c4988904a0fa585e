// Both passes of the PTRL group checks on generated three-file electricity files of 5,000 to
// 20,000 network pieces with 500 to 4,000 PTR cells (a fifth of them PTRLA and PTRLAS pairs on
// one spot, the others PTRL and PTRLA cells, each grouped with an altitude and a number text;
// three in five over a network line):
// microseconds per PTR cell and per element of the file, and the process's peak memory. The time
// per PTR cell should stay nearly flat as the cells and the network grow (n log n overall). The
// files are generated once into the temporary folder and reused by later runs.
#include <benchmark/benchmark.h>


#include <chrono>
#include <cstdlib>
#include <random>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/fixture/plan_fixture_ptr.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/bench/mesures_bench.h"
#include "networks/groupes_ptrl.h"
#include "standard/element_table.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;

namespace {

// The EL2 file of one size under the temporary folder, generated when missing.
std::wstring fichier(int troncons, int ptrs) {
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() /
                                         ("ptrl_bench_2_" + std::to_string(troncons) + "_" + std::to_string(ptrs));
  const std::wstring nom = L"QRL-47-00193-01246-03-D-09.EL2";
  const std::wstring chemin = host::paths::fromNative(racine) + L"/" + nom;
  if (boost::filesystem::exists(host::paths::toNative(chemin))) return chemin;
  boost::filesystem::create_directories(racine);
  fx::DesignBuilder b;
  pf::definirNiveaux(b, nom);
  b.header().coordinateSystem = L"RGF93.CC47";
  const double cote = 20000.0 * std::sqrt(troncons / 4.0);
  const Point3d coin = pf::uor({1354950, 6234000, 0});
  pf::ajouterReseauGenere(b, 2, troncons, coin, cote, 11);
  // Points on the network's straight pieces: the middles of their first segments.
  std::vector<Point3d> surLignes;
  for (const host::Element* e : b.file().models.front().elements())
    if ((e->type == host::ElementType::Line || e->type == host::ElementType::LineString) && e->points.size() >= 2)
      surLignes.push_back((e->points[0] + e->points[1]) * 0.5);
  const host::LevelId ptrl = b.level(L"PTRL+TxtEle");
  const host::LevelId echanges = b.level(L"CellulesEchanges");
  std::mt19937 aleas(7);
  std::uniform_real_distribution<double> u(0.0, cote);
  std::uint32_t groupe = 1;
  auto texte = [&](const wchar_t* s, Point3d o, host::LevelId niveau, std::uint32_t g) {
    b.add(fx::text(s, o, 400, 280, L"INTL_ENGINEERING").level(niveau).group(g));
  };
  for (int i = 0; i < ptrs;) {
    // Three in five over a network line, the others anywhere.
    const Point3d o = i % 5 < 3 && !surLignes.empty() ? surLignes[aleas() % surLignes.size()]
                                                       : coin + Point3d{u(aleas), u(aleas), 0};
    const bool paire = i % 5 == 0 && i + 1 < ptrs;
    const wchar_t* nom1 = paire ? L"ERPTA" : (i % 2 == 0 ? L"ERPTRL" : L"ERPTA");
    b.add(pf::cellulePTR(nom1, o, 1000, 2.0).level(ptrl).group(groupe));
    texte(L"Z = 12.50", o + Point3d{1500, 500, 0}, ptrl, groupe);
    texte(L"(12)", o + Point3d{1500, -1000, 0}, ptrl, groupe);
    ++groupe, ++i;
    if (!paire) continue;
    b.add(pf::cellulePTR(L"ERPTAS", o, 1000, 2.0).level(echanges).group(groupe));
    texte(L"Z = 12.40", o + Point3d{-2500, 500, 0}, echanges, groupe);
    ++groupe, ++i;
  }
  if (!pf::sauver(b, chemin)) std::abort();
  return chemin;
}

void BM_GroupesPTRL(benchmark::State& state) {
  const int troncons = static_cast<int>(state.range(0));
  const int ptrs = static_cast<int>(state.range(1));
  verplanfichiers fs;
  fs.type = 2;
  fs.version = 1;
  verfichier& el2 = fs.fichiers[1];
  el2.existe = true;
  el2.role = roleElectricite;
  el2.chemin = fichier(troncons, ptrs);
  if (host::openWorkFile(&el2.modele, nullptr, nullptr, el2.chemin, L"", true) != host::kSuccess) std::abort();
  element_construireTable(el2);
  for (verelement& e : el2.elements) e.etatControle = 2;

  using horloge = std::chrono::steady_clock;
  double passe1 = 0, passe2 = 0;
  std::size_t erreurs1 = 0, erreurs2 = 0;
  for (auto _ : state) {
    std::vector<vererreur> erreurs;
    const auto t0 = horloge::now();
    ctrl_groupesPTRL(erreurs, fs, 1);
    const auto t1 = horloge::now();
    erreurs1 = erreurs.size();
    ctrl_groupesPTRL(erreurs, fs, 2);
    const auto t2 = horloge::now();
    erreurs2 = erreurs.size() - erreurs1;
    passe1 += std::chrono::duration<double, std::micro>(t1 - t0).count();
    passe2 += std::chrono::duration<double, std::micro>(t2 - t1).count();
    benchmark::DoNotOptimize(erreurs.data());
  }
  const double tours = static_cast<double>(state.iterations());
  const double n = static_cast<double>(ptrs), elements = static_cast<double>(el2.elements.size());
  state.counters["elements"] = elements;
  state.counters["us_passe1_par_ptr"] = passe1 / tours / n;
  state.counters["us_passe2_par_ptr"] = passe2 / tours / n;
  state.counters["us_passe1_par_element"] = passe1 / tours / elements;
  state.counters["us_passe2_par_element"] = passe2 / tours / elements;
  state.counters["erreurs_passe1"] = static_cast<double>(erreurs1);
  state.counters["erreurs_passe2"] = static_cast<double>(erreurs2);
  state.counters["pic_Mo"] = picMegaoctets();
  host::closeWorkFile(el2.modele);
}
BENCHMARK(BM_GroupesPTRL)
    ->Args({5000, 500})
    ->Args({5000, 4000})
    ->Args({10000, 1000})
    ->Args({20000, 2000})
    ->Args({20000, 4000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
