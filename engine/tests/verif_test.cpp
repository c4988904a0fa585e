// The exported operations' own steps: argument checks, the open view, the completion bar, the
// trace and the marking of plans that cannot be verified.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/halvorn.h"
#include "host/completion_bar.h"
#include "host/config.h"
#include "host/messages.h"
#include "host/views.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;

namespace {

void ecrire(const fs::path& p, const std::string& contenu = "x") {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << contenu;
}

std::vector<std::string> lignes(const fs::path& p) {
  std::vector<std::string> r;
  std::ifstream in(p, std::ios::binary);
  for (std::string l; std::getline(in, l);) r.push_back(l);
  return r;
}

// A folder set up through verif_initialiserDossier, with two plans in Livre.
class Verif : public ::testing::Test {
 protected:
  fs::path racine, dossierLivraison, parametres;
  verdossier dossier;

  void SetUp() override {
    racine = fs::absolute(fs::path("verif_test") / ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(racine);
    dossierLivraison = racine / "LIVRAISON";
    parametres = racine / "Param";
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(parametres)));
    ecrire(dossierLivraison / "Livre" / "12345678.DGN");
    ecrire(dossierLivraison / "Livre" / "87654321.DGN");
    host::config::set(L"TOLVEK_PARAM", host::fixture::large(parametres));
    host::views::reset();
    host::completion_bar::clearLog();
  }
  void TearDown() override {
    host::config::unset(L"TOLVEK_PARAM");
    host::views::reset();
  }
  void initialiser() {
    std::wstring message;
    ASSERT_EQ(verif_initialiserDossier(dossier, message, host::fixture::large(dossierLivraison)), verifSucces)
        << std::string(message.begin(), message.end());
    ASSERT_EQ(dossier.plans.size(), 2u);
    host::completion_bar::clearLog();  // the set-up's own bar (footprint drawing)
  }
  static void fermerLesVues() {
    for (int v = 0; v < host::views::kCount; ++v) host::views::close(v);
  }
};

TEST_F(Verif, InitialiserDossierRefusesMissingVariableAndFolders) {
  std::wstring message;
  host::config::unset(L"TOLVEK_PARAM");
  dossier.nom = L"ANCIEN";
  dossier.initialise = true;
  dossier.plans.resize(3);
  EXPECT_EQ(verif_initialiserDossier(dossier, message, host::fixture::large(dossierLivraison)), verifErreurParametres);
  EXPECT_EQ(message, L"La variable d'environnement TOLVEK_PARAM n'est pas d\u00e9finie.");
  EXPECT_TRUE(dossier.nom.empty());
  EXPECT_FALSE(dossier.initialise);
  EXPECT_TRUE(dossier.plans.empty());

  host::config::set(L"TOLVEK_PARAM", host::fixture::large(racine / "Absent"));
  EXPECT_EQ(verif_initialiserDossier(dossier, message, host::fixture::large(dossierLivraison)), verifErreurParametres);
  EXPECT_EQ(message, L"R\u00e9pertoire " + host::fixture::large(racine / "Absent") + L" introuvable.");

  host::config::set(L"TOLVEK_PARAM", host::fixture::large(parametres));
  EXPECT_EQ(verif_initialiserDossier(dossier, message, host::fixture::large(racine / "AUTRE")), verifErreurDossier);
  EXPECT_EQ(message, L"R\u00e9pertoire " + host::fixture::large(racine / "AUTRE") + L" introuvable.");

  message = L"avant";
  EXPECT_EQ(verif_initialiserDossier(dossier, message, L"/"), verifErreurDossier);
  EXPECT_TRUE(message.empty());
}

