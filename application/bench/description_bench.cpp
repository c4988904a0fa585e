// Redrawing a view that shows both versions of a plan of 50,000 elements each, attached as the
// description dialog attaches them, with 5,000 description rows: every element goes through the
// dialog's substitute function, with symbology substitution on and off.
#include <benchmark/benchmark.h>

#include <boost/filesystem.hpp>

#include "application/description.h"
#include "application/verapplication.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/view_display.h"
#include "toolbox/stb_reference.h"

namespace {

constexpr int kElements = 50000;
constexpr int kLignes = 5000;
const std::wstring kNom = L"44010450.109";

struct Vue {
  std::vector<host::ModelRef> versions;
};

std::wstring ecrirePlan(const boost::filesystem::path& dossier) {
  boost::filesystem::create_directories(dossier);
  host::fixture::DesignBuilder plan;
  const host::LevelId niveau = plan.level(L"Niveau");
  for (int i = 0; i < kElements; ++i) {
    const double x = 1000.0 * (i % 250), y = 1000.0 * (i / 250);
    plan.add(host::fixture::line({x, y, 0}, {x + 800.0, y + 800.0, 0}).colour(1).level(niveau));
  }
  const std::wstring chemin = host::paths::fromNative(dossier / "44010450.109");
  plan.save(chemin);
  return chemin;
}

// Both versions attached to an empty working drawing, and the rows: half additions in the
// delivered version, half removals from the previous one, spread over the plan's ids.
const Vue& vue() {
  static const Vue v = [] {
    Vue r;
    const boost::filesystem::path p = boost::filesystem::temp_directory_path() / "description_bench";
    boost::filesystem::remove_all(p);
    const std::wstring livre = ecrirePlan(p / "Livre"), origine = ecrirePlan(p / "Origine");
    host::fixture::DesignBuilder dessin;
    const std::wstring travail = host::paths::fromNative(p / "Tolvek.dgn");
    dessin.save(travail);
    host::openActiveFile(travail);
    r.versions.push_back(stbDgn_attacherFichier(livre, L"", L"VERLIV", host::Transform::identity(), host::activeModel()));
    r.versions.push_back(stbDgn_attacherFichier(origine, L"", L"VERORI", host::Transform::identity(), host::activeModel()));
    for (int i = 0; i < kLignes; ++i) {
      verdescription ligne;
      ligne.version = i % 2 == 0 ? 1 : 2;
      ligne.fichier = kNom;
      ligne.idElement = static_cast<std::uint64_t>(1 + i * (kElements / kLignes));
      ligne.statut = ligne.version == 1 ? 2 : 3;
      dlgDescription.parId.emplace(ligne.idElement, dlgDescription.lignes.size());
      dlgDescription.lignes.push_back(ligne);
    }
    host::views::setSubstituteFunction(desc_substituerElement);
    return r;
  }();
  return v;
}

void redessiner(benchmark::State& state, int substitution) {
  const Vue& v = vue();
  TvkDlg.substitutionSymbologie = substitution;
  std::size_t couleurs = 0;
  for (auto _ : state) {
    couleurs = 0;
    for (host::ModelRef version : v.versions)
      for (const host::Element* e : host::model(version)->elements())
        couleurs += host::views::drawnElement(version, *e, 0).colour;
    benchmark::DoNotOptimize(couleurs);
  }
  state.counters["elements"] = static_cast<double>(2 * kElements);
  state.counters["couleurs"] = static_cast<double>(couleurs);
}

void BM_RedessinSansSubstitution(benchmark::State& state) { redessiner(state, 0); }
void BM_RedessinAvecSubstitution(benchmark::State& state) { redessiner(state, 1); }

BENCHMARK(BM_RedessinSansSubstitution)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedessinAvecSubstitution)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
