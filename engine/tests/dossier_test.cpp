#include "engine/dossier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/fixture/parametres_fixture.h"
#include "host/messages.h"
#include "host/text.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;

namespace {

std::wstring large(const fs::path& p) { return host::fixture::large(p); }

void ecrire(const fs::path& p, const std::string& contenu = "x") {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << contenu;
}

// A delivery folder and its parameter folder under the test's working directory; Livre holds
// `fichiers` (plain files: nothing reads them as drawings in the completion pass).
struct Dossier {
  fs::path racine, dossier, parametres;
  explicit Dossier(const std::string& nom) {
    racine = fs::absolute(fs::path("dossier_test") / nom);
    fs::remove_all(racine);
    dossier = racine / "LIVRAISON";
    parametres = racine / "Param";
    fs::create_directories(dossier / "Livre");
    EXPECT_TRUE(plan_fixture::ecrireParametres(large(parametres)));
  }
  std::int32_t charger(verdossier& d, std::wstring& message) const {
    return dossier_charger(d, message, large(dossier), large(parametres));
  }
};

TEST(DossierCharger, EachFailureGivesItsMessageAndResult) {
  struct Cas {
    const char* nom;
    void (*preparer)(const Dossier&);
    std::wstring (*attendu)(const Dossier&);
    std::int32_t resultat;
  };
  const Cas cas[] = {
      {"parametres", [](const Dossier& d) { fs::remove_all(d.parametres); },
       [](const Dossier& d) { return L"R\u00e9pertoire " + large(d.parametres) + L"/ introuvable."; }, -1},
      {"prototype", [](const Dossier& d) { fs::remove(d.parametres / "Prototype.dgn"); },
       [](const Dossier& d) { return L"Fichier " + large(d.parametres) + L"/Prototype.dgn introuvable."; }, -1},
      {"rapport", [](const Dossier& d) { ecrire(d.dossier / "Rapport"); },
       [](const Dossier& d) { return L"Impossible de cr\u00e9er le r\u00e9pertoire " + large(d.dossier) + L"/Rapport/."; }, -2},
      {"erreur", [](const Dossier& d) { ecrire(d.dossier / "Rapport" / "Erreur"); },
       [](const Dossier& d) { return L"Impossible de cr\u00e9er le r\u00e9pertoire " + large(d.dossier) + L"/Rapport/Erreur/."; }, -2},
      {"comparaison", [](const Dossier& d) { ecrire(d.dossier / "Rapport" / "Comparaison"); },
       [](const Dossier& d) { return L"Impossible de cr\u00e9er le r\u00e9pertoire " + large(d.dossier) + L"/Rapport/Comparaison/."; }, -2},
      {"temp", [](const Dossier& d) { ecrire(d.dossier / "Temp"); },
       [](const Dossier& d) { return L"Impossible de cr\u00e9er le r\u00e9pertoire " + large(d.dossier) + L"/Temp/."; }, -2},
      {"projections", [](const Dossier& d) { fs::remove(d.parametres / "Emprise_Projection.ini"); },
       [](const Dossier& d) { return L"Fichier " + large(d.parametres) + L"/Emprise_Projection.ini introuvable."; }, -1},
      {"departements", [](const Dossier& d) { fs::remove(d.parametres / "Emprise_Dept_Proj.ini"); },
       [](const Dossier& d) { return L"Fichier " + large(d.parametres) + L"/Emprise_Dept_Proj.ini introuvable."; }, -1},
      {"projections_vides", [](const Dossier& d) { ecrire(d.parametres / "Emprise_Projection.ini", "a;b\r\n"); },
       [](const Dossier&) { return std::wstring(L"Erreur dans la d\u00e9finition des projections."); }, -1},
      {"departements_vides", [](const Dossier& d) { ecrire(d.parametres / "Emprise_Dept_Proj.ini", "# rien\r\n"); },
       [](const Dossier&) {
         return std::wstring(L"Erreur dans la d\u00e9finition des relations entre d\u00e9partements et projections.");
       }, -1},
      {"prefixes", [](const Dossier& d) { fs::remove(d.parametres / "Prefixe_Texte_Valide.ini"); },
       [](const Dossier& d) { return L"Fichier " + large(d.parametres) + L"/Prefixe_Texte_Valide.ini introuvable."; }, -1},
      {"livre", [](const Dossier& d) { fs::remove_all(d.dossier / "Livre"); },
       [](const Dossier&) { return std::wstring(L"Le r\u00e9pertoire des donn\u00e9es livr\u00e9es n'existe pas."); }, -2},
      // Only EL2 and AR2 files, files named like no plan, an empty directory named like a plan.
      {"aucun_plan",
       [](const Dossier& d) {
         ecrire(d.dossier / "Livre" / "QRL-47-00217-01249-20-C-10.EL2");
         ecrire(d.dossier / "Livre" / "QRL-47-00217-01249-20-C-10.AR2");
         ecrire(d.dossier / "Livre" / "1234567.DGN");
         ecrire(d.dossier / "Livre" / "12345678.DG");
         ecrire(d.dossier / "Livre" / "LISEZMOI");
         fs::create_directories(d.dossier / "Livre" / "87654321.DGN");
       },
       [](const Dossier&) { return std::wstring(L"Le r\u00e9pertoire des donn\u00e9es livr\u00e9es ne contient aucun plan."); }, -2},
      // A directory where the footprint drawing should be made.
      {"emprises",
       [](const Dossier& d) {
         ecrire(d.dossier / "Livre" / "12345678.DGN");
         fs::create_directories(d.dossier / "Temp" / "Emprises.dgn");
       },
       [](const Dossier& d) {
         return L"Impossible de copier le fichier " + large(d.parametres) + L"/Prototype.dgn en " + large(d.dossier) +
                L"/Temp/Emprises.dgn.";
       }, -2},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    const Dossier d(c.nom);
    c.preparer(d);
    verdossier dossier;
    std::wstring message;
    EXPECT_EQ(d.charger(dossier, message), c.resultat);
    EXPECT_EQ(message, c.attendu(d));
    // On failure only the two paths given are set.
    EXPECT_EQ(dossier.repertoire, large(d.dossier));
    EXPECT_EQ(dossier.repParametres, large(d.parametres));
    EXPECT_FALSE(dossier.initialise);
    EXPECT_TRUE(dossier.nom.empty());
    EXPECT_TRUE(dossier.plans.empty());
  }
}

TEST(DossierCharger, ARootPathNamesNoFolder) {
  const Dossier d("racine");
  verdossier dossier;
  std::wstring message = L"avant";
  EXPECT_EQ(dossier_charger(dossier, message, L"/", large(d.parametres)), -2);
  EXPECT_EQ(message, L"avant");
}

TEST(DossierCharger, FillsTheFolderRecordAndMakesTheWorkingDirectories) {
  const Dossier d("complet");
  ecrire(d.dossier / "Livre" / "12345678.dgn");
  ecrire(d.dossier / "Livre" / "ABCDEFGH.261", "");  // empty, named like a plan: listed all the same
  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(d.charger(dossier, message), 0) << std::string(message.begin(), message.end());
  EXPECT_TRUE(message.empty());
  const std::wstring f = large(d.dossier) + L"/";
  EXPECT_EQ(dossier.nom, L"LIVRAISON");
  EXPECT_TRUE(dossier.initialise);
  EXPECT_EQ(dossier.repertoire, f);
  EXPECT_EQ(dossier.repLivre, f + L"Livre/");
  EXPECT_EQ(dossier.repOrigine, f + L"Origine/");
  EXPECT_EQ(dossier.repRapport, f + L"Rapport/");
  EXPECT_EQ(dossier.repErreur, f + L"Rapport/Erreur/");
  EXPECT_EQ(dossier.repComparaison, f + L"Rapport/Comparaison/");
  EXPECT_EQ(dossier.repParametres, large(d.parametres) + L"/");
  EXPECT_EQ(dossier.fichierBilan, f + L"Rapport/LIVRAISON_Bilan.csv");
  EXPECT_EQ(dossier.fichierEmprises, f + L"Temp/Emprises.dgn");
  for (const char* rep : {"Rapport", "Rapport/Erreur", "Rapport/Comparaison", "Temp"})
    EXPECT_TRUE(fs::is_directory(d.dossier / rep)) << rep;
  EXPECT_FALSE(fs::exists(d.dossier / "Origine"));  // neither required nor created

  ASSERT_EQ(dossier.plans.size(), 2u);
  const verplan& p = dossier.plans[0];  // listed in the order of the upper-cased names
  EXPECT_EQ(p.nom, L"12345678.DGN");
  EXPECT_EQ(p.type, 1);
  EXPECT_EQ(p.version, 1);
  EXPECT_EQ(p.statuts, (std::array<std::int32_t, 6>{-1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(p.fichierErreurs, f + L"Rapport/Erreur/12345678.DGN_Erreurs.csv");
  EXPECT_EQ(p.fichierCompare, f + L"Rapport/Comparaison/12345678.DGN_Compare.csv");
  EXPECT_TRUE(p.emprise.isNull());
  EXPECT_FALSE(p.lectureSeule);
  EXPECT_EQ(dossier.plans[1].nom, L"ABCDEFGH.261");
}

TEST(DossierCharger, RelativeAndAbsoluteFolderPathsGiveTheSameRecord) {
  const Dossier d("relatif");
  ecrire(d.dossier / "Livre" / "12345678.DGN");
  verdossier absolu, relatif;
  std::wstring message;
  ASSERT_EQ(dossier_charger(absolu, message, large(d.dossier), large(d.parametres)), 0);
  const fs::path rel = fs::relative(d.dossier);
  ASSERT_TRUE(rel.is_relative());
  ASSERT_EQ(dossier_charger(relatif, message, large(rel) + L"/", large(d.parametres)), 0);
  EXPECT_EQ(relatif.nom, absolu.nom);
  EXPECT_EQ(relatif.repertoire, absolu.repertoire);
  EXPECT_EQ(relatif.repLivre, absolu.repLivre);
  EXPECT_EQ(relatif.fichierBilan, absolu.fichierBilan);
}

// The folder's name is its last non-empty component, however the path ends.
TEST(DossierCharger, TheFolderNameIsTheLastNonEmptyComponent) {
  const Dossier d("separateurs");
  ecrire(d.dossier / "Livre" / "12345678.DGN");
  for (const std::wstring fin : {L"", L"/", L"//", L"\\", L"/\\/"}) {
    verdossier dossier;
    std::wstring message;
    ASSERT_EQ(dossier_charger(dossier, message, large(d.dossier) + fin, large(d.parametres)), 0) << fin;
    EXPECT_EQ(dossier.nom, L"LIVRAISON") << fin;
    const std::wstring bilan = L"Rapport/LIVRAISON_Bilan.csv";
    ASSERT_GE(dossier.fichierBilan.size(), bilan.size());
    EXPECT_EQ(dossier.fichierBilan.substr(dossier.fichierBilan.size() - bilan.size()), bilan) << fin;
  }
}

// The writers' temporary files left by a run killed between writing and renaming go when the
// folder is set up; nothing else does.
TEST(DossierCharger, LeftoverTemporaryFilesOfOurWritersAreRemoved) {
  const Dossier d("provisoires");
  ecrire(d.dossier / "Livre" / "12345678.DGN");
  const char* restes[] = {"Rapport/.LIVRAISON_Bilan.csv.0a1b2c3d.tmp", "Rapport/Erreur/.X.DGN_Erreurs.csv.12345678.tmp",
                          "Rapport/Comparaison/.X_Compare.csv.abcdef01.tmp", "Temp/Emprises.dgn.tmp-9f8e7d6c",
                          "Temp/.Emprises.dgn.00ff00ff.tmp"};
  const char* gardes[] = {"Rapport/notes.tmp", "Rapport/.cache.tmp", "Temp/Emprises.dgn.tmp-zzzzzzzz",
                          "Rapport/.LIVRAISON_Bilan.csv.0A1B2C3D.tmp", "Livre/.X.DGN.0a1b2c3d.tmp"};
  for (const char* f : restes) ecrire(d.dossier / f);
  for (const char* f : gardes) ecrire(d.dossier / f);
  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(d.charger(dossier, message), 0);
  for (const char* f : restes) EXPECT_FALSE(fs::exists(d.dossier / f)) << f;
  for (const char* f : gardes) EXPECT_TRUE(fs::exists(d.dossier / f)) << f;
}

// Files that name one plan file (names equal without case, or once decoded) are never read one
// for the other, nor are plans whose names the reports store alike (";" is stored as ","): their
// plan is not listed, and the user is told which files clash.
TEST(DossierCharger, FilesThatNameOnePlanFileAreToldAndNotListed) {
  const Dossier d("homonymes");
  for (const char* nom : {"12345678.dgn", "12345678.DGN", "CAF\xC9_001.dgn", "CAF\xC3\x89_001.dgn", "1234;678.DGN",
                          "1234,678.dgn", "87654321.DGN"})
    ecrire(d.dossier / "Livre" / fs::path(std::string(nom)));
  host::messages::clearLog();
  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(d.charger(dossier, message), 0);
  ASSERT_EQ(dossier.plans.size(), 1u);
  EXPECT_EQ(dossier.plans[0].nom, L"87654321.DGN");
  std::vector<std::wstring> messages;
  for (const auto& e : host::messages::log())
    if (e.kind == host::messages::Kind::MessageList) messages.push_back(e.brief);
  EXPECT_EQ(messages.size(), 3u);
  for (const std::wstring attendu :
       {L"Les fichiers 12345678.DGN, 12345678.dgn d\u00e9signent le m\u00eame fichier",
        L"Les fichiers CAF\u00c9_001.dgn, CAF\u00c9_001.dgn d\u00e9signent le m\u00eame fichier",
        L"Les fichiers 1234,678.dgn, 1234;678.DGN portent le m\u00eame nom dans les rapports : leur plan n'est pas "
        L"v\u00e9rifi\u00e9. Renommez-les."})
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [&](const std::wstring& m) { return m.find(attendu) != std::wstring::npos; }),
              1)
        << host::text::toUtf8(attendu);
}

TEST(DossierCharger, AThreeFilePlanIsReadOnlyWhenItsAr2FileIs) {
  const Dossier d("lecture_seule");
  const fs::path livre = d.dossier / "Livre";
  for (const char* ext : {".FP2", ".EL2", ".AR2"}) ecrire(livre / (std::string("QRL-47-00217-01249-20-C-10") + ext));
  ecrire(livre / "12345678.DGN");
  fs::permissions(livre / "QRL-47-00217-01249-20-C-10.AR2",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(d.charger(dossier, message), 0);
  ASSERT_EQ(dossier.plans.size(), 2u);
  EXPECT_EQ(dossier.plans[0].nom, L"12345678.DGN");
  EXPECT_FALSE(dossier.plans[0].lectureSeule);
  EXPECT_EQ(dossier.plans[1].nom, L"QRL-47-00217-01249-20-C-10");
  EXPECT_EQ(dossier.plans[1].type, 2);
  EXPECT_TRUE(dossier.plans[1].lectureSeule);
}

}  // namespace

namespace {

TEST(DossierInitialiser, RebuildTakesThePlansOfTheRecordWithoutListingLivre) {
  const Dossier d("reconstruire");
  ecrire(d.dossier / "Livre" / "12345678.DGN");  // in Livre but not in the record: not rebuilt
  verdossier dossier;
  dossier.repertoire = large(d.dossier);
  dossier.repParametres = large(d.parametres);
  vercontexte ctx;
  std::wstring message;
  // An empty plan list is no failure in rebuild mode.
  EXPECT_EQ(dossier_initialiser(ctx, message, dossier, dossierReconstruire), 0);
  EXPECT_TRUE(ctx.initialise);
  EXPECT_TRUE(ctx.planInfos.empty());

  for (const char* ext : {".FP2", ".EL2", ".AR2"}) ecrire(d.dossier / "Livre" / (std::string("QRL-47-00193-01246-03-D-24") + ext));
  fs::permissions(d.dossier / "Livre" / "QRL-47-00193-01246-03-D-24.EL2",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
  verplan plan;
  plan.nom = L"qrl-47-00193-01246-03-d-24";
  plan.type = 2;
  plan.version = 1;
  plan.projection = L"RGF93.CC47";
  dossier.plans.push_back(plan);
  vercontexte ctx2;
  ASSERT_EQ(dossier_initialiser(ctx2, message, dossier, dossierReconstruire), 0);
  ASSERT_EQ(ctx2.planInfos.size(), 1u);
  const verplaninfo& info = ctx2.planInfos[0];
  EXPECT_EQ(info.nomPlan, L"QRL-47-00193-01246-03-D-24");
  EXPECT_EQ(info.type, 2u);
  EXPECT_EQ(info.projection.codeCourt, L"C47");
  EXPECT_TRUE(info.lectureSeule);
  EXPECT_EQ(ctx2.nom, L"LIVRAISON");
  EXPECT_EQ(ctx2.fichierSignature, large(d.dossier) + L"/Origine/Signature/Signature.json");
  EXPECT_FALSE(fs::exists(d.dossier / "Temp" / "Emprises.dgn"));  // no footprints in rebuild mode
}

}  // namespace
