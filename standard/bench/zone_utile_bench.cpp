// The useful-area checks on a one-file plan of 50,000 elements, most inside the useful area and
// a few hundred astride its border or outside: time per plan of ctrl_zoneUtile, of the cut alone
// (emprise_decouperPlan, which passes over the ranges lying inside), of the cut by the full rules
// on every element (each element clipped or its outline intersected with the area) and on the
// reported elements only, and of the element checks of the file.
#include <benchmark/benchmark.h>

#include <optional>
#include <random>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/plan_construire.h"
#include "host/design_file.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/ctrl_zone_utile.h"
#include "standard/element_table.h"
#include "standard/emprise_decouper.h"
#include "titleblock/cart_zone_utile.h"
#include "toolbox/stb_dgn.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;

namespace {

constexpr int kElements = 50'000;
constexpr int kDehors = 300;  // astride the border or outside

// The clean plan with the generated elements, saved once; its folder.
const std::wstring& dossier() {
  static const std::wstring d = [] {
    const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "zone_utile_bench";
    boost::filesystem::create_directories(racine);
    const pf::PlanUnique p = pf::planUnique();
    pf::PlanUniqueConstruit c = pf::construire(p);
    const host::LevelId niveau = *c.fichier.file().levelId(L"Topo4Divers");
    const Point3d o = pf::uor(p.origineCadre);
    std::mt19937 rng(21);
    // The useful area runs 160 m along x and 47.4 m down from the frame origin.
    std::uniform_real_distribution<double> ax(2'000, 150'000), ay(-45'000, -5'000), petit(100, 3000);
    for (int i = 0; i < kElements - kDehors; ++i) {
      const Point3d p0 = o + Point3d{ax(rng), ay(rng), 0};
      const Point3d q = p0 + Point3d{petit(rng), petit(rng), 0};
      fx::Spec s = i % 10 == 0   ? fx::text(L"Texte " + std::to_wstring(i), p0)
                   : i % 10 == 1 ? fx::cell(L"POTKRV", p0, {fx::rectangle(p0, q), fx::line(p0, q)}, 2.0)
                   : i % 10 == 2 ? fx::arc(p0, 500, 0, 2)
                   : i % 10 == 3 ? fx::rectangle(p0, q)
                   : i % 10 == 4 ? fx::chain({fx::line(p0, q).level(niveau), fx::line(q, {q.x, p0.y, 0}).level(niveau)})
                   : i % 10 == 5 ? fx::dimension({p0, q})
                   : i % 10 == 6 ? fx::line(p0, q)
                                 : fx::lineString({p0, {q.x, p0.y, 0}, q, {p0.x, q.y, 0}});
      c.fichier.add(s.level(niveau));
    }
    for (int i = 0; i < kDehors; ++i) {
      // The area's margin reaches a few metres past the frame origin.
      const Point3d p0 = o + Point3d{-12'000, ay(rng), 0};
      fx::Spec s = i % 3 == 0 ? fx::line(p0, p0 + Point3d{15'000, 500, 0})
                   : i % 3 == 1 ? fx::text(L"Dehors", p0 - Point3d{8'000, 0, 0})
                                : fx::rectangle(p0 - Point3d{8'000, 0, 0}, p0 - Point3d{6'000, -1'000, 0});
      c.fichier.add(s.level(niveau));
    }
    pf::sauver(c.fichier, host::paths::fromNative(racine) + L"/" + p.nomFichier);
    return host::paths::fromNative(racine) + L"/";
  }();
  return d;
}

// The plan's file set with its file open and its element table built; closed on destruction.
struct PlanOuvert {
  verplanfichiers fichiers;
  PlanOuvert() {
    plan_construire(fichiers, pf::planUnique().nomFichier, 1, 1, L"", dossier());
    stbDgn_ouvrirFichier(&fichiers.fichiers[0].modele, nullptr, nullptr, fichiers.fichiers[0].chemin, L"", true);
    element_construireTable(fichiers.fichiers[0]);
  }
  ~PlanOuvert() { stbDgn_fermerFichier(fichiers.fichiers[0].modele); }
};

// The plan open with its main file's view, its useful area, and the clip and area curve of that
// area as the cut makes them.
struct ZoneOuverte : PlanOuvert {
  verplaninfo vue;
  std::vector<Point3d> zone;
  std::optional<host::ClipVector> clip;
  std::optional<host::CurveVector> courbe;
  ZoneOuverte() {
    plan_copierIdentite(vue, fichiers, 62);
    cart_zoneUtile(zone, vue, true);
    clip = host::ClipVector::fromPoints(zone);
    courbe = host::CurveVector::createLinear(zone, host::CurveVector::BoundaryType::Outer);
  }
};

void BM_ZoneUtile(benchmark::State& state) {
  PlanOuvert plan;
  std::size_t erreurs = 0;
  for (auto _ : state) {
    std::vector<vererreur> e;
    ctrl_zoneUtile(e, plan.fichiers);
    erreurs = e.size();
  }
  state.counters["elements"] = static_cast<double>(plan.fichiers.fichiers[0].elements.size());
  state.counters["errors"] = static_cast<double>(erreurs);
}
BENCHMARK(BM_ZoneUtile)->Unit(benchmark::kMillisecond);

void BM_DecouperPlan(benchmark::State& state) {
  const ZoneOuverte z;
  std::vector<std::uint64_t> dehors;
  for (auto _ : state) emprise_decouperPlan(dehors, z.vue, 1, z.zone);
  state.counters["outside"] = static_cast<double>(dehors.size());
}
BENCHMARK(BM_DecouperPlan)->Unit(benchmark::kMillisecond);

// The same cut with every element through the full rules: what the clips and area
// intersections cost when nothing passes over them.
void BM_DecouperPlanReglesCompletes(benchmark::State& state) {
  const ZoneOuverte z;
  host::ScanCriteria criteres;
  criteres.drawnOnly = true;
  criteres.excludedTypes = {94};
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, z.vue.modeleTheme);
  std::size_t dehors = 0;
  for (auto _ : state) {
    dehors = 0;
    for (const host::ElementId id : ids)
      if (emprise_supprimerElements(id, z.vue.modeleTheme, *z.clip, -1, z.zone, *z.courbe) != 0) ++dehors;
  }
  state.counters["outside"] = static_cast<double>(dehors);
}
BENCHMARK(BM_DecouperPlanReglesCompletes)->Unit(benchmark::kMillisecond);

// The full rules on the elements that the cut reports only: the clips and area intersections
// that the cut of the plan cannot pass over.
void BM_ReglesCompletesDehors(benchmark::State& state) {
  const ZoneOuverte z;
  std::vector<std::uint64_t> dehors;
  emprise_decouperPlan(dehors, z.vue, 1, z.zone);
  for (auto _ : state)
    for (const std::uint64_t id : dehors)
      benchmark::DoNotOptimize(emprise_supprimerElements(id, z.vue.modeleTheme, *z.clip, -1, z.zone, *z.courbe));
  state.counters["elements"] = static_cast<double>(dehors.size());
}
BENCHMARK(BM_ReglesCompletesDehors)->Unit(benchmark::kMillisecond);

void BM_ElementsFichier(benchmark::State& state) {
  PlanOuvert plan;
  for (auto _ : state) {
    std::vector<vererreur> e;
    ctrl_elementsFichier(e, plan.fichiers.fichiers[0]);
  }
}
BENCHMARK(BM_ElementsFichier)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
