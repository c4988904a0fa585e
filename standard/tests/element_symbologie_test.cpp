// Rule rows and the symbology comparison: type masks, row construction, comparison order, the
// best row, and the components of complex elements.
#include "standard/element_symbologie.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "standard/tests/harnais_modele.h"

namespace fx = host::fixture;

namespace {

TEST(ElementSymbologie, EachTypeMaskBitAdmitsItsTypes) {
  // Typed from the standard's table of bits.
  const std::map<std::uint8_t, std::set<std::int32_t>> admis = {
      {1, {2}}, {2, {3, 4, 12}}, {4, {3, 4, 12, 16}}, {8, {6, 14}}, {16, {6, 14, 15}}, {32, {17, 7}}, {64, {33}},
  };
  const std::int32_t types[] = {2, 3, 4, 6, 7, 11, 12, 14, 15, 16, 17, 33, 35, 94};
  for (const auto& [bit, attendus] : admis) {
    for (const std::int32_t t : types)
      EXPECT_EQ(element_typeAccepte(t, bit), attendus.count(t) ? 0u : 0x8000u) << int(bit) << " " << t;
  }
  EXPECT_EQ(element_typeAccepte(11, 0x7F), 0x8000u) << "the curve: no bit admits it";
  for (const auto& [bit, attendus] : admis) EXPECT_EQ(element_typeAccepte(7, bit), bit == 32 ? 0u : 0x8000u);
  EXPECT_EQ(element_typeAccepte(3, 0), 0x8000u) << "mask 0";
  EXPECT_EQ(element_typeAccepte(15, 1 | 16), 0u) << "one bit suffices";
}

TEST(ElementSymbologie, RowsScaleTheirSizesAtOneTo500) {
  versymbologie petit;
  petit.police = L"WORKING";
  petit.hauteurTexte = 0.4;
  petit.largeurTexte = 0.28;
  const versymbologie simple;
  const struct {
    const char* pourquoi;
    std::wstring nomStyle;
    const versymbologie& modele;
    double echelleCellule;
    std::int32_t classe;
    double echelleStyle, hauteur, largeur, celluleX;
  } cas[] = {
      {"named style at 1:200", L"ST_BT_CLA_V2", petit, 0.0, 1, 2.0, 0.4, 0.28, 0.0},
      {"named style and text at 1:500", L"ST_BT_CLA_V2", petit, 0.0, 2, 5.0, 1.0, 0.7, 0.0},
      {"no style checked", L"~", simple, 0.0, 2, 0.0, -9999.0, -9999.0, 0.0},
      {"standard cell scale at 1:500", L"~", simple, -1.0, 2, 0.0, -9999.0, -9999.0, 5.0},
      {"standard cell scale at 1:200", L"~", simple, -1.0, 1, 0.0, -9999.0, -9999.0, 2.0},
      {"a given cell scale whatever the class", L"~", simple, 3.0, 2, 0.0, -9999.0, -9999.0, 3.0},
      {"an unknown class gets the 1:200 sizes", L"ST_X", petit, -1.0, 7, 2.0, 0.4, 0.28, 2.0},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    versymbologie l;
    l.texte = L"left over";
    element_symbologieAttendue(l, L"Ligne", 7, 0xFFFFFFFF, 2, c.nomStyle, c.modele, c.echelleCellule, c.classe);
    EXPECT_EQ(l.libelle, L"Ligne");
    EXPECT_EQ(l.couleur, 7u);
    EXPECT_EQ(l.epaisseur, 0xFFFFFFFFu);
    EXPECT_EQ(l.style, 2);
    EXPECT_EQ(l.nomStyle, c.nomStyle);
    EXPECT_DOUBLE_EQ(l.echelleStyle, c.echelleStyle);
    EXPECT_EQ(l.police, c.modele.police);
    EXPECT_DOUBLE_EQ(l.hauteurTexte, c.hauteur);
    EXPECT_DOUBLE_EQ(l.largeurTexte, c.largeur);
    EXPECT_DOUBLE_EQ(l.echelleCellule.x, c.celluleX);
    EXPECT_DOUBLE_EQ(l.echelleCellule.y, c.celluleX);
    EXPECT_TRUE(l.texte.empty()) << "every other item keeps its default";
    EXPECT_EQ(l.type, -1);
  }
}

versymbologie actuelle(std::int32_t type, std::uint32_t couleur, std::uint32_t epaisseur, std::int32_t style,
                       const std::wstring& nomStyle = L"~", double echelleStyle = 0.0) {
  versymbologie s;
  s.type = type;
  s.couleur = couleur;
  s.epaisseur = epaisseur;
  s.style = style;
  s.nomStyle = nomStyle;
  s.echelleStyle = echelleStyle;
  return s;
}

versymbologie ligne(std::uint32_t couleur, std::uint32_t epaisseur, std::int32_t style, const std::wstring& nomStyle,
                    std::int32_t classe = 1) {
  versymbologie l;
  element_symbologieAttendue(l, L"Rangée", couleur, epaisseur, style, nomStyle, versymbologie{}, 0.0, classe);
  return l;
}

TEST(ElementSymbologie, TheFirstMismatchGivesTheCode) {
  versymbologie texte = actuelle(17, 22, 0, 0);
  texte.police = L"ROMAN";
  texte.hauteurTexte = 0.5;
  texte.largeurTexte = 0.28;
  versymbologie attenduTexte = ligne(22, 0, 0, L"~");
  attenduTexte.police = L"WORKING";
  attenduTexte.hauteurTexte = 0.4;
  attenduTexte.largeurTexte = 0.28;
  versymbologie cellule = actuelle(2, 7, 0, 0);
  cellule.echelleCellule = {2.0, 9.0, 9.0};
  versymbologie attenduCellule = ligne(7, 0xFFFFFFFF, -1, L"~");
  attenduCellule.echelleCellule = {5.0, 5.0, 0.0};
  versymbologie celluleY = attenduCellule;
  celluleY.echelleCellule = {2.0, 1.0, 0.0};

  const struct {
    const char* pourquoi;
    versymbologie a, e;
    std::int32_t correspondances;
    std::uint32_t code;
  } cas[] = {
      {"colour before weight", actuelle(3, 5, 4, 0), ligne(3, 2, -1, L"~"), 0, 2033},
      {"weight alone", actuelle(3, 3, 4, 0), ligne(3, 2, -1, L"~"), 1, 2037},
      {"style name, then number", actuelle(3, 7, 0, 100, L"ST_BT_CLA_V2", 2.0), ligne(7, 0, -1, L"ST_BRANCH_CLA_V2"), 3,
       2034},
      {"style scale within 0.01", actuelle(4, 7, 0, 100, L"ST_A", 2.004), ligne(7, 0, -1, L"ST_A"), 4, 0},
      {"style scale off by 0.02", actuelle(4, 7, 0, 100, L"ST_A", 2.02), ligne(7, 0, -1, L"ST_A"), 3, 2035},
      {"style scale at 1:500", actuelle(12, 7, 0, 100, L"ST_A", 5.0), ligne(7, 0, -1, L"ST_A", 2), 4, 0},
      {"no named style where one is expected", actuelle(14, 7, 0, 2), ligne(7, 0, -1, L"ST_A"), 2, 2034},
      {"names are case-sensitive", actuelle(6, 7, 0, 100, L"st_a", 2.0), ligne(7, 0, -1, L"ST_A"), 3, 2034},
      {"an ellipse's style name is not compared", actuelle(15, 7, 0, 100, L"ST_B", 1.0), ligne(7, 0, 100, L"ST_A"), 3,
       0},
      {"an arc's style number still is", actuelle(16, 7, 0, 101, L"ST_B", 1.0), ligne(7, 0, 100, L"ST_A"), 2, 2034},
      {"font before size", texte, attenduTexte, 4, 2051},
      {"a text size of a line is not compared", actuelle(3, 22, 0, 0), attenduTexte, 3, 0},
      {"cell x scale", cellule, attenduCellule, 1, 2042},
      {"only x of a cell scale", cellule, celluleY, 2, 0},
      {"nothing checked", actuelle(3, 1, 1, 1), versymbologie{}, 0, 0},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    vercomparaison r;
    element_comparerSymbologie(r, c.a, c.e);
    EXPECT_EQ(r.correspondances, c.correspondances);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.libelle, c.e.libelle);
  }
}

