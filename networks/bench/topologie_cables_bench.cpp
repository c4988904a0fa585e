// The cable-topology stage on generated three-file networks of 5,000 to 40,000 pieces (one cell
// per four pieces) with their eight neighbours (the east and north ones in Lambert 93, the north
// one carrying the plan's system and read-only, so copied into Temp at each run), with and without
// a previous version: microseconds per piece of each step of the stage, and the process's peak
// memory. The previous version is the same network, a tenth of whose cables the comparison gives
// as deleted there and new in the delivery (redrawn in place); without it every element is new,
// the worst case. The time per piece should stay nearly flat from one size to the next. The files
// are generated once into the temporary folder and reused by later runs.
#include <benchmark/benchmark.h>


#include <cmath>
#include <cstdlib>
#include <map>

#include <boost/filesystem.hpp>

#include "engine/emprise_dessin.h"
#include "engine/emprise_lecture.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_generes.h"
#include "engine/plan_chrono.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/bench/mesures_bench.h"
#include "networks/topologie_cables.h"
#include "standard/element_table.h"
#include "toolbox/stb_fichier.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
namespace bfs = boost::filesystem;

namespace {

std::wstring nom(int i) { return L"QRL-47-00193-01246-03-D-0" + std::to_wstring(i); }
const wchar_t* const kCC47 = L"RGF93.CC47";
const wchar_t* const kL93 = L"IGN-RGF93";

// The folder of one size under the temporary folder, with the engine's record of it: Livre (the
// plan's and the neighbours' EL2 files), Origine (the plan's previous EL2 file), Temp (the
// footprint drawing), Parametres.
struct Dossier {
  vercontexte contexte;
  verplaninfo plan;
};

Dossier dossier(int troncons) {
  const bfs::path racine = bfs::temp_directory_path() / ("topologie_cables_bench_" + std::to_string(troncons));
  const std::wstring r = host::paths::fromNative(racine) + L"/";
  Dossier d;
  vercontexte& c = d.contexte;
  c.repLivre = r + L"Livre/";
  c.repOrigine = r + L"Origine/";
  c.repTemp = r + L"Temp/";
  c.fichierEmprises = c.repTemp + L"Emprises.dgn";
  const double cote = 20000.0 * std::sqrt(troncons / 4.0);  // streets 20 m apart
  const host::Point3d coin = pf::uor({1354950, 6234000, 0});
  // The plan (9) and its neighbours east, north-east, north, north-west, west, south-west, south,
  // south-east.
  const int decalages[9][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {0, 0}};
  for (int i = 0; i < 9; ++i) {
    verplaninfo p;
    p.nomPlan = p.libelleEmprise = nom(i == 8 ? 9 : i);
    p.chemin = c.repLivre + p.nomPlan + L".FP2";
    p.nomFichier = p.nomPlan + L".FP2";
    p.type = 2;
    p.version = 1;
    p.masqueTheme = p.masqueReseau = 62;
    p.georeference = true;
    p.projection.cleSysteme = i == 0 || i == 2 ? kL93 : kCC47;
    const host::Point3d o = coin + host::Point3d{decalages[i][0] * cote, decalages[i][1] * cote, 0};
    p.polygoneEmprise.emplace(0, std::vector<host::Point3d>{o, o + host::Point3d{cote, 0, 0}, o + host::Point3d{cote, cote, 0},
                                                            o + host::Point3d{0, cote, 0}, o});
    c.planInfos.push_back(p);
  }
  if (!bfs::exists(racine / "Temp" / "Emprises.dgn")) {
    bfs::remove_all(racine);
    for (const char* s : {"Livre", "Origine", "Temp"}) bfs::create_directories(racine / s);
    if (!pf::ecrireParametres(r + L"Parametres")) std::abort();
    fx::DesignBuilder plan;
    pf::definirNiveaux(plan, nom(9) + L".EL2");
    plan.header().coordinateSystem = kCC47;
    const pf::ReseauGenere g = pf::ajouterReseauGenere(plan, 2, troncons, coin, cote, 11);
    if (!pf::sauver(plan, c.repLivre + nom(9) + L".EL2") || !pf::sauver(plan, c.repOrigine + nom(9) + L".EL2")) std::abort();
    std::vector<fx::DesignBuilder> voisins = pf::voisinsReseauGenere(2, g);
    voisins[2].header().coordinateSystem = kCC47;  // the north one: copied into Temp
    for (std::size_t i = 0; i < voisins.size(); ++i)
      if (!pf::sauver(voisins[i], c.repLivre + nom(static_cast<int>(i)) + L".EL2")) std::abort();
    bfs::permissions(racine / "Livre" / (nom(2) + L".EL2"), bfs::remove_perms | bfs::owner_write | bfs::group_write | bfs::others_write);
    // The footprints, drawn in the plan's coordinates.
    if (stbFichier_copier(r + L"Parametres/Prototype.dgn", c.fichierEmprises) != 0) std::abort();
    host::ModelRef m;
    if (host::openWorkFile(&m, nullptr, nullptr, c.fichierEmprises, L"", false) != host::kSuccess) std::abort();
    std::vector<veremprise> emprises;
    for (const verplaninfo& p : c.planInfos)
      if (emprise_creer(emprises, versymbologie{}, versymbologie{}, p.polygoneEmprise->second, p, m) != 0) std::abort();
    host::closeWorkFile(m);
  }
  std::vector<veremprise> emprises;
  emprise_chargerFichier(emprises, c.fichierEmprises, {}, {nom(9)});
  if (emprises.size() != 1) std::abort();
  d.plan = c.planInfos.back();
  d.plan.emprise = emprises.front();
  return d;
}

void BM_TopologieCables(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const bool precedente = state.range(1) != 0;
  Dossier d = dossier(n);
  if (host::openWorkFile(&d.plan.modeleTheme, nullptr, nullptr, d.contexte.repLivre + nom(9) + L".EL2", L"", true) !=
      host::kSuccess)
    std::abort();
  d.plan.modelePrincipal = d.plan.modeleTheme;
  verfichier modele;
  modele.existe = true;
  modele.nomFichier = nom(9) + L".EL2";
  modele.chemin = d.contexte.repLivre + modele.nomFichier;
  modele.role = roleElectricite;
  modele.modele = d.plan.modeleTheme;
  modele.signatureValide = precedente;
  element_construireTable(modele);
  // The comparison: a tenth of the cables new in the delivery and deleted from the previous
  // version (same ids in both files), the others unchanged; without the previous version all new.
  std::vector<verecart> ecarts;
  std::size_t cables = 0;
  for (verelement& e : modele.elements) {
    verecart r;
    r.fichier = modele.nomFichier;
    const host::Element* element = host::readElement(modele.modele, e.idElement);
    r.type = element ? static_cast<std::uint32_t>(element->type) : 0;
    const bool change = !precedente || (e.classement.contenu == 1 && cables++ % 10 == 0);
    e.etatControle = change ? 2 : 1;
    r.statut = change ? 2 : 1;
    r.idLivre = e.idElement;
    r.idOrigine = change ? 0 : e.idElement;
    ecarts.push_back(r);
    if (change && precedente) {
      r.statut = 3;
      r.idLivre = 0;
      r.idOrigine = e.idElement;
      ecarts.push_back(r);
    }
  }

  std::map<std::string, double> etapes;
  std::size_t erreurs = 0;
  plan_remettreDurees();
  for (auto _ : state) {
    state.PauseTiming();
    verfichier fichier = modele;
    std::vector<vererreur> liste;
    state.ResumeTiming();
    ctrl_topologieCables(liste, ecarts, d.contexte, d.plan, fichier);
    erreurs = liste.size();
  }
  const double tours = static_cast<double>(state.iterations());
  std::size_t pieces = 0;
  for (const verelement& e : modele.elements) pieces += e.classement.contenu == 1 && (e.classement.reseau & 6) ? 1 : 0;
  const double p = static_cast<double>(pieces);
  state.counters["pieces"] = p;
  for (const plan_dureeEtape& e : plan_dureesEtapes())
    state.counters["us_" + e.etape.substr(e.etape.find(':') + 1) + "_par_piece"] = 1e6 * e.secondes / tours / p;
  state.counters["erreurs"] = static_cast<double>(erreurs);
  state.counters["pic_Mo"] = picMegaoctets();
  state.SetComplexityN(n);
  host::closeWorkFile(d.plan.modeleTheme);
}
BENCHMARK(BM_TopologieCables)
    ->ArgsProduct({{5000, 10000, 20000, 40000}, {1, 0}})
    ->ArgNames({"pieces", "precedente"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
