// The application's main path over generated delivery folders: verif_initialiserDossier, then
// verif_verifierListePlan over every plan, the way the summary dialog's verify button runs it.
//
// The folders whose plans go through every stage: plans named as their title blocks say, one-file
// (RIVOLI codes from 1000 on) or three-file (grid cells around the clean plan's), 20,000,
// 100,000 or 500,000 generated elements a file (the kinds the rule books meet, over the levels
// of the plan's standard, inside the useful area); every other plan has a previous version in
// Origine, signed through the signature list, from which a tenth of its generated elements
// changed (a third moved by 5 m, a third deleted, a third added). A second case keeps the folder
// whose plans stop at the title block (named 4401nnnn.109, their title blocks say RIVOLI 0450).
//
// The folders are written once under the temporary directory (verif_bench/<case>) and kept, so
// that the same folder serves a run of this benchmark built from another commit, and the host's
// shell can be run on it (scripts/run.sh <folder>/LIVRAISON <folder>/Parametres).
//
// Counters: processor time per plan of the two calls and of both (what the verification costs
// whatever else the machine runs; wall_ms_per_plan beside it); the processor time of each stage
// of the driver per plan (stage_<operation>_ms); design files read and parsed per plan by each call (each run starts
// with no file loaded); heap in use after the set-up and retained per verified plan (the folder
// record keeps every plan's findings); findings and comparison records per plan; the process's
// peak memory. BM_OctetsParErreur gives the memory a finding holds.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <thread>

#include "engine/erreur.h"
#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/fixture/plan_fixture_niveaux.h"
#include "engine/halvorn.h"
#include "engine/plan_chrono.h"
#include "host/config.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/views.h"

namespace fs = std::filesystem;
namespace fx = host::fixture;

