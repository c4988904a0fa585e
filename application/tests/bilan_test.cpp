// The summary dialog over a folder record filled by hand: its rows, filter, sorting, layout and
// the hooks' answers to the user's clicks, including their refusal while a run is in progress.
#include "application/bilan.h"

#include <gtest/gtest.h>

#include <functional>

#include "application/app_traitement.h"
#include "application/dossier_ouvrir.h"
#include "application/liste.h"
#include "application/tests/bilan_fixture.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "host/fixture/chemins.h"

namespace {

namespace d = host::dialogs;

verplan plan(const std::wstring& nom, int resultat, int erreurs, int ajoutes, int supprimes, bool lectureSeule = false) {
  verplan p;
  p.nom = nom;
  p.statuts[0] = resultat;
  p.lectureSeule = lectureSeule;
  p.erreurs.resize(static_cast<std::size_t>(erreurs));
  auto ecart = [&p](std::uint32_t statut) {
    p.ecarts.emplace_back();
    p.ecarts.back().statut = statut;
  };
  for (int i = 0; i < ajoutes; ++i) ecart(2);
  for (int i = 0; i < supprimes; ++i) ecart(3);
  ecart(1);  // unchanged elements are not counted
  return p;
}

class Bilan : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    appTolvek.dossier.nom = L"LIVRAISON";
    appTolvek.dossier.plans = {
        plan(L"44010450.109", 0, 0, 2, 0),          plan(L"QRL-47-00193-01246-03-D-24", 1, 10, 10, 9),
        plan(L"44010451.109", 2, 3, 1, 1),          plan(L"44010452.109", -1, 0, 0, 0),
        plan(L"qrl-47-00193-01246-03-D-D", 1, 9, 0, 0, true),
    };
    ASSERT_NE(d::open(2), nullptr);
  }
  // The plan index that each row carries, in row order.
  static std::vector<std::int64_t> indexes() {
    std::vector<std::int64_t> v;
    for (const auto& l : liste()->model->rows) v.push_back(l.cells.at(0).value);
    return v;
  }
  static std::wstring entete() { return liste()->headings.at(1); }
};

// The summary already open when a folder is set up is refilled with that folder's plans, under
// its name.
TEST_F(Bilan, ASummaryAlreadyOpenIsRefilledWhenAFolderIsSetUp) {
  namespace pf = plan_fixture;
  ASSERT_EQ(colonne(1).size(), 5u);
  ASSERT_TRUE(pf::ecrireParametres(host::fixture::large(dir / "Parametres")));
  host::config::set(L"TOLVEK_PARAM", host::fixture::large(dir / "Parametres"));
  const boost::filesystem::path livraison = dir / "AUTRE";
  ASSERT_FALSE(pf::enregistrer(pf::planUnique(), host::fixture::large(livraison / "Livre")).empty());
  dos_ouvrirDossier(host::fixture::large(livraison));
  ASSERT_EQ(appTolvek.dossier.plans.size(), 1u);
  ASSERT_NE(bilan(), nullptr);
  EXPECT_EQ(colonne(1), std::vector<std::wstring>{appTolvek.dossier.plans[0].nom});
  EXPECT_EQ(bilan()->title, L"Bilan de la v\u00e9rification - AUTRE");
}

TEST_F(Bilan, EachRowShowsItsPlansStatusAndCountsAndCarriesItsIndex) {
  EXPECT_EQ(bilan()->title, L"Bilan de la v\u00e9rification - LIVRAISON");
  EXPECT_EQ(entete(), L"Plans (5)");
  const struct {
    const wchar_t *statut, *erreurs, *ajoutes, *supprimes;
    int couleur;
    const char* pourquoi;
  } attendu[] = {
      {L"OK", L"0", L"2", L"0", 4, "no error"},
      {L"NOK", L"10", L"10", L"9", 2, "errors"},
      {L" ", L" ", L" ", L" ", -1, "not verifiable: blanks"},
      {L" ", L"0", L"0", L"0", -1, "not verified yet: its counts"},
      {L"LS", L"9", L"0", L"0", 5, "read-only whatever its status"},
  };
  const auto& lignes = liste()->model->rows;
  ASSERT_EQ(lignes.size(), std::size(attendu));
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const auto& c = lignes[i].cells;
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[0].text, attendu[i].statut) << attendu[i].pourquoi;
    EXPECT_EQ(c[1].text, appTolvek.dossier.plans[i].nom);
    EXPECT_EQ(c[2].text, attendu[i].erreurs) << attendu[i].pourquoi;
    EXPECT_EQ(c[3].text, attendu[i].ajoutes) << attendu[i].pourquoi;
    EXPECT_EQ(c[4].text, attendu[i].supprimes) << attendu[i].pourquoi;
    EXPECT_EQ(c[0].colorEntry, attendu[i].couleur) << attendu[i].pourquoi;
    if (attendu[i].couleur >= 0) {
      EXPECT_EQ(c[0].palette, appTolvek.palette);
    }
    for (std::size_t k = 0; k < 5; ++k) {
      EXPECT_EQ(c[k].value, static_cast<std::int64_t>(i));
      EXPECT_TRUE(k == 0 || c[k].colorEntry == -1) << k;
    }
  }
}

