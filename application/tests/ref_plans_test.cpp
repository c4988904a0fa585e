// Showing and detaching plans picked in the footprint drawing of a folder set up by the engine:
// data points given to the host's locate tools, and the operations the dialogs call by plan index.
#include "application/ref_plans.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstring>
#include <cwctype>
#include <unistd.h>

#include "application/app_traitement.h"
#include "application/verapplication.h"
#include "engine/emprise_lecture.h"
#include "engine/fixture/plan_fixture.h"
#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/locate.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/tools.h"
#include "host/view_display.h"
#include "host/views.h"
#include "toolbox/stb_reference.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace pf = plan_fixture;

namespace {

const std::wstring kUnique = L"44010450.109";
const std::wstring kTrois = L"QRL-47-00193-01246-03-D-24";   // delivered with its FP2 and EL2 only
const std::wstring kMinuscules = L"QRL-47-00193-01246-03-D-D";  // delivered as "qrl-...-d-d.fp2" and so on

std::wstring minuscules(std::wstring texte) {
  for (wchar_t& c : texte) c = static_cast<wchar_t>(std::towlower(c));
  return texte;
}

// What a pick aims at: the middle of the footprint's first side, the middle of its label.
struct Emprise {
  host::Point3d surForme, surLibelle;
  host::Range3d forme;
};

class RefPlans : public ::testing::Test {
 protected:
  // The folder is set up once for the suite, in a directory of its own process: ctest runs each
  // test in a process of its own, side by side in one working directory.
  static void SetUpTestSuite() {
    racine() = fs::absolute("ref_plans_" + std::to_string(::getpid()));
    fs::remove_all(racine());
    const fs::path livre = racine() / "LIVRAISON" / "Livre", origine = racine() / "LIVRAISON" / "Origine";
    ASSERT_TRUE(pf::ecrireParametres(host::fixture::large(racine() / "Parametres")));
    ASSERT_FALSE(pf::enregistrer(pf::planUnique(), host::fixture::large(livre)).empty());
    ASSERT_FALSE(pf::enregistrer(pf::planUnique(), host::fixture::large(origine)).empty());
    const auto trois = pf::enregistrer(pf::planTroisFichiers(), host::fixture::large(livre));
    ASSERT_FALSE(trois.ar2.empty());
    fs::remove(host::paths::toNative(trois.ar2));
    ASSERT_FALSE(pf::enregistrer(pf::planTroisFichiers(), host::fixture::large(origine)).fp2.empty());
    const fs::path bas = racine() / "bas";
    const auto enBas = pf::enregistrer(pf::planTroisFichiers(2), host::fixture::large(bas));
    for (const std::wstring& f : {enBas.fp2, enBas.el2, enBas.ar2})
      fs::rename(host::paths::toNative(f), livre / host::paths::toNative(minuscules(host::fixture::large(host::paths::toNative(f).filename()))));

    host::config::set(L"TOLVEK_PARAM", host::fixture::large(racine() / "Parametres"));
    host::views::reset();
    std::wstring message;
    ASSERT_EQ(verif_initialiserDossier(dossier(), message, host::fixture::large(racine() / "LIVRAISON")), 0)
        << std::string(message.begin(), message.end());
    host::resetModels();
  }
  static void TearDownTestSuite() {
    host::resetModels();
    host::config::clear();
    boost::system::error_code ec;
    fs::remove_all(racine(), ec);
  }
  static fs::path& racine() {
    static fs::path r;
    return r;
  }
  static verdossier& dossier() {
    static verdossier d;
    return d;
  }

  void SetUp() override {
    ASSERT_EQ(dossier().plans.size(), 3u);
    reinitialiser();
    appTolvek.dossier = dossier();
    fs::create_directories(racine() / "Travail");
    const fs::path dessin = racine() / "Travail" / "Tolvek.dgn";
    fs::copy_file(racine() / "Parametres" / "Prototype.dgn", dessin, fs::copy_options::overwrite_existing);
    ASSERT_EQ(host::openActiveFile(host::fixture::large(dessin)), host::kSuccess);
    ASSERT_EQ(stbDgn_attacherModele(&emprises, dossier().fichierEmprises, L"", L"VERIF", L"", host::activeModel()), 0);
  }
  void TearDown() override { reinitialiser(); }
  static void reinitialiser() {
    host::tools::startDefaultCommand();
    host::resetModels();
    host::views::reset();
    host::views::resetDisplay();
    host::locate::clearHilite();
    host::messages::clearLog();
    host::messages::clearAnswers();
    appTolvek = verapplication{};
    std::memset(&TvkDlg, 0, sizeof TvkDlg);
  }

