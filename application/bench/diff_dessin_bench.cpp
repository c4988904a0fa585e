// The differences command on a folder of 20 one-file plans of 20,000 generated elements each, in
// "RGF93.CC47" under a Lambert 93 folder, each with 1,000 comparison records of added elements:
// the drawing prepared, every plan opened, each record's element classified, copied, reprojected
// and added, and the drawing closed. Reports ms per plan, µs per record, and the process's peak
// resident memory; with one record a plan, what opening the plans alone costs.
#include <benchmark/benchmark.h>

#include <boost/filesystem.hpp>
#include <algorithm>
#include <chrono>
#include <sys/resource.h>

#include "application/diff_dessin.h"
#include "application/verapplication.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace {

namespace fs = boost::filesystem;

constexpr int kPlans = 20;
constexpr int kElements = 20000;
constexpr int kEcarts = 1000;

struct Dossier {
  fs::path racine;
  verdossier dossier;
  bool pret = false;
};

// Writes the folder once: one generated plan file copied under 20 names, with its previous
// version, and the comparison records of every plan.
Dossier& dossier() {
  static Dossier d = [] {
    Dossier r;
    r.racine = fs::temp_directory_path() / fs::unique_path("diff_dessin_%%%%%%%%");
    const fs::path livre = r.racine / "Livre", origine = r.racine / "Origine", rapport = r.racine / "Rapport";
    for (const fs::path& p : {livre, origine, rapport}) fs::create_directories(p);
    host::fixture::DesignBuilder prototype;
    if (!prototype.save((r.racine / "Prototype.dgn").wstring())) return r;
    appTolvek.cheminPrototype = (r.racine / "Prototype.dgn").wstring();

    host::fixture::DesignBuilder plan;
    plan.header().coordinateSystem = L"RGF93.CC47";
    const std::vector<std::wstring> niveaux = {L"R\u00e9seauBT", L"R\u00e9seauHTA", L"TxtR\u00e9seauBT",
                                               L"TxtR\u00e9seauHTA", L"CotesR\u00e9seauBT"};
    for (const std::wstring& n : niveaux) plan.level(n);
    const host::Point3d coin{1355000000.0, 6234000000.0, 0.0};
    const double cote = 400000.0;  // 400 m
    plan_fixture::ajouterElementsGeneres(plan, niveaux, {L"JONBT", L"COELEC"}, {L"ST_BT_CLA_V2"}, kElements, coin, cote, 7);
    std::vector<host::ElementId> ids;
    for (const host::Element* e : plan.file().models.at(0).elements()) ids.push_back(e->id);
    if (ids.size() < static_cast<std::size_t>(kEcarts)) return r;

    r.dossier.nom = L"BENCH";
    r.dossier.repLivre = livre.wstring() + L"/";
    r.dossier.repOrigine = origine.wstring() + L"/";
    r.dossier.repRapport = rapport.wstring() + L"/";
    r.dossier.projection = L"IGN-RGF93";
    for (int i = 0; i < kPlans; ++i) {
      const std::wstring nom = L"440104" + std::to_wstring(10 + i) + L".109";
      if (!plan.save((livre / nom).wstring()) || !plan.save((origine / nom).wstring())) return r;
      verplan v;
      v.nom = nom;
      v.type = 1;
      v.projection = L"RGF93.CC47";
      v.emprise = host::Range3d{coin, coin + host::Point3d{cote, cote, 0.0}};
      for (int k = 0; k < kEcarts; ++k) {
        verecart e;
        e.statut = k % 2 == 0 ? 2 : 3;
        e.role = 1;
        const host::ElementId id = ids[static_cast<std::size_t>(k) * ids.size() / kEcarts];
        (e.statut == 2 ? e.idLivre : e.idOrigine) = id;
        v.ecarts.push_back(e);
      }
      r.dossier.plans.push_back(std::move(v));
    }
    r.pret = true;
    return r;
  }();
  return d;
}

void BM_EcrireDifferences(benchmark::State& state) {
  Dossier& d = dossier();
  if (!d.pret) {
    state.SkipWithError("folder not written");
    return;
  }
  // The first n records of each plan: with one, what opening the plans costs; with 1,000, the copies.
  const auto n = static_cast<std::size_t>(state.range(0));
  verdossier dossierEssai = d.dossier;
  for (verplan& p : dossierEssai.plans) p.ecarts.resize(std::min(n, p.ecarts.size()));
  std::size_t copies = 0;
  double secondes = 0.0;
  for (auto _ : state) {
    const auto debut = std::chrono::steady_clock::now();
    diff_ecrireDifferences(dossierEssai);
    secondes += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    host::messages::clearLog();
    state.PauseTiming();
    const auto dessin = host::DesignFile::load(host::paths::toNative(d.dossier.repRapport + L"BENCH_Differences.dgn"));
    copies = dessin ? dessin->models.at(0).elements().size() : 0;
    state.ResumeTiming();
  }
  state.counters["copies"] = static_cast<double>(copies);
  const double runs = static_cast<double>(state.iterations());
  state.counters["ms_par_plan"] = secondes * 1e3 / (runs * kPlans);
  state.counters["us_par_ecart"] = secondes * 1e6 / (runs * kPlans * static_cast<double>(n));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["pic_rss_Mo"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  host::resetModels();
}
BENCHMARK(BM_EcrireDifferences)->Arg(1)->Arg(kEcarts)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  boost::system::error_code ec;
  if (!dossier().racine.empty()) fs::remove_all(dossier().racine, ec);
  return 0;
}