TEST_F(Verif, EveryOperationButTheSetUpRefusesAnIncompleteRecord) {
  initialiser();
  struct Cas {
    const char* pourquoi;
    void (*abimer)(verdossier&);
  };
  const Cas cas[] = {
      {"not set up", [](verdossier& d) { d.initialise = false; }},
      {"no name", [](verdossier& d) { d.nom.clear(); }},
      {"no Origine path", [](verdossier& d) { d.repOrigine.clear(); }},
      {"no plan", [](verdossier& d) { d.plans.clear(); }},
      {"Livre gone", [](verdossier& d) { fs::remove_all(fs::path(d.repLivre)); }},
      {"Comparaison gone", [](verdossier& d) { fs::remove_all(fs::path(d.repComparaison)); }},
      {"parameter folder gone", [](verdossier& d) { d.repParametres += L"X/"; }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verdossier d = dossier;
    c.abimer(d);
    verplan plan = dossier.plans[0];
    plan.erreurs.resize(1);
    plan.ecarts.resize(1);
    EXPECT_EQ(verif_verifierListePlan({0}, d, 0), verifErreurDossier);
    EXPECT_EQ(verif_verifierPlan(plan, d, 0), verifErreurDossier);
    EXPECT_TRUE(plan.erreurs.empty());
    EXPECT_TRUE(plan.ecarts.empty());
    EXPECT_EQ(verif_comparerPlan(plan, d, 0), verifErreurDossier);
    std::wstring code = L"ABCD";
    // The cartouche operation does not look at the parameter folder nor at Comparaison.
    if (std::string(c.pourquoi) != "parameter folder gone" && std::string(c.pourquoi) != "Comparaison gone") {
      EXPECT_EQ(verif_actualiserCartouche(code, plan, d, 0), verifRefus);
      EXPECT_TRUE(code.empty());
    }
    ecrire(fs::path(dossier.repLivre) / "12345678.DGN");
    fs::create_directories(fs::path(dossier.repComparaison));
  }
}

TEST_F(Verif, AMissingOrigineDoesNotMakeTheRecordIncomplete) {
  initialiser();
  ASSERT_FALSE(fs::exists(fs::path(dossier.repOrigine)));
  EXPECT_EQ(verif_verifierListePlan({}, dossier, 0), verifSucces);
}

TEST_F(Verif, WithoutAnOpenViewNothingIsTouched) {
  initialiser();
  fermerLesVues();
  ecrire(fs::path(dossier.repRapport) / "Trace.txt", "ancienne trace\n");
  dossier.plans[0].statuts = {0, 2, 0, -1, -1, -1};
  dossier.plans[0].erreurs.resize(2);
  EXPECT_EQ(verif_verifierListePlan({0, 1}, dossier, drapeauTrace), verifAucuneVue);
  EXPECT_EQ(dossier.plans[0].statuts[0], 0);
  EXPECT_EQ(dossier.plans[0].erreurs.size(), 2u);
  EXPECT_TRUE(fs::exists(fs::path(dossier.repRapport) / "Trace.txt"));
  EXPECT_TRUE(host::completion_bar::log().empty());

  // The single-plan operations have already emptied the plan's lists.
  verplan& plan = dossier.plans[0];
  EXPECT_EQ(verif_verifierPlan(plan, dossier, 0), verifAucuneVue);
  EXPECT_TRUE(plan.erreurs.empty());
  EXPECT_EQ(plan.statuts[0], 0);
  EXPECT_EQ(verif_comparerPlan(plan, dossier, 0), verifAucuneVue);
  // Any open view will do.
  host::views::open(7);
  EXPECT_NE(verif_verifierPlan(plan, dossier, 0), verifAucuneVue);
}

TEST_F(Verif, AnEmptyListOpensAndClosesTheBarAndDeletesTheTrace) {
  initialiser();
  const fs::path trace = fs::path(dossier.repRapport) / "Trace.txt";
  ecrire(trace, "ancienne trace\n");
  EXPECT_EQ(verif_verifierListePlan({}, dossier, 0), verifSucces);
  EXPECT_FALSE(fs::exists(trace));
  const auto log = host::completion_bar::log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].event, host::completion_bar::Event::Open);
  EXPECT_EQ(log[0].text, L"V\u00e9rification des plans");
  EXPECT_EQ(log[1].event, host::completion_bar::Event::Update);
  EXPECT_EQ(log[1].percent, 0);
  EXPECT_EQ(log[2].event, host::completion_bar::Event::Close);
}

