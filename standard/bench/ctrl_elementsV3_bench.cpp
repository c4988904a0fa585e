// The background driver over a generated FP2 file of 30,000 elements spread over the levels of
// its catalogue (cells, lines, line strings, shapes, arcs, texts, dimensions, in the standard's
// colours or not), and the three drivers over a generated three-file plan of 3 x 20,000 elements:
// time per run, per element, errors found and the process's peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/fixture/plan_fixture_niveaux.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/ctrl_elementsV3.h"

namespace fx = host::fixture;

namespace {

constexpr int kElements = 30'000;

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// A generated file of the plan's given name, saved once under the temporary folder.
std::wstring generer(const std::wstring& nom, const std::vector<std::wstring>& niveaux,
                     const std::vector<std::wstring>& cellules, const std::vector<std::wstring>& styles, int nombre) {
  fx::DesignBuilder b;
  plan_fixture::definirNiveaux(b, nom);
  plan_fixture::ajouterElementsGeneres(b, niveaux, cellules, styles, nombre, {0, 0, 0}, 140'000.0, 11);
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "ctrl_elementsV3_bench";
  boost::filesystem::create_directories(racine);
  const std::wstring c = host::paths::fromNative(racine) + L"/" + nom;
  plan_fixture::sauver(b, c);
  return c;
}

const std::vector<std::wstring> cellulesFond = {L"FARBRE", L"RACSEC", L"FSPIT", L"EFCO", L"RFCLE", L"", L"PT", L"XYZ"};
const std::vector<std::wstring> stylesFond = {L"ST_FDP_LCHAUS", L"ST_EAU", L"ST_FDP_HAIED"};

const std::wstring& fichierFond() {
  static const std::wstring f = generer(L"fond.FP2", plan_fixture::niveauxFP2(), cellulesFond, stylesFond, kElements);
  return f;
}

void BM_ControlerFond(benchmark::State& state) {
  host::ModelRef modele;
  host::openWorkFile(&modele, nullptr, nullptr, fichierFond(), L"", true);
  verfichier f;
  f.modele = modele;
  f.role = roleFond;
  f.nomFichier = L"fond.FP2";
  verplanfichiers fichiers;
  fichiers.version = 1;
  std::size_t erreurs = 0;
  for (auto _ : state) {
    std::vector<vererreur> liste;
    ctrl_elementsFdpV3(liste, f, fichiers);
    erreurs = liste.size();
    benchmark::DoNotOptimize(liste.data());
  }
  host::closeWorkFile(modele);
  state.counters["elements"] = static_cast<double>(f.elements.size());
  state.counters["per_element"] =
      benchmark::Counter(static_cast<double>(f.elements.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                     benchmark::Counter::kInvert);
  state.counters["errors"] = static_cast<double>(erreurs);
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_ControlerFond)->Unit(benchmark::kMillisecond);

// The three files of a plan, 20,000 elements each over every level of their catalogues, through
// their three drivers.
constexpr int kElementsParFichier = 20'000;

void BM_ControlerTroisFichiers(benchmark::State& state) {
  static const std::wstring chemins[3] = {
      generer(L"plan.FP2", plan_fixture::niveauxFP2(), cellulesFond, stylesFond, kElementsParFichier),
      generer(L"plan.EL2", plan_fixture::niveauxEL2(),
              {L"1RJONC", L"1RCO", L"ERPTAS", L"DRAP3", L"", L"PT", L"EAR2AB", L"XYZ", L"IDELE", L"ERPTRC", L"2RARMO", L"CRCO"},
              {L"ST_BT_CLA_V3", L"ST_HTA", L"ST_PROT_TERRE"}, kElementsParFichier),
      generer(L"plan.AR2", plan_fixture::niveauxAR2(),
              {L"ERJONC", L"VRTELE", L"ARPTRL", L"", L"PT", L"EAR2AB", L"XYZ", L"ARPTRC"}, {L"ST_EP", L"ST_VDC", L"ST_ABAND"},
              kElementsParFichier),
  };
  const std::uint32_t roles[3] = {roleFond, roleElectricite, roleAutres};
  verplanfichiers fichiers;
  fichiers.version = 1;
  for (std::size_t i = 0; i < 3; ++i) {
    host::openWorkFile(&fichiers.fichiers[i].modele, nullptr, nullptr, chemins[i], L"", true);
    fichiers.fichiers[i].role = roles[i];
  }
  std::size_t erreurs = 0, elements = 0;
  for (auto _ : state) {
    std::vector<vererreur> liste;
    ctrl_elementsFdpV3(liste, fichiers.fichiers[0], fichiers);
    ctrl_elementsElecV3(liste, fichiers.fichiers[1], fichiers);
    ctrl_elementsAutreV3(liste, fichiers.fichiers[2], fichiers);
    erreurs = liste.size();
    benchmark::DoNotOptimize(liste.data());
  }
  for (verfichier& f : fichiers.fichiers) {
    elements += f.elements.size();
    host::closeWorkFile(f.modele);
  }
  state.counters["elements"] = static_cast<double>(elements);
  state.counters["per_element"] = benchmark::Counter(static_cast<double>(elements),
                                                     benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["errors"] = static_cast<double>(erreurs);
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_ControlerTroisFichiers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
