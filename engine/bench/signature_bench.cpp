// The signature step: SHA-256 of a 256 MiB file (throughput, and the process's peak memory, which
// must stay near the 1 MiB read buffer), and the step on the clean three-file plan in each mode
// (flag 1, the signature list, the signature library with its resource file).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <fstream>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/plan_signature.h"
#include "engine/sha256.h"
#include "host/config.h"
#include "host/paths.h"

namespace fs = boost::filesystem;

namespace {

double picMegaoctets() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

fs::path dossierBench() {
  const fs::path d = fs::temp_directory_path() / "signature_bench";
  fs::create_directories(d);
  return d;
}

void BM_Sha256Fichier256Mio(benchmark::State& state) {
  constexpr std::size_t taille = 256u << 20;
  const fs::path f = dossierBench() / "gros.bin";
  {
    std::ofstream o(f.string(), std::ios::binary);
    std::vector<char> bloc(1u << 20);
    for (std::size_t i = 0; i < bloc.size(); ++i) bloc[i] = static_cast<char>(i * 131);
    for (std::size_t n = 0; n < taille; n += bloc.size()) o.write(bloc.data(), static_cast<std::streamsize>(bloc.size()));
  }
  const double avant = picMegaoctets();
  std::string hex;
  for (auto _ : state) {
    sha256_fichier(hex, host::paths::fromNative(f));
    benchmark::DoNotOptimize(hex);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(taille));
  state.counters["pic_avant_Mo"] = avant;
  state.counters["pic_apres_Mo"] = picMegaoctets();
  fs::remove(f);
}
BENCHMARK(BM_Sha256Fichier256Mio)->Unit(benchmark::kMillisecond);

void BM_EtapeSignatureTroisFichiers(benchmark::State& state) {
  const fs::path d = dossierBench() / ("mode" + std::to_string(state.range(0)));
  fs::remove_all(d);
  fs::create_directories(d);
  const std::wstring origine = host::paths::fromNative(d) + L"/";
  const plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
  plan_fixture::enregistrer(trois, origine);
  const std::wstring liste = origine + L"Signature/Signature.json";
  drapeauxVerification drapeaux = 0;
  if (state.range(0) == modeSignatureAucun) drapeaux = drapeauSansSignature;
  if (state.range(0) == modeSignatureListe) plan_fixture::ecrireListeSignature(origine);
  if (state.range(0) == modeSignatureBibliotheque)
    host::config::set(L"BREVANE_MAFILE", host::paths::fromNative(fs::path(PROJECT_SOURCE_DIR) / "resources" / "brevane.json"));
  verplan plan;
  plan.nom = trois.nom;
  plan.type = 2;
  plan.version = 1;
  for (auto _ : state) {
    verif_verifierSignaturePlan(plan, origine, liste, drapeaux);
    benchmark::DoNotOptimize(plan.statuts);
  }
  host::config::unset(L"BREVANE_MAFILE");
  state.counters["statut_FP2"] = plan.statuts[3];
}
BENCHMARK(BM_EtapeSignatureTroisFichiers)->Arg(modeSignatureAucun)->Arg(modeSignatureBibliotheque)->Arg(modeSignatureListe)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
