// The cells common to the three files of a three-file plan: construction points, flags and the
// north arrow, with their tables typed from the standard; and the slots that the "Elément BDU"
// rule leaves alone.
#include "standard/regle_communV3.h"

#include <gtest/gtest.h>

#include "standard/regle_communV3_table.h"

namespace {

verelement cellule(const std::wstring& nom, const std::wstring& niveau, std::uint32_t couleur = 0,
                   std::uint32_t epaisseur = 0, std::int32_t style = 0, double echelle = 2.0) {
  verelement e;
  e.symbologie.type = 2;
  e.symbologie.nomCellule = nom;
  e.symbologie.nomNiveau = niveau;
  e.symbologie.couleur = couleur;
  e.symbologie.epaisseur = epaisseur;
  e.symbologie.style = style;
  e.symbologie.echelleCellule = {echelle, echelle, echelle};
  return e;
}

TEST(RegleCommunV3, ConstructionPointsTakeTheirLabelFromTheLevel) {
  const std::pair<std::wstring, std::wstring> table[] = {
      {L"Limites et Hydro", L"Limites et hydro"},
      {L"Drap+TxtIndiffEle", L"Drapeau indifférencié"},
      {L"EmprisesRésIndif", L"Fouille indifférenciée"},
      {L"Cote+PtConstBrtEle", L"Branchement"},
      {L"Cote+PtConstBT", L"BT"},
      {L"FouillesBT", L"Fouille BT"},
      {L"Cote+PtConstHTA", L"HTA"},
      {L"FouillesHTA", L"Fouille HTA"},
      {L"Cote+PtConstTLCEle", L"TLC"},
      {L"Cote+PtConstTLR", L"TLR"},
      {L"CoteProtecIndiff", L"Protection indifférenciée"},
      {L"Cote+PtConsAbanEle", L"Abandonné"},
      {L"CoteProtecBT", L"Protection BT"},
      {L"CoteProtecHTA", L"Protection HTA"},
      {L"Cote+PtConstEP", L"EP"},
      {L"Cote+PtConstVDC", L"VDC"},
      {L"Cote+PtConsAbanAut", L"Abandonné"},
      {L"Routes", L"Inconnu"},
      {L"", L"Inconnu"},
      {L"fouillesBT", L"Inconnu"},
  };
  EXPECT_EQ(regle_libellesPT.size(), 17u);
  for (const auto& [niveau, libelle] : table) {
    verelement e = cellule(L"PT", niveau, 9);
    EXPECT_EQ(regle_classerCommunV3(e, 1), 0u);
    EXPECT_EQ(e.categorie, L"Point de construction (" + libelle + L")") << niveau;
    EXPECT_EQ(e.codeErreur, 0u) << niveau;
  }
}

TEST(RegleCommunV3, FlagsTakeTheRoleAndColourOfTheirLevel) {
  const struct {
    std::wstring niveau, role;
    std::uint32_t couleur;
  } roles[] = {
      {L"Drap+TxtIndiffEle", L"Indifférencié", 0}, {L"TxtCâblesBT", L"BT", 7}, {L"TxtCâblesHTA", L"HTA", 3},
      {L"TxtBranchtEle", L"Branchement", 7},       {L"Drap+TxtIndiffAut", L"Indifférencié", 0},
  };
  for (const auto& r : roles) {
    verelement e = cellule(L"DRAP2", r.niveau, r.couleur);
    EXPECT_EQ(regle_classerCommunV3(e, 1), 0u);
    EXPECT_EQ(e.codeErreur, 0u) << r.niveau;
    EXPECT_EQ(e.categorie, L"Drapeau 1 entrée (" + r.role + L")");
    verelement autre = cellule(L"DRAP2", r.niveau, r.couleur + 1);
    regle_classerCommunV3(autre, 1);
    EXPECT_EQ(autre.codeErreur, 2033u) << r.niveau;
  }
}

TEST(RegleCommunV3, TwentyFiveFlagNamesMatchedWhole) {
  std::vector<std::pair<std::wstring, std::wstring>> noms = {{L"PTDRAP", L"Point drapeau"},
                                                             {L"DRAP2", L"Drapeau 1 entrée"}};
  for (int n = 3; n <= 16; ++n)
    noms.push_back({L"DRAP" + std::to_wstring(n), L"Drapeau " + std::to_wstring(n - 1) + L" entrées"});
  noms.push_back({L"CPT1", L"Drapeau tranchée 1 entrée"});
  for (int n = 2; n <= 9; ++n)
    noms.push_back({L"CPT" + std::to_wstring(n), L"Drapeau tranchée " + std::to_wstring(n) + L" entrées"});
  ASSERT_EQ(noms.size(), 25u);
  EXPECT_EQ(noms[15], (std::pair<std::wstring, std::wstring>{L"DRAP16", L"Drapeau 15 entrées"}));
  EXPECT_EQ(regle_drapeaux.size(), 25u);
  for (const auto& [nom, libelle] : noms) {
    verelement e = cellule(nom, L"TxtCâblesHTA", 3);
    EXPECT_EQ(regle_classerCommunV3(e, 1), 0u) << nom;
    EXPECT_EQ(e.categorie, libelle + L" (HTA)");
  }
  for (const std::wstring nom : {L"DRAP", L"DRAP1", L"DRAP17", L"DRAP03", L"CPT10", L"CPT0", L"drap3", L"DRAP3 ",
                                 L"PTDRAP2", L"CPT", L"DRAP99999999999999999999"}) {
    verelement e = cellule(nom, L"TxtCâblesHTA", 3);
    e.codeErreur = 7;
    EXPECT_EQ(regle_classerCommunV3(e, 1), 0x8000u) << nom;
    EXPECT_EQ(e.codeErreur, 7u) << "untouched";
    EXPECT_TRUE(e.categorie.empty());
  }
}

TEST(RegleCommunV3, EdgeCases) {
  const struct {
    const char* pourquoi;
    verelement element;
    std::int32_t classe;
    std::uint32_t resultat, code;
    std::wstring categorie;
  } cas[] = {
      {"PT on FouillesHTA", cellule(L"PT", L"FouillesHTA", 9, 0, 0, 2.0), 1, 0, 0,
       L"Point de construction (Fouille HTA)"},
      {"the same of weight 1", cellule(L"PT", L"FouillesHTA", 9, 1, 0, 2.0), 1, 0, 2037,
       L"Point de construction (Fouille HTA)"},
      {"PT at 2.0 in a 1:500 plan", cellule(L"PT", L"Cote+PtConstBT", 0, 0, 0, 2.0), 2, 0, 2042,
       L"Point de construction (BT)"},
      {"PT of line style 2", cellule(L"PT", L"Cote+PtConstBT", 0, 0, 2, 2.0), 1, 0, 2034,
       L"Point de construction (BT)"},
      {"DRAP3 on TxtCâblesHTA in colour 7", cellule(L"DRAP3", L"TxtCâblesHTA", 7), 1, 0, 2033,
       L"Drapeau 2 entrées (HTA)"},
      {"DRAP3 conforming at 1:500", cellule(L"DRAP3", L"TxtCâblesHTA", 3, 0, 0, 5.0), 2, 0, 0,
       L"Drapeau 2 entrées (HTA)"},
      {"DRAP on TxtCâblesBT", cellule(L"DRAP", L"TxtCâblesBT", 7), 1, 0x8000, 0, L""},
      {"DRAP3 on a level without a role", cellule(L"DRAP3", L"Divers", 7), 1, 0x8000, 0, L""},
      {"FNORD on any level", cellule(L"FNORD", L"Routes", 0, 0, 7, 2.0), 1, 0, 0, L"Flèche nord"},
      {"FNORD of colour 2", cellule(L"FNORD", L"", 2), 1, 0, 2033, L"Flèche nord"},
      {"another cell", cellule(L"FARBRE", L"SymbolesFixes"), 1, 0x8000, 0, L""},
      {"a cell without a name", cellule(L"", L"Divers"), 1, 0x8000, 0, L""},
      {"a cell whose name was not read", cellule(L"~", L"Divers"), 1, 0x8000, 0, L""},
  };
  for (auto c : cas) {
    SCOPED_TRACE(c.pourquoi);
    EXPECT_EQ(regle_classerCommunV3(c.element, c.classe), c.resultat);
    EXPECT_EQ(c.element.codeErreur, c.code);
    EXPECT_EQ(c.element.categorie, c.categorie);
  }
  verelement texte = cellule(L"PT", L"Routes");
  texte.symbologie.type = 17;
  EXPECT_EQ(regle_classerCommunV3(texte, 1), 0x8000u) << "only cells";
}

TEST(RegleCommunV3, TheEightSlotsThatTheBduRuleLeavesAlone) {
  const std::vector<std::wstring_view> attendus = {L"CellulesEchanges", L"RACSEC+txt", L"PolygoneDécoupe",
                                                   L"Axe de voie",      L"Réservé_2",  L"TxtPropFdp",
                                                   L"Réservé_4",        L"Réservé_5"};
  EXPECT_EQ(std::vector<std::wstring_view>(regle_niveauxHorsBDU.begin(), regle_niveauxHorsBDU.end()), attendus);
}

}  // namespace
