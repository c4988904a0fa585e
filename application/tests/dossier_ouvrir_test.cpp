// Choosing and opening a delivery folder in the test's own process: the picker, the engine's
// set-up and its failure, the working model's coordinate system, the completion bar, the
// recovery of what the engine verified before, and the guard against a second folder chosen
// while the first one opens.
#include "application/dossier_ouvrir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "application/app_traitement.h"
#include "application/verapplication.h"
#include "engine/fixture/plan_fixture.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/config.h"
#include "host/coordinate_system.h"
#include "host/file_list.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/views.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;

namespace {

using host::completion_bar::Event;

class OuvertureDossier : public ::testing::Test {
 protected:
  fs::path dir, dossier, livre;

  void SetUp() override {
    reinitialiser();
    dir = fs::absolute(std::string("ouvrir_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    dossier = dir / "LIVRAISON";
    livre = dossier / "Livre";
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir / "Parametres")));
    host::config::set(L"TOLVEK_PARAM", host::fixture::large(dir / "Parametres"));
    fs::copy_file(dir / "Parametres" / "Prototype.dgn", dir / "Tolvek.dgn");
    ASSERT_EQ(host::openActiveFile(host::fixture::large(dir / "Tolvek.dgn")), host::kSuccess);
    host::views::reset();
  }
  void TearDown() override { reinitialiser(); }
  static void reinitialiser() {
    appTolvek = verapplication{};
    host::config::clear();
    host::messages::clearLog();
    host::completion_bar::clearLog();
    host::file_list::clearAnswers();
    host::file_list::clearRequests();
    host::commands::clearScheduledInputs();
    host::resetModels();
  }

  // A clean one-file plan, a 3D one (an error that stops it) and a clean three-file plan, each
  // with its previous version.
  void livrer() {
    namespace pf = plan_fixture;
    for (const fs::path& d : {livre, dossier / "Origine"}) {
      ASSERT_FALSE(pf::enregistrer(pf::planUnique(), host::fixture::large(d)).empty());
      ASSERT_FALSE(pf::enregistrer(pf::planTroisFichiers(), host::fixture::large(d)).fp2.empty());
      auto p = pf::planUnique();
      p.nomFichier = L"44010451.109";
      auto troisD = pf::construire(p);
      troisD.fichier.header().is3d = true;
      ASSERT_TRUE(pf::sauver(troisD.fichier, host::fixture::large(d / p.nomFichier)));
    }
  }

  static std::vector<std::wstring> textes(host::messages::Kind genre) {
    std::vector<std::wstring> t;
    for (const auto& e : host::messages::log())
      if (e.kind == genre) t.push_back(e.brief);
    return t;
  }
  // Entries of the application's own bar ("Tolvek"), the engine's left out.
  static std::vector<host::completion_bar::Entry> barreTolvek() {
    std::vector<host::completion_bar::Entry> entrees;
    int barre = 0;
    for (const auto& e : host::completion_bar::log()) {
      if (e.event == Event::Open && e.text == L"Tolvek") barre = e.handle;
      if (barre != 0 && e.handle == barre) entrees.push_back(e);
    }
    return entrees;
  }
};

TEST_F(OuvertureDossier, TheProgressPercentageFollowsTheCounts) {
  const struct {
    std::int32_t debut, fin, total, fait;
    int pourcentage;
  } cas[] = {
      {0, 100, 0, 0, 0}, {0, 100, 0, 5, 0},  // no total yet: the start
      {0, 100, 3, 1, 33}, {0, 100, 3, 2, 66}, {0, 100, 3, 3, 100},
      {20, 80, 4, 1, 35},                    // truncated
      {0, 100, 7, 7, 100},
  };
  for (const auto& c : cas) {
    verprogression p;
    p.barre = host::completion_bar::open(L"Tolvek");
    p.debut = c.debut;
    p.fin = c.fin;
    dos_actualiserProgression(p, L"texte", c.total, c.fait);
    const auto dernier = host::completion_bar::log().back();
    EXPECT_EQ(dernier.percent, c.pourcentage) << c.total << "/" << c.fait;
    EXPECT_EQ(dernier.text, L"texte");
    host::completion_bar::close(p.barre);
  }
  // -1 keeps a count, an empty text keeps the text; the pump runs at each update.
  verprogression p;
  p.barre = host::completion_bar::open(L"Tolvek");
  bool pompe = false;
  host::commands::scheduleForPump([&pompe] { pompe = true; });
  dos_actualiserProgression(p, L"un", 4, 1);
  dos_actualiserProgression(p, L"", -1, 3);
  dos_actualiserProgression(p, L"", 8, -1);
  EXPECT_TRUE(pompe);
  EXPECT_EQ(p.total, 8);
  EXPECT_EQ(p.fait, 3);
  EXPECT_EQ(host::completion_bar::log().back().text, L"un");
  EXPECT_EQ(host::completion_bar::log().back().percent, 37);
}

