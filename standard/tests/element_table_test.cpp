// The element table of a file, its search by id, the level look-up, and the unnamed cells with
// their dimensions.
#include "standard/element_table.h"

#include <gtest/gtest.h>

#include "standard/tests/harnais_modele.h"

namespace fx = host::fixture;
using host::ElementId;
using host::Point3d;

namespace {

class ElementTable : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u); }
};

// One element of each type group, on levels of the three standards.
struct Modele {
  fx::DesignBuilder b;
  ElementId ligneBT = 0, ligneEL2 = 0, ligneAR2 = 0, texte = 0, cellule = 0, partagee = 0, horsNiveau = 0,
            niveauZero = 0, point = 0, donnee = 0;
  std::vector<ElementId> tous;  // drawn, type 94 aside

  Modele() {
    const host::LevelId bt = b.level(L"RéseauBT");
    const host::LevelId el2 = b.level(L"CâblesBT");
    const host::LevelId ar2 = b.level(L"CâblesEP");
    const host::LevelId divers = b.level(L"Topo4Divers");
    const Point3d o{0, 0, 0}, p{3000, 4000, 0};
    ligneBT = ajouter(fx::line(o, p).level(bt).colour(7));
    ligneEL2 = ajouter(fx::lineString({o, {1000, 0, 0}, {1000, 1000, 0}}).level(el2));
    ligneAR2 = ajouter(fx::arc(o, 1000, 0, 1.0).level(ar2));
    ajouter(fx::rectangle(o, p).level(divers));
    ajouter(fx::chain({fx::line(o, {10, 0, 0}), fx::line({10, 0, 0}, {10, 10, 0})}).level(bt));
    ajouter(fx::complexShape({fx::line(o, {10, 0, 0}), fx::lineString({{10, 0, 0}, {10, 10, 0}, o})}).level(bt));
    ajouter(fx::ellipse(o, 500, 300).level(divers));
    ajouter(fx::textNode({fx::text(L"a", o), fx::text(L"b", {0, -500, 0})}).level(divers));
    texte = ajouter(fx::text(L"Texte", {5000, 5000, 0}).level(divers));
    cellule = ajouter(fx::cell(L"JONBT", {7000, 7000, 0}, {fx::line({7000, 7000, 0}, {7100, 7000, 0})}).level(bt));
    partagee = ajouter(fx::sharedCell(L"PART", {100, 200, 0}, host::Range3d::from({0, 0, 0}, {10, 10, 0})).level(divers));
    ajouter(fx::dimension({o, p}).level(divers));
    horsNiveau = ajouter(fx::line(o, p).level(999));
    niveauZero = ajouter(fx::line(o, p).level(0));
    point = ajouter(fx::line(p, p).level(bt));
    donnee = b.add(fx::data({1, 2, 3}, 94));
  }
  ElementId ajouter(const fx::Spec& s) {
    tous.push_back(b.add(s));
    return tous.back();
  }
};

const verelement& ligneDe(const verfichier& f, ElementId id) {
  const std::int32_t i = element_rechercherParId(f.elements, id);
  EXPECT_GE(i, 0) << id;
  return f.elements.at(static_cast<std::size_t>(std::max(i, 0)));
}

