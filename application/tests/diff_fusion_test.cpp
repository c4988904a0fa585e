// Merging the cable pieces of a differences drawing, on drawings built in a writable work file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "application/diff_fusion.h"
#include "application/diff_fusion_graphe.h"
#include "host/curve_element.h"
#include "host/fixture/chemins.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/temp_folder.h"
#include "host/model_ref.h"

namespace {

namespace fx = host::fixture;
using host::ElementId;
using host::ElementType;
using host::Point3d;

constexpr double kPi = std::numbers::pi;

// The drawing's eight levels, in the order the drawing creates them.
const std::vector<std::wstring> kNiveaux = {L"HTA_Ajout",        L"HTA_Suppression",       L"BT_Ajout",
                                            L"BT_Suppression",   L"BRCH_Ajout",            L"BRCH_Suppression",
                                            L"Accessoire_Ajout", L"Accessoire_Suppression"};

bool estLineaire(int type) {
  return type == ElementType::Line || type == ElementType::LineString || type == ElementType::ComplexChain ||
         type == ElementType::Arc;
}

class DiffFusion : public ::testing::Test {
 protected:
  DiffFusion() : dossier_("diff_fusion") {
    for (const auto& nom : kNiveaux) plan.level(nom);
    plan.level(L"Autre");
    plan.header().nextGraphicGroup = 50;
  }
  ~DiffFusion() override { host::resetModels(); }

  ElementId ajouter(fx::Spec s, const std::wstring& niveau, std::uint32_t groupe = 0) {
    return plan.add(s.level(plan.level(niveau)).group(groupe));
  }

  std::wstring chemin() const { return fx::large(dossier_.path() / "Differences.dgn"); }
  // Saves the drawing and opens it for writing.
  void ouvrir() {
    ASSERT_TRUE(plan.save(chemin()));
    ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, chemin(), L"", false), host::kSuccess);
  }
  void fusionner() {
    ouvrir();
    diff_fusionnerTroncons(modele);
  }

  // The linear elements of the model on that level ("" for level 0).
  std::vector<const host::Element*> lineaires(const std::wstring& niveau) const {
    const host::LevelId id = niveau.empty() ? 0 : host::levelIdFromName(modele, niveau).value();
    std::vector<const host::Element*> sortie;
    for (const host::Element* e : host::model(modele)->elements())
      if (estLineaire(e->type) && e->level == id) sortie.push_back(e);
    return sortie;
  }
  std::size_t nbLineaires() const {
    const auto tous = host::model(modele)->elements();
    return static_cast<std::size_t>(
        std::count_if(tous.begin(), tous.end(), [](auto e) { return estLineaire(e->type); }));
  }
  bool existe(ElementId id) const { return host::readElement(modele, id) != nullptr; }
  std::uint32_t groupeDe(ElementId id) const { return host::readElement(modele, id)->graphicGroup; }

  // Whether the element runs from a to b, either way, within 0.01 UOR.
  static bool vaDe(const host::Element* e, Point3d a, Point3d b) {
    Point3d d, f;
    if (!host::curveOfElement(*e)->getStartEnd(d, f)) return false;
    return (d.distanceXY(a) < 0.01 && f.distanceXY(b) < 0.01) || (d.distanceXY(b) < 0.01 && f.distanceXY(a) < 0.01);
  }

  fx::DesignBuilder plan;
  host::ModelRef modele;

 private:
  fx::TempFolder dossier_;
};