TEST(ElementSymbologie, TheBestRowHasNoCodeThenMostMatchesThenComesFirst) {
  auto r = [](std::int32_t m, std::uint32_t code, const wchar_t* libelle) { return vercomparaison{m, code, libelle}; };
  const struct {
    const char* pourquoi;
    std::vector<vercomparaison> candidats;
    vercomparaison attendu;
  } cas[] = {
      {"unset takes the first", {r(0, 2033, L"a")}, r(0, 2033, L"a")},
      {"a code never replaces none", {r(1, 0, L"a"), r(5, 2033, L"b")}, r(1, 0, L"a")},
      {"none replaces a code", {r(5, 2033, L"a"), r(1, 0, L"b")}, r(1, 0, L"b")},
      {"more matches among codes", {r(1, 2033, L"a"), r(2, 2037, L"b")}, r(2, 2037, L"b")},
      {"ties keep the earlier row", {r(2, 0, L"a"), r(2, 0, L"b")}, r(2, 0, L"a")},
      {"more matches among rows without code", {r(2, 0, L"a"), r(3, 0, L"b"), r(3, 0, L"c")}, r(3, 0, L"b")},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    vercomparaison meilleur;
    for (const auto& candidat : c.candidats) element_retenirMeilleur(meilleur, candidat);
    EXPECT_EQ(meilleur, c.attendu);
  }
}

