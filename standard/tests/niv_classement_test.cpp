// The network classifier: its tables against the catalogues, the standard's cases as one table,
// and the reading of an element from a file.
#include "standard/niv_classement.h"

#include <gtest/gtest.h>

#include "standard/niv_catalogues.h"
#include "standard/niv_classement_table.h"
#include "standard/tests/harnais_modele.h"

namespace fx = host::fixture;

namespace {

// Every level that a section names.
std::vector<std::wstring_view> niveauxDe(const niv_section& s) {
  std::vector<std::wstring_view> n;
  for (const niv_groupeClassement& g : s.groupes)
    for (std::wstring_view v : g.niveaux)
      if (!v.empty()) n.push_back(v);
  for (const niv_ligne& l : s.lignes) n.push_back(l.niveau);
  for (const niv_exception& e : s.exceptions) n.push_back(e.niveau);
  return n;
}

template <std::size_t N>
void dansCatalogue(const niv_section& s, const std::array<std::wstring_view, N>& catalogue, std::size_t attendus) {
  const auto niveaux = niveauxDe(s);
  EXPECT_GE(niveaux.size(), attendus);
  for (std::wstring_view n : niveaux) {
    if (n == L"58") continue;  // the one-file fallback of CotesFourreaux
    EXPECT_GE(niv_slot(catalogue, n), 0) << std::wstring(n);
  }
}

TEST(NivClassement, EveryLevelOfTheTablesBelongsToItsCatalogue) {
  dansCatalogue(niv_sectionV3(62), niv_catalogueEle(), 51);
  dansCatalogue(niv_sectionV3(1984), niv_catalogueGaz(), 52);
  dansCatalogue(niv_sectionV3(6144), niv_catalogueAut(), 18);
  dansCatalogue(niv_sectionV2Commune(), niv_catalogueV2(), 4);
  dansCatalogue(niv_sectionV2(62), niv_catalogueV2(), 17);
  dansCatalogue(niv_sectionV2(1984), niv_catalogueV2(), 32);
  EXPECT_TRUE(niveauxDe(niv_sectionV3(0)).empty());
  EXPECT_TRUE(niveauxDe(niv_sectionV2(6144)).empty());
}

struct Attendu {
  std::uint32_t reseau, contenu, etat;
  std::uint8_t branchement = 0, ni = 0;
  std::uint32_t protection = 0, classeHta = 0;
};
constexpr Attendu nonClasse{0, 0, 0};

struct Cas {
  const char* pourquoi;
  std::uint32_t version, theme;
  std::wstring niveau;
  std::int32_t type;
  std::uint32_t couleur, epaisseur;
  std::int32_t style;
  std::wstring nomStyle;
  std::wstring cellule;
  Attendu attendu;
};

TEST(NivClassement, TheStandardsCases) {
  const Cas cas[] = {
      // three-file electricity file
      {"NI class A BT cable", 2, 62, L"CâblesBT", 3, 7, 0, 100, L"ST_BT_NI_CLA_V3", L"", {2, 1, 1, 0, 1}},
      {"BT cable, NI class B", 2, 62, L"CâblesBT", 4, 7, 0, 100, L"ST_BT_NI", L"", {2, 1, 2, 0, 1}},
      {"HTA cable in colour 38", 2, 62, L"CâblesHTA", 3, 38, 0, 0, L"", L"", {4, 1, 2, 0, 0, 0, 2}},
      {"flush HTA accessory in colour 38", 2, 62, L"AccAffHTA", 2, 38, 0, 0, L"", L"X", {4, 2, 2048}},
      {"HTA cable text in colour 63", 2, 62, L"TxtCâblesHTA", 17, 63, 0, 0, L"", L"", {4, 4, 1024, 0, 0, 0, 3}},
      {"uncertain NI HTA in colour 149", 2, 62, L"RésIncertainHTA", 4, 149, 0, 0, L"ST_HTA_NI_INC", L"",
       {4, 1, 4, 0, 1, 0, 1}},
      {"uncertain service connection", 2, 62, L"CâblesBrancht", 4, 7, 0, 0, L"ST_BT_BRANCH_INC", L"", {2, 1, 4, 1}},
      {"class A service connection", 2, 62, L"CâblesBrancht", 4, 7, 0, 0, L"ST_BRANCH_CLA_V3", L"", {2, 1, 1, 1}},
      {"abandoned line of weight 4 is HTA", 2, 62, L"RéseauAbandonnéEle", 3, 0, 4, 0, L"", L"", {4, 1, 8}},
      {"abandoned line of weight 0 is a service connection", 2, 62, L"RéseauAbandonnéEle", 3, 0, 0, 0, L"", L"",
       {2, 1, 8, 1}},
      {"abandoned line of weight 2", 2, 62, L"RéseauAbandonnéEle", 3, 0, 2, 0, L"", L"", {2, 1, 8}},
      {"abandoned cell of weight 4 stays BT", 2, 62, L"RéseauAbandonnéEle", 2, 0, 4, 0, L"", L"C", {2, 2, 8}},
      {"protection out of colour 6", 2, 62, L"ProtectionsBT", 3, 3, 0, 0, L"", L"", nonClasse},
      {"earthing", 2, 62, L"ProtectionsBT", 3, 6, 0, 0, L"ST_PROT_TERRE", L"", {32, 1, 0}},
      {"BT protection", 2, 62, L"ProtectionsBT", 3, 6, 0, 0, L"", L"", {8192, 1, 0, 0, 0, 2}},
      {"HTA protection text", 2, 62, L"TxtProtecHTA", 17, 6, 0, 0, L"", L"", {8192, 4, 0, 0, 0, 4}},
      {"protection text out of colour 6", 2, 62, L"TxtProtecHTA", 17, 5, 0, 0, L"", L"", nonClasse},
      {"protection dimension", 2, 62, L"CoteProtecBT", 33, 0, 0, 0, L"", L"", {8192, 8, 32768, 0, 0, 2}},
      {"flag text node", 2, 62, L"Drap+TxtIndiffEle", 7, 1, 0, 0, L"", L"", {62, 4, 0}},
      {"flag line", 2, 62, L"Drap+TxtIndiffEle", 3, 1, 0, 0, L"", L"", nonClasse},
      {"level of the file outside the rules", 2, 62, L"EncartsBT", 3, 1, 0, 0, L"", L"", nonClasse},
      // three-file gas and other networks
      {"gas service connection in colour 5", 2, 1984, L"CanaBrancht", 3, 5, 0, 0, L"", L"", nonClasse},
      {"MPB service connection", 2, 1984, L"CanaBrancht", 3, 11, 0, 0, L"", L"", {128, 1, 2, 1}},
      {"MPC dimension", 2, 1984, L"Cote+PtConstMPC", 33, 4, 0, 0, L"", L"", {256, 8, 16384}},
      {"abandoned gas text", 2, 1984, L"RéseauAbandonnéGaz", 17, 0, 0, 0, L"", L"", {128, 4, 8}},
      {"gas protection", 2, 1984, L"Protections", 3, 1, 0, 0, L"", L"", {8192, 1, 0}},
      {"EP dimension in colour 0", 2, 6144, L"Cote+PtConstEP", 33, 0, 0, 0, L"", L"", {2048, 8, 32768}},
      {"EP dimension in colour 7", 2, 6144, L"Cote+PtConstEP", 33, 7, 0, 0, L"", L"", {2048, 8, 16384}},
      {"VDC non-flush accessory text", 2, 6144, L"TxtAccNonAffVDC", 17, 7, 0, 0, L"", L"", {4096, 4, 4096}},
      {"an electricity level in the other-networks file", 2, 6144, L"CâblesBT", 3, 7, 0, 0, L"", L"", nonClasse},
      {"background file", 2, 0, L"CâblesBT", 3, 7, 0, 0, L"", L"", nonClasse},
      {"version 3", 3, 62, L"CâblesBT", 3, 7, 0, 0, L"", L"", nonClasse},
      // one-file standard
      {"BT line, no style name, style 0", 1, 62, L"RéseauBT", 3, 7, 0, 0, L"", L"", {2, 1, 2, 1}},
      {"BT line, no style name, style 2", 1, 62, L"RéseauBT", 3, 7, 0, 2, L"", L"", {2, 1, 2}},
      {"BT cell", 1, 62, L"RéseauBT", 2, 7, 0, 0, L"", L"JONBT", {2, 2, 0}},
      {"abandoned service connection", 1, 62, L"RéseauBT", 4, 0, 0, 5, L"ST_ABAND", L"", {2, 1, 8, 1}},
      {"uncertain service connection", 1, 62, L"RéseauBT", 4, 7, 0, 5, L"ST_BRANCH_INC", L"", {2, 1, 4, 1}},
      {"HTB 200 kV class A", 1, 62, L"RéseauHTA", 4, 146, 2, 5, L"ST_HTA_CLA", L"", {4, 1, 1, 0, 0, 0, 4}},
      {"abandoned HTA: no service connection", 1, 62, L"RéseauHTA", 4, 0, 0, 5, L"ST_ABAND", L"", {4, 1, 8}},
      {"HTA text in colour 0", 1, 62, L"TxtRéseauHTA", 17, 0, 0, 0, L"", L"", {4, 4, 8}},
      {"HTA text in colour 38", 1, 62, L"TxtRéseauHTA", 17, 38, 0, 0, L"", L"", {4, 4, 0, 0, 0, 0, 2}},
      {"BT text in colour 0", 1, 62, L"TxtRéseauBT", 17, 0, 0, 0, L"", L"", {2, 4, 8}},
      {"VDC line, another style", 1, 62, L"RéseauVDC", 4, 7, 0, 4, L"ST_AUTRE", L"", {4096, 1, 2}},
      {"conduit in colour 6", 1, 62, L"Fourreaux+Tub_", 3, 6, 0, 3, L"ST_AUTRE", L"", {8192, 1, 0}},
      {"conduit text in colour 21", 1, 1984, L"TxtFourreaux", 17, 21, 0, 0, L"", L"", {8192, 4, 0}},
      {"conduit text in colour 6", 1, 62, L"TxtFourreaux", 17, 6, 0, 0, L"", L"", nonClasse},
      {"level 58 whatever the theme", 1, 6144, L"58", 33, 0, 0, 0, L"", L"", {8192, 8, 32768}},
      {"one-file EP line outside themes 62 and 1984", 1, 6144, L"RéseauEP", 3, 7, 0, 0, L"", L"", nonClasse},
      {"electricity fixed symbol", 1, 62, L"SymbolesFixes", 2, 7, 0, 0, L"", L"1RREMB", {2, 2, 0}},
      {"gas fixed symbol in the electricity theme", 1, 62, L"SymbolesFixes", 2, 7, 0, 0, L"", L"COGAZ", nonClasse},
      {"gas fixed symbol", 1, 1984, L"SymbolesFixes", 2, 7, 0, 0, L"", L"GACOF", {128, 2, 0}},
      {"line on the fixed symbols", 1, 62, L"SymbolesFixes", 3, 7, 0, 0, L"", L"", nonClasse},
      {"text node on Topo4Divers", 1, 62, L"Topo4Divers", 7, 7, 0, 0, L"", L"", nonClasse},
      {"gas text on Topo4Divers", 1, 1984, L"Topo4Divers", 17, 7, 0, 0, L"", L"", {128, 4, 0}},
      {"BP line of style 5", 1, 1984, L"RéseauBP", 4, 2, 0, 5, L"", L"", {64, 1, 2, 1}},
      {"uncertain PRC keeps its state", 1, 1984, L"RésIncertainPRC", 4, 2, 0, 5, L"", L"", {1024, 1, 4, 1}},
      {"MPC service connection", 1, 1984, L"CanaBrancht", 4, 12, 0, 0, L"", L"", {256, 1, 2, 1}},
      {"flush gas service accessory", 1, 1984, L"AccAffBranchtGaz", 2, 2, 0, 0, L"", L"X", {64, 2, 2048, 1}},
      {"abandoned gas line of weight 0", 1, 1984, L"RéseauAbandonnéGaz", 4, 0, 0, 0, L"", L"", {512, 1, 8}},
      {"abandoned gas dimension", 1, 1984, L"RéseauAbandonnéGaz", 33, 0, 1, 0, L"", L"", {128, 8, 32768}},
      {"abandoned gas text node is a line", 1, 1984, L"RéseauAbandonnéGaz", 7, 0, 1, 0, L"", L"", {128, 1, 8}},
      {"TLC gas dimension", 1, 1984, L"CotesRéseauTLC", 33, 3, 0, 0, L"", L"", {512, 8, 16384}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    niv_lecture l;
    l.idElement = 77;
    l.type = c.type;
    l.idNiveau = 5;
    l.nomNiveau = c.niveau;
    l.couleur = c.couleur;
    l.epaisseur = c.epaisseur;
    l.style = c.style;
    l.nomStyle = c.nomStyle;
    l.nomCellule = c.cellule;
    verclassement r;
    r.idElement = 1234;  // an earlier value, kept when not classified
    const std::uint32_t resultat = niv_classerLecture(&r, l, c.version, c.theme);
    const Attendu& a = c.attendu;
    if (a.reseau == 0) {
      EXPECT_EQ(resultat, 0x8000u);
      EXPECT_EQ(r.idElement, 1234u);
      continue;
    }
    ASSERT_EQ(resultat, 0u);
    EXPECT_EQ(r.idElement, 77u);
    EXPECT_EQ(r.reseau, a.reseau);
    EXPECT_EQ(r.contenu, a.contenu);
    EXPECT_EQ(r.etat, a.etat);
    EXPECT_EQ(r.branchement, a.branchement);
    EXPECT_EQ(r.ni, a.ni);
    EXPECT_EQ(r.protection, a.protection);
    EXPECT_EQ(r.classeHta, a.classeHta);
    EXPECT_EQ(r.un, 1u);
    EXPECT_EQ(niv_classerLecture(nullptr, l, c.version, c.theme), 0u) << "no record: still classified";
  }
}

TEST(NivClassement, ReadsTheElementFromItsFile) {
  host::resetModels();
  fx::DesignBuilder b;
  const host::LevelId cables = b.level(L"CâblesBT");
  const host::LevelId symboles = b.level(L"SymbolesFixes");
  const std::int32_t classeA = b.lineStyle(L"ST_BT_CLA_V3");
  const host::ElementId ligne = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(cables).style(classeA));
  const host::ElementId standard = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(cables).style(2));
  const host::ElementId cellule =
      b.add(fx::cell(L"COELEC", {0, 0, 0}, {fx::line({0, 0, 0}, {10, 0, 0})}).level(symboles));
  const host::ElementId inconnu = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(999));
  const host::ElementId sansNiveau = b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(0));
  b.file().levels.push_back({0, L"RéseauBT"});  // a level of id 0 names no level
  ModeleOuvert m(b, L"plan.dgn");

  verclassement r;
  ASSERT_EQ(niv_classerElement(&r, host::ElementHandle(ligne, m.modele()), m.modele(), 2, 62), 0u);
  EXPECT_EQ(r.idElement, ligne);
  EXPECT_EQ(r.etat, 1u) << "the style's name comes from the file";
  ASSERT_EQ(niv_classerElement(&r, host::ElementHandle(standard, m.modele()), m.modele(), 2, 62), 0u);
  EXPECT_EQ(r.etat, 2u);
  ASSERT_EQ(niv_classerElement(&r, host::ElementHandle(cellule, m.modele()), m.modele(), 1, 62), 0u);
  EXPECT_EQ(r.contenu, 2u) << "the cell's name comes from the file";

  r = verclassement{};
  for (const host::ElementId id : {inconnu, sansNiveau, host::ElementId{424242}}) {
    EXPECT_EQ(niv_classerElement(&r, host::ElementHandle(id, m.modele()), m.modele(), 1, 62), 0x8000u) << id;
    EXPECT_EQ(niv_classerElement(&r, host::ElementHandle(id, m.modele()), m.modele(), 2, 62), 0x8000u) << id;
  }
  EXPECT_EQ(niv_classerElement(&r, host::ElementHandle(), m.modele(), 1, 62), 0x8000u);
  EXPECT_EQ(r.idElement, 0u) << "the record is untouched";
  EXPECT_EQ(r.reseau, 0u);
}

}  // namespace