TEST_F(Bilan, TheFilterKeepsPlansWhoseNameHoldsItIgnoringCaseAndIsClearedOnOpening) {
  std::wstring erreur;
  d::Item* filtre = element(d::ItemType::Text, 1);
  ASSERT_TRUE(d::type(filtre, L"qrl-47", erreur));
  EXPECT_EQ(filtrePlans, L"qrl-47");
  EXPECT_EQ(indexes(), (std::vector<std::int64_t>{1, 4}));
  EXPECT_EQ(entete(), L"Plans (2)");
  ASSERT_TRUE(d::type(filtre, L"zz", erreur));
  EXPECT_TRUE(liste()->model->rows.empty());
  EXPECT_EQ(entete(), L"Plans (0)");

  d::close(bilan());
  ASSERT_NE(d::open(2), nullptr);
  EXPECT_TRUE(filtrePlans.empty());
  EXPECT_EQ(TvkDlg.filtrePlan[0], '\0');
  EXPECT_EQ(entete(), L"Plans (5)");
}

TEST_F(Bilan, TheSelectionFollowsItsPlansThroughTheFilter) {
  std::wstring erreur;
  d::Item* filtre = element(d::ItemType::Text, 1);
  selectionner({0, 1});  // plans 0 and 1
  const auto choisis = [] {
    std::int32_t premier = -1;
    std::vector<std::int32_t> plans;
    liste_lignesSelectionnees(&premier, &plans, 2, 21);
    return plans;
  };
  ASSERT_TRUE(d::type(filtre, L"qrl-47", erreur));  // rows: plans 1 and 4
  EXPECT_EQ(choisis(), std::vector<std::int32_t>{1});  // not plan 4, now on the row plan 0 left
  ASSERT_TRUE(d::type(filtre, L"", erreur));
  EXPECT_EQ(choisis(), std::vector<std::int32_t>{1});  // plan 0 went out of sight and out of the selection
}

TEST_F(Bilan, ErrorsSortAsNumbersAndTheComparisonCountsAsText) {
  const struct {
    int colonne;
    bool croissant;
    std::vector<std::int64_t> ordre;
    const char* pourquoi;
  } cas[] = {
      {2, true, {0, 2, 3, 4, 1}, "0, blank (0), 0, 9, 10: stable among equals"},
      {3, true, {2, 3, 4, 1, 0}, "blank, 0, 0, then \"10\" before \"2\" as text"},
      {3, false, {0, 1, 3, 4, 2}, "descending"},
      {0, true, {2, 3, 4, 1, 0}, "\"LS\" < \"NOK\" < \"OK\" after the blanks"},
  };
  std::wstring erreur;
  for (const auto& c : cas) {
    bilan_remplirListe();  // each case sorts the rows in plan order
    ASSERT_TRUE(d::sort(liste(), c.colonne, c.croissant, erreur)) << c.pourquoi;
    EXPECT_EQ(indexes(), c.ordre) << c.pourquoi;
  }
}

TEST_F(Bilan, RefreshedRowsAreOnlyThoseOfThePlansGivenAndShown) {
  std::wstring erreur;
  ASSERT_TRUE(d::type(element(d::ItemType::Text, 1), L"44", erreur));  // plans 0, 2, 3
  for (auto& p : appTolvek.dossier.plans) p = plan(p.nom, 1, 5, 0, 0);
  bilan_actualiserLignes({2, 1, 42, -1});  // plan 1 is hidden, 42 and -1 name no plan
  EXPECT_EQ(colonne(0), (std::vector<std::wstring>{L"OK", L"NOK", L" "}));
  EXPECT_EQ(colonne(2), (std::vector<std::wstring>{L"0", L"5", L"0"}));

  // A row whose index names no plan is left as it is.
  liste()->model->rows[0].cells[0].value = 99;
  bilan_actualiserLignes({99, 0});
  EXPECT_EQ(colonne(0)[0], L"OK");
}

