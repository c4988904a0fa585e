// A delivery folder driven through the five operations as the application drives them: set up,
// verified as a list with the trace, one plan verified and one compared; the reports are held
// against expected files (dates and times masked) and nothing delivered is touched.
#include <gtest/gtest.h>


#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <sstream>

#include "engine/fixture/livraison_fixture.h"
#include "engine/halvorn.h"
#include "host/config.h"
#include "host/views.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;

namespace {

std::string lire(const fs::path& fichier) {
  std::ifstream in(fichier, std::ios::binary);
  std::ostringstream contenu;
  contenu << in.rdbuf();
  return contenu.str();
}


// Every run of `texte` that fits `forme` ('9' a digit, any other character itself) becomes `masque`.
std::string remplacerForme(const std::string& texte, const std::string& forme, const std::string& masque) {
  std::string r;
  for (std::size_t i = 0; i < texte.size();) {
    bool correspond = i + forme.size() <= texte.size();
    for (std::size_t k = 0; correspond && k < forme.size(); ++k)
      correspond = forme[k] == '9' ? std::isdigit(static_cast<unsigned char>(texte[i + k])) != 0 : texte[i + k] == forme[k];
    if (correspond) {
      r += masque;
      i += forme.size();
    } else {
      r += texte[i++];
    }
  }
  return r;
}

// Dates "dd/mm/yyyy", times "hh:mm:ss" and the folder's own path (either case) are masked.
std::string masquer(std::string texte, std::string racine) {
  for (int passe = 0; passe < 2; ++passe) {
    for (std::size_t p = texte.find(racine); p != std::string::npos; p = texte.find(racine))
      texte.replace(p, racine.size(), "<DOSSIER>");
    for (char& c : racine) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return remplacerForme(remplacerForme(texte, "99/99/9999", "<DATE>"), "99:99:99", "<HEURE>");
}

class VerifBoutEnBout : public ::testing::Test {
 protected:
  fs::path racine, dossier, livre, origine, parametres;

  void SetUp() override {
    racine = fs::absolute("verif_bout_en_bout");
    fs::remove_all(racine);
    dossier = racine / "LIVRAISON";
    livre = dossier / "Livre";
    origine = dossier / "Origine";
    parametres = racine / "Parametres";
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(parametres)));
    livrer();
    host::config::set(L"TOLVEK_PARAM", host::fixture::large(parametres));
    host::views::reset();
  }
  void TearDown() override { host::config::unset(L"TOLVEK_PARAM"); }

  void livrer() {
    namespace pf = plan_fixture;
    // Clean plans, and their previous versions in Origine.
    for (const fs::path& d : {livre, origine}) ASSERT_TRUE(pf::livrerPropres(host::fixture::large(d)));
    // A 3D one-file plan, one with wrong units, an unreadable file named like a plan; a 1:500
    // three-file plan with a gas file beside it.
    ASSERT_TRUE(pf::livrerDefautsFichiers(host::fixture::large(livre)));
    ASSERT_TRUE(pf::livrerTroisFichiersAvecGaz(host::fixture::large(livre)));
    // Entries that list no plan: a short name, an empty file of a near name, a directory.
    std::ofstream(livre / "notes.txt") << "notes";
    std::ofstream(livre / "4401045.109");
    fs::create_directories(livre / "44010454.109");
    for (const fs::path& d : {livre, origine}) ASSERT_TRUE(pf::dater(host::fixture::large(d)));
  }

  std::string rapport(const std::wstring& chemin) const {
    return masquer(lire(fs::path(chemin)), dossier.string());
  }
  static std::string attendu(const std::string& nom) {
    return lire(fs::path(TEST_SOURCE_DIR) / "data" / "bout_en_bout" / nom);
  }
};

TEST_F(VerifBoutEnBout, SetUpListVerificationSingleVerificationAndComparison) {
  const auto avant = plan_fixture::empreintes({livre, origine});

  verdossier d;
  std::wstring message;
  ASSERT_EQ(verif_initialiserDossier(d, message, host::fixture::large(dossier)), verifSucces)
      << std::string(message.begin(), message.end());
  std::vector<std::wstring> noms;
  for (const verplan& p : d.plans) noms.push_back(p.nom);
  // Plans whose frame reads first, then those listed by name only.
  EXPECT_EQ(noms, (std::vector<std::wstring>{L"44010450.109", L"44010451.109", L"44010452.109",
                                             L"QRL-47-00193-01246-03-D-24", L"QRL-47-00193-01246-03-D-D",
                                             L"44010453.109"}));
  ASSERT_EQ(d.plans.size(), 6u);
  EXPECT_EQ(d.plans[4].version, 2);
  EXPECT_EQ(d.plans[5].version, 1);
  EXPECT_FALSE(d.plans[0].projection.empty());
  EXPECT_EQ(d.plans[3].projection, d.plans[0].projection);
  EXPECT_TRUE(d.plans[5].projection.empty());  // no frame read
  EXPECT_FALSE(d.projection.empty());
  EXPECT_TRUE(fs::is_regular_file(fs::path(d.fichierEmprises)));

  std::vector<std::int32_t> tous(d.plans.size());
  std::iota(tous.begin(), tous.end(), 0);
  EXPECT_EQ(verif_verifierListePlan(tous, d, drapeauTrace), verifSucces);
  std::vector<std::int32_t> resultats;
  for (const verplan& p : d.plans) resultats.push_back(p.statuts[0]);
  EXPECT_EQ(resultats, (std::vector<std::int32_t>{0, 1, 1, 0, 1, 1}));

  EXPECT_EQ(verif_verifierPlan(d.plans[1], d, 0), verifErreursTrouvees);
  EXPECT_EQ(verif_comparerPlan(d.plans[0], d, 0), verifSucces);

  EXPECT_EQ(rapport(d.fichierBilan), attendu("LIVRAISON_Bilan.csv"));
  EXPECT_EQ(rapport(d.plans[1].fichierErreurs), attendu("44010451.109_Erreurs.csv"));
  EXPECT_EQ(rapport(d.plans[4].fichierErreurs), attendu("QRL-47-00193-01246-03-D-D_Erreurs.csv"));
  EXPECT_EQ(rapport(d.plans[5].fichierErreurs), attendu("44010453.109_Erreurs.csv"));
  EXPECT_FALSE(fs::exists(fs::path(d.plans[0].fichierErreurs)));
  EXPECT_EQ(rapport(d.plans[0].fichierCompare), attendu("44010450.109_Compare.csv"));
  EXPECT_EQ(rapport(d.repRapport + L"Trace.txt"), attendu("Trace.txt"));

  EXPECT_EQ(plan_fixture::empreintes({livre, origine}), avant) << "a delivered file or a previous version was touched";
}

}  // namespace