// The level table, row by row as the design gives it; any other name gives nothing.
TEST(DiffFusionTables, NiveauxDonnentReseauBranchementEtDirection) {
  struct Ligne {
    std::wstring nom;
    std::uint32_t reseau;
    std::uint8_t branchement;
    int direction;
  };
  const std::vector<Ligne> attendu = {
      {L"HTA_Ajout", 4, 0, 1},        {L"BT_Ajout", 2, 0, 1},        {L"BRCH_Ajout", 2, 1, 1},
      {L"Accessoire_Ajout", 0, 0, 1}, {L"HTA_Suppression", 4, 0, 2}, {L"BT_Suppression", 2, 0, 2},
      {L"BRCH_Suppression", 2, 1, 2}, {L"Accessoire_Suppression", 0, 0, 2},
  };
  ASSERT_EQ(diff_tableNiveaux.size(), attendu.size());
  for (std::size_t i = 0; i < attendu.size(); ++i) {
    EXPECT_EQ(diff_tableNiveaux[i].nom, attendu[i].nom) << i;
    int direction = -1;
    const verclassement c = diff_classerNiveau(attendu[i].nom, direction);
    EXPECT_EQ(c.reseau, attendu[i].reseau) << i;
    EXPECT_EQ(c.branchement, attendu[i].branchement) << i;
    EXPECT_EQ(direction, attendu[i].direction) << i;
    EXPECT_EQ(c.contenu, 1u);
    EXPECT_EQ(c.un, 1u);
    EXPECT_EQ(c.ni + c.protection + c.classeHta + c.etat, 0u);
  }
  for (const std::wstring& autre : {std::wstring(L"bt_ajout"), std::wstring(L"BT_Ajout "), std::wstring()}) {
    int direction = -1;
    const verclassement c = diff_classerNiveau(autre, direction);
    EXPECT_EQ(c.reseau, 0u);
    EXPECT_EQ(c.branchement, 0);
    EXPECT_EQ(direction, 0);
    EXPECT_EQ(c.contenu, 1u);
  }
}

// The 31 accessory names by kind, as the design lists them; names are exact.
TEST(DiffFusionTables, GenresDesCellules) {
  const std::vector<std::pair<int, std::vector<std::wstring>>> attendu = {
      {1, {L"COELEC", L"1RREMB", L"ARELEC", L"1BCO", L"1RCO", L"1BARMO", L"1RARMO", L"2RARMO", L"1BREMB"}},
      {2, {L"1BREMA", L"1RREMA", L"2RREMA"}},
      {3, {L"1BJONC", L"JONBT", L"JONMT", L"1BBSTB", L"1RBSTR", L"1RJONC", L"1BDERD", L"1BDERG", L"1RDERD", L"1RDERG",
           L"2RJONC", L"2RDERD", L"2RDERG"}},
      {4, {L"1BNEUD", L"1RNEUD", L"2RNEUD"}},
      {5, {L"1BBOUP", L"1RBOUP", L"2RBOUP"}},
  };
  std::size_t total = 0;
  for (const auto& [genre, noms] : attendu) {
    for (const auto& nom : noms) EXPECT_EQ(diff_genreCellule(nom), genre) << std::string(nom.begin(), nom.end());
    total += noms.size();
  }
  EXPECT_EQ(diff_genresNoeuds.size(), total);
  for (const auto& [nom, genre] : diff_genresNoeuds) EXPECT_NE(genre, 0) << std::wstring(nom).size();
  for (const wchar_t* autre : {L"coelec", L"JONBT ", L"1BREMA2", L"", L"ST_BRANCH_CLA_V2"})
    EXPECT_EQ(diff_genreCellule(autre), 0);
}

