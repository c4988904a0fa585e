// The library as the application sees it: this program includes only the public header and links
// only libhalvorn.so and the host.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "host/config.h"
#include "host/version_record.h"
#include "host/views.h"

namespace {

// The demangled names of the library's exported (defined, dynamic) symbols.
std::vector<std::string> symbolesExportes() {
  std::vector<std::string> noms;
  const std::string commande = std::string("nm -D --defined-only -C ") + HALVORN_LIB_PATH;
  std::unique_ptr<FILE, int (*)(FILE*)> tube(popen(commande.c_str(), "r"), pclose);
  if (!tube) return noms;
  char ligne[4096];
  while (fgets(ligne, sizeof ligne, tube.get())) {
    std::string s(ligne);
    if (!s.empty() && s.back() == '\n') s.pop_back();
    // "address type name"
    const auto a = s.find(' ');
    const auto b = a == std::string::npos ? a : s.find(' ', a + 1);
    if (b != std::string::npos) noms.push_back(s.substr(b + 1));
  }
  return noms;
}

TEST(HalvornLib, ExportsOnlyTheFiveOperationsAndTheVersionRecord) {
  const auto noms = symbolesExportes();
  ASSERT_FALSE(noms.empty());
  int operations = 0;
  for (const auto& n : noms) {
    if (n.rfind("verif_", 0) == 0) {
      ++operations;
      continue;
    }
    EXPECT_EQ(n, "cadhost_version_record") << "exported by mistake";
  }
  EXPECT_EQ(operations, 5);
}

TEST(HalvornLib, VersionRecordIsReadableByTheHost) {
  const auto path = std::wstring(HALVORN_LIB_PATH_W);
  const auto record = host::version::readFile(path);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(host::version::text(*record), L"1.0.0.0");
}

TEST(HalvornLib, UndefinedParameterVariableRefusesTheFolder) {
  host::config::unset(L"TOLVEK_PARAM");
  verdossier dossier;
  dossier.nom = L"ANCIEN";
  dossier.plans.resize(2);
  std::wstring message;
  EXPECT_EQ(verif_initialiserDossier(dossier, message, L"/tmp"), verifErreurParametres);
  EXPECT_EQ(message, L"La variable d'environnement TOLVEK_PARAM n'est pas d\u00e9finie.");
  EXPECT_TRUE(dossier.nom.empty());
  EXPECT_TRUE(dossier.plans.empty());
}

TEST(HalvornLib, IncompleteFolderRecordIsRefusedByEveryOperation) {
  verdossier dossier;  // never set up
  verplan plan;
  plan.nom = L"12345678.DGN";
  plan.type = 1;
  plan.version = 1;
  plan.erreurs.resize(1);
  std::wstring code = L"XXXX";
  EXPECT_EQ(verif_verifierListePlan({0}, dossier, 0), verifErreurDossier);
  EXPECT_EQ(verif_verifierPlan(plan, dossier, 0), verifErreurDossier);
  EXPECT_TRUE(plan.erreurs.empty());
  EXPECT_EQ(verif_comparerPlan(plan, dossier, 0), verifErreurDossier);
  EXPECT_EQ(verif_actualiserCartouche(code, plan, dossier, 0), verifRefus);
  EXPECT_TRUE(code.empty());
}

// A folder set up, verified as a list and verified plan by plan through the library alone. Its
// one plan file does not open as a drawing: it is listed by name and fails the file and level
// checks.
TEST(HalvornLib, FolderSetUpAndVerificationThroughTheLibrary) {
  namespace fs = std::filesystem;
  const fs::path racine = fs::absolute("dossier_bibliotheque");
  fs::remove_all(racine);
  const fs::path param = racine / "Param";
  fs::create_directories(param);
  fs::create_directories(racine / "LIVRAISON" / "Livre");
  std::ofstream(param / "Prototype.dgn") << "";
  std::ofstream(param / "Emprise_Projection.ini") << "Lambert 93;L93;93;-17000;5988000;1291000;7189000\r\n";
  std::ofstream(param / "Emprise_Dept_Proj.ini") << "44;L93;270000;6640000;400000;6760000\r\n";
  std::ofstream(param / "Prefixe_Texte_Valide.ini") << "PRJ=\r\n";
  std::ofstream(racine / "LIVRAISON" / "Livre" / "12345678.DGN") << "pas un dessin";
  host::config::set(L"TOLVEK_PARAM", param.wstring());
  host::views::reset();

  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(verif_initialiserDossier(dossier, message, (racine / "LIVRAISON").wstring()), verifSucces);
  ASSERT_EQ(dossier.plans.size(), 1u);
  EXPECT_EQ(dossier.nom, L"LIVRAISON");
  EXPECT_EQ(verif_verifierListePlan({0}, dossier, drapeauTrace), verifSucces);
  EXPECT_EQ(dossier.plans[0].statuts[0], 1);
  ASSERT_EQ(dossier.plans[0].erreurs.size(), 2u);  // the file check, then the level check
  EXPECT_EQ(dossier.plans[0].erreurs[0].code, 2012u);
  EXPECT_EQ(dossier.plans[0].erreurs[1].code, 2012u);
  EXPECT_TRUE(fs::exists(fs::path(dossier.fichierBilan)));
  EXPECT_TRUE(fs::exists(fs::path(dossier.plans[0].fichierErreurs)));
  EXPECT_EQ(verif_verifierPlan(dossier.plans[0], dossier, 0), verifErreursTrouvees);
  // No code in a file that is no drawing, no previous version: the producer code.
  std::wstring code;
  EXPECT_EQ(verif_actualiserCartouche(code, dossier.plans[0], dossier, 0), verifSucces);
  EXPECT_EQ(code, L"TALV");
  host::config::unset(L"TOLVEK_PARAM");
}

}  // namespace
