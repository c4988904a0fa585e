// The merge of cable pieces in a differences drawing, per piece, at 5,000, 20,000 and 80,000
// pieces: cables of 20 pieces between a COELEC and a 1BREMA, each piece with a text in its group;
// and one cable of all the pieces, texts grouped as well, drawn alternately forwards and backwards. Each iteration
// merges a fresh copy of the drawing, as just opened (its indexes are built by the merge).
#include <benchmark/benchmark.h>

#include <string>

#include "application/diff_fusion.h"
#include "host/fixture/chemins.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/temp_folder.h"
#include "host/model_ref.h"

namespace {

namespace fx = host::fixture;
using host::Point3d;

constexpr double kPas = 2000.0;  // UORs: 2 m a piece

// Writes the drawing of `pieces` pieces in cables of `parCable` pieces and returns its path.
std::wstring ecrireDessin(const host::fixture::TempFolder& dossier, int pieces, int parCable) {
  fx::DesignBuilder plan;
  const host::LevelId bt = plan.level(L"BT_Ajout");
  const host::LevelId acc = plan.level(L"Accessoire_Ajout");
  plan.level(L"Autre");
  std::uint32_t groupe = 1;
  const int cables = pieces / parCable;
  for (int c = 0; c < cables; ++c) {
    const double x0 = 1355000000.0 + (c / 100) * (parCable + 2) * kPas, y = 6234000000.0 + (c % 100) * 5000.0;
    plan.add(
        fx::cell(L"COELEC", {x0 - 250, y, 0}, {fx::rectangle({x0 - 500, y - 500, 0}, {x0, y + 500, 0})}).level(acc));
    // Written from the middle of the cable on: the walk starts there, and the assembly joins the
    // first half at its front.
    for (int j = 0; j < parCable; ++j) {
      const int i = (j + parCable / 2) % parCable;
      const Point3d a{x0 + i * kPas, y, 0}, b{x0 + (i + 1) * kPas, y, 0};
      plan.add((i % 2 ? fx::line(b, a) : fx::line(a, b)).level(bt).group(groupe));
      plan.add(fx::text(L"BT 3x150", {a.x + kPas / 2, y + 200, 0}).level(bt).group(groupe));
      ++groupe;
    }
    const double xf = x0 + parCable * kPas;
    plan.add(fx::cell(L"1BREMA", {xf, y, 0}, {fx::rectangle({xf, y - 50, 0}, {xf + 100, y + 50, 0})}).level(acc));
  }
  plan.header().nextGraphicGroup = groupe;
  const std::wstring chemin = fx::large(dossier.path() / ("fusion_" + std::to_string(pieces) + ".dgn"));
  plan.save(chemin);
  return chemin;
}

void fusion(benchmark::State& state, int parCable) {
  const fx::TempFolder dossier("diff_fusion_bench");
  const int pieces = static_cast<int>(state.range(0));
  const std::wstring chemin = ecrireDessin(dossier, pieces, parCable == 0 ? pieces : parCable);
  for (auto _ : state) {
    state.PauseTiming();
    host::resetModels();
    host::ModelRef modele;
    if (host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", false) != host::kSuccess) {
      state.SkipWithError("drawing not opened");
      break;
    }
    state.ResumeTiming();
    diff_fusionnerTroncons(modele);
    state.PauseTiming();
    // Left: the cells, the texts and one element per cable.
    const int cables = pieces / (parCable == 0 ? pieces : parCable);
    if (host::model(modele)->size() != static_cast<std::size_t>(3 * cables + pieces)) {
      state.SkipWithError("not every cable merged");
      break;
    }
    state.ResumeTiming();
  }
  host::resetModels();
  state.counters["par_troncon"] =
      benchmark::Counter(pieces, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CablesDe20Troncons(benchmark::State& state) { fusion(state, 20); }
BENCHMARK(BM_CablesDe20Troncons)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

void BM_UnSeulCable(benchmark::State& state) { fusion(state, 0); }
BENCHMARK(BM_UnSeulCable)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