// A BT cable of a line, a line string drawn the other way and an arc, from the outline of a
// COELEC to a 1BREMA: one line string on its level with its colour, in a new group that the
// pieces' texts join; the cells stay; a single HTA arc is replaced by its stroked copy.
TEST_F(DiffFusion, UnCableEntreDeuxAccessoiresDevientUneLigneBrisee) {
  const ElementId coelec = ajouter(fx::cell(L"COELEC", {-250, 0, 0}, {fx::rectangle({-500, -500, 0}, {0, 500, 0})}),
                                   L"Accessoire_Ajout", 10);
  const ElementId ligne = ajouter(fx::line({0.5, 0, 0}, {1000, 0, 0}), L"BT_Ajout", 10);
  const ElementId texte1 = ajouter(fx::text(L"BT 3x150", {500, 100, 0}), L"BT_Ajout", 10);
  const ElementId brisee = ajouter(fx::lineString({{2000, 0, 0}, {1500, 300, 0}, {1000.3, 0, 0}}), L"BT_Ajout", 11);
  const ElementId texte2 = ajouter(fx::textNode({fx::text(L"BT", {1500, 400, 0}), fx::text(L"150", {1500, 0, 0})}),
                                   L"Autre", 11);
  const ElementId arc = ajouter(fx::arc({2500, 0, 0}, 500, kPi, -kPi), L"BT_Ajout");
  const ElementId brema = ajouter(fx::cell(L"1BREMA", {3000, 0, 0}, {fx::rectangle({3000, -50, 0}, {3100, 50, 0})}),
                                  L"Accessoire_Ajout");
  const ElementId hta = ajouter(fx::arc({0, 5000, 0}, 300, 0, kPi), L"HTA_Suppression");
  const ElementId autre = ajouter(fx::line({3000, 0, 0}, {4000, 0, 0}), L"Autre");
  fusionner();

  const auto bt = lineaires(L"BT_Ajout");
  ASSERT_EQ(bt.size(), 1u);
  EXPECT_EQ(bt[0]->type, ElementType::LineString);
  EXPECT_TRUE(vaDe(bt[0], {0.5, 0, 0}, {3000, 0, 0}));
  EXPECT_GT(bt[0]->points.size(), 6u);  // the arc stroked
  EXPECT_EQ(bt[0]->colour, 1u);
  EXPECT_EQ(bt[0]->weight, 0u);
  EXPECT_EQ(bt[0]->lineStyle, 0);
  EXPECT_EQ(bt[0]->graphicGroup, 50u);
  for (ElementId piece : {ligne, brisee, arc, hta}) EXPECT_FALSE(existe(piece)) << piece;
  EXPECT_EQ(groupeDe(texte1), 50u);
  EXPECT_EQ(groupeDe(texte2), 50u);
  EXPECT_EQ(groupeDe(coelec), 10u);  // cells are never regrouped
  EXPECT_TRUE(existe(brema));
  EXPECT_TRUE(existe(autre));

  const auto ht = lineaires(L"HTA_Suppression");
  ASSERT_EQ(ht.size(), 1u);
  EXPECT_EQ(ht[0]->type, ElementType::LineString);
  EXPECT_TRUE(vaDe(ht[0], {300, 5000, 0}, {-300, 5000, 0}));
  EXPECT_EQ(ht[0]->colour, 3u);
  EXPECT_EQ(ht[0]->graphicGroup, 0u);
  EXPECT_EQ(host::nextGraphicGroup(modele), 51u);
}

