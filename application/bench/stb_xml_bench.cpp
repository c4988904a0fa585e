// The XML reader on large inputs: a generated GML document of 10 MB (one feature collection of
// polygons, given as lines and read from a file), and the clipboard's polygon text with 100,000
// pairs, loaded alone and imported whole (the paste's reading: load, look-ups, 100,000 points).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/stb_xml.h"
#include "application/verapplication.h"
#include "application/tests/stb_xml_fixture.h"
#include "toolbox/stb_fichier.h"

namespace {

constexpr std::size_t kTaille = 10000000;  // characters, one byte each in the file
constexpr int kPaires = 100000;

std::wstring paires(int n) {
  std::wstring sortie;
  char paire[64];
  for (int i = 0; i < n; ++i) {
    std::snprintf(paire, sizeof paire, "%s%.09f,%.09f", i ? " " : "", 2.35 + i * 1e-6, 48.8566 + i * 1e-6);
    sortie.append(paire, paire + std::char_traits<char>::length(paire));
  }
  return sortie;
}

// The clipboard's polygon text, its features repeated until the document holds 10 MB.
const std::vector<std::wstring>& document10Mo() {
  static const std::vector<std::wstring> lignes = [] {
    const std::vector<std::wstring> modele = stbxml_fixture::lignes(stbxml_fixture::textePolygone(paires(20)));
    // Lines 0 and 1 open the document, the last two close it (and end it with an empty line);
    // the feature member in between is repeated.
    std::vector<std::wstring> sortie(modele.begin(), modele.begin() + 2);
    std::size_t taille = 0;
    while (taille < kTaille) {
      for (std::size_t i = 2; i + 2 < modele.size(); ++i) {
        sortie.push_back(modele[i]);
        taille += modele[i].size() + 1;
      }
    }
    sortie.insert(sortie.end(), modele.end() - 2, modele.end());
    return sortie;
  }();
  return lignes;
}

void BM_Charger10MoDeLignes(benchmark::State& state) {
  document10Mo();  // generated once, outside the measure
  for (auto _ : state) {
    StbXml document;
    if (StbXml::charger(document, document10Mo()) != 0) state.SkipWithError("refused");
    benchmark::DoNotOptimize(document.noeuds.data());
    state.counters["noeuds"] = static_cast<double>(document.noeuds.size());
  }
}
BENCHMARK(BM_Charger10MoDeLignes)->Unit(benchmark::kMillisecond);

void BM_Charger10MoDUnFichier(benchmark::State& state) {
  const std::wstring chemin = L"bench_stb_xml_10Mo.gml";
  if (stbFichier_ecrireLignes(chemin, document10Mo()) != 0) {
    state.SkipWithError("cannot write the document");
    return;
  }
  for (auto _ : state) {
    StbXml document;
    document.chemin = chemin;
    if (StbXml::charger(document, {}) != 0) state.SkipWithError("refused");
    benchmark::DoNotOptimize(document.noeuds.data());
  }
  stbFichier_supprimer(chemin);
}
BENCHMARK(BM_Charger10MoDUnFichier)->Unit(benchmark::kMillisecond);

void BM_ChargerPolygone100000Paires(benchmark::State& state) {
  const std::vector<std::wstring> lignes = stbxml_fixture::lignes(stbxml_fixture::textePolygone(paires(kPaires)));
  for (auto _ : state) {
    StbXml document;
    if (StbXml::charger(document, lignes) != 0) state.SkipWithError("refused");
    benchmark::DoNotOptimize(document.noeuds.data());
  }
}
BENCHMARK(BM_ChargerPolygone100000Paires)->Unit(benchmark::kMillisecond);

void BM_ImporterPolygone100000Paires(benchmark::State& state) {
  const std::vector<std::wstring> lignes = stbxml_fixture::lignes(stbxml_fixture::textePolygone(paires(kPaires)));
  proj_remplirTable();
  const std::vector<verprojection> table = appTolvek.projections;
  for (auto _ : state) {
    std::int32_t ligne = -1;
    if (coord_importerGml(ligne, lignes, table) != 0 || pointsCoordonnees.size() != kPaires)
      state.SkipWithError("refused");
    benchmark::DoNotOptimize(pointsCoordonnees.data());
  }
  pointsCoordonnees.clear();
}
BENCHMARK(BM_ImporterPolygone100000Paires)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
