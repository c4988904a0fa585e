// The demo delivery folder: the files it holds, and what the folder set-up and a list
// verification make of them (the lower-case plan among them); nothing delivered is touched.
#include "engine/fixture/livraison_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <array>
#include <map>
#include <numeric>
#include <set>
#include <sstream>

#include "engine/halvorn.h"
#include "host/config.h"
#include "host/fixture/temp_folder.h"
#include "host/paths.h"
#include "host/views.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;
namespace pf = plan_fixture;

namespace {


std::set<std::string> noms(const fs::path& dossier) {
  std::set<std::string> n;
  for (const auto& f : fs::directory_iterator(dossier)) n.insert(f.path().filename().string());
  return n;
}

struct planDemo {
  std::wstring nom;
  std::int32_t type;
  std::int32_t resultat;  // after the list verification
  std::vector<std::uint32_t> codes;
  const char* pourquoi;
};

// In the order of the folder's plan list: plans whose frame reads, by name ignoring case, then
// the others.
const std::vector<planDemo>& plansAttendus() {
  static const std::vector<planDemo> plans = {
      {pf::demoPropreUnique, 1, 1, {2061}, "a new BT cable from a cabinet to a free end"},
      {L"44010451.109", 1, 1, {1004}, "3D file"},
      {L"44010452.109", 1, 1, {1001}, "wrong units"},
      {L"QRL-47-00193-01246-03-D-19", 2, 0, {}, "AR2 missing: passed over by the checks built so far"},
      {pf::demoHorsCase, 2, 1, {1120, 1120, 1120, 1130}, "frame and cells of another sheet than its name's"},
      {pf::demoPropreTrois, 2, 0, {}, "clean three-file plan"},
      {L"QRL-47-00193-01246-03-D-25", 2, 0, {}, "clean plan delivered in lower case"},
      {L"QRL-47-00193-01246-03-D-D", 2, 1, {1008}, "gas file beside a three-file plan"},
      {L"44010453.109", 1, 1, {2012, 2012}, "no drawing: the file and level checks each report it"},
  };
  return plans;
}

class LivraisonDemo : public ::testing::Test {
 protected:
  void SetUp() override { host::views::reset(); }
  void TearDown() override { host::config::unset(L"TOLVEK_PARAM"); }