namespace {

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

double tasOctets() {
  malloc_trim(0);
  return static_cast<double>(mallinfo2().uordblks);
}

std::wstring chemin(const fs::path& p) { return p.wstring(); }

// A tenth of the generated elements (from `premier` on) changed: a third moved by 5 m, a third
// deleted, and as many added as deleted.
void changerUnDixieme(fx::DesignBuilder& b, std::size_t premier, const std::vector<std::wstring>& niveaux,
                      const std::vector<std::wstring>& cellules, const host::Point3d& coin, double cote, unsigned graine) {
  host::Model& m = b.file().models[0];
  std::vector<host::ElementId> ids;
  for (const host::Element* e : m.elements()) ids.push_back(e->id);
  if (ids.size() <= premier) return;
  ids.erase(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(premier));
  int supprimes = 0;
  for (std::size_t k = 0; k < ids.size(); k += 10) {
    if ((k / 10) % 3 == 0) m.replace(host::transformed(*m.find(ids[k]), host::Transform{{}, {5000, 0, 0}}));
    else if ((k / 10) % 3 == 1 && m.remove(ids[k])) ++supprimes;
  }
  plan_fixture::ajouterElementsGeneres(b, niveaux, cellules, {}, supprimes, coin, cote, graine);
}

struct Cas {
  const char* nom;
  int type;       // 1 one-file, 2 three-file
  int elements;   // generated elements a file
  int plans;
  bool arretCartouche = false;
};

// Saves a built file into Livre, and into Origine as it was before a tenth changed for every
// other plan.
template <typename Changer>
void livrer(fx::DesignBuilder& b, const fs::path& racine, const std::wstring& nomFichier, bool avecOrigine,
            Changer changer) {
  if (avecOrigine) {
    plan_fixture::sauver(b, chemin(racine / "Origine" / nomFichier));
    changer(b);
  }
  plan_fixture::sauver(b, chemin(racine / "Livre" / nomFichier));
}

void ecrireUnFichier(const Cas& cas, const fs::path& racine) {
  const std::vector<std::wstring> cellules = {L"POTKRV", L"ARBRE", L"JONBT", L"SPIT", L"DRAP3"};
  for (int k = 0; k < cas.plans; ++k) {
    plan_fixture::PlanUnique plan = plan_fixture::planUnique();
    wchar_t rivoli[8];
    std::swprintf(rivoli, 8, L"%04d", 1000 + k);
    plan.champs[plan_fixture::texteRivoli] = rivoli;
    plan.nomFichier = std::wstring(L"4401") + rivoli + L".109";
    // Side by side in a row, as a delivery's sheets lie: each plan's neighbours are the one
    // before and the one after (sheets stacked on one place would each open all the others).
    plan.origineCadre.x += 144.0 * k;
    auto construit = plan_fixture::construire(plan);
    const std::size_t avant = construit.fichier.file().models[0].size();
    // Inside the useful area: a square of 30 m from the content's lower corner (elements reach 5 m
    // further).
    const host::Range3d contenu = plan_fixture::etendueContenu(plan);
    const host::Point3d coin = plan_fixture::uor(contenu.low + host::Point3d{1, 1, 0});
    const double cote = 30'000.0;
    plan_fixture::ajouterElementsGeneres(construit.fichier, plan_fixture::niveauxPlanUnique(), cellules,
                                         {L"ST_BT_CLA_V2", L"ST_HTA_CLA"}, cas.elements, coin, cote,
                                         static_cast<unsigned>(k + 1));
    livrer(construit.fichier, racine, plan.nomFichier, k % 2 == 0, [&](fx::DesignBuilder& b) {
      changerUnDixieme(b, avant, plan_fixture::niveauxPlanUnique(), cellules, coin, cote, static_cast<unsigned>(k + 1000));
    });
  }
}

// Grid-cell names of 1:200 sheets near the clean three-file plan's.
std::vector<std::wstring> nomsDeCases(int n) {
  std::vector<std::wstring> noms;
  const std::wstring propre = plan_fixture::planTroisFichiers().nom;
  for (wchar_t lettre = L'A'; lettre <= L'H' && static_cast<int>(noms.size()) < n; ++lettre)
    for (int i = 1; i <= 25 && static_cast<int>(noms.size()) < n; ++i) {
      wchar_t fin[8];
      std::swprintf(fin, 8, L"%lc-%02d", lettre, i);
      const std::wstring nom = propre.substr(0, propre.size() - 4) + fin;
      if (plan_fixture::planTroisFichiersSurCase(nom).nom == nom) noms.push_back(nom);
    }
  return noms;
}

void ecrireTroisFichiers(const Cas& cas, const fs::path& racine) {
  struct Theme {
    const wchar_t* extension;
    const std::vector<std::wstring>& niveaux;
    std::vector<std::wstring> cellules, styles;
  };
  const Theme themes[] = {
      {L"FP2", plan_fixture::niveauxFP2(), {L"FARBRE", L"RACSEC", L"PT"}, {L"ST_FDP_LCHAUS", L"ST_EAU"}},
      {L"EL2", plan_fixture::niveauxEL2(), {L"1RJONC", L"1RCO", L"ERPTAS", L"DRAP3", L"PT"}, {L"ST_BT_CLA_V3", L"ST_HTA"}},
      {L"AR2", plan_fixture::niveauxAR2(), {L"ERJONC", L"VRTELE", L"ARPTRL", L"PT"}, {L"ST_EP", L"ST_VDC"}}};
  int k = 0;
  for (const std::wstring& nom : nomsDeCases(cas.plans)) {
    const plan_fixture::PlanTroisFichiers plan = plan_fixture::planTroisFichiersSurCase(nom);
    plan_fixture::PlanTroisFichiersConstruit r = plan_fixture::construire(plan);
    fx::DesignBuilder* fichiers[] = {&r.fp2, &r.el2, &r.ar2};
    // Inside the sheet of 140 x 100 m, off its frame.
    const host::Point3d coin = plan_fixture::uor(plan.contour.front()) + host::Point3d{5'000, 5'000, 0};
    const double cote = 80'000.0;
    for (int t = 0; t < 3; ++t) {
      const Theme& theme = themes[t];
      fx::DesignBuilder& b = *fichiers[t];
      const std::size_t avant = b.file().models[0].size();
      plan_fixture::ajouterElementsGeneres(b, theme.niveaux, theme.cellules, theme.styles, cas.elements, coin, cote,
                                           static_cast<unsigned>(3 * k + t + 1));
      livrer(b, racine, nom + L"." + theme.extension, k % 2 == 0, [&](fx::DesignBuilder& f) {
        changerUnDixieme(f, avant, theme.niveaux, theme.cellules, coin, cote, static_cast<unsigned>(3 * k + t + 1000));
      });
    }
    ++k;
  }
}

// The folder whose plans stop at the title block: one plan built, saved under every name.
void ecrireArretCartouche(const Cas& cas, const fs::path& racine) {
  const auto plan = plan_fixture::planUnique();
  auto construit = plan_fixture::construire(plan);
  const host::Range3d contenu = plan_fixture::etendueContenu(plan);
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> x(contenu.low.x, contenu.high.x), y(contenu.low.y, contenu.high.y),
      petit(0.1, 3.0);
  const int dejaLa = static_cast<int>(construit.fichier.file().models.front().elements().size());
  for (int i = dejaLa; i < cas.elements; ++i) {
    const host::Point3d p = plan_fixture::uor({x(rng), y(rng), 0});
    const host::Point3d q = p + plan_fixture::uor({petit(rng), petit(rng), 0});
    construit.fichier.add(i % 4 == 0 ? fx::text(L"T" + std::to_wstring(i), p) : fx::line(p, q));
  }
  const fs::path modele = racine / "Livre" / "44010000.109";
  plan_fixture::sauver(construit.fichier, chemin(modele));
  for (int k = 1; k < cas.plans; ++k) {
    wchar_t nom[16];
    std::swprintf(nom, 16, L"4401%04d.109", k);
    fs::copy_file(modele, racine / "Livre" / nom, fs::copy_options::overwrite_existing);
  }
}

// The case's folder (its LIVRAISON and Parametres), written unless a complete one is there.
fs::path dossier(const Cas& cas) {
  const fs::path racine = fs::temp_directory_path() / "verif_bench" / cas.nom;
  const fs::path livraison = racine / "LIVRAISON";
  const fs::path complet = racine / "complet";
  if (!fs::exists(complet)) {
    fs::remove_all(racine);
    fs::create_directories(livraison / "Livre");
    fs::create_directories(livraison / "Origine");
    plan_fixture::ecrireParametres(chemin(racine / "Parametres"));
    if (cas.arretCartouche) ecrireArretCartouche(cas, livraison);
    else if (cas.type == 1) ecrireUnFichier(cas, livraison);
    else ecrireTroisFichiers(cas, livraison);
    plan_fixture::ecrireListeSignature(chemin(livraison / "Origine"));
    // A folder delivered earlier: the host trusts what it loaded only from files that had not
    // changed for two seconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    std::ofstream(complet) << "ok\n";
  }
  host::config::set(L"TOLVEK_PARAM", chemin(racine / "Parametres"));
  return livraison;
}

void verifierDossier(benchmark::State& state, const Cas& cas) {
  const std::wstring livraison = chemin(dossier(cas));
  host::views::reset();
  double plans = 0, secondesInit = 0, secondesVerif = 0, secondesMur = 0, tasApresInit = 0, retenu = 0, erreurs = 0,
         ecarts = 0;
  host::DesignFileLoads init, verif;
  plan_remettreDurees();
  for (auto _ : state) {
    host::forgetLoadedDesignFiles();
    const double tasAvant = tasOctets();
    const host::DesignFileLoads l0 = host::designFileLoads();
    const auto mur = std::chrono::steady_clock::now();
    const double t0 = plan_tempsProcesseur();
    verdossier d;
    std::wstring message;
    if (verif_initialiserDossier(d, message, livraison) != verifSucces) {
      state.SkipWithError("folder set-up failed");
      break;
    }
    const double t1 = plan_tempsProcesseur();
    const host::DesignFileLoads l1 = host::designFileLoads();
    const double tasInit = tasOctets();
    std::vector<std::int32_t> tous(d.plans.size());
    std::iota(tous.begin(), tous.end(), 0);
    verif_verifierListePlan(tous, d, 0);
    const double t2 = plan_tempsProcesseur();
    secondesMur += std::chrono::duration<double>(std::chrono::steady_clock::now() - mur).count();
    const host::DesignFileLoads l2 = host::designFileLoads();
    // What the verified plans keep: the folder record with their findings (the cache of loaded
    // files emptied, as it is bounded whatever the number of plans).
    host::forgetLoadedDesignFiles();
    retenu += tasOctets() - tasInit;
    tasApresInit += tasInit - tasAvant;
    plans += static_cast<double>(d.plans.size());
    for (const verplan& p : d.plans) {
      erreurs += static_cast<double>(p.erreurs.size());
      ecarts += static_cast<double>(p.ecarts.size());
    }
    secondesInit += t1 - t0;
    secondesVerif += t2 - t1;
    init.reads += l1.reads - l0.reads;
    init.parses += l1.parses - l0.parses;
    verif.reads += l2.reads - l1.reads;
    verif.parses += l2.parses - l1.parses;
  }
  if (plans == 0) return;
  const double n = static_cast<double>(state.iterations());
  state.counters["plans"] = plans / n;
  state.counters["ms_per_plan"] = 1e3 * (secondesInit + secondesVerif) / plans;
  state.counters["wall_ms_per_plan"] = 1e3 * secondesMur / plans;
  state.counters["setup_ms_per_plan"] = 1e3 * secondesInit / plans;
  state.counters["verify_ms_per_plan"] = 1e3 * secondesVerif / plans;
  state.counters["setup_reads_per_plan"] = static_cast<double>(init.reads) / plans;
  state.counters["setup_parses_per_plan"] = static_cast<double>(init.parses) / plans;
  state.counters["verify_reads_per_plan"] = static_cast<double>(verif.reads) / plans;
  state.counters["verify_parses_per_plan"] = static_cast<double>(verif.parses) / plans;
  state.counters["heap_after_setup_MB"] = tasApresInit / n / 1048576.0;
  state.counters["retained_KB_per_plan"] = retenu / plans / 1024.0;
  state.counters["errors_per_plan"] = erreurs / plans;
  state.counters["ecarts_per_plan"] = ecarts / plans;
  for (const plan_dureeEtape& e : plan_dureesEtapes()) state.counters["stage_" + e.etape + "_ms"] = 1e3 * e.secondes / plans;
  state.counters["peak_RSS_MB"] = picMegaoctets();
}

const Cas kUnFichier20k{"unique20k", 1, 20'000, 100};
const Cas kTroisFichiers20k{"trois20k", 2, 20'000, 20};
const Cas kUnFichier100k{"unique100k", 1, 100'000, 10};
const Cas kTroisFichiers100k{"trois100k", 2, 100'000, 4};
const Cas kUnFichier500k{"unique500k", 1, 500'000, 2};
const Cas kArretCartouche{"arret_cartouche", 1, 20'000, 100, true};

void BM_VerifierUnFichier20k(benchmark::State& s) { verifierDossier(s, kUnFichier20k); }
void BM_VerifierTroisFichiers20k(benchmark::State& s) { verifierDossier(s, kTroisFichiers20k); }
void BM_VerifierUnFichier100k(benchmark::State& s) { verifierDossier(s, kUnFichier100k); }
void BM_VerifierTroisFichiers100k(benchmark::State& s) { verifierDossier(s, kTroisFichiers100k); }
void BM_VerifierUnFichier500k(benchmark::State& s) { verifierDossier(s, kUnFichier500k); }
void BM_VerifierArretCartouche(benchmark::State& s) { verifierDossier(s, kArretCartouche); }
BENCHMARK(BM_VerifierUnFichier20k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VerifierTroisFichiers20k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VerifierUnFichier100k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VerifierTroisFichiers100k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VerifierUnFichier500k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VerifierArretCartouche)->Unit(benchmark::kMillisecond)->Iterations(1);

// The memory a finding holds in the plan's list: 100,000 findings added the way the rule books
// add them (a file path, an element, a position, a complement).
void BM_OctetsParErreur(benchmark::State& state) {
  constexpr int kRecords = 100'000;
  const std::wstring fichier = L"/livraisons/LIVRAISON/Livre/44010450.109";
  double parErreur = 0;
  for (auto _ : state) {
    const double avant = tasOctets();
    std::vector<vererreur> erreurs;
    const host::Point3d p{1354950000, 6234050000, 0};
    for (int i = 0; i < kRecords; ++i)
      erreur_ajouter(erreurs, fichier, static_cast<std::uint64_t>(i + 1), 4, i % 2 ? 2021 : 2031, &p, L"", L"Topo4Divers");
    parErreur += (tasOctets() - avant) / kRecords;
    benchmark::DoNotOptimize(erreurs.data());
  }
  state.counters["bytes_per_error"] = parErreur / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OctetsParErreur)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
