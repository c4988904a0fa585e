// The summary's requests: verifications and a comparison through the library on a folder set up
// by it, and the title-block codes recorded in "Quadrigramme.csv".
#include "application/bilan_requetes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "application/tests/bilan_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;

namespace {

namespace d = host::dialogs;

const std::wstring kRefus = L"Un traitement est en cours, veuillez patienter.";
const std::wstring kSansVue = L"Traitement impossible car aucune vue n'est ouverte";

// The message list without the notes of operations still staged (they go as they land).
std::vector<std::wstring> messages() {
  std::vector<std::wstring> textes;
  for (const auto& e : host::messages::log())
    if (e.kind == host::messages::Kind::MessageList && e.brief.find(L"pas encore disponible") == std::wstring::npos)
      textes.push_back(e.brief);
  return textes;
}

std::vector<std::wstring> lignes(const fs::path& fichier) {
  std::vector<std::wstring> r;
  std::ifstream in(fichier.string(), std::ios::binary);
  for (std::string l; std::getline(in, l);) r.emplace_back(l.begin(), l.end());
  return r;
}

// A delivery folder set up by the library: a clean one-file plan and a file named like a plan
// that holds no drawing.
class Requetes : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    const fs::path livraison = dir / "LIVRAISON";
    livre = livraison / "Livre";
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir / "Parametres")));
    ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), host::fixture::large(livre)).empty());
    std::ofstream((livre / "44010451.109").string()) << "x";
    host::config::set(L"TOLVEK_PARAM", host::fixture::large(dir / "Parametres"));
    std::wstring message;
    ASSERT_EQ(verif_initialiserDossier(appTolvek.dossier, message, host::fixture::large(livraison)), 0);
    ASSERT_EQ(appTolvek.dossier.plans.size(), 2u);
    ASSERT_EQ(appTolvek.dossier.plans[0].nom, L"44010450.109");
    ASSERT_NE(d::open(2), nullptr);
    host::messages::clearLog();
  }
  fs::path livre;
};

TEST_F(Requetes, VerifyingAListRefreshesEveryRowAndAPlanWithoutItsFileShowsNoMessage) {
  fs::remove(livre / "44010451.109");
  selectionner({0, 1});
  presser(1);
  EXPECT_TRUE(messages().empty());
  const verplan& propre = appTolvek.dossier.plans[0];
  ASSERT_TRUE(propre.statuts[0] == 0 || propre.statuts[0] == 1);
  EXPECT_EQ(colonne(0), (std::vector<std::wstring>{propre.statuts[0] == 0 ? L"OK" : L"NOK", L" "}));
  EXPECT_EQ(colonne(2), (std::vector<std::wstring>{std::to_wstring(propre.erreurs.size()), L" "}));
  EXPECT_EQ(appTolvek.dossier.plans[1].statuts[0], 2);
}

TEST_F(Requetes, WithoutAnOpenViewTheRequestsShowWhyAndLeaveTheRows) {
  for (int v = 0; v < host::views::kCount; ++v) host::views::close(v);
  selectionner({0});
  const auto avant = liste()->model->rows;
  const struct {
    std::function<void()> action;
    std::wstring message;
  } cas[] = {
      {[] { menuPlan(2); }, L"Plan 44010450.109. " + kSansVue},
      {[] { presser(1); }, kSansVue},
      {[] { presser(3); }, kSansVue},
  };
  for (const auto& c : cas) {
    host::messages::clearLog();
    c.action();
    EXPECT_EQ(messages(), std::vector<std::wstring>{c.message});
  }
  EXPECT_EQ(d::find(4), nullptr);  // the comparison failed: no description
  ASSERT_EQ(liste()->model->rows.size(), avant.size());
  for (std::size_t i = 0; i < avant.size(); ++i)
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(liste()->model->rows[i].cells[k].text, avant[i].cells[k].text);
}