  std::int32_t indexDe(const std::wstring& nom) const {
    for (std::size_t i = 0; i < dossier().plans.size(); ++i)
      if (dossier().plans[i].nom == nom) return static_cast<std::int32_t>(i);
    ADD_FAILURE() << "no plan";
    return -1;
  }
  Emprise empriseDe(const std::wstring& nom) const {
    host::ScanCriteria textes;
    textes.types = {17};
    for (host::ElementId id : host::scan(emprises, textes)) {
      const host::Element* e = host::readElement(emprises, id);
      if (!e->text || e->text->string() != nom) continue;
      const host::Element* forme = host::readElement(emprises, emprise_formeDuGroupe(e->graphicGroup, emprises));
      if (!forme) break;
      return {(forme->points[0] + forme->points[1]) * 0.5, host::elementRangeOf(emprises, id).centre(),
              host::elementRangeOf(emprises, forme->id)};
    }
    ADD_FAILURE() << "no footprint";
    return {};
  }
  // Logical names of the active model's references, in attachment order.
  static std::vector<std::wstring> noms() {
    std::vector<std::wstring> n;
    for (host::ModelRef r : host::references(host::activeModel())) n.push_back(host::attachment(r)->logicalName);
    return n;
  }
  static void pointer(const host::Point3d& p) {
    std::wstring erreur;
    ASSERT_TRUE(host::tools::dataPoint(0, p, erreur)) << std::string(erreur.begin(), erreur.end());
  }

  host::ModelRef emprises;
};

const std::vector<std::wstring> kLivreUnique = {L"VERIFEmprisesdgn", L"VERLIV44010450109"};

TEST_F(RefPlans, ShowAttachesThePickedPlansExistingDeliveredFilesOnce) {
  cmd_montrerPlan(L"");
  pointer(empriseDe(kUnique).surLibelle);
  EXPECT_EQ(noms(), kLivreUnique);
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Modify);  // the command goes on
  pointer(empriseDe(kUnique).surForme);  // the shape is the same plan: nothing more
  EXPECT_EQ(noms(), kLivreUnique);

  pointer(empriseDe(kTrois).surForme);  // its AR2 is not delivered
  pointer(empriseDe(kMinuscules).surLibelle);
  const std::vector<std::wstring> attendus = {
      L"VERIFEmprisesdgn", L"VERLIV44010450109", L"VERLIV" + kTrois + L"FP2", L"VERLIV" + kTrois + L"EL2",
      L"VERLIV" + kMinuscules + L"FP2", L"VERLIV" + kMinuscules + L"EL2", L"VERLIV" + kMinuscules + L"AR2"};
  EXPECT_EQ(noms(), attendus);
  for (host::ModelRef r : host::references(host::activeModel())) EXPECT_TRUE(host::isValid(r));
  EXPECT_TRUE(host::messages::log().empty());  // nothing is said
}

TEST_F(RefPlans, OnlyTheFootprintDrawingsShapesAndTextsCanBePicked) {
  ref_montrerPlan(appTolvek.dossier, indexDe(kUnique), 1);
  const host::ModelRef livre = host::references(host::activeModel()).back();
  const host::ElementId idTravail = host::addElement(host::activeModel(), host::fixture::line({0, 0, 0}, {10, 0, 0}));
  ASSERT_NE(idTravail, 0u);
  host::ScanCriteria tout;
  const host::ElementId idLivre = host::scan(livre, tout).front();
  host::ScanCriteria textes;
  textes.types = {17};
  const host::ElementId libelle = host::scan(emprises, textes).front();
  const host::ElementId forme = emprise_formeDuGroupe(host::readElement(emprises, libelle)->graphicGroup, emprises);
  struct Cas {
    host::ModelRef modele;
    host::ElementId id;
    int attendu;
    const char* pourquoi;
  } cas[] = {
      {emprises, libelle, 2, "a footprint label"},
      {emprises, forme, 2, "a footprint shape"},
      {livre, idLivre, 0, "an element of a delivered plan (VERLIV)"},
      {host::activeModel(), idTravail, 0, "an element of the working drawing"},
      {emprises, 999999, 0, "no element"},
  };
  for (const auto& c : cas) {
    const host::locate::HitPath chemin{c.modele, c.id, 0, {}, 0};
    EXPECT_EQ(ref_filtrerLocalisation(0, host::readElement(c.modele, c.id), c.modele, 0, nullptr, 0, &chemin, nullptr),
              c.attendu)
        << c.pourquoi;
  }
  EXPECT_EQ(ref_filtrerLocalisation(0, nullptr, emprises, 0, nullptr, 0, nullptr, nullptr), 0);

  // A pick on the working drawing's element shows nothing.
  cmd_montrerPlan(L"");
  pointer({5, 0, 0});
  EXPECT_EQ(noms(), kLivreUnique);
}

