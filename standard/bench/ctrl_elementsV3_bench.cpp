// The background driver over a generated FP2 file of 30,000 elements spread over the levels of
// its catalogue (cells, lines, line strings, shapes, arcs, texts, dimensions, in the standard's
// colours or not): time per file, elements per second, errors found and the process's peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <random>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
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

const std::wstring& fichierFond() {
  static const std::wstring f = [] {
    fx::DesignBuilder b;
    plan_fixture::definirNiveaux(b, L"fond.FP2");
    std::vector<host::LevelId> niveaux;
    for (const auto& n : plan_fixture::niveauxFP2()) niveaux.push_back(*b.file().levelId(n));
    const std::int32_t styles[] = {0, 1, b.lineStyle(L"ST_FDP_LCHAUS"), b.lineStyle(L"ST_EAU"), b.lineStyle(L"ST_FDP_HAIED")};
    const wchar_t* cellules[] = {L"FARBRE", L"RACSEC", L"FSPIT", L"EFCO", L"RFCLE", L"", L"PT", L"XYZ"};
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> at(0, 140'000.0), petit(100, 5000);
    for (int i = 0; i < kElements; ++i) {
      const host::Point3d p{at(rng), at(rng), 0}, q{p.x + petit(rng), p.y + petit(rng), 0};
      fx::Spec s = i % 8 == 0   ? fx::text(L"Texte " + std::to_wstring(i), p, 400, 280, L"INTL_ENGINEERING")
                   : i % 8 == 1 ? fx::cell(cellules[(i / 8) % 8], p, {fx::rectangle(p, q), fx::text(L"1", p)}, 2.0)
                   : i % 8 == 2 ? fx::arc(p, petit(rng), 0, 2)
                   : i % 8 == 3 ? fx::rectangle(p, q)
                   : i % 8 == 4 ? fx::dimension({p, q})
                   : i % 8 == 5 ? fx::line(p, q)
                                : fx::lineString({p, {q.x, p.y, 0}, q, {p.x, q.y, 0}});
      s.level(niveaux[static_cast<std::size_t>(i) % niveaux.size()]).colour(static_cast<std::uint32_t>(i % 6));
      s.style(styles[i % 5]).styleParams({2.0});
      if (i % 8 == 1) s.group(static_cast<std::uint32_t>(i));
      b.add(s);
    }
    const boost::filesystem::path racine = boost::filesystem::temp_directory_path() / "ctrl_elementsV3_bench";
    boost::filesystem::create_directories(racine);
    const std::wstring c = host::paths::fromNative(racine) + L"/fond.FP2";
    plan_fixture::sauver(b, c);
    return c;
  }();
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

}  // namespace

BENCHMARK_MAIN();