// Two pieces meet at (1000, 0), with what the case puts there: whether they become one element.
TEST_F(DiffFusion, OuLeCableSArreteEtOuIlContinue) {
  struct Cas {
    const char* pourquoi;
    std::wstring niveauA, niveauB;
    std::wstring cellule;      // a cell at the meeting point; empty: none
    bool forme = false;        // the cell has a shape whose outline passes the meeting point
    std::wstring autreNiveau;  // a third piece from the meeting point; empty: none
    std::size_t elements;      // linear elements afterwards
    bool joints;               // the two pieces became one
  };
  const std::vector<Cas> cas = {
      {"a free point where two BT pieces meet", L"BT_Ajout", L"BT_Ajout", L"", false, L"", 1, true},
      {"an HTA cable runs on the same way", L"HTA_Suppression", L"HTA_Suppression", L"", false, L"", 1, true},
      {"an unlisted cell is a free point", L"BT_Ajout", L"BT_Ajout", L"ST_BRANCH_CLA_V2", false, L"", 1, true},
      {"names are exact: a lower-case joint is unlisted", L"BT_Ajout", L"BT_Ajout", L"jonbt", false, L"", 1, true},
      {"a kind-1 cell attaches on its shape's outline", L"BT_Ajout", L"BT_Ajout", L"COELEC", true, L"", 2, false},
      {"a kind-1 cell without shape attaches nothing", L"BT_Ajout", L"BT_Ajout", L"COELEC", false, L"", 1, true},
      {"a kind-2 cell stops", L"BT_Ajout", L"BT_Ajout", L"1BREMA", false, L"", 2, false},
      {"a BT joint without branch stops", L"BT_Ajout", L"BT_Ajout", L"JONBT", false, L"", 2, false},
      {"a BT joint with a branch lets the BT cable on", L"BT_Ajout", L"BT_Ajout", L"JONBT", false, L"BRCH_Ajout", 2,
       true},
      {"a joint with an HTA third piece stops", L"BT_Ajout", L"BT_Ajout", L"1BJONC", false, L"HTA_Ajout", 3, false},
      {"a kind-4 cell stops", L"BT_Ajout", L"BT_Ajout", L"1BNEUD", false, L"", 2, false},
      {"a kind-5 cell stops", L"BT_Ajout", L"BT_Ajout", L"2RBOUP", false, L"", 2, false},
      {"three counted pieces at a free point stop", L"BT_Ajout", L"BT_Ajout", L"", false, L"BT_Ajout", 3, false},
      {"an added and a removed piece stay apart", L"BT_Ajout", L"BT_Suppression", L"", false, L"", 2, false},
      {"a BT and a branch piece stay apart", L"BT_Ajout", L"BRCH_Ajout", L"", false, L"", 2, false},
      {"accessory-level pieces are not counted", L"Accessoire_Ajout", L"Accessoire_Ajout", L"", false, L"", 2, false},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    plan = fx::DesignBuilder();
    for (const auto& nom : kNiveaux) plan.level(nom);
    ajouter(fx::line({0, 0, 0}, {1000, 0, 0}), c.niveauA);
    ajouter(fx::line({2000, 0, 0}, {1000, 0, 0}), c.niveauB);
    if (!c.cellule.empty()) {
      std::vector<fx::Spec> enfants;
      if (c.forme) enfants.push_back(fx::rectangle({1000, -300, 0}, {1600, 300, 0}));
      else enfants.push_back(fx::line({990, 0, 0}, {1010, 0, 0}));
      ajouter(fx::cell(c.cellule, {c.forme ? 1300.0 : 1000.0, 0, 0}, enfants), L"Accessoire_Ajout");
    }
    if (!c.autreNiveau.empty()) ajouter(fx::line({1000, 0, 0}, {1000, 800, 0}), c.autreNiveau);
    fusionner();
    EXPECT_EQ(nbLineaires(), c.elements);
    const auto tous = host::model(modele)->elements();
    EXPECT_EQ(std::any_of(tous.begin(), tous.end(),
                          [&](auto e) { return estLineaire(e->type) && vaDe(e, {0, 0, 0}, {2000, 0, 0}); }),
              c.joints);
    host::resetModels();
  }
}

// Pieces of an accessory level are merged like the others, but their element gets no difference
// level or symbology: level 0, colour 0, weight 0, style 0.
TEST_F(DiffFusion, LesPiecesDUnNiveauAccessoireNOntPasDeNiveauDeDifference) {
  const ElementId a = ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).colour(7).weight(3).style(2), L"Accessoire_Ajout");
  fusionner();
  EXPECT_FALSE(existe(a));
  const auto sans = lineaires(L"");
  ASSERT_EQ(sans.size(), 1u);
  EXPECT_TRUE(vaDe(sans[0], {0, 0, 0}, {1000, 0, 0}));
  EXPECT_EQ(sans[0]->colour, 0u);
  EXPECT_EQ(sans[0]->weight, 0u);
  EXPECT_EQ(sans[0]->lineStyle, 0);
}

