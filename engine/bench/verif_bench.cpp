// The application's main path over a generated folder: verif_initialiserDossier, then
// verif_verifierListePlan over 100 one-file plans of 20,000 drawn elements each (the clean
// fixture plan with its content grown). Counters: time per plan, the process's peak memory, the
// design files read and parsed and the folders listed per plan (each run starts with no file
// loaded; reads and parses also for the set-up and the verification apart), and beside it the
// time of loading the 100 design files once, to weigh the checks against it.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <numeric>
#include <random>
#include <thread>

#include "engine/fixture/plan_fixture.h"
#include "engine/halvorn.h"
#include "host/config.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/views.h"
#include "toolbox/stb_dgn.h"

namespace fs = std::filesystem;
namespace fx = host::fixture;

namespace {

constexpr int kPlans = 100;
constexpr int kElements = 20'000;

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The delivery folder, written once: one plan built, saved under 100 names.
const fs::path& dossier() {
  static const fs::path d = [] {
    const fs::path racine = fs::temp_directory_path() / "verif_bench";
    fs::remove_all(racine);
    const fs::path livre = racine / "LIVRAISON" / "Livre";
    fs::create_directories(livre);
    plan_fixture::ecrireParametres((racine / "Parametres").wstring());
    const auto plan = plan_fixture::planUnique();
    auto construit = plan_fixture::construire(plan);
    const host::Range3d contenu = plan_fixture::etendueContenu(plan);
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> x(contenu.low.x, contenu.high.x), y(contenu.low.y, contenu.high.y),
        petit(0.1, 3.0);
    const int dejaLa = static_cast<int>(construit.fichier.file().models.front().elements().size());
    for (int i = dejaLa; i < kElements; ++i) {
      const host::Point3d p = plan_fixture::uor({x(rng), y(rng), 0});
      const host::Point3d q = p + plan_fixture::uor({petit(rng), petit(rng), 0});
      construit.fichier.add(i % 4 == 0 ? fx::text(L"T" + std::to_wstring(i), p) : fx::line(p, q));
    }
    const fs::path modele = livre / "44010000.109";
    plan_fixture::sauver(construit.fichier, modele.wstring());
    for (int k = 1; k < kPlans; ++k) {
      wchar_t nom[16];
      std::swprintf(nom, 16, L"4401%04d.109", k);
      fs::copy_file(modele, livre / nom, fs::copy_options::overwrite_existing);
    }
    host::config::set(L"TOLVEK_PARAM", (racine / "Parametres").wstring());
    // A folder delivered earlier: the host trusts what it loaded only from files that had not
    // changed for two seconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    return racine / "LIVRAISON";
  }();
  return d;
}

void BM_InitialiserPuisVerifierListe(benchmark::State& state) {
  const std::wstring chemin = dossier().wstring();
  host::views::reset();
  std::size_t plans = 0;
  double secondes = 0.0;
  host::DesignFileLoads chargements, chargementsInitialisation;
  std::uint64_t listages = 0;
  for (auto _ : state) {
    host::forgetLoadedDesignFiles();
    const host::DesignFileLoads avant = host::designFileLoads();
    const std::uint64_t listagesAvant = host::paths::listings();
    const auto debut = std::chrono::steady_clock::now();
    verdossier d;
    std::wstring message;
    if (verif_initialiserDossier(d, message, chemin) != verifSucces) {
      state.SkipWithError("folder set-up failed");
      break;
    }
    const host::DesignFileLoads apresInitialisation = host::designFileLoads();
    chargementsInitialisation.reads += apresInitialisation.reads - avant.reads;
    chargementsInitialisation.parses += apresInitialisation.parses - avant.parses;
    std::vector<std::int32_t> tous(d.plans.size());
    std::iota(tous.begin(), tous.end(), 0);
    verif_verifierListePlan(tous, d, 0);
    plans = d.plans.size();
    secondes += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    chargements.reads += host::designFileLoads().reads - avant.reads;
    chargements.parses += host::designFileLoads().parses - avant.parses;
    listages += host::paths::listings() - listagesAvant;
  }
  state.counters["plans"] = static_cast<double>(plans);
  if (plans > 0) {
    const double parPlan = static_cast<double>(state.iterations()) * static_cast<double>(plans);
    state.counters["reads_per_plan"] = static_cast<double>(chargements.reads) / parPlan;
    state.counters["parses_per_plan"] = static_cast<double>(chargements.parses) / parPlan;
    // The same, for each of the two calls: the set-up, then the verification.
    const double lecturesInit = static_cast<double>(chargementsInitialisation.reads);
    const double analysesInit = static_cast<double>(chargementsInitialisation.parses);
    state.counters["setup_reads_per_plan"] = lecturesInit / parPlan;
    state.counters["setup_parses_per_plan"] = analysesInit / parPlan;
    state.counters["verify_reads_per_plan"] = (static_cast<double>(chargements.reads) - lecturesInit) / parPlan;
    state.counters["verify_parses_per_plan"] = (static_cast<double>(chargements.parses) - analysesInit) / parPlan;
    state.counters["listings_per_plan"] = static_cast<double>(listages) / parPlan;
  }
  if (plans > 0)
    state.counters["ms_per_plan"] = 1e3 * secondes / static_cast<double>(state.iterations()) / static_cast<double>(plans);
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_InitialiserPuisVerifierListe)->Unit(benchmark::kMillisecond)->Iterations(3);

// The folder set-up alone (frame pass, completion pass, projections, footprint drawing).
void BM_InitialiserDossier(benchmark::State& state) {
  const std::wstring chemin = dossier().wstring();
  for (auto _ : state) {
    verdossier d;
    std::wstring message;
    if (verif_initialiserDossier(d, message, chemin) != verifSucces) {
      state.SkipWithError("folder set-up failed");
      break;
    }
    benchmark::DoNotOptimize(d.plans.data());
  }
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_InitialiserDossier)->Unit(benchmark::kMillisecond)->Iterations(3);

// Loading every plan file once as a work file (opened, its range taken, closed).
void BM_ChargerLesPlans(benchmark::State& state) {
  std::vector<std::wstring> fichiers;
  for (const auto& f : fs::directory_iterator(dossier() / "Livre"))
    if (f.is_regular_file()) fichiers.push_back(f.path().wstring());
  for (auto _ : state) {
    for (const std::wstring& f : fichiers) {
      host::ModelRef modele;
      if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, f, L"", true) != 0) continue;
      host::Range3d etendue;
      stbDgn_etendueModele(etendue, modele);
      stbDgn_fermerFichier(modele);
    }
  }
  state.counters["files"] = static_cast<double>(fichiers.size());
  state.counters["ms_per_file"] = benchmark::Counter(static_cast<double>(fichiers.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_ChargerLesPlans)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
