// The per-plan driver over generated one-file plans of 50,000 elements, with the stages that are
// built: time per plan, and the process's peak memory. The first plan has the standard's levels
// but no frame nor title block (the title-block stage stops it at its counts); the second is the
// clean plan of the fixture with the same elements added, so that every built stage runs through.
// The third is the clean three-file plan with 20,000 generated elements in each of its files.
// Each reports the time of the cable-topology stage apart (ms_topologie). The fourth is the
// clean three-file plan whose EL2 file holds a generated network of 20,000 cable pieces and about
// 5,000 cells, without previous version (every element new) nor neighbours: time per plan and
// per piece.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <random>

#include <boost/filesystem.hpp>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/fixture/plan_fixture_niveaux.h"
#include "engine/plan_chrono.h"
#include "engine/plan_verifier.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace fx = host::fixture;

namespace {

const wchar_t* const kPlanReseau = L"QRL-47-00193-01246-03-D-25";
constexpr int kElements = 50'000;
constexpr double kCote = 140'000.0;  // a 1:200 sheet of 140 m, in UORs
constexpr int kElementsParFichier = 20'000;  // each file of the three-file plan
constexpr double kCoteFeuille = 100'000.0;   // inside the three-file sheet of 140 x 100 m
constexpr int kTroncons = 20'000;            // pieces of the generated network

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The generated elements, on 60 levels of their own, in a square of kCote UORs from `coin`.
void ajouterElements(fx::DesignBuilder& b, const host::Point3d& coin) {
  std::vector<host::LevelId> niveaux;
  for (int l = 1; l <= 60; ++l) niveaux.push_back(b.level(L"Niveau" + std::to_wstring(l)));
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> at(0, kCote), petit(100, 5000);
  for (int i = 0; i < kElements; ++i) {
    const host::Point3d p{coin.x + at(rng), coin.y + at(rng), 0};
    const host::Point3d q{p.x + petit(rng), p.y + petit(rng), 0};
    fx::Spec s = i % 10 == 0   ? fx::text(L"Texte " + std::to_wstring(i), p)
                 : i % 10 == 1 ? fx::cell(L"POTKRV", p, {fx::rectangle(p, q), fx::line(p, q)}, 2.0)
                 : i % 10 == 2 ? fx::arc(p, petit(rng), 0, 2)
                 : i % 10 == 3 ? fx::rectangle(p, q)
                 : i % 10 == 4 ? fx::line(p, q)
                               : fx::lineString({p, {q.x, p.y, 0}, q, {p.x, q.y, 0}});
    s.level(niveaux[static_cast<std::size_t>(i % 60)]).colour(static_cast<std::uint32_t>(i % 7));
    b.add(s);
  }
}

// The folder holding the plans and the parameter files, written once.
const boost::filesystem::path& dossier() {
  static const boost::filesystem::path d = [] {
    const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "plan_verifier_bench";
    boost::filesystem::create_directories(racine / "Livre");
    const std::wstring livre = host::paths::fromNative(racine / "Livre") + L"/";
    fx::DesignBuilder nu;
    plan_fixture::definirNiveaux(nu, L"ABCD1234.DGN");  // it passes the level stage
    ajouterElements(nu, {0, 0, 0});
    nu.save(livre + L"ABCD1234.DGN");
    const plan_fixture::PlanUnique propre = plan_fixture::planUnique();
    plan_fixture::PlanUniqueConstruit construit = plan_fixture::construire(propre);
    ajouterElements(construit.fichier, plan_fixture::uor(propre.origineCadre) + host::Point3d{0, -kCote, 0});
    plan_fixture::sauver(construit.fichier, livre + propre.nomFichier);
    // The clean three-file plan with 20,000 elements in each file, over every level of its
    // catalogue, inside the sheet.
    const plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
    plan_fixture::PlanTroisFichiersConstruit r = plan_fixture::construire(trois);
    const host::Point3d coin = plan_fixture::uor(trois.contour.front());
    plan_fixture::ajouterElementsGeneres(r.fp2, plan_fixture::niveauxFP2(), {L"FARBRE", L"RACSEC", L"", L"PT", L"XYZ"},
                                         {L"ST_FDP_LCHAUS", L"ST_EAU"}, kElementsParFichier, coin, kCoteFeuille, 1);
    plan_fixture::ajouterElementsGeneres(r.el2, plan_fixture::niveauxEL2(),
                                         {L"1RJONC", L"1RCO", L"ERPTAS", L"DRAP3", L"", L"PT", L"EAR2AB", L"XYZ"},
                                         {L"ST_BT_CLA_V3", L"ST_HTA", L"ST_PROT_TERRE"}, kElementsParFichier, coin, kCoteFeuille, 2);
    plan_fixture::ajouterElementsGeneres(r.ar2, plan_fixture::niveauxAR2(), {L"ERJONC", L"VRTELE", L"ARPTRL", L"", L"PT"},
                                         {L"ST_EP", L"ST_VDC"}, kElementsParFichier, coin, kCoteFeuille, 3);
    plan_fixture::enregistrer(r, trois.nom, livre);
    // The network plan: the clean three-file plan on the next sheet, its EL2 file holding the
    // generated network inside the sheet.
    const plan_fixture::PlanTroisFichiers reseau = plan_fixture::planTroisFichiersSurCase(kPlanReseau);
    plan_fixture::PlanTroisFichiersConstruit n = plan_fixture::construire(reseau);
    plan_fixture::ajouterReseauGenere(n.el2, 2, kTroncons, plan_fixture::uor(reseau.contour.front()) + host::Point3d{20'000, 0, 0},
                                      kCoteFeuille, 7);
    plan_fixture::enregistrer(n, reseau.nom, livre);
    return racine;
  }();
  return d;
}

void verifier(benchmark::State& state, const std::wstring& nom, std::int32_t type = 1) {
  vercontexte contexte;
  contexte.repLivre = host::paths::fromNative(dossier() / "Livre") + L"/";
  plan_fixture::parametrerContexte(contexte, host::paths::fromNative(dossier() / "Parametres"));
  std::size_t erreurs = 0;
  plan_remettreDurees();
  for (auto _ : state) {
    verplan plan;
    plan.nom = nom;
    plan.type = type;
    plan.version = 1;
    plan_verifier(plan, 1, contexte, 0);
    erreurs += plan.erreurs.size();
    benchmark::DoNotOptimize(plan.statuts);
  }
  if (nom != kPlanReseau) state.counters["elements"] = type == 1 ? kElements : 3 * kElementsParFichier;
  const double tours = static_cast<double>(state.iterations());
  for (const plan_dureeEtape& e : plan_dureesEtapes())
    if (e.etape == "etape_topologieCables") state.counters["ms_topologie"] = 1e3 * e.secondes / tours;
  if (nom == kPlanReseau) {
    double total = 0;
    // The stages of the driver; the steps of the cable-topology stage are inside its own.
    for (const plan_dureeEtape& e : plan_dureesEtapes())
      if (e.etape.rfind("topologie:", 0) != 0) total += e.secondes;
    state.counters["pieces"] = kTroncons;
    state.counters["us_par_piece"] = 1e6 * total / tours / kTroncons;
  }
  state.counters["errors"] = static_cast<double>(erreurs) / static_cast<double>(state.iterations());
  state.counters["peak_RSS_MB"] = picMegaoctets();
}

void BM_PlanVerifierUnFichier(benchmark::State& state) { verifier(state, L"ABCD1234.DGN"); }
BENCHMARK(BM_PlanVerifierUnFichier)->Unit(benchmark::kMillisecond);

void BM_PlanVerifierUnFichierPropre(benchmark::State& state) { verifier(state, L"44010450.109"); }
BENCHMARK(BM_PlanVerifierUnFichierPropre)->Unit(benchmark::kMillisecond);

void BM_PlanVerifierTroisFichiers(benchmark::State& state) {
  verifier(state, plan_fixture::planTroisFichiers().nom, 2);
}
BENCHMARK(BM_PlanVerifierTroisFichiers)->Unit(benchmark::kMillisecond);

void BM_PlanVerifierReseau(benchmark::State& state) { verifier(state, kPlanReseau, 2); }
BENCHMARK(BM_PlanVerifierReseau)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