TEST_F(Requetes, AComparedPlanOpensItsDescriptionAndOneVerifiedPlanRefreshesItsRow) {
  selectionner({0});
  presser(3);
  EXPECT_TRUE(messages().empty());
  // The description opens on a plan that has comparison results, and only then.
  EXPECT_EQ(d::find(4) != nullptr, !appTolvek.dossier.plans[0].ecarts.empty());
  EXPECT_EQ(colonne(0)[0], L" ");  // a comparison refreshes no row

  menuPlan(2);
  EXPECT_TRUE(messages().empty());
  EXPECT_NE(colonne(0)[0], L" ");
  EXPECT_EQ(colonne(0)[1], L" ");  // the other plan was not verified
}

TEST_F(Requetes, AKeyInAndAButtonDeliveredDuringTheRunAreRefused) {
  const std::wstring nom = appTolvek.dossier.nom;
  host::commands::scheduleForPump([] {
    std::wstring erreur;
    EXPECT_TRUE(host::commands::keyin(L"tolvek dossier", erreur));
  });
  host::commands::scheduleForPump([] { presser(1); });
  selectionner({0, 1});
  presser(1);
  EXPECT_EQ(host::commands::scheduledInputs(), 0u);  // both delivered by the library's pump
  EXPECT_EQ(appTolvek.dossier.nom, nom);
  EXPECT_EQ(appTolvek.dossier.plans.size(), 2u);
  EXPECT_NE(colonne(0)[0], L" ");  // the run itself went on
  std::vector<std::wstring> refus;
  for (const auto& m : messages())
    if (m == kRefus) refus.push_back(m);
  EXPECT_EQ(refus.size(), 2u);
}

// Title-block codes on a record filled by hand (the library refuses plans it cannot find).
class Cartouches : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    fs::create_directories(dir / "Rapport");
    appTolvek.dossier.repRapport = host::fixture::large(dir / "Rapport") + L"/";
    appTolvek.dossier.plans.resize(3);
    appTolvek.dossier.plans[0].nom = L"QRL-A";
    appTolvek.dossier.plans[1].nom = L"qrl-b";
    appTolvek.dossier.plans[2].nom = L"44010450.109";
    fichier = dir / "Rapport" / "Quadrigramme.csv";
  }
  fs::path fichier;
};

TEST_F(Cartouches, ANewFileHoldsTheHeaderAndOneLinePerPlanInRequestOrder) {
  bilan_actualiserCartouches(appTolvek.dossier, {1, 7, 0, -1});  // 7 and -1 name no plan
  EXPECT_EQ(lignes(fichier), (std::vector<std::wstring>{L"Plan;Actualiser;Valeur", L"qrl-b;Non;", L"QRL-A;Non;"}));
  EXPECT_TRUE(host::messages::log().empty());
}

TEST_F(Cartouches, APlansLineIsFoundIgnoringCaseAndUpdatedInPlace) {
  std::ofstream((fichier).string(), std::ios::binary) << "Plans du lot\nqrl-a;Oui;WXYZ\nautre;Oui;ABCD\n";
  bilan_actualiserCartouches(appTolvek.dossier, {0, 2});
  const std::vector<std::wstring> premier = lignes(fichier);
  EXPECT_EQ(premier, (std::vector<std::wstring>{L"Plans du lot", L"QRL-A;Non;", L"autre;Oui;ABCD", L"44010450.109;Non;"}));
  bilan_actualiserCartouches(appTolvek.dossier, {2, 0});
  EXPECT_EQ(lignes(fichier), premier);  // a second run adds no line
  // Nothing is left beside the file (it is written whole, then renamed).
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Rapport"), fs::directory_iterator()), 1);
}

TEST_F(Cartouches, AFileThatCannotBeWrittenIsSaid) {
  fs::create_directories(fichier);  // a folder stands where the file goes
  bilan_actualiserCartouches(appTolvek.dossier, {0});
  EXPECT_EQ(messages(), std::vector<std::wstring>{L"Impossible d'\u00e9crire le fichier " + host::fixture::large(fichier) + L"."});
  EXPECT_TRUE(fs::is_directory(fichier));
}

TEST_F(Cartouches, ThePopUpEntryRecordsTheSelectedPlans) {
  ASSERT_NE(d::open(2), nullptr);
  selectionner({2, 0});
  menuPlan(3);
  EXPECT_EQ(lignes(fichier), (std::vector<std::wstring>{L"Plan;Actualiser;Valeur", L"QRL-A;Non;", L"44010450.109;Non;"}));
}

}  // namespace