TEST_F(Verif, BadIndexesAreSkippedAndMalformedPlansMarked) {
  initialiser();
  dossier.plans[1].type = 3;
  dossier.plans[1].erreurs.resize(1);
  dossier.plans[0].nbCreesBilan = dossier.plans[1].nbSupprimesBilan = 7;  // read back from a summary row
  // k counts every entry: the bar moves to 100 * k / 4 at each plan verified or marked.
  EXPECT_EQ(verif_verifierListePlan({-1, 0, 7, 1}, dossier, drapeauTrace), verifErreurPlan);
  EXPECT_EQ(dossier.plans[1].statuts[0], 2);
  EXPECT_TRUE(dossier.plans[1].erreurs.empty());
  EXPECT_NE(dossier.plans[0].statuts[0], 2);
  for (const verplan& plan : dossier.plans) {
    EXPECT_EQ(plan.nbCreesBilan, -1) << "a verification drops the counts of a summary row";
    EXPECT_EQ(plan.nbSupprimesBilan, -1);
  }

  std::vector<int> pourcentages;
  std::vector<std::wstring> textes;
  for (const auto& e : host::completion_bar::log())
    if (e.event == host::completion_bar::Event::Update) {
      pourcentages.push_back(e.percent);
      textes.push_back(e.text);
    }
  EXPECT_EQ(pourcentages.back(), 100);
  EXPECT_NE(std::find(pourcentages.begin(), pourcentages.end(), 50), pourcentages.end());
  EXPECT_NE(std::find(textes.begin(), textes.end(), L"87654321.DGN"), textes.end());
  EXPECT_FALSE(host::completion_bar::isOpen(host::completion_bar::log().front().handle));

  // The trace: the start, then one line for the verified plan only.
  const auto trace = lignes(fs::path(dossier.repRapport) / "Trace.txt");
  ASSERT_EQ(trace.size(), 2u);
  EXPECT_EQ(trace[0].rfind("D\xe9""but. ", 0), 0u);
  EXPECT_EQ(trace[1].substr(8), ". 12345678.DGN");

  // Without flag 4 the trace is only deleted.
  EXPECT_EQ(verif_verifierListePlan({0}, dossier, 0), verifSucces);
  EXPECT_FALSE(fs::exists(fs::path(dossier.repRapport) / "Trace.txt"));
}

// Results that could not be recorded are told with their file, and the plan is left not verified:
// no summary row that the next opening would read back as recorded.
TEST_F(Verif, APlanWhoseReportCannotBeWrittenIsToldAndLeftNotVerified) {
  initialiser();
  // A folder where the errors CSV goes: it can be neither removed nor replaced.
  ecrire(fs::path(dossier.repErreur) / "12345678.DGN_Erreurs.csv" / "garde");
  host::messages::clearLog();
  EXPECT_EQ(verif_verifierListePlan({0, 1}, dossier, 0), verifErreurPlan);
  EXPECT_EQ(dossier.plans[0].statuts[0], -1);
  EXPECT_FALSE(dossier.plans[0].erreurs.empty()) << "the findings stay in the session";
  EXPECT_NE(dossier.plans[1].statuts[0], -1);
  std::vector<std::wstring> messages;
  for (const auto& e : host::messages::log())
    if (e.kind == host::messages::Kind::MessageList) messages.push_back(e.brief);
  EXPECT_EQ(messages, std::vector<std::wstring>{L"Impossible d'\u00e9crire le fichier " + dossier.repErreur +
                                                L"12345678.DGN_Erreurs.csv."});
  const auto bilan = lignes(fs::path(dossier.fichierBilan));
  ASSERT_EQ(bilan.size(), 2u);
  EXPECT_EQ(bilan[1].rfind("87654321.DGN;", 0), 0u);
}

