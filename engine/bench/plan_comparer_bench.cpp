// The comparison with the previous version through the per-plan driver: the clean one-file plan
// with 50,000 generated elements, against its previous version (signed through the signature
// list) that differs by a hundred changes (34 elements moved by 5 m, 33 deleted, 33 added), in
// mode 1 and in mode 2 (work copy in Temp); and the same plan with 20,000 coincident lines of one
// level and type in both versions instead (BM_ComparaisonCoincidents). Time per plan, processor
// time of the comparison stage, candidates compared per delivered element, peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <functional>

#include <boost/filesystem.hpp>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/plan_chrono.h"
#include "engine/plan_comparer.h"
#include "engine/plan_verifier.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace fx = host::fixture;

namespace {

constexpr int kElements = 50'000;
constexpr int kChangements = 100;
constexpr double kCote = 140'000.0;  // a 1:200 sheet of 140 m, in UORs

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// A folder named `nom` under the temporary directory: the clean plan with what `ajouter` adds
// to it in Origine (signed through the signature list), then as `changer` leaves it in Livre.
boost::filesystem::path ecrireDossier(const char* nom,
                                      const std::function<void(fx::DesignBuilder&, const plan_fixture::PlanUnique&)>& ajouter,
                                      const std::function<void(fx::DesignBuilder&)>& changer) {
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / nom;
  boost::filesystem::remove_all(racine);
  for (const char* r : {"Livre", "Origine", "Temp"}) boost::filesystem::create_directories(racine / r);
  const plan_fixture::PlanUnique propre = plan_fixture::planUnique();
  plan_fixture::PlanUniqueConstruit construit = plan_fixture::construire(propre);
  ajouter(construit.fichier, propre);
  plan_fixture::sauver(construit.fichier, host::paths::fromNative(racine / "Origine") + L"/" + propre.nomFichier);
  plan_fixture::ecrireListeSignature(host::paths::fromNative(racine / "Origine"));
  changer(construit.fichier);
  plan_fixture::sauver(construit.fichier, host::paths::fromNative(racine / "Livre") + L"/" + propre.nomFichier);
  return racine;
}

// The folder with the plan in Livre and its previous version in Origine, written once.
const boost::filesystem::path& dossier() {
  static const boost::filesystem::path d = [] {
    std::vector<std::wstring> niveaux;
    for (int l = 1; l <= 60; ++l) niveaux.push_back(L"Niveau" + std::to_wstring(l));
    host::Point3d coin;
    std::vector<host::ElementId> ids;
    const auto ajouter = [&](fx::DesignBuilder& b, const plan_fixture::PlanUnique& propre) {
      for (const std::wstring& n : niveaux) b.level(n);
      coin = plan_fixture::uor(propre.origineCadre) + host::Point3d{0, -kCote, 0};
      const std::size_t avant = b.file().models[0].size();
      plan_fixture::ajouterElementsGeneres(b, niveaux, {L"POTKRV"}, {}, kElements, coin, kCote, 42);
      for (const host::Element* e : b.file().models[0].elements()) ids.push_back(e->id);
      ids.erase(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(avant));
    };
    // A third of the changes moves an element by 5 m, a third deletes one, a third is added.
    const auto changer = [&](fx::DesignBuilder& b) {
      host::Model& m = b.file().models[0];
      for (int k = 0; k < kChangements; ++k) {
        const host::ElementId id = ids[static_cast<std::size_t>(k) * (kElements / kChangements)];
        if (k % 3 == 0) m.replace(host::transformed(*m.find(id), host::Transform{{}, {5000, 0, 0}}));
        else if (k % 3 == 1) m.remove(id);
      }
      plan_fixture::ajouterElementsGeneres(b, niveaux, {L"POTKRV"}, {}, kChangements / 3, coin, kCote, 7);
    };
    return ecrireDossier("plan_comparer_bench", ajouter, changer);
  }();
  return d;
}

// The folder with the clean plan and 20,000 coincident lines on one level, the same in both
// versions, written once.
const boost::filesystem::path& dossierCoincidents() {
  static const boost::filesystem::path d = ecrireDossier(
      "plan_comparer_bench_coincidents",
      [](fx::DesignBuilder& b, const plan_fixture::PlanUnique& propre) {
        const host::LevelId niveau = b.level(L"R\u00e9seauBT");
        const host::Point3d o = plan_fixture::uor(propre.origineCadre) + host::Point3d{20'000, -20'000, 0};
        for (int i = 0; i < 20'000; ++i) b.add(fx::line(o, o + host::Point3d{5000, 0, 0}).level(niveau));
      },
      [](fx::DesignBuilder&) {});
  return d;
}

void comparer(benchmark::State& state, std::int32_t mode, const boost::filesystem::path& dossierPlan = dossier()) {
  vercontexte contexte;
  contexte.repLivre = host::paths::fromNative(dossierPlan / "Livre") + L"/";
  contexte.repOrigine = host::paths::fromNative(dossierPlan / "Origine") + L"/";
  contexte.repTemp = host::paths::fromNative(dossierPlan / "Temp") + L"/";
  contexte.fichierSignature = contexte.repOrigine + L"Signature/Signature.json";
  plan_fixture::parametrerContexte(contexte, host::paths::fromNative(dossierPlan / "Parametres"));
  const std::uint64_t candidatsAvant = comparer_candidatsExamines();
  plan_remettreDurees();
  std::size_t nouveaux = 0, supprimes = 0, compares = 0;
  for (auto _ : state) {
    verplan plan;
    plan.nom = L"44010450.109";
    plan.type = 1;
    plan.version = 1;
    plan_verifier(plan, mode, contexte, 0);
    for (const verecart& e : plan.ecarts) {
      nouveaux += e.statut == 2;
      supprimes += e.statut == 3;
      compares += e.source == 1 && e.statut != 4;
    }
    benchmark::DoNotOptimize(plan.statuts);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["new"] = static_cast<double>(nouveaux) / n;
  state.counters["removed"] = static_cast<double>(supprimes) / n;
  state.counters["candidates_per_element"] =
      static_cast<double>(comparer_candidatsExamines() - candidatsAvant) / static_cast<double>(compares);
  for (const plan_dureeEtape& e : plan_dureesEtapes())
    if (e.etape == "etape_comparaison") state.counters["comparison_stage_ms"] = 1e3 * e.secondes / n;
  state.counters["peak_RSS_MB"] = picMegaoctets();
}

void BM_ComparaisonMode1(benchmark::State& state) { comparer(state, 1); }
BENCHMARK(BM_ComparaisonMode1)->Unit(benchmark::kMillisecond);

void BM_ComparaisonMode2(benchmark::State& state) { comparer(state, 2); }
BENCHMARK(BM_ComparaisonMode2)->Unit(benchmark::kMillisecond);

void BM_ComparaisonCoincidents(benchmark::State& state) { comparer(state, 1, dossierCoincidents()); }
BENCHMARK(BM_ComparaisonCoincidents)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