TEST_F(Bilan, TheHooksAnswerTheirMessagesOnly) {
  d::DialogMessage m;
  m.dialog = bilan();
  m.messageType = d::msgResize;
  m.state = d::stateMinimized;
  bilan_hookDialogue(&m);
  EXPECT_FALSE(m.msgUnderstood);
  m.state = 0;
  m.newContent = {0, 0, 600, 1};  // one pixel high
  bilan_hookDialogue(&m);
  EXPECT_FALSE(m.msgUnderstood);
  m.messageType = d::msgWindowFlags;
  bilan_hookDialogue(&m);
  EXPECT_FALSE(m.msgUnderstood);
  EXPECT_EQ(bilan()->interests & 0x10040u, 0x10040u);

  d::ItemMessage item;
  item.messageType = d::msgItemSynchronize;
  item.item = liste();
  for (auto hook : {bilan_hookMenu, bilan_hookFiltre, bilan_hookListe, bilan_hookMenuPlan, bilan_hookBoutons}) {
    item.msgUnderstood = true;
    hook(&item);
    EXPECT_FALSE(item.msgUnderstood);
  }
}

TEST_F(Bilan, ClicksOnTheListShowAPlanOrThePopUpMenu) {
  std::wstring erreur;
  ASSERT_TRUE(d::doubleClick(liste(), 1, erreur));
  EXPECT_TRUE(listeMessages().empty());  // no footprint drawing here: nothing to zoom onto, silently
  ASSERT_TRUE(d::rightClick(liste(), 2, erreur));
  EXPECT_TRUE(element(d::ItemType::PopupMenu, 21)->popupShown);
}

TEST_F(Bilan, ButtonsAndEntriesThatNeedASelectionDoNothingWithoutOne) {
  ASSERT_NE(d::open(4), nullptr);
  presser(3);  // only closes the description dialog
  EXPECT_EQ(d::find(4), nullptr);
  for (int bouton : {1, 2}) presser(bouton);
  for (int entree : {1, 2, 3, 4}) menuPlan(entree);
  EXPECT_TRUE(host::messages::log().empty());
}

TEST_F(Bilan, AnIndexThatNamesNoPlanIsNeverUsed) {
  selectionner({1});
  presser(1);  // the record was not set up: the library refuses the folder
  EXPECT_EQ(listeMessages(), std::vector<std::wstring>{L"Erreur dans la structure du dossier"});
  host::messages::clearLog();

  liste()->model->rows[1].cells[0].value = 99;
  liste()->model->rows[2].cells[0].value = -3;
  selectionner({1, 2});
  for (int bouton : {1, 2, 3}) presser(bouton);
  for (int entree : {1, 2, 3, 4}) menuPlan(entree);
  EXPECT_TRUE(host::messages::log().empty());
}

TEST_F(Bilan, WhileARunIsInProgressTheRequestsOnPlansAreRefused) {
  const std::wstring refus = L"Un traitement est en cours, veuillez patienter.";
  selectionner({0, 1});
  std::wstring erreur;
  d::Item* menu = element(d::ItemType::MenuBar, 0);
  const struct {
    std::function<void()> action;
    std::wstring message;
  } cas[] = {
      {[] { presser(1); }, refus},
      {[] { presser(2); }, refus},
      {[] { presser(3); }, refus},
      {[] { menuPlan(2); }, refus},
      {[] { menuPlan(3); }, refus},
      {[&] { d::chooseMenu(menu, 1, erreur); }, refus},
      {[&] { d::chooseMenu(menu, 2, erreur); }, refus},
      {[] { menuPlan(1); }, L""},  // shows (here nothing: no footprint drawing), changes nothing
      {[] { menuPlan(4); }, refus},
  };
  TraitementEnCours traitement;
  for (std::size_t i = 0; i < std::size(cas); ++i) {
    host::messages::clearLog();
    cas[i].action();
    EXPECT_EQ(listeMessages(), cas[i].message.empty() ? std::vector<std::wstring>{}
                                                       : std::vector<std::wstring>{cas[i].message})
        << i;
  }
  host::commands::clearHistory();
  presser(4);  // the locate-element command is sent to the application
  host::commands::runQueue();
  ASSERT_EQ(host::commands::history().size(), 1u);
  EXPECT_EQ(host::commands::history()[0].number, 0x0104000000000000ULL);
}

}  // namespace