// At a BT joint with a branch, two BT pieces each within 1.0 of the joint's origin may lie up to
// 2.0 apart, beyond what the assembly joins: the run stays as drawn rather than losing a piece.
TEST_F(DiffFusion, UneChaineQueLAssemblageNeTientPasEntiereResteTelleQuelle) {
  const ElementId a = ajouter(fx::line({0, 0, 0}, {999.2, 0, 0}), L"BT_Ajout", 7);
  const ElementId b = ajouter(fx::line({1000.8, 0, 0}, {2000, 0, 0}), L"BT_Ajout");
  const ElementId texte = ajouter(fx::text(L"BT", {500, 100, 0}), L"BT_Ajout", 7);
  const ElementId branche = ajouter(fx::line({1000, 0.5, 0}, {1000, 800, 0}), L"BRCH_Ajout");
  ajouter(fx::cell(L"JONBT", {1000, 0, 0}, {fx::line({990, 0, 0}, {1010, 0, 0})}), L"Accessoire_Ajout");
  fusionner();
  EXPECT_TRUE(existe(a));
  EXPECT_TRUE(existe(b));
  EXPECT_EQ(lineaires(L"BT_Ajout").size(), 2u);
  EXPECT_EQ(groupeDe(texte), 7u);
  EXPECT_FALSE(existe(branche));  // the branch, a run of its own, is merged
  EXPECT_EQ(lineaires(L"BRCH_Ajout").size(), 1u);
}

// When the model takes no new element, no piece is deleted and no text moves.
TEST_F(DiffFusion, SansAjoutPossibleRienNEstSupprime) {
  const ElementId a = ajouter(fx::line({0, 0, 0}, {1000, 0, 0}), L"BT_Ajout", 9);
  const ElementId b = ajouter(fx::arc({1500, 0, 0}, 500, kPi, -kPi), L"BT_Ajout");
  const ElementId texte = ajouter(fx::text(L"BT", {500, 100, 0}), L"BT_Ajout", 9);
  const ElementId seul = ajouter(fx::line({0, 3000, 0}, {1000, 3000, 0}), L"HTA_Ajout");
  // The file hands out one last element id; an element added first takes it.
  plan.file().setNextElementId(std::numeric_limits<ElementId>::max());
  ouvrir();
  ASSERT_NE(host::addElement(modele, fx::line({0, -5000, 0}, {1, -5000, 0})), 0u);
  ASSERT_EQ(host::addElement(modele, fx::line({0, -5000, 0}, {1, -5000, 0})), 0u);
  diff_fusionnerTroncons(modele);
  for (ElementId id : {a, b, seul}) EXPECT_TRUE(existe(id)) << id;
  EXPECT_EQ(groupeDe(texte), 9u);
  EXPECT_EQ(groupeDe(a), 9u);
}