TEST_F(RefPlans, DetachingOnePlanLeavesTheOthersAndThePreviousVersions) {
  verdossier& d = appTolvek.dossier;
  for (const std::wstring& nom : {kUnique, kTrois, kMinuscules}) ref_montrerPlan(d, indexDe(nom), 1);
  ref_montrerPlan(d, indexDe(kUnique), 2);
  ref_montrerPlan(d, indexDe(kTrois), 2);
  ASSERT_EQ(noms().size(), 11u);

  cmd_demonterPlans(L"");
  pointer(empriseDe(kMinuscules).surForme);
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Modify);
  ref_demonterPlan(d, indexDe(kUnique));
  const std::vector<std::wstring> restants = {
      L"VERIFEmprisesdgn",        L"VERLIV" + kTrois + L"FP2", L"VERLIV" + kTrois + L"EL2", L"VERORI44010450109",
      L"VERORI" + kTrois + L"FP2", L"VERORI" + kTrois + L"EL2", L"VERORI" + kTrois + L"AR2"};
  EXPECT_EQ(noms(), restants);
}

TEST_F(RefPlans, DetachAllAsksFirstAndKeepsAskingUntilYes) {
  verdossier& d = appTolvek.dossier;
  ref_montrerPlan(d, indexDe(kUnique), 1);
  ref_montrerPlan(d, indexDe(kUnique), 2);
  const auto avant = noms();
  TvkDlg.demonterTout = 1;
  host::messages::queueAnswer(host::messages::answerNo);
  cmd_demonterPlans(L"");
  EXPECT_EQ(noms(), avant);
  EXPECT_EQ(TvkDlg.demonterTout, 1);
  const auto log = host::messages::log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].brief, L"D\u00e9monter tous les plans KV. Confirmer ?");

  host::messages::queueAnswer(host::messages::answerYes);
  cmd_demonterPlans(L"");
  EXPECT_EQ(noms(), (std::vector<std::wstring>{L"VERIFEmprisesdgn", L"VERORI44010450109"}));
  EXPECT_EQ(TvkDlg.demonterTout, 0);
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::None);
}

TEST_F(RefPlans, PicksAreRefusedWhileARunIsInProgress) {
  cmd_montrerPlan(L"");
  {
    TraitementEnCours traitement;
    pointer(empriseDe(kUnique).surLibelle);
  }
  EXPECT_EQ(noms(), std::vector<std::wstring>{L"VERIFEmprisesdgn"});
  const auto log = host::messages::log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, host::messages::Kind::MessageList);
  EXPECT_EQ(log[0].brief, L"Un traitement est en cours, veuillez patienter.");
  pointer(empriseDe(kUnique).surLibelle);  // the run ended: the command still works
  EXPECT_EQ(noms(), kLivreUnique);
}

TEST_F(RefPlans, ZoomsTheFirstOpenViewOnTheFootprintOfThePlan) {
  const Emprise e = empriseDe(kMinuscules);
  host::views::close(0);
  host::views::open(3);
  ref_montrerElementsPlan(appTolvek.dossier, indexDe(kMinuscules));
  const host::Range3d vue = host::views::area(3);
  const host::Point3d centre = e.forme.centre();
  EXPECT_NEAR(vue.centre().x, centre.x, 1e-6);
  EXPECT_NEAR(vue.centre().y, centre.y, 1e-6);
  EXPECT_NEAR(vue.high.x - vue.low.x, 1.2 * (e.forme.high.x - e.forme.low.x), 1e-6);
  EXPECT_EQ(host::views::updateCount(3), 1);
  EXPECT_TRUE(host::locate::hilited().empty());
}

TEST_F(RefPlans, PlanIndexesOutsideTheListDoNothing) {
  verdossier& d = appTolvek.dossier;
  const std::int32_t taille = static_cast<std::int32_t>(d.plans.size());
  for (std::int32_t index : {-1, taille, 1 << 30}) {
    ref_montrerPlan(d, index, 1);
    ref_demonterPlan(d, index);
    ref_montrerElementsPlan(d, index);
  }
  ref_montrerPlan(d, 0, 3);  // no such version
  EXPECT_EQ(noms(), std::vector<std::wstring>{L"VERIFEmprisesdgn"});
  EXPECT_EQ(host::views::updateCount(0), 0);
  EXPECT_TRUE(host::messages::log().empty());
}

}  // namespace
