// The per-plan driver over a generated one-file plan of 50,000 elements, with the stages that are
// built: time per plan, and the process's peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <random>

#include <boost/filesystem.hpp>

#include "engine/plan_verifier.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace fx = host::fixture;

namespace {

constexpr int kElements = 50'000;
constexpr double kCote = 140'000.0;  // a 1:200 sheet of 140 m, in UORs

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The Livre directory holding the plan, written once.
const std::wstring& livre() {
  static const std::wstring dossier = [] {
    const boost::filesystem::path d = boost::filesystem::temp_directory_path() / "plan_verifier_bench" / "Livre";
    boost::filesystem::create_directories(d);
    fx::DesignBuilder b;
    for (int l = 1; l <= 60; ++l) b.level(L"Niveau" + std::to_wstring(l));
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> at(0, kCote), petit(100, 5000);
    for (int i = 0; i < kElements; ++i) {
      const host::Point3d p{at(rng), at(rng), 0};
      const host::Point3d q{p.x + petit(rng), p.y + petit(rng), 0};
      fx::Spec s = i % 10 == 0   ? fx::text(L"Texte " + std::to_wstring(i), p)
                   : i % 10 == 1 ? fx::cell(L"POTKRV", p, {fx::rectangle(p, q), fx::line(p, q)}, 2.0)
                   : i % 10 == 2 ? fx::arc(p, petit(rng), 0, 2)
                   : i % 10 == 3 ? fx::rectangle(p, q)
                   : i % 10 == 4 ? fx::line(p, q)
                                 : fx::lineString({p, {q.x, p.y, 0}, q, {p.x, q.y, 0}});
      s.level(static_cast<host::LevelId>(1 + i % 60)).colour(static_cast<std::uint32_t>(i % 7));
      b.add(s);
    }
    const std::wstring racine = host::paths::fromNative(d) + L"/";
    b.save(racine + L"ABCD1234.DGN");
    return racine;
  }();
  return dossier;
}

void BM_PlanVerifierUnFichier(benchmark::State& state) {
  vercontexte contexte;
  contexte.repLivre = livre();
  std::size_t erreurs = 0;
  for (auto _ : state) {
    verplan plan;
    plan.nom = L"ABCD1234.DGN";
    plan.type = 1;
    plan.version = 1;
    plan_verifier(plan, 1, contexte, 0);
    erreurs += plan.erreurs.size();
    benchmark::DoNotOptimize(plan.statuts);
  }
  state.counters["elements"] = kElements;
  state.counters["errors"] = static_cast<double>(erreurs) / static_cast<double>(state.iterations());
  state.counters["peak_RSS_MB"] = picMegaoctets();
}
BENCHMARK(BM_PlanVerifierUnFichier)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
