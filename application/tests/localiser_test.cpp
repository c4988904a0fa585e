// The locate-element command on a reviewed folder, and the look-up of a plan by a file name.
#include "application/localiser.h"

#include <gtest/gtest.h>

#include "application/tests/revue_fixture.h"
#include "host/dialog_variable.h"
#include "host/view_display.h"

namespace {

namespace d = host::dialogs;
using revue_fixture::DossierRevu;

class Localiser : public DossierRevu {
 protected:
  void SetUp() override {
    DossierRevu::SetUp();
    ASSERT_TRUE(host::commands::execute(0x0104000000000000ULL, L""));
  }
  static void choisirPlan(std::int32_t plan) {
    const auto& lignes = liste()->model->rows;
    for (std::size_t r = 0; r < lignes.size(); ++r)
      if (lignes[r].cells[0].value == plan) return selectionner({static_cast<int>(r)});
    FAIL() << "plan not shown";
  }
  static void pointer(int vue = 0) {
    std::wstring erreur;
    ASSERT_TRUE(host::tools::dataPoint(vue, host::Point3d{0, 0, 0}, erreur));
  }
  static std::vector<std::wstring> centreMessages() {
    std::vector<std::wstring> t;
    for (const auto& e : host::messages::log())
      if (e.kind == host::messages::Kind::MessageCenter) t.push_back(e.brief);
    return t;
  }
  static std::vector<std::wstring> boites() {
    std::vector<std::wstring> t;
    for (const auto& e : host::messages::log())
      if (e.kind == host::messages::Kind::MessageBox) t.push_back(e.brief);
    return t;
  }
};

TEST(PlanIndiceParNom, FindsThePlanOfAFileByItsNameOrStem) {
  std::vector<verplan> plans(3);
  plans[0].nom = L"AB010450.10C";
  plans[1].nom = L"QRL-47-00193-01246-03-D-24";
  plans[2].nom = L"440104501.109";
  const struct {
    const wchar_t* fichier;
    std::int32_t attendu;
  } cas[] = {
      {L"ab010450.10c", 0},  // letter case ignored
      {L"AB010450.10D", -1},
      {L"QRL-47-00193-01246-03-D-24.EL2", 1},
      {L"qrl-47-00193-01246-03-d-24.ar2", 1},
      {L"QRL-47-00193-01246-03-D-24.GZ2", 1},  // the plan; its gas file is never attached
      {L"440104501.109", -1},                   // a stem of 9 characters, though a plan has the name
      {L"", -1},
      {L"AB010450", -1},  // stem of 8 characters: the whole name is compared
  };
  for (const auto& c : cas) EXPECT_EQ(plan_indiceParNom(plans, c.fichier), c.attendu) << c.fichier;
  EXPECT_EQ(plan_indiceParNom({}, L"AB010450.10C"), -1);
}

TEST_F(Localiser, AnIdAbove32BitsIsFoundHighlightedZoomedOntoAndSelected) {
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Primitive);
  choisirPlan(unique());
  // Typed in the summary's text item, as the user does.
  std::wstring erreur;
  ASSERT_TRUE(d::type(element(d::ItemType::Text, 2), L"4294967297", erreur));
  ASSERT_EQ(TvkDlg.idElement, revue_fixture::kIdTresGrand);
  pointer(0);
  const host::ModelRef r = reference(livre(plan_fixture::demoPropreUnique), L"VERLIV");
  ASSERT_TRUE(r);
  const std::uint32_t position = host::readElement(r, revue_fixture::kIdTresGrand)->filePosition;
  EXPECT_TRUE(host::locate::isHilited(r, position));
  EXPECT_EQ(host::selection::members(), (std::vector<std::pair<host::ModelRef, std::uint32_t>>{{r, position}}));
  EXPECT_TRUE(host::messages::log().empty());
  // Zoomed twice the element's size about its centre.
  const host::Point3d centre =
      host::referenceToMaster(r).apply(host::elementRangeOf(r, revue_fixture::kIdTresGrand).centre());
  EXPECT_NEAR(host::views::centre(0).x, centre.x, 1e-3);
  EXPECT_NEAR(host::views::centre(0).y, centre.y, 1e-3);

  // Again: the selection was emptied first; a reset restarts the tool.
  pointer(0);
  EXPECT_EQ(host::selection::members().size(), 1u);
  const int generation = host::tools::status().generation;
  ASSERT_TRUE(host::tools::reset(erreur));
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Primitive);
  EXPECT_GT(host::tools::status().generation, generation);
}

TEST_F(Localiser, TheThemeCodeNamesTheFileOfAThreeFilePlan) {
  choisirPlan(trois());
  TvkDlg.idElement = revue_fixture::kIdEl2;
  const std::wstring nom = plan_fixture::demoPropreTrois;

  TvkDlg.codeTheme = 4;
  pointer(0);
  const host::ModelRef el2 = reference(livre(nom + L".EL2"), L"VERLIV");
  ASSERT_TRUE(el2);
  EXPECT_TRUE(host::selection::contains(el2, host::readElement(el2, revue_fixture::kIdEl2)->filePosition));
  EXPECT_TRUE(host::messages::log().empty());

  TvkDlg.codeTheme = 2;
  pointer(0);
  EXPECT_EQ(centreMessages(),
            std::vector<std::wstring>{L"El\u00e9ment introuvable dans le fichier " + livre(nom + L".FP2")});
  EXPECT_EQ(host::selection::members().size(), 1u);  // what was selected stays

  // A code of no file finds nothing and says nothing, even with references attached.
  host::messages::clearLog();
  for (int code : {3, 0, -4, 8}) {
    TvkDlg.codeTheme = code;
    pointer(0);
  }
  EXPECT_TRUE(host::messages::log().empty());
}

TEST_F(Localiser, BadIdsAndNoSelectionAreToldAndSelectNothing) {
  pointer(0);
  EXPECT_EQ(boites(), std::vector<std::wstring>{L"Aucun plan n'est s\u00e9lectionn\u00e9 dans la liste"});
  EXPECT_TRUE(nomsReferences().size() <= 1u);  // only the footprint drawing

  choisirPlan(unique());
  d::Item* saisie = element(d::ItemType::Text, 2);
  std::wstring erreur;
  TvkDlg.idElement = 17;
  for (const wchar_t* refuse : {L"-1", L"abc", L"18446744073709551616", L""}) {
    EXPECT_FALSE(d::type(saisie, refuse, erreur)) << refuse;
    EXPECT_EQ(TvkDlg.idElement, 17u) << refuse;
  }
  const std::wstring introuvable =
      L"El\u00e9ment introuvable dans le fichier " + livre(plan_fixture::demoPropreUnique);
  for (const wchar_t* tape : {L"0", L"18446744073709551615"}) {
    host::messages::clearLog();
    ASSERT_TRUE(d::type(saisie, tape, erreur)) << tape;
    pointer(0);
    EXPECT_EQ(centreMessages(), std::vector<std::wstring>{introuvable}) << tape;
    EXPECT_TRUE(host::selection::members().empty()) << tape;
  }

  // A row naming no plan is no selection.
  liste()->model->rows[0].cells[0].value = 99;
  selectionner({0});
  host::messages::clearLog();
  pointer(0);
  EXPECT_EQ(boites().size(), 1u);
}

}  // namespace