class ElementSymbologieModele : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u); }
};

TEST_F(ElementSymbologieModele, ComponentsAreCheckedOneForOne) {
  fx::DesignBuilder b;
  auto cote = [](double x) { return fx::line({x, 0, 0}, {x + 10, 0, 0}).colour(0).weight(2).style(0); };
  auto ls = [](double x) { return fx::lineString({{x, 0, 0}, {x + 10, 5, 0}, {x + 20, 0, 0}}).colour(0).weight(0); };
  const host::ElementId deux = b.add(fx::complexShape({cote(0), ls(10)}));
  const host::ElementId trois = b.add(fx::complexShape({cote(0), ls(10), fx::line({30, 0, 0}, {0, 0, 0})}));
  const host::ElementId quatre =
      b.add(fx::complexShape({cote(0), ls(10), fx::line({30, 0, 0}, {40, 0, 0}), fx::line({40, 0, 0}, {0, 0, 0})}));
  ModeleOuvert m(b, L"enfants.dgn");

  auto rangee = [](std::int32_t type, std::uint32_t couleur, std::uint32_t epaisseur, std::int32_t style) {
    versymbologie l;
    l.type = type;
    l.couleur = couleur;
    l.epaisseur = epaisseur;
    l.style = style;
    return l;
  };
  const std::vector<versymbologie> lignes = {rangee(3, 0, 2, 0), rangee(4, 0, 0, 0), rangee(3, 0, 0, 0)};
  std::vector<versymbologie> joker = lignes;
  joker[2].couleur = 0xFFFFFFFF;
  std::vector<versymbologie> autreType = lignes;
  autreType[1].type = 3;
  auto element = [](host::ElementId id) {
    verelement e;
    e.idElement = id;
    return e;
  };
  const struct {
    const char* pourquoi;
    host::ElementId id;
    const std::vector<versymbologie>& lignes;
    std::uint32_t attendu;
  } cas[] = {
      {"three against three", trois, lignes, 0},
      {"two against three", deux, lignes, 0x8000},
      {"four against three", quatre, lignes, 0x8000},
      {"-1 is no wildcard here", trois, joker, 0x8000},
      {"a type differs", trois, autreType, 0x8000},
      {"a vanished element", 9999, lignes, 0x8000},
  };
  for (const auto& c : cas) EXPECT_EQ(element_controlerEnfants(element(c.id), m.modele(), c.lignes), c.attendu) << c.pourquoi;
}

TEST_F(ElementSymbologieModele, AComplexElementAtScaleOneTakesItsFirstComponentsScale) {
  fx::DesignBuilder b;
  const std::int32_t st = b.lineStyle(L"ST_BT_CLA_V2");
  const std::int32_t autre = b.lineStyle(L"ST_AUTRE");
  host::LineStyleParams echelle2;
  echelle2.scale = 2.0;
  echelle2.modifiers = 1;
  auto segment = [&](std::int32_t style) {
    return fx::line({0, 0, 0}, {10, 0, 0}).style(style).styleParams(echelle2);
  };
  const host::ElementId chaine = b.add(fx::chain({segment(st), segment(st)}).style(st));
  const host::ElementId autreStyle = b.add(fx::chain({segment(autre)}).style(st));
  host::LineStyleParams echelle3 = echelle2;
  echelle3.scale = 3.0;
  const host::ElementId dejaEchelle = b.add(fx::chain({segment(st)}).style(st).styleParams(echelle3));
  const host::ElementId forme =
      b.add(fx::complexShape({segment(st), fx::line({10, 0, 0}, {0, 0, 0}).style(st)}).style(st));
  ModeleOuvert m(b, L"complexes.dgn");

  const struct {
    host::ElementId id;
    double echelle;
  } cas[] = {{chaine, 2.0}, {autreStyle, 1.0}, {dejaEchelle, 3.0}, {forme, 2.0}};
  for (const auto& c : cas) {
    versymbologie s;
    element_lireSymbologie(s, host::ElementHandle(c.id, m.modele()), m.modele());
    EXPECT_EQ(s.nomStyle, L"ST_BT_CLA_V2") << c.id;
    EXPECT_DOUBLE_EQ(s.echelleStyle, c.echelle) << c.id;
  }
  // A complex element without components (none is read from a file): its own scale stands.
  host::Element vide = fx::chain({}).style(st);
  versymbologie s;
  element_lireSymbologie(s, host::ElementHandle(vide, m.modele()), m.modele());
  EXPECT_EQ(s.nomStyle, L"ST_BT_CLA_V2");
  EXPECT_DOUBLE_EQ(s.echelleStyle, 1.0);
}

}  // namespace
