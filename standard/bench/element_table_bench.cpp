// The element table over a generated electricity file of 50,000 mixed elements on classified
// levels: build time and the table's memory, time per look-up; the required-level check of that
// file (opening it included); the unnamed cells of a file of 1,000 such cells, half of them in
// graphic group 0.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <random>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_niveaux.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "standard/ctrl_niveaux.h"
#include "standard/element_table.h"

namespace fx = host::fixture;

namespace {

constexpr int kElements = 50'000;
constexpr int kCellules = 1'000;

std::wstring chemin(const std::wstring& nom) {
  const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "element_table_bench";
  boost::filesystem::create_directories(racine);
  return host::paths::fromNative(racine) + L"/" + nom;
}

// Lines, line strings, arcs, shapes, texts, cells, chains and dimensions spread over the 63
// levels of the electricity file, with the standard's line styles.
const std::wstring& fichierElements() {
  static const std::wstring f = [] {
    fx::DesignBuilder b;
    std::vector<host::LevelId> niveaux;
    for (const auto& n : plan_fixture::niveauxEL2()) niveaux.push_back(b.level(n));
    const std::int32_t styles[] = {0, 2, b.lineStyle(L"ST_BT_CLA_V3"), b.lineStyle(L"ST_BT_NI"),
                                   b.lineStyle(L"ST_HTA_CLA_V3")};
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> at(0, 140'000.0), petit(100, 5000);
    for (int i = 0; i < kElements; ++i) {
      const host::Point3d p{at(rng), at(rng), 0}, q{p.x + petit(rng), p.y + petit(rng), 0};
      fx::Spec s = i % 10 == 0   ? fx::text(L"Texte " + std::to_wstring(i), p)
                   : i % 10 == 1 ? fx::cell(L"JONBT", p, {fx::rectangle(p, q), fx::line(p, q)}, 2.0)
                   : i % 10 == 2 ? fx::arc(p, petit(rng), 0, 2)
                   : i % 10 == 3 ? fx::rectangle(p, q)
                   : i % 10 == 4 ? fx::chain({fx::line(p, q), fx::line(q, {q.x, p.y, 0})})
                   : i % 10 == 5 ? fx::dimension({p, q})
                   : i % 10 == 6 ? fx::line(p, q)
                                 : fx::lineString({p, {q.x, p.y, 0}, q, {p.x, q.y, 0}});
      s.level(niveaux[static_cast<std::size_t>(i) % niveaux.size()]).colour(static_cast<std::uint32_t>(i % 7));
      s.style(styles[i % 5]);
      b.add(s);
    }
    const std::wstring c = chemin(L"elements.EL2");
    plan_fixture::sauver(b, c);
    return c;
  }();
  return f;
}

// Unnamed cells holding a text, half in graphic group 0, with dimensions in some of the groups.
const std::wstring& fichierCellules() {
  static const std::wstring f = [] {
    fx::DesignBuilder b;
    for (int i = 0; i < kCellules; ++i) {
      const host::Point3d p{i * 1000.0, 0, 0}, q{p.x + 500, 500, 0};
      const std::uint32_t groupe = i % 2 == 0 ? 0 : static_cast<std::uint32_t>(i);
      b.add(fx::cell(L"", p, {fx::text(L"12.5", p), fx::line(p, q)}).group(groupe));
      if (i % 4 == 1) b.add(fx::dimension({p, q}).group(groupe));
      b.add(fx::line(p, q));
    }
    const std::wstring c = chemin(L"cellules.dgn");
    plan_fixture::sauver(b, c);
    return c;
  }();
  return f;
}

struct Ouvert {
  host::ModelRef modele;
  explicit Ouvert(const std::wstring& c) { host::openWorkFile(&modele, nullptr, nullptr, c, L"", true); }
  ~Ouvert() { host::closeWorkFile(modele); }
};

void BM_ConstruireTable(benchmark::State& state) {
  Ouvert o(fichierElements());
  verfichier f;
  f.modele = o.modele;
  f.role = roleElectricite;
  double octets = 0;
  for (auto _ : state) {
    f.elements.clear();
    f.elements.shrink_to_fit();
    const std::size_t avant = mallinfo2().uordblks;
    element_construireTable(f);
    octets = static_cast<double>(mallinfo2().uordblks - avant);
    benchmark::DoNotOptimize(f.elements.data());
  }
  state.counters["elements"] = static_cast<double>(f.elements.size());
  state.counters["table_MB"] = octets / (1024.0 * 1024.0);
}
BENCHMARK(BM_ConstruireTable)->Unit(benchmark::kMillisecond);

void BM_RechercherParId(benchmark::State& state) {
  Ouvert o(fichierElements());
  verfichier f;
  f.modele = o.modele;
  f.role = roleElectricite;
  element_construireTable(f);
  std::mt19937 rng(3);
  std::uniform_int_distribution<std::uint64_t> id(0, f.elements.back().idElement + 10);
  std::vector<std::uint64_t> ids(4096);
  for (auto& i : ids) i = id(rng);
  std::size_t k = 0;
  for (auto _ : state) benchmark::DoNotOptimize(element_rechercherParId(f.elements, ids[k++ & 4095]));
}
BENCHMARK(BM_RechercherParId)->Unit(benchmark::kNanosecond);

void BM_NiveauxRequis(benchmark::State& state) {
  verfichier f;
  f.chemin = fichierElements();
  std::size_t erreurs = 0;
  for (auto _ : state) {
    std::vector<vererreur> e;
    ctrl_niveauxV3(e, f, roleElectricite);
    erreurs = e.size();
  }
  state.counters["errors"] = static_cast<double>(erreurs);
}
BENCHMARK(BM_NiveauxRequis)->Unit(benchmark::kMillisecond);

void BM_CollecterCellules(benchmark::State& state) {
  Ouvert o(fichierCellules());
  std::size_t couples = 0;
  for (auto _ : state) couples = element_collecterCellules(o.modele).size();
  state.counters["pairs"] = static_cast<double>(couples);
}
BENCHMARK(BM_CollecterCellules)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
