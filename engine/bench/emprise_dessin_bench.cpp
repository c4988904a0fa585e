// The footprint drawing of a folder of 200 one-file plans: drawn from an empty drawing, then
// brought up to date when nothing changed.
#include <benchmark/benchmark.h>

#include <boost/filesystem.hpp>

#include "engine/emprise_dessin.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/projection.h"
#include "host/paths.h"

namespace {

constexpr int kPlans = 200;

struct Dossier {
  std::wstring racine;
  vercontexte contexte;
};

// 200 clean one-file plans side by side, written once, and the folder's context.
const Dossier& dossier() {
  static const Dossier d = [] {
    Dossier r;
    const boost::filesystem::path p = boost::filesystem::temp_directory_path() / "emprise_dessin_bench";
    boost::filesystem::remove_all(p);
    r.racine = host::paths::fromNative(p) + L"/";
    plan_fixture::ecrireParametres(r.racine + L"Parametres");
    for (int i = 0; i < kPlans; ++i) {
      plan_fixture::PlanUnique plan = plan_fixture::planUnique();
      plan.nomFichier = L"370104" + std::to_wstring(10 + i / 100) + L"." + std::to_wstring(100 + i % 100);
      plan.origineCadre.x += 200.0 * (i % 20);
      plan.origineCadre.y += 100.0 * (i / 20);
      verplaninfo info;
      info.chemin = plan_fixture::enregistrer(plan, r.racine + L"Livre");
      info.nomPlan = plan.nomFichier;
      info.libelleEmprise = plan.nomFichier;
      info.type = 1;
      info.version = 1;
      info.georeference = true;
      info.projection = projection_rechercher(L"C47", L"");
      r.contexte.planInfos.push_back(info);
    }
    r.contexte.projectionDossier = projection_rechercher(L"C47", L"");
    r.contexte.fichierPrototype = r.racine + L"Parametres/Prototype.dgn";
    r.contexte.fichierEmprises = r.racine + L"Temp/Emprises.dgn";
    boost::filesystem::create_directories(p / "Temp");
    return r;
  }();
  return d;
}

// Footprints the folder's plans got.
double empreintes(const vercontexte& contexte) {
  double n = 0;
  for (const verplaninfo& p : contexte.planInfos) n += p.emprise.idForme != 0 ? 1 : 0;
  return n;
}

void BM_EmprisesDessinees(benchmark::State& state) {
  const Dossier& d = dossier();
  vercontexte dernier;
  for (auto _ : state) {
    state.PauseTiming();
    boost::filesystem::remove(host::paths::toNative(d.contexte.fichierEmprises));
    vercontexte contexte = d.contexte;
    std::wstring message;
    state.ResumeTiming();
    benchmark::DoNotOptimize(dossier_creerEmprises(contexte, message));
    state.PauseTiming();
    dernier = std::move(contexte);
    state.ResumeTiming();
  }
  state.counters["plans"] = kPlans;
  state.counters["footprints"] = empreintes(dernier);
}
BENCHMARK(BM_EmprisesDessinees)->Unit(benchmark::kMillisecond);

void BM_EmprisesAJour(benchmark::State& state) {
  const Dossier& d = dossier();
  vercontexte premier = d.contexte;
  std::wstring message;
  dossier_creerEmprises(premier, message);
  vercontexte contexte;
  for (auto _ : state) {
    contexte = d.contexte;
    benchmark::DoNotOptimize(dossier_creerEmprises(contexte, message));
  }
  state.counters["plans"] = kPlans;
  state.counters["footprints"] = empreintes(contexte);
}
BENCHMARK(BM_EmprisesAJour)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