TEST_F(ElementTable, OneSortedRowPerDrawnElementWithItsGeometry) {
  Modele m;
  ModeleOuvert ouvert(m.b, L"plan.dgn");
  verfichier f;
  f.modele = ouvert.modele();
  f.role = 2;
  f.elements.resize(3);  // rebuilt from nothing
  element_construireTable(f);
  ASSERT_EQ(f.elements.size(), m.tous.size()) << "type 94 is left out";
  EXPECT_TRUE(std::is_sorted(f.elements.begin(), f.elements.end(),
                             [](const verelement& a, const verelement& b) { return a.idElement < b.idElement; }));
  EXPECT_EQ(element_rechercherParId(f.elements, m.donnee), -1);

  const verelement& ligne = ligneDe(f, m.ligneBT);
  EXPECT_DOUBLE_EQ(ligne.longueur, 5.0) << "master units";
  EXPECT_EQ(ligne.debut, (Point3d{0, 0, 0}));
  EXPECT_EQ(ligne.fin, (Point3d{3000, 4000, 0}));
  EXPECT_EQ(ligne.centre, (Point3d{1500, 2000, 0}));
  EXPECT_EQ(ligne.symbologie.couleur, 7u);
  EXPECT_EQ(ligne.symbologie.nomNiveau, L"RéseauBT");
  EXPECT_EQ(ligne.classement.reseau, 0u) << "the background file is not classified";

  const verelement& texte = ligneDe(f, m.texte);
  EXPECT_EQ(texte.origine, (Point3d{5000, 5000, 0}));
  EXPECT_NE(texte.centre, texte.origine) << "the middle of its range";
  EXPECT_EQ(texte.centre.z, 0.0);
  EXPECT_EQ(texte.longueur, 0.0);
  EXPECT_EQ(ligneDe(f, m.cellule).origine, (Point3d{7000, 7000, 0}));
  EXPECT_EQ(ligneDe(f, m.partagee).origine, (Point3d{100, 200, 0}));
  EXPECT_EQ(ligneDe(f, m.cellule).symbologie.nomCellule, L"JONBT");
  EXPECT_GT(ligneDe(f, m.ligneAR2).longueur, 0.0);
  EXPECT_EQ(ligneDe(f, m.point).longueur, 0.0) << "a line from a point to itself";
}

TEST_F(ElementTable, TheFileRoleChoosesTheClassification) {
  Modele m;
  ModeleOuvert ouvert(m.b, L"plan.dgn");
  const struct {
    std::uint32_t role;
    ElementId classe;  // the one line classified, 0 none
    std::uint32_t reseau;
  } cas[] = {{1, m.ligneBT, 2}, {2, 0, 0}, {3, m.ligneEL2, 2}, {4, m.ligneAR2, 2048}, {7, 0, 0}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.role);
    verfichier f;
    f.modele = ouvert.modele();
    f.role = c.role;
    element_construireTable(f);
    for (const ElementId id : {m.ligneBT, m.ligneEL2, m.ligneAR2}) {
      const verelement& e = ligneDe(f, id);
      EXPECT_EQ(e.classement.reseau, id == c.classe ? c.reseau : 0u) << id;
      EXPECT_EQ(e.classement.idElement, id == c.classe ? id : 0u) << id;
    }
    // Rows on an unknown level or on level 0 are built, never classified.
    EXPECT_EQ(ligneDe(f, m.horsNiveau).classement.reseau, 0u);
    EXPECT_EQ(ligneDe(f, m.niveauZero).classement.reseau, 0u);
  }
}

TEST_F(ElementTable, EmptyTablesAndSearchesThatFindNothing) {
  fx::DesignBuilder seul94;
  seul94.add(fx::data({1}, 94));
  ModeleOuvert ouvert(seul94, L"vide.dgn");
  verfichier f;
  f.role = 1;
  f.elements.resize(2);
  element_construireTable(f);
  EXPECT_TRUE(f.elements.empty()) << "no model";
  f.modele = ouvert.modele();
  element_construireTable(f);
  EXPECT_TRUE(f.elements.empty()) << "only type 94";
  EXPECT_EQ(element_rechercherParId(f.elements, 1), -1);

  std::vector<verelement> table(3);
  table[0].idElement = 10;
  table[1].idElement = 20;
  table[2].idElement = 30;
  const struct {
    std::uint64_t id;
    std::int32_t attendu;
  } cas[] = {{10, 0}, {20, 1}, {30, 2}, {20, 1}, {5, -1}, {15, -1}, {31, -1}, {0, -1}};
  for (const auto& c : cas) EXPECT_EQ(element_rechercherParId(table, c.id), c.attendu) << c.id;
}