TEST_F(OuvertureDossier, APickerCancelledOrEmptyDoesNothing) {
  appTolvek.dossier.nom = L"AVANT";
  cmd_choisirDossier(L"");  // nothing queued: Cancel
  host::file_list::queueAnswer({host::file_list::actionOk, {}});
  appTolvek.dossier.repertoire = L"/donnees/AVANT/";
  cmd_choisirDossier(L"");
  const auto demandes = host::file_list::requests();
  ASSERT_EQ(demandes.size(), 2u);
  EXPECT_EQ(demandes[0].title, L"S\u00e9lectionner le dossier \u00e0 v\u00e9rifier");
  EXPECT_EQ(demandes[0].startFolder, L"");
  EXPECT_EQ(demandes[0].attributes, 147u);
  EXPECT_EQ(demandes[1].startFolder, L"/donnees/AVANT/");
  EXPECT_EQ(demandes[1].attributes, 262291u);
  EXPECT_EQ(appTolvek.dossier.nom, L"AVANT");
  EXPECT_TRUE(host::messages::log().empty());
  EXPECT_TRUE(host::completion_bar::log().empty());
}

TEST_F(OuvertureDossier, AnEngineFailureIsShownAndNothingIsRecovered) {
  fs::create_directories(dossier);  // no Livre directory
  host::file_list::queueAnswer({host::file_list::actionOk, {host::fixture::large(dossier)}});
  cmd_choisirDossier(L"");
  EXPECT_EQ(textes(host::messages::Kind::MessageBox),
            std::vector<std::wstring>{
                L"Erreur d'initialisation du dossier. Le r\u00e9pertoire des donn\u00e9es livr\u00e9es n'existe pas."});
  EXPECT_TRUE(barreTolvek().empty());
  EXPECT_FALSE(app_traitementEnCours());
}