// Inputs that must neither crash nor loop: each ends as said.
TEST_F(DiffFusion, EntreesDifficiles) {
  // A ring of four pieces: one closed line string.
  const std::vector<Point3d> carre = {{10000, 0, 0}, {11000, 0, 0}, {11000, 1000, 0}, {10000, 1000, 0}};
  std::vector<ElementId> anneau;
  for (std::size_t i = 0; i < carre.size(); ++i)
    anneau.push_back(ajouter(fx::line(carre[i], carre[(i + 1) % carre.size()]), L"BT_Suppression"));
  // A zero-length line beside a piece.
  ajouter(fx::line({20000, 0, 0}, {20000, 0, 0}), L"BT_Ajout");
  ajouter(fx::line({20000, 0, 0}, {21000, 0, 0}), L"BT_Ajout");
  // 1,000 pieces from one point: each a run of its own.
  for (int i = 0; i < 1000; ++i) {
    const double angle = 2 * kPi * i / 1000;
    ajouter(fx::line({40000, 0, 0}, {40000 + 5000 * std::cos(angle), 5000 * std::sin(angle), 0}), L"HTA_Ajout");
  }
  // 1,000 branches at a BT joint: the BT cable still runs through it.
  ajouter(fx::cell(L"JONBT", {90000, 0, 0}, {fx::line({89990, 0, 0}, {90010, 0, 0})}), L"Accessoire_Suppression");
  ajouter(fx::line({89000, 0, 0}, {90000, 0, 0}), L"BT_Suppression");
  ajouter(fx::line({90000, 0, 0}, {91000, 0, 0}), L"BT_Suppression");
  for (int i = 0; i < 1000; ++i) {
    const double angle = kPi * (i + 1) / 1002;
    ajouter(fx::line({90000, 0, 0}, {90000 + 800 * std::cos(angle), 800 * std::sin(angle), 0}), L"BRCH_Suppression");
  }
  // A line string broken by a disconnect point, alone and in a run: both stay as drawn.
  const ElementId coupee =
      ajouter(fx::lineString({{60000, 0, 0}, {60500, 0, 0}, host::disconnectPoint(), {60600, 0, 0}, {61000, 0, 0}}),
              L"BRCH_Ajout");
  const ElementId coupee2 =
      ajouter(fx::lineString({{70000, 0, 0}, {70500, 0, 0}, host::disconnectPoint(), {70600, 0, 0}, {71000, 0, 0}}),
              L"BRCH_Suppression");
  const ElementId suite = ajouter(fx::line({71000, 0, 0}, {72000, 0, 0}), L"BRCH_Suppression");
  // Types the merge never reads, on a difference level.
  const ElementId cote = ajouter(fx::dimension({{80000, 0, 0}, {81000, 0, 0}}), L"BT_Ajout");
  const host::Range3d etendue = host::Range3d::from({79990, -10, 0}, {80010, 10, 0});
  const ElementId partagee = ajouter(fx::sharedCell(L"JONBT", {80000, 0, 0}, etendue), L"Accessoire_Ajout");
  const ElementId donnees = ajouter(fx::data({1, 2, 3}), L"BT_Ajout");
  fusionner();

  for (ElementId id : anneau) EXPECT_FALSE(existe(id));
  // The ring closed on itself, and the BT cable through the joint.
  const auto bt = lineaires(L"BT_Suppression");
  ASSERT_EQ(bt.size(), 2u);
  const std::size_t boucle = bt[0]->points.size() == 5 ? 0 : 1;
  EXPECT_EQ(bt[boucle]->points.size(), 5u);
  EXPECT_EQ(bt[boucle]->points.front(), bt[boucle]->points.back());
  EXPECT_TRUE(vaDe(bt[1 - boucle], {89000, 0, 0}, {91000, 0, 0}));
  // Every branch kept: the joint lets the first two run on into each other; and the broken run.
  EXPECT_EQ(lineaires(L"BRCH_Suppression").size(), 999u + 2u);

  EXPECT_EQ(lineaires(L"HTA_Ajout").size(), 1000u);
  EXPECT_TRUE(existe(coupee));
  EXPECT_TRUE(existe(coupee2));
  EXPECT_TRUE(existe(suite));
  for (ElementId id : {cote, partagee, donnees}) EXPECT_TRUE(existe(id)) << id;
}

// In the host's active model, group numbers come from the host's current number, which then
// names the next number to hand out.
TEST_F(DiffFusion, DansLeModeleActifLeCompteurEstCeluiDeLHote) {
  const ElementId a = ajouter(fx::line({0, 0, 0}, {1000, 0, 0}), L"BT_Ajout", 4);
  const ElementId texte = ajouter(fx::text(L"BT", {500, 100, 0}), L"BT_Ajout", 4);
  ASSERT_TRUE(plan.save(chemin()));
  ASSERT_EQ(host::openActiveFile(chemin()), host::kSuccess);
  modele = host::activeModel();
  host::setCurrentGraphicGroup(70);
  diff_fusionnerTroncons(modele);
  EXPECT_FALSE(existe(a));
  ASSERT_EQ(lineaires(L"BT_Ajout").size(), 1u);
  EXPECT_EQ(lineaires(L"BT_Ajout")[0]->graphicGroup, 70u);
  EXPECT_EQ(groupeDe(texte), 70u);
  EXPECT_EQ(host::currentGraphicGroup(), 71u);
}

// Nothing to merge: a model without the difference levels, and an invalid model.
TEST_F(DiffFusion, ModeleSansNiveauxOuInvalide) {
  plan = fx::DesignBuilder();
  const ElementId texte = plan.add(fx::text(L"BT", {0, 0, 0}).group(3));
  fusionner();
  EXPECT_TRUE(existe(texte));
  EXPECT_EQ(host::nextGraphicGroup(modele), 1u);
  diff_fusionnerTroncons(host::ModelRef{});
}

}  // namespace