  // One folder a test, of its own under the temporary directory, removed after it.
  host::fixture::TempFolder dossierTest{"livraison_demo"};
  fs::path racine{dossierTest.path().string()};
  pf::CheminsDemo chemins;
  std::wstring message;
};

TEST_F(LivraisonDemo, HoldsCleanFaultyLowerCaseAndPreviousPlansAndAParameterFolder) {
  std::ofstream(racine / "garde.txt") << "reste";
  fs::create_directories(racine / "Livraison" / "Rapport");
  std::ofstream(racine / "Livraison" / "Rapport" / "ancien.csv") << "x";
  ASSERT_TRUE(pf::ecrireDemo(host::fixture::large(racine), chemins, message));
  EXPECT_TRUE(fs::exists(racine / "garde.txt"));  // only Livraison and Parametres are replaced
  EXPECT_EQ(noms(racine / "Livraison"), (std::set<std::string>{"Livre", "Origine"}));
  EXPECT_EQ(noms(racine / "Parametres"), (std::set<std::string>{"Prototype.dgn", "Emprise_Projection.ini",
                                                                "Emprise_Dept_Proj.ini", "Prefixe_Texte_Valide.ini"}));
  const std::string qrl = "QRL-47-00193-01246-03-";
  EXPECT_EQ(noms(racine / "Livraison" / "Livre"),
            (std::set<std::string>{"44010450.109", "44010451.109", "44010452.109", "44010453.109",
                                   qrl + "D-24.FP2", qrl + "D-24.EL2", qrl + "D-24.AR2",
                                   qrl + "D-D.FP2", qrl + "D-D.EL2", qrl + "D-D.AR2", qrl + "D-D.GZ2",
                                   "qrl-47-00193-01246-03-d-25.fp2", "qrl-47-00193-01246-03-d-25.el2",
                                   "qrl-47-00193-01246-03-d-25.ar2",
                                   qrl + "D-23.FP2", qrl + "D-23.EL2", qrl + "D-23.AR2",
                                   qrl + "D-19.FP2", qrl + "D-19.EL2"}));
  EXPECT_EQ(noms(racine / "Livraison" / "Origine"),
            (std::set<std::string>{"44010450.109", qrl + "D-24.FP2", qrl + "D-24.EL2", qrl + "D-24.AR2", "Signature",
                                   "qrl-47-00193-01246-03-d-25.fp2", "qrl-47-00193-01246-03-d-25.el2",
                                   "qrl-47-00193-01246-03-d-25.ar2"}));
  // The previous one-file plan differs from the delivered one; the three-file plans do not.
  const fs::path livre = racine / "Livraison" / "Livre", origine = racine / "Livraison" / "Origine";
  EXPECT_NE(pf::sha256(livre / "44010450.109"), pf::sha256(origine / "44010450.109"));
  EXPECT_EQ(pf::sha256(livre / (qrl + "D-24.FP2")), pf::sha256(origine / (qrl + "D-24.FP2")));
  EXPECT_EQ(pf::sha256(livre / "qrl-47-00193-01246-03-d-25.el2"), pf::sha256(origine / "qrl-47-00193-01246-03-d-25.el2"));
  EXPECT_EQ(fs::last_write_time(livre / "44010450.109"),
            fs::file_time_type::clock::from_sys(std::chrono::system_clock::from_time_t(pf::dateLivraison)));
}

TEST_F(LivraisonDemo, SetsUpAndVerifiesWithTheExpectedStatuses) {
  ASSERT_TRUE(pf::ecrireDemo(host::fixture::large(racine), chemins, message));
  host::config::set(L"TOLVEK_PARAM", chemins.parametres);
  const fs::path livraison(chemins.livraison);
  const auto avant = pf::empreintes({livraison / "Livre", livraison / "Origine"});

  verdossier d;
  ASSERT_EQ(verif_initialiserDossier(d, message, chemins.livraison), verifSucces)
      << std::string(message.begin(), message.end());
  ASSERT_EQ(d.plans.size(), plansAttendus().size());
  for (std::size_t i = 0; i < d.plans.size(); ++i) {
    SCOPED_TRACE(plansAttendus()[i].pourquoi);
    EXPECT_EQ(d.plans[i].nom, plansAttendus()[i].nom);
    EXPECT_EQ(d.plans[i].type, plansAttendus()[i].type);
    EXPECT_EQ(d.plans[i].statuts[0], -1);
  }
  EXPECT_TRUE(fs::is_regular_file(fs::path(d.fichierEmprises)));

  std::vector<std::int32_t> tous(d.plans.size());
  std::iota(tous.begin(), tous.end(), 0);
  EXPECT_EQ(verif_verifierListePlan(tous, d, drapeauSansSignature), verifSucces);
  for (std::size_t i = 0; i < d.plans.size(); ++i) {
    const planDemo& p = plansAttendus()[i];
    SCOPED_TRACE(p.pourquoi);
    EXPECT_EQ(d.plans[i].statuts[0], p.resultat);
    std::vector<std::uint32_t> codes;
    for (const vererreur& e : d.plans[i].erreurs) codes.push_back(e.code);
    EXPECT_EQ(codes, p.codes);
    EXPECT_EQ(fs::exists(fs::path(d.plans[i].fichierErreurs)), !p.codes.empty());
  }
  EXPECT_TRUE(fs::is_regular_file(fs::path(d.fichierBilan)));

  // With the signatures checked, by the demo's signature list: every previous version is valid,
  // those of the lower-case plan included; a plan without previous version gets 1.
  EXPECT_EQ(verif_verifierListePlan(tous, d, 0), verifSucces);
  std::map<std::wstring, std::array<std::int32_t, 4>> signatures;
  for (const verplan& p : d.plans) {
    std::wstring nom = p.nom;
    for (wchar_t& c : nom) c = host::paths::upper(c);
    signatures[nom] = {p.statuts[2], p.statuts[3], p.statuts[4], p.statuts[5]};
  }
  using S = std::array<std::int32_t, 4>;
  EXPECT_EQ(signatures.at(pf::demoPropreUnique), (S{0, -1, -1, -1}));
  EXPECT_EQ(signatures.at(pf::demoPropreTrois), (S{-1, 0, 0, 0}));
  EXPECT_EQ(signatures.at(L"QRL-47-00193-01246-03-D-25"), (S{-1, 0, 0, 0}));

  // The engine writes beside Livre and Origine, never in them.
  const auto apres = pf::empreintes({livraison / "Livre", livraison / "Origine"});
  EXPECT_EQ(apres, avant) << "a delivered file or a previous version was touched";
}

TEST_F(LivraisonDemo, AFolderThatCannotBeReplacedIsAFailureWithAMessage) {
  std::ofstream(racine / "fichier") << "x";
  EXPECT_FALSE(pf::ecrireDemo(host::fixture::large(racine / "fichier"), chemins, message));
  EXPECT_FALSE(message.empty());
}

}  // namespace