TEST_F(OuvertureDossier, ReopeningAFolderRecoversWhatTheEngineVerified) {
  livrer();
  verdossier verifie;
  std::wstring message;
  ASSERT_EQ(verif_initialiserDossier(verifie, message, host::fixture::large(dossier)), verifSucces);
  ASSERT_EQ(verifie.plans.size(), 3u);
  verif_verifierListePlan({0, 1, 2}, verifie, 0);
  verif_comparerPlan(verifie.plans[0], verifie, 0);
  host::completion_bar::clearLog();

  host::file_list::queueAnswer({host::file_list::actionOk, {host::fixture::large(dossier)}});
  cmd_choisirDossier(L"");
  EXPECT_TRUE(host::messages::log().empty());
  const verdossier& ouvert = appTolvek.dossier;
  ASSERT_EQ(ouvert.plans.size(), verifie.plans.size());
  bool desErreurs = false;
  for (std::size_t i = 0; i < verifie.plans.size(); ++i) {
    const verplan &a = verifie.plans[i], &r = ouvert.plans[i];
    EXPECT_EQ(r.statuts, a.statuts) << a.nom;
    EXPECT_NE(r.statuts[0], -1) << a.nom;
    ASSERT_EQ(r.erreurs.size(), a.erreurs.size()) << a.nom;
    for (std::size_t k = 0; k < a.erreurs.size(); ++k) {
      EXPECT_EQ(r.erreurs[k].code, a.erreurs[k].code);
      EXPECT_EQ(r.erreurs[k].idElement, a.erreurs[k].idElement);
      EXPECT_EQ(r.erreurs[k].fichier, a.erreurs[k].fichier);
      EXPECT_TRUE(r.erreurs[k].aPosition);  // "0.000" reads as a position, the engine's too
      EXPECT_NEAR(r.erreurs[k].position.x, a.erreurs[k].position.x, 1e-3);
      EXPECT_NEAR(r.erreurs[k].position.y, a.erreurs[k].position.y, 1e-3);
    }
    desErreurs = desErreurs || !a.erreurs.empty();
    // A comparison list is recovered from a compare CSV, which only the compared plan has.
    EXPECT_EQ(r.ecarts.size(), i == 0 ? a.ecarts.size() : 0u) << a.nom;
  }
  EXPECT_TRUE(desErreurs);

  // The working model takes the folder's coordinate system.
  const auto systeme = host::coordinateSystemOfModel(host::activeModel());
  ASSERT_TRUE(systeme);
  EXPECT_EQ(systeme->key(), ouvert.projection);

  // The bar: opened, set once, then one step per plan, closed.
  std::vector<int> pourcentages;
  const auto barre = barreTolvek();
  ASSERT_GE(barre.size(), 2u);
  EXPECT_EQ(barre.front().event, Event::Open);
  EXPECT_EQ(barre.back().event, Event::Close);
  for (const auto& e : barre)
    if (e.event == Event::Update) {
      pourcentages.push_back(e.percent);
      EXPECT_EQ(e.text, dos_texteRecuperation);
    }
  EXPECT_EQ(pourcentages, (std::vector<int>{0, 0, 33, 66, 100}));
  EXPECT_FALSE(app_traitementEnCours());

  // A delivered file changed since: its plan is no longer counted as verified.
  ASSERT_EQ(verifie.plans[0].nom, L"44010450.109");
  fs::last_write_time(livre / "44010450.109", fs::last_write_time(livre / "44010450.109") + std::chrono::hours(1));
  dos_ouvrirDossier(host::fixture::large(dossier));
  EXPECT_EQ(appTolvek.dossier.plans[0].statuts[0], -1);
  EXPECT_EQ(appTolvek.dossier.plans[1].statuts, verifie.plans[1].statuts);
}

// Runs `action` at the first pump that comes while the application's bar is open.
struct pendantRecuperation {
  std::function<void()> action;
  void operator()() const {
    for (const auto& e : host::completion_bar::log())
      if (e.event == Event::Open && e.text == L"Tolvek" && host::completion_bar::isOpen(e.handle)) {
        action();
        return;
      }
    host::commands::scheduleForPump(*this);
  }
};

TEST_F(OuvertureDossier, AnotherFolderChosenWhileOneOpensIsRefused) {
  livrer();
  verdossier verifie;
  std::wstring message;
  ASSERT_EQ(verif_initialiserDossier(verifie, message, host::fixture::large(dossier)), verifSucces);
  verif_verifierListePlan({0, 1, 2}, verifie, 0);
  fs::create_directories(dir / "AUTRE" / "Livre");

  bool delivre = false;
  host::commands::scheduleForPump(pendantRecuperation{[&delivre] {
    delivre = true;
    cmd_choisirDossier(L"");  // what the key-in "tolvek dossier" runs
  }});
  host::file_list::queueAnswer({host::file_list::actionOk, {host::fixture::large(dossier)}});
  host::file_list::queueAnswer({host::file_list::actionOk, {host::fixture::large(dir / "AUTRE")}});
  cmd_choisirDossier(L"");
  EXPECT_TRUE(delivre);
  EXPECT_EQ(textes(host::messages::Kind::MessageList),
            std::vector<std::wstring>{L"Un traitement est en cours, veuillez patienter."});
  EXPECT_EQ(host::file_list::requests().size(), 1u);  // no second picker
  EXPECT_EQ(host::file_list::pendingAnswers(), 1u);
  EXPECT_EQ(appTolvek.dossier.nom, L"LIVRAISON");
  for (std::size_t i = 0; i < verifie.plans.size(); ++i)
    EXPECT_EQ(appTolvek.dossier.plans[i].statuts, verifie.plans[i].statuts) << verifie.plans[i].nom;
  EXPECT_FALSE(app_traitementEnCours());
}

}  // namespace
