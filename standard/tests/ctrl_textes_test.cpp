// Empty texts, and the late cell-scale and text checks on tables whose check states the tests
// set; the data of the checks held against the standard's lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harnais_modele.h"
#include "standard/ctrl_textes.h"
#include "standard/ctrl_textes_table.h"
#include "standard/element_table.h"

namespace fx = host::fixture;

namespace {

template <std::size_t N>
std::vector<std::wstring_view> liste(const std::array<std::wstring_view, N>& a) {
  return {a.begin(), a.end()};
}

TEST(CtrlTextesDonnees, ListsAreTheStandards) {
  EXPECT_EQ(tailleEchelleCellule.classe1, 2.0);
  EXPECT_EQ(tailleEchelleCellule.classe2, 5.0);
  EXPECT_EQ(tailleEchelleCellule.tolerance, 0.01);
  EXPECT_EQ(tailleHauteurTexte.classe1, 0.4);
  EXPECT_EQ(tailleHauteurTexte.classe2, 1.0);
  EXPECT_EQ(tailleHauteurTexte.tolerance, 0.01);
  EXPECT_EQ(tailleLargeurTexte.classe1, 0.28);
  EXPECT_EQ(tailleLargeurTexte.classe2, 0.7);
  EXPECT_EQ(tailleLargeurTexte.tolerance, 0.01);
  EXPECT_EQ(policeUnFichier, L"WORKING");
  EXPECT_EQ(policeTroisFichiers, L"INTL_ENGINEERING");
  EXPECT_EQ(liste(niveauxCellulesV2),
            (std::vector<std::wstring_view>{L"SymbolesFixes", L"Fourreaux+Tub_", L"RéseauBT", L"RéseauHTA",
                                            L"RéseauTLR", L"RéseauEP", L"RéseauVDC"}));
  EXPECT_EQ(liste(niveauxTextesV2), (std::vector<std::wstring_view>{L"TxtFourreaux", L"TxtRéseauBT", L"TxtRéseauHTA",
                                                                    L"TxtRéseauTLR", L"TxtRéseauEP", L"TxtRéseauVDC"}));
  EXPECT_EQ(liste(niveauxAccessoiresV3),
            (std::vector<std::wstring_view>{L"AccNonAffBranchtEle", L"AccNonAfflEP", L"AccAffEP", L"AccNonAffVDC",
                                            L"AccAffVDC", L"AccAffBranchtEle", L"AccNonAffBT", L"AccAffBT",
                                            L"AccNonAffHTA", L"AccAffHTA", L"AccNonAffTLCEle", L"AccAffTLCEle",
                                            L"AccNonAffTLR", L"AccAffTLR"}));
  EXPECT_EQ(liste(niveauxTextesElecV3),
            (std::vector<std::wstring_view>{
                L"Drap+TxtIndiffEle", L"TxtBranchtEle", L"TxtAccNonAffBrtEle", L"TxtAccAffBrtEle", L"TxtCâblesBT",
                L"TxtAccNonAffBT", L"TxtAccAffBT", L"TxtCâblesHTA", L"TxtAccNonAffHTA", L"TxtAccAffHTA",
                L"TxtCâblesTLCEle", L"TxtAccNonAffTLCEle", L"TxtAccAffTLCEle", L"TxtCâblesTLR", L"TxtAccNonAffTLR",
                L"TxtAccAffTLR", L"TxtProtecIndiff", L"RéseauAbandonnéEle", L"TxtProtecBT", L"TxtProtecHTA"}));
  EXPECT_EQ(liste(niveauxTextesAutresV3),
            (std::vector<std::wstring_view>{L"Drap+TxtIndiffAut", L"TxtCâblesEP", L"TxtAccNonAffEP", L"TxtAccAffEP",
                                            L"TxtCâblesVDC", L"TxtAccNonAffVDC", L"TxtAccAffVDC",
                                            L"RéseauAbandonnéAut"}));
  EXPECT_EQ(liste(accessoiresExemptes),
            (std::vector<std::wstring_view>{L"1BCO", L"1RCO", L"EACO", L"CRCO", L"CACO", L"RRCO", L"RACO", L"1BARMO",
                                            L"1RARMO", L"2RARMO", L"EAARMO", L"1BBSTB", L"EABSTB", L"1RBSTR",
                                            L"EABSTR", L"1BREMB", L"1RREMB", L"1AREMB"}));
  EXPECT_EQ(niveauSymbolesFixes, L"SymbolesFixes");
  EXPECT_EQ(liste(cellulesSymbolesFixes), (std::vector<std::wstring_view>{L"POTKRV", L"FPOECA"}));
}

TEST(CtrlTextesVide, BlanksAreTheCLocalesSpaceClass) {
  EXPECT_EQ(ctrl_sansBlancs(L" \t\n\v\f\r"), L"");
  EXPECT_EQ(ctrl_sansBlancs(L" a b\r\n"), L"a b");
  EXPECT_EQ(ctrl_sansBlancs(L"\u00A0"), L"\u00A0") << "a no-break space is significant";
  EXPECT_EQ(ctrl_sansBlancs(L"\u2003x\u2003"), L"\u2003x\u2003");
}

TEST(CtrlTextesVide, TextsOfBlanksGive2053WhateverTheirState) {
  host::resetModels();
  fx::DesignBuilder b;
  const host::Point3d o{1000, 1000, 0};
  const host::ElementId blancs = b.add(fx::text(L"   ", o));
  b.add(fx::text(L" a ", o));
  b.add(fx::text(L"\u00A0", o));
  const host::ElementId vide = b.add(fx::text(L"", o));
  const host::ElementId noeudVide = b.add(fx::textNode({fx::text(L"", o), fx::text(L"  ", o)}));
  b.add(fx::textNode({fx::text(L"", o), fx::text(L"b", o)}));
  const host::ElementId horsTable = b.add(fx::text(L" ", o));
  std::vector<vererreur> erreurs;
  {
    const ModeleOuvert m(b, L"VIDES.DGN");
    verfichier f = fichierDuModele(m);
    std::erase_if(f.elements, [&](const verelement& e) { return e.idElement == horsTable; });
    for (verelement& e : f.elements) e.categorie = L"Texte";
    ctrl_texteVide(erreurs, f);
    f.modele = host::ModelRef();
    ctrl_texteVide(erreurs, f);  // no model: nothing
  }
  std::vector<std::uint64_t> ids;
  for (const vererreur& e : erreurs) {
    ids.push_back(e.idElement);
    EXPECT_EQ(e.code, 2053u);
    EXPECT_EQ(e.complement, L"");
    EXPECT_EQ(e.objet, L"Texte");
    EXPECT_EQ(e.fichier, L"VIDES.DGN");
  }
  EXPECT_EQ(ids, (std::vector<std::uint64_t>{blancs, vide, noeudVide}));
  ASSERT_EQ(erreurs.size(), 3u);
  EXPECT_EQ(erreurs[0].extra, 17u);
  EXPECT_EQ(erreurs[2].extra, 7u);
}

// ---- late checks ----

verelement cellule(const std::wstring& nom, const std::wstring& niveau, double x, double y, std::uint32_t etat = 2) {
  verelement e;
  e.idElement = 100;
  e.etatControle = etat;
  e.categorie = L"Cellule";
  e.symbologie.type = 2;
  e.symbologie.nomCellule = nom;
  e.symbologie.nomNiveau = niveau;
  e.symbologie.echelleCellule = {x, y, 1.0};
  return e;
}

verelement texte(const std::wstring& niveau, double h, double l, const std::wstring& police,
                 std::uint32_t etat = 3, std::int32_t type = 17) {
  verelement e;
  e.idElement = 200;
  e.etatControle = etat;
  e.categorie = L"Texte";
  e.symbologie.type = type;
  e.symbologie.texte = L"BT 3x150";
  e.symbologie.nomNiveau = niveau;
  e.symbologie.hauteurTexte = h;
  e.symbologie.largeurTexte = l;
  e.symbologie.police = police;
  return e;
}

struct Trouve {
  std::uint32_t code;
  std::wstring complement;
  friend bool operator==(const Trouve&, const Trouve&) = default;
};
std::ostream& operator<<(std::ostream& o, const Trouve& t) {
  return o << t.code << " " << std::string(t.complement.begin(), t.complement.end());
}

using Controle = void (*)(std::vector<vererreur>&, std::uint32_t, const verfichier&);

std::vector<Trouve> controler(Controle controle, std::uint32_t classe, std::uint32_t role, verelement e) {
  verfichier f;
  f.existe = true;
  f.chemin = L"/LIVRE/PLAN.EL2";
  f.role = role;
  f.elements = {std::move(e)};
  std::vector<vererreur> erreurs;
  controle(erreurs, classe, f);
  std::vector<Trouve> t;
  for (const vererreur& x : erreurs) {
    t.push_back({x.code, x.complement});
    EXPECT_EQ(x.objet, f.elements[0].categorie);
    EXPECT_EQ(x.extra, static_cast<std::uint32_t>(f.elements[0].symbologie.type));
    EXPECT_FALSE(x.aPosition);
  }
  return t;
}

TEST(CtrlTextesTardifs, CellScalesTextFontsAndSizes) {
  struct Cas {
    const char* pourquoi;
    Controle controle;
    std::uint32_t classe, role;
    verelement element;
    std::vector<Trouve> attendu;
  };
  const std::vector<Trouve> rien;
  const Trouve echelle2042{2042, L"POT"};
  const Trouve police{2051, L"BT 3x150"};
  const Trouve taille{2052, L"BT 3x150"};
  const std::vector<Cas> cas = {
      {"2.0 x 2.0 on RéseauBT at 1:500", ctrl_echelleCellulesV2, 2, 1, cellule(L"POT", L"RéseauBT", 2.0, 2.0),
       {echelle2042}},
      {"5.0 x 5.0 at 1:500", ctrl_echelleCellulesV2, 2, 1, cellule(L"POT", L"RéseauBT", 5.0, 5.0), rien},
      {"5.0 x 4.98 at 1:500", ctrl_echelleCellulesV2, 2, 1, cellule(L"POT", L"RéseauBT", 5.0, 4.98), {echelle2042}},
      {"5.004 x 5.0 at 1:500", ctrl_echelleCellulesV2, 2, 1, cellule(L"POT", L"RéseauBT", 5.004, 5.0), rien},
      {"2.0 x 2.0 at 1:200", ctrl_echelleCellulesV2, 1, 1, cellule(L"POT", L"réseaubt", 2.0, 2.0), rien},
      {"a level not listed", ctrl_echelleCellulesV2, 1, 1, cellule(L"POT", L"Topo4Divers", 9.0, 9.0), rien},
      {"state 1", ctrl_echelleCellulesV2, 2, 1, cellule(L"POT", L"RéseauBT", 2.0, 2.0, 1), rien},
      {"POTKRV on SymbolesFixes at 1.0", ctrl_echelleCellulesV2, 1, 1, cellule(L"POTKRV", L"SymbolesFixes", 1, 1),
       {{2042, L"POTKRV"}}},
      {"FPOECA on SymbolesFixes at 1.0", ctrl_echelleCellulesV2, 1, 1, cellule(L"FPOECA", L"SymbolesFixes", 1, 1),
       {{2042, L"FPOECA"}}},
      {"ARBRE on SymbolesFixes at 1.0", ctrl_echelleCellulesV2, 1, 1, cellule(L"ARBRE", L"SymbolesFixes", 1, 1), rien},
      {"ARBRE on symbolesfixes (the rule is with case)", ctrl_echelleCellulesV2, 1, 1,
       cellule(L"ARBRE", L"symbolesfixes", 1, 1), {{2042, L"ARBRE"}}},
      {"a text is no cell", ctrl_echelleCellulesV2, 1, 1, texte(L"RéseauBT", 0, 0, L"X"), rien},
      {"an accessory at 1.0", ctrl_echelleAccessoiresV3, 1, 3, cellule(L"POT", L"AccNonAfflEP", 1, 1), {echelle2042}},
      {"1bco on an accessory level", ctrl_echelleAccessoiresV3, 1, 3, cellule(L"1bco", L"AccAffBT", 1, 1), rien},
      {"1AREMB on an accessory level", ctrl_echelleAccessoiresV3, 1, 4, cellule(L"1AREMB", L"AccAffEP", 1, 1), rien},
      {"POTKRV on SymbolesFixes, three-file", ctrl_echelleAccessoiresV3, 1, 3,
       cellule(L"POTKRV", L"SymbolesFixes", 1, 1), rien},
      {"a text 0.4 x 0.28 at 1:200", ctrl_textesV2, 1, 1, texte(L"TxtRéseauBT", 0.4, 0.28, L"WORKING"), rien},
      {"a text 0.4 x 0.3 at 1:200", ctrl_textesV2, 1, 1, texte(L"TxtRéseauBT", 0.4, 0.3, L"WORKING"), {taille}},
      {"the same in another font", ctrl_textesV2, 1, 1, texte(L"TxtRéseauBT", 0.4, 0.3, L"ARIAL"), {police, taille}},
      {"a font working", ctrl_textesV2, 1, 1, texte(L"txtréseaubt", 0.4, 0.28, L"working"), {police}},
      {"a text node 1.0 x 0.7 at 1:500", ctrl_textesV2, 2, 1, texte(L"TxtFourreaux", 1.0, 0.7, L"WORKING", 2, 7), rien},
      {"a text of state 1", ctrl_textesV2, 1, 1, texte(L"TxtRéseauBT", 9, 9, L"ARIAL", 1), rien},
      {"a text on a cell level", ctrl_textesV2, 1, 1, texte(L"RéseauBT", 9, 9, L"ARIAL"), rien},
      {"EL2 text on TXTCÂBLESBT", ctrl_textesV3, 1, 3, texte(L"TXTCÂBLESBT", 0.4, 0.28, L"INTL_ENGINEERING"), rien},
      {"EL2 text in WORKING", ctrl_textesV3, 1, 3, texte(L"TxtCâblesBT", 0.4, 0.28, L"WORKING"), {police}},
      {"EL2 text on an AR2 level", ctrl_textesV3, 1, 3, texte(L"TxtCâblesEP", 9, 9, L"X"), rien},
      {"AR2 text too small", ctrl_textesV3, 2, 4, texte(L"TxtCâblesEP", 0.4, 0.28, L"INTL_ENGINEERING"), {taille}},
      {"a background file", ctrl_textesV3, 1, 2, texte(L"TxtCâblesBT", 9, 9, L"X"), rien},
  };
  for (const Cas& c : cas) EXPECT_EQ(controler(c.controle, c.classe, c.role, c.element), c.attendu) << c.pourquoi;
}

}  // namespace