// Clean plans whose level tables could not be checked (no log can be written in a read-only
// temporary directory) are left not verified: no summary row would bring them back OK.
TEST_F(Verif, PlansWhoseLevelTablesCannotBeCheckedGetNoSummaryRow) {
  fs::remove_all(dossierLivraison / "Livre");
  ASSERT_TRUE(plan_fixture::livrerPropres(host::fixture::large(dossierLivraison / "Livre")));
  initialiser();
  const fs::path tmp = racine / "tmp";
  fs::create_directories(tmp);
  fs::permissions(tmp, fs::perms::owner_read | fs::perms::owner_exec);
  const char* avant = std::getenv("TMPDIR");
  const std::string tmpdir = avant ? avant : "";
  ::setenv("TMPDIR", tmp.c_str(), 1);
  verif_verifierListePlan({0, 1}, dossier, drapeauLevelAudit);
  if (avant) ::setenv("TMPDIR", tmpdir.c_str(), 1);
  else ::unsetenv("TMPDIR");
  fs::permissions(tmp, fs::perms::owner_all);
  for (const verplan& plan : dossier.plans) {
    SCOPED_TRACE(std::string(plan.nom.begin(), plan.nom.end()));
    EXPECT_TRUE(plan.erreurs.empty());
    EXPECT_EQ(plan.statuts[0], 2);
  }
  EXPECT_EQ(lignes(fs::path(dossier.fichierBilan)).size(), 1u) << "the header alone";
}

TEST_F(Verif, SinglePlanOperationsCheckThePlanRecord) {
  initialiser();
  struct Cas {
    const char* pourquoi;
    void (*abimer)(verplan&);
  };
  const Cas cas[] = {
      {"no name", [](verplan& p) { p.nom.clear(); }},
      {"kind 3", [](verplan& p) { p.type = 3; }},
      {"scale class 0", [](verplan& p) { p.version = 0; }},
      {"not in the folder", [](verplan& p) { p.nom = L"11111111.DGN"; }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verplan plan = dossier.plans[0];
    plan.statuts = {1, 2, 0, -1, -1, -1};
    plan.erreurs.resize(1);
    c.abimer(plan);
    EXPECT_EQ(verif_verifierPlan(plan, dossier, 0), verifErreurPlan);
    EXPECT_EQ(plan.statuts, (std::array<std::int32_t, 6>{1, 2, 0, -1, -1, -1}));
    EXPECT_TRUE(plan.erreurs.empty());
    EXPECT_EQ(verif_comparerPlan(plan, dossier, 0), verifErreurPlan);
  }
}

TEST_F(Verif, SinglePlanOperationsFindThePlanAfterUpperCasing) {
  initialiser();
  verplan plan = dossier.plans[0];
  plan.nom = L"12345678.dgn";
  EXPECT_NE(verif_verifierPlan(plan, dossier, 0), verifErreurPlan);
}

TEST_F(Verif, ActualiserCartoucheChecksItsArgumentsThenGivesTheTitleBlockCode) {
  initialiser();
  std::wstring code = L"ABCD";
  verplan plan = dossier.plans[0];
  plan.type = 0;
  EXPECT_EQ(verif_actualiserCartouche(code, plan, dossier, 0), verifRefus);
  EXPECT_TRUE(code.empty());
  plan = dossier.plans[0];
  plan.nom = L"11111111.DGN";
  EXPECT_EQ(verif_actualiserCartouche(code, plan, dossier, 0), verifRefus);

  // Arguments that pass (the name matches without case): the plan file is no drawing (no code)
  // and has no previous version (signature status 1), so it gets the producer code.
  plan = dossier.plans[0];
  plan.nom = L"12345678.dgn";
  EXPECT_EQ(verif_actualiserCartouche(code, plan, dossier, 0), 0);
  EXPECT_EQ(code, L"TALV");
  EXPECT_EQ(plan.statuts, (std::array<std::int32_t, 6>{-1, -1, 1, -1, -1, -1}));
}

}  // namespace