TEST_F(ElementTable, AMissingLevelAndALevelOfIdZeroGive1006) {
  fx::DesignBuilder b;
  b.level(L"RéseauBT");
  b.file().levels.push_back({0, L"Zéro"});
  ModeleOuvert ouvert(b, L"niveaux.dgn");
  std::vector<vererreur> erreurs;
  EXPECT_EQ(element_idNiveau(erreurs, ouvert.chemin(), ouvert.modele(), L"RéseauBT"), 0u);
  EXPECT_TRUE(erreurs.empty());
  EXPECT_EQ(element_idNiveau(erreurs, ouvert.chemin(), ouvert.modele(), L"réseaubt"), 0x8000u);
  EXPECT_EQ(element_idNiveau(erreurs, ouvert.chemin(), ouvert.modele(), L"Zéro"), 0x8000u);
  EXPECT_EQ(element_idNiveau(erreurs, ouvert.chemin(), host::ModelRef{}, L"RéseauBT"), 0x8000u);
  ASSERT_EQ(erreurs.size(), 3u);
  EXPECT_EQ(erreurs[0].code, 1006u);
  EXPECT_EQ(erreurs[0].message, L"Niveau non spécifié dans le fichier");
  EXPECT_EQ(erreurs[0].complement, L"réseaubt");
  EXPECT_EQ(erreurs[0].fichier, L"NIVEAUX.DGN");
  EXPECT_EQ(erreurs[0].idElement, 0u);
  EXPECT_EQ(erreurs[1].complement, L"Zéro");
}

TEST_F(ElementTable, UnnamedCellsWithTextsOrDimensionsAndTheirDimension) {
  fx::DesignBuilder b;
  const Point3d o{0, 0, 0}, p{100, 0, 0};
  auto texte = [&] { return fx::text(L"12", o); };
  b.add(fx::dimension({o, p}).group(6));
  const ElementId avecCote = b.add(fx::cell(L"", o, {texte(), fx::line(o, p)}).group(5));
  b.add(fx::cell(L"NOMMEE", o, {texte()}).group(5));
  b.add(fx::cell(L"", o, {fx::line(o, p), fx::line(p, o)}).group(5));
  const ElementId sansCote = b.add(fx::cell(L"", o, {fx::dimension({o, p})}).group(7));
  const ElementId groupeZero = b.add(fx::cell(L"", o, {texte()}));
  fx::Spec profonde = fx::cell(L"", o, {texte()});  // design files nest cells 32 deep at most
  for (int i = 0; i < 30; ++i) profonde = fx::cell(L"", o, {profonde});
  const ElementId imbriquee = b.add(profonde.group(8));
  const ElementId cote5 = b.add(fx::dimension({o, p}).group(5));
  b.add(fx::dimension({o, p}).group(5));
  const ElementId cote0 = b.add(fx::dimension({o, p}));
  ModeleOuvert ouvert(b, L"cellules.dgn");

  const std::vector<vercouple> couples = element_collecterCellules(ouvert.modele());
  const std::vector<vercouple> attendus = {{avecCote, cote5}, {sansCote, 0}, {groupeZero, cote0}, {imbriquee, 0}};
  EXPECT_EQ(couples, attendus);
  EXPECT_TRUE(element_collecterCellules(host::ModelRef{}).empty());

  const struct {
    const char* pourquoi;
    std::uint64_t id;
    std::int32_t type;
    std::int32_t attendu;
  } cas[] = {
      {"a cell", sansCote, 2, 1},
      {"a dimension", cote0, 33, 2},
      {"a dimension that is no pair's", cote0 + 1, 33, -1},
      {"id 0 never matches a pair without dimension", 0, 33, -1},
      {"a cell id given as a text", avecCote, 17, -1},
      {"a cell id given as a dimension", avecCote, 33, -1},
  };
  for (const auto& c : cas) EXPECT_EQ(element_indiceCouple(c.id, c.type, couples), c.attendu) << c.pourquoi;
  EXPECT_EQ(element_indiceCouple(avecCote, 2, {}), -1);
}

}  // namespace
