// The comparison description dialog on a reviewed folder: its rows and filter, both versions
// attached and shown in every view or side by side, the view functions it installs, and what
// closing it leaves.
#include "application/description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "application/tests/revue_fixture.h"
#include "host/color_palette.h"
#include "host/svg_view.h"
#include "host/view_display.h"

namespace {

namespace d = host::dialogs;
using revue_fixture::DossierRevu;

constexpr std::uint64_t kCommandeAffichage = 0x030B000000000000ULL;
constexpr std::uint64_t kCommandeSuivi = 0x0108000000000000ULL;

TEST(LibellesTypes, EachTypeOfTheTableHasItsLabelAndNoOtherTypeHasOne) {
  const struct {
    std::uint32_t type;
    const wchar_t* libelle;
  } table[] = {
      {2, L" [Cellule]"},  {3, L" [Lin\u00e9aire]"}, {4, L" [Lin\u00e9aire]"}, {12, L" [Lin\u00e9aire]"},
      {6, L" [Polygone]"}, {14, L" [Polygone]"},       {7, L" [Texte]"},          {17, L" [Texte]"},
      {16, L" [Arc]"},     {33, L" [Cote]"},
  };
  for (const auto& l : table) EXPECT_STREQ(desc_libelleType(l.type), l.libelle) << l.type;
  for (std::uint32_t type : {0u, 1u, 5u, 11u, 15u, 35u, 66u, 0xFFFFFFFFu}) EXPECT_STREQ(desc_libelleType(type), L"") << type;
}

class Description : public DossierRevu {
 protected:
  static d::Dialog* dialogue() { return d::find(4); }
  static d::Item* listeDescription() { return d::findItem(dialogue(), d::ItemType::ListBox, 41); }
  static std::vector<std::wstring> cellules(int colonne) {
    std::vector<std::wstring> t;
    for (const auto& l : listeDescription()->model->rows) t.push_back(l.cells.at(static_cast<std::size_t>(colonne)).text);
    return t;
  }
  static void filtrer(const wchar_t* choix) {
    std::wstring e;
    ASSERT_TRUE(d::choose(d::findItem(dialogue(), d::ItemType::OptionButton, 1), choix, e));
  }
  static void basculer(int bouton) {
    std::wstring e;
    ASSERT_TRUE(d::press(d::findItem(dialogue(), d::ItemType::ToggleButton, bouton), e));
  }
  static std::vector<std::uint64_t> commandes() {
    host::commands::runQueue();
    std::vector<std::uint64_t> n;
    for (const auto& h : host::commands::history()) n.push_back(h.number);
    host::commands::clearHistory();
    return n;
  }
  static host::ModelRef livreUnique() { return reference(livre(plan_fixture::demoPropreUnique), L"VERLIV"); }
  static host::ModelRef origineUnique() { return reference(origine(plan_fixture::demoPropreUnique), L"VERORI"); }
  // The colour an element of a reference is drawn in.
  static std::uint32_t couleur(host::ModelRef r, host::ElementId id) {
    const host::Element* e = host::readElement(r, id);
    if (!e) {
      ADD_FAILURE() << "no element " << id;
      return 0xFFFF;
    }
    return host::views::drawnElement(r, *e, 0).colour;
  }
  void ouvrirUnique() {
    desc_ouvrir(appTolvek.dossier, unique());
    ASSERT_NE(dialogue(), nullptr);
  }
};

TEST_F(Description, ListsAdditionsAndRemovalsWithTheirKindAndFiltersThem) {
  ouvrirUnique();
  EXPECT_STREQ(TvkDlg.nomPlan, "44010450.109");
  // 12 types added, 12 removed and one removal of an id the delivered file keeps; statuses 1, 5
  // and 6 are not listed.
  ASSERT_EQ(listeDescription()->model->rows.size(), 25u);
  EXPECT_EQ(listeDescription()->headings.at(1), L"Description (25)");
  EXPECT_EQ(cellules(0).at(0), L"Ajout");
  EXPECT_EQ(cellules(1).at(0), L"Ajout2 [Cellule]");
  EXPECT_EQ(cellules(0).at(1), L"Suppression");
  EXPECT_EQ(cellules(1).at(1), L"Suppr2 [Cellule]");
  const auto libelles = cellules(1);
  for (const wchar_t* sansLibelle : {L"Ajout15", L"Ajout35", L"Suppr15"})
    EXPECT_NE(std::find(libelles.begin(), libelles.end(), sansLibelle), libelles.end()) << sansLibelle;

  filtrer(L"Suppressions");
  EXPECT_EQ(listeDescription()->model->rows.size(), 13u);
  EXPECT_EQ(listeDescription()->headings.at(1), L"Description (13)");
  for (const auto& t : cellules(0)) EXPECT_EQ(t, L"Suppression");
  // A row keeps its index in the whole list.
  EXPECT_EQ(listeDescription()->model->rows[0].cells[0].value, 1);
  filtrer(L"Ajouts");
  EXPECT_EQ(listeDescription()->model->rows.size(), 12u);
  for (const auto& t : cellules(0)) EXPECT_EQ(t, L"Ajout");
}

TEST_F(Description, APlanWithoutAdditionOrRemovalOpensEmptyAndAPlanWithoutResultsDoesNot) {
  desc_ouvrir(appTolvek.dossier, trois());
  ASSERT_NE(dialogue(), nullptr);
  EXPECT_TRUE(listeDescription()->model->rows.empty());
  EXPECT_EQ(listeDescription()->headings.at(1), L"Description (0)");
  for (std::int32_t plan : {sansErreur(), -1, 99}) {
    desc_ouvrir(appTolvek.dossier, plan);
    EXPECT_EQ(dialogue(), nullptr) << plan;
  }
  EXPECT_TRUE(nomsReferences().size() <= 1u);  // only the footprint drawing
}

TEST_F(Description, ADoubleClickZoomsOntoTheRowsElementInItsVersion) {
  ouvrirUnique();
  filtrer(L"Suppressions");
  // The removed cell, in the previous version.
  std::wstring e;
  ASSERT_TRUE(d::doubleClick(listeDescription(), 0, e));
  const host::Range3d etendue = host::elementRangeOf(origineUnique(), ids().supprimes.at(2));
  const host::Transform t = host::referenceToMaster(origineUnique());
  const host::Point3d centre = t.apply(etendue.centre());
  EXPECT_NEAR(host::views::centre(0).x, centre.x, 1.0);
  EXPECT_NEAR(host::views::centre(0).y, centre.y, 1.0);
  // A row whose long value names no row does nothing.
  for (auto& c : listeDescription()->model->rows[1].cells) c.value = 999;
  const host::Range3d avant = host::views::area(0);
  ASSERT_TRUE(d::doubleClick(listeDescription(), 1, e));
  EXPECT_EQ(host::views::area(0).low.x, avant.low.x);
}

TEST_F(Description, BothVersionsInEveryViewOrSideBySideInViews1And8) {
  ouvrirUnique();
  const host::ModelRef liv = livreUnique(), ori = origineUnique();
  ASSERT_TRUE(liv);
  ASSERT_TRUE(ori);
  EXPECT_FALSE(host::views::isOpen(7));
  EXPECT_TRUE(commandes().empty());  // mode 0 with view 8 closed: nothing sent

  basculer(1);
  ASSERT_EQ(TvkDlg.affichageReferences, 1);
  EXPECT_TRUE(host::views::isOpen(7));
  const host::LevelId niveau = host::readElement(liv, ids().ligne)->level;
  EXPECT_TRUE(host::views::levelDisplay(0, liv).testLevel(niveau));
  EXPECT_FALSE(host::views::levelDisplay(7, liv).testLevel(niveau));
  EXPECT_FALSE(host::views::levelDisplay(3, liv).testLevel(niveau));
  EXPECT_TRUE(host::views::levelDisplay(7, ori).testLevel(niveau));
  EXPECT_FALSE(host::views::levelDisplay(0, ori).testLevel(niveau));
  // Sent once; redrawing view 1 has view 8 follow it as well.
  auto envoyees = commandes();
  EXPECT_EQ(std::count(envoyees.begin(), envoyees.end(), kCommandeAffichage), 1);
  EXPECT_NE(std::find(envoyees.begin(), envoyees.end(), kCommandeSuivi), envoyees.end());

  basculer(1);
  EXPECT_FALSE(host::views::isOpen(7));
  EXPECT_TRUE(host::views::levelDisplay(3, ori).testLevel(niveau));
  EXPECT_TRUE(host::views::levelDisplay(0, ori).testLevel(niveau));
  envoyees = commandes();
  EXPECT_EQ(std::count(envoyees.begin(), envoyees.end(), kCommandeAffichage), 1);
}

TEST_F(Description, SubstituteColoursTellAddedRemovedAndOtherElementsOfEachVersion) {
  ouvrirUnique();
  const host::ModelRef liv = livreUnique(), ori = origineUnique();
  const std::uint32_t avant = host::readElement(liv, ids().commun)->colour;
  EXPECT_EQ(couleur(liv, ids().commun), avant);  // substitution off: drawn as it is

  const int redessins = host::views::updateCount(7);
  basculer(2);
  ASSERT_EQ(TvkDlg.substitutionSymbologie, 1);
  EXPECT_EQ(host::views::updateCount(7), redessins + 1);  // the eight views are redrawn
  const int typeLigne = host::readElement(liv, ids().ligne)->type;
  EXPECT_EQ(couleur(liv, ids().ajoutes.at(typeLigne)), 2u);
  EXPECT_EQ(couleur(ori, ids().supprimes.at(2)), 3u);
  // Removed from the previous version under an id that the delivered version keeps unchanged.
  EXPECT_EQ(couleur(ori, ids().commun), 3u);
  EXPECT_EQ(couleur(liv, ids().commun), 9u);
  // As view 1's picture draws them: the delivered version's elements first, then the previous
  // version's (both files have the same name).
  const std::string image = host::svg::viewPicture(0);
  const auto traits = [&image](host::ElementId id) {
    std::vector<std::string> r;
    const std::string marque = "data-id=\"" + std::to_string(id) + "\" data-file=\"44010450.109\"";
    for (std::size_t p = image.find(marque); p != std::string::npos; p = image.find(marque, p + 1)) {
      const std::string balise = image.substr(image.rfind('<', p), p - image.rfind('<', p));
      const std::size_t s = balise.find("stroke=\"");
      if (s != std::string::npos) r.push_back(balise.substr(s + 8, balise.find('"', s + 8) - s - 8));
    }
    r.erase(std::unique(r.begin(), r.end()), r.end());  // an element drawn in several pieces
    return r;
  };
  const auto hex = [](int couleurTable) {
    const std::wstring h = host::colors::hex(host::colors::tableColor(couleurTable));
    return std::string(h.begin(), h.end());
  };
  EXPECT_EQ(traits(ids().commun), (std::vector<std::string>{hex(9), hex(3)}));
  ASSERT_FALSE(traits(ids().ajoutes.at(typeLigne)).empty());
  EXPECT_EQ(traits(ids().ajoutes.at(typeLigne)).front(), hex(2));
  // Elements of the working drawing are not substituted.
  host::Element propre;
  propre.type = host::ElementType::Line;
  propre.colour = 5;
  propre.points = {{0, 0, 0}, {1, 1, 0}};
  EXPECT_EQ(host::views::drawnElement(host::activeModel(), propre, 0).colour, 5u);
}

TEST_F(Description, View8FollowsView1AndACrossFollowsTheCursorInTheOtherView) {
  ouvrirUnique();
  basculer(1);
  commandes();
  host::Range3d zone;
  zone.extend(host::Point3d{1000, 2000, 0});
  zone.extend(host::Point3d{5000, 4000, 0});
  host::views::setArea(0, zone);
  host::views::update(0);
  EXPECT_NEAR(host::views::extent(7).y, 3000.0, 1e-6);  // view 1's, once grown to the views' shape
  EXPECT_NEAR(host::views::centre(7).x, 3000.0, 1e-6);
  EXPECT_EQ(commandes(), std::vector<std::uint64_t>{kCommandeSuivi});
  host::views::update(3);  // another view: nothing follows
  EXPECT_TRUE(commandes().empty());

  host::views::cursorMotion(0, {3000, 3000, 0});
  auto dessines = host::transients::inView(7);
  ASSERT_EQ(dessines.size(), 1u);
  EXPECT_TRUE(host::transients::inView(0).empty());
  EXPECT_EQ(dessines[0].drawMode, host::transients::drawTemporary);
  EXPECT_EQ(dessines[0].element.colour, 4u);
  EXPECT_EQ(dessines[0].element.level, 64u);
  ASSERT_EQ(dessines[0].element.points.size(), 5u);
  EXPECT_NEAR(dessines[0].element.points[1].x - dessines[0].element.points[0].x, host::views::extent(7).x / 2.0, 1e-6);
  host::views::cursorMotion(7, {3000, 3000, 0});
  EXPECT_EQ(host::transients::inView(0).size(), 1u);
  EXPECT_TRUE(host::transients::inView(7).empty());
  host::views::cursorMotion(4, {3000, 3000, 0});
  EXPECT_EQ(host::transients::count(), 0u);
}

TEST_F(Description, ClosingLeavesNoVersionAttachedNoViewFunctionAndView8Closed) {
  ouvrirUnique();
  basculer(1);
  EXPECT_TRUE(livreUnique());
  d::close(dialogue());
  for (const std::wstring& nom : nomsReferences()) {
    EXPECT_NE(nom.rfind(L"VERLIV", 0), 0u);
    EXPECT_NE(nom.rfind(L"VERORI", 0), 0u);
  }
  EXPECT_FALSE(host::views::isOpen(7));
  EXPECT_EQ(TvkDlg.affichageReferences, 0);
  EXPECT_EQ(host::views::setUpdatePostFunction(nullptr), nullptr);
  EXPECT_EQ(host::views::setMotionFunction(nullptr), nullptr);
  EXPECT_EQ(host::views::setSubstituteFunction(nullptr), nullptr);
  EXPECT_TRUE(dlgDescription.lignes.empty());
  EXPECT_EQ(host::transients::count(), 0u);
}

TEST_F(Description, APlanNameOf80CharactersOrMoreIsCutToTheField) {
  appTolvek.dossier.plans[static_cast<std::size_t>(unique())].nom = std::wstring(100, L'N');
  std::memset(TvkDlg.nomPlan, 'x', sizeof TvkDlg.nomPlan);
  ouvrirUnique();
  EXPECT_EQ(std::strlen(TvkDlg.nomPlan), sizeof TvkDlg.nomPlan - 1);
  EXPECT_EQ(std::string(TvkDlg.nomPlan), std::string(79, 'N'));
}

}  // namespace
