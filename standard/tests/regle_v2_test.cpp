// The one-file rule book on single elements: local cells, the level chain, type masks, cell
// lists, rows in trial order and the final step; the cells checked on their components.
#include "standard/regle_v2.h"

#include <gtest/gtest.h>

#include <string>

#include "host/fixture/design_builder.h"
#include "standard/element_table.h"
#include "standard/niv_catalogues.h"
#include "standard/tests/harnais_modele.h"

namespace fx = host::fixture;

namespace {

// Every level of the catalogue present, with the id slot + 1.
verniveauxv2 tousLesNiveaux() {
  verniveauxv2 n;
  for (std::size_t i = 0; i < n.id.size(); ++i) n.id[i] = static_cast<std::uint32_t>(i + 1);
  return n;
}

std::uint32_t idDe(const std::wstring& niveau) {
  const std::int32_t slot = niv_slot(niv_catalogueV2(), niveau);
  return slot < 0 ? 900 : static_cast<std::uint32_t>(slot + 1);
}

struct Cas {
  const char* pourquoi;
  std::wstring niveau;
  std::int32_t type;
  std::uint32_t couleur, epaisseur;
  std::int32_t style;
  std::wstring nomStyle;    // "~" none
  double echelle;           // line-style scale, or the cell's scale for a cell
  std::wstring cellule;     // cells
  std::int32_t classe;
  std::uint32_t code;
  std::wstring libelle;
  std::wstring police = L"WORKING";
  double hauteur = 0.4, largeur = 0.28;
};

verelement element(const Cas& c) {
  verelement e;
  versymbologie& s = e.symbologie;
  s.idNiveau = idDe(c.niveau);
  s.type = c.type;
  s.couleur = c.couleur;
  s.epaisseur = c.epaisseur;
  s.style = c.style;
  s.nomStyle = c.nomStyle;
  if (c.nomStyle != L"~") s.echelleStyle = c.echelle;
  if (c.type == 17 || c.type == 7) {
    s.police = c.police;
    s.hauteurTexte = c.hauteur;
    s.largeurTexte = c.largeur;
  }
  if (c.type == 2) {
    s.nomCellule = c.cellule;
    s.echelleCellule = {c.echelle, c.echelle, c.echelle};
  }
  return e;
}

TEST(RegleV2, EdgeCasesOfTheBook) {
  const std::wstring n = L"~";
  const Cas cas[] = {
      // Local cells, on any level, before the chain; exact names only.
      {"local cell of its colour", L"TxtInvisible", 2, 4, 0, 0, n, 2.0, L"CEL7", 1, 0, L"Cellule locale (CEL7)"},
      {"local cell of another colour", L"TxtInvisible", 2, 3, 0, 0, n, 2.0, L"CEL7", 1, 2033, L"Cellule locale (CEL7)"},
      {"local cell of another weight", L"RéseauBT", 2, 7, 1, 0, n, 2.0, L"VDC2", 1, 2037, L"Cellule locale (VDC2)"},
      {"local cell: style and scale unchecked", L"Nulle part", 2, 7, 0, 5, n, 9.0, L"PRC1", 2, 0, L"Cellule locale (PRC1)"},
      {"CEL14 is local", L"PrjTopo2", 2, 4, 0, 0, n, 2.0, L"CEL14", 1, 0, L"Cellule locale (CEL14)"},
      {"CEL0 is not", L"TxtInvisible", 2, 4, 0, 0, n, 2.0, L"CEL0", 1, 2031, L""},
      {"CEL15 is not", L"TxtInvisible", 2, 4, 0, 0, n, 2.0, L"CEL15", 1, 2031, L""},
      {"CEL01 is not", L"TxtInvisible", 2, 4, 0, 0, n, 2.0, L"CEL01", 1, 2031, L""},
      {"cel1 is not", L"TxtInvisible", 2, 4, 0, 0, n, 2.0, L"cel1", 1, 2031, L""},
      // Levels and masks.
      {"a level outside the chain", L"PrjTopo1", 3, 0, 0, 0, n, 0, L"", 1, 2031, L""},
      {"a level outside the catalogue", L"Nulle part", 3, 0, 0, 0, n, 0, L"", 1, 2031, L""},
      {"a line on TxtPropFdp", L"TxtPropFdp", 3, 0, 0, 0, n, 0, L"", 1, 2032, L""},
      {"a dimension on Cart+habillage", L"Cart+habillage", 33, 0, 0, 0, n, 0, L"", 1, 2032, L""},
      {"a text on Topo3Routes", L"Topo3Routes", 17, 5, 0, 0, n, 0, L"", 1, 2032, L""},
      {"a dimension on RéseauVDC", L"RéseauVDC", 33, 7, 0, 0, n, 0, L"", 1, 2032, L""},
      {"a line on CotesRéseauVDC", L"CotesRéseauVDC", 3, 7, 0, 0, n, 0, L"", 1, 2032, L""},
      {"a curve on Topo1Limites", L"Topo1Limites", 11, 5, 0, 0, n, 0, L"", 1, 2032, L""},
      // Cells.
      {"the frame at 1:200", L"Cart+habillage", 2, 0, 0, 0, n, 2.0, L"A4X4", 1, 0, L"Cadre"},
      {"the frame at 1:500 left at 2.0", L"Cart+habillage", 2, 0, 0, 0, n, 2.0, L"A4X4", 2, 2042, L"Cadre"},
      {"the frame at 1:500", L"Cart+habillage", 2, 0, 0, 0, n, 5.0, L"A4X45", 2, 0, L"Cadre"},
      {"a trench cut at 2.0", L"Drap+CoupeTranch", 2, 5, 3, 2, n, 2.0, L"COUPET", 1, 2042, L"Coupe de tranchée"},
      {"a trench cut at 1.0, any symbology", L"Drap+CoupeTranch", 2, 5, 3, 2, n, 1.0, L"COUPET", 2, 0, L"Coupe de tranchée"},
      {"a flag", L"Drap+CoupeTranch", 2, 0, 0, 0, n, 5.0, L"DRAP3", 2, 0, L"Drapeau (2 entrées)"},
      {"a flag of another colour", L"Drap+CoupeTranch", 2, 1, 0, 0, n, 5.0, L"DRAP3", 2, 2033, L"Drapeau (2 entrées)"},
      {"an unknown cell on Topo4Divers", L"Topo4Divers", 2, 0, 0, 0, n, 2.0, L"XYZ", 1, 2041, L""},
      {"an unknown cell on RéseauBT", L"RéseauBT", 2, 7, 0, 0, n, 2.0, L"XYZ", 1, 2041, L""},
      {"a cell without a name", L"SymbolesFixes", 2, 4, 0, 0, n, 2.0, L"", 1, 2041, L""},
      {"a cell of a very long name", L"SymbolesFixes", 2, 4, 0, 0, n, 2.0, std::wstring(5000, L'A'), 1, 2041, L""},
      {"names are case-sensitive", L"SymbolesFixes", 2, 4, 0, 0, n, 2.0, L"arbre", 1, 2041, L""},
      {"a symbol, its scale left to the size checks", L"SymbolesFixes", 2, 4, 0, 3, n, 1.0, L"ARBRE", 2, 0, L"Arbre"},
      {"a symbol of another colour", L"SymbolesFixes", 2, 5, 0, 0, n, 2.0, L"GFCOFD", 1, 2033,
       L"Coffret en facade avec détente et organe de coupure"},
      {"a construction point takes the row's label", L"PtConstruction", 2, 0, 0, 0, n, 2.0, L"PT", 1, 0,
       L"Point de construction"},
      {"a construction point of weight 1", L"PtConstruction", 2, 0, 1, 0, n, 2.0, L"PT", 1, 2037, L"Point de construction"},
      {"a road joint at 1.0 in both classes", L"RaccordsVoies", 2, 0, 0, 0, n, 1.0, L"RACRIV", 2, 0, L"Raccord de voie"},
      {"a road joint at 2.0", L"RaccordsVoies", 2, 0, 0, 0, n, 2.0, L"RACRIV", 1, 2042, L"Raccord de voie"},
      {"an accessory: colour only", L"RéseauHTA", 2, 3, 5, 4, n, 9.0, L"JONMT", 1, 0, L"Jonction HTA"},
      {"an accessory of the BT colour on HTA", L"RéseauHTA", 2, 7, 2, 0, n, 2.0, L"2RNEUD", 1, 2033,
       L"Noeud de départ HTA"},
      // Rows in trial order.
      {"a road of style 0: the second row", L"Topo3Routes", 3, 5, 0, 0, n, 0, L"", 1, 0, L"Route"},
      {"a road of weight 2", L"Topo3Routes", 3, 5, 2, 0, n, 0, L"", 1, 2037, L"Route"},
      {"an earthing cable: the second row", L"Fourreaux+Tub_", 4, 6, 0, 100, L"ST_PROT_TERRE", 2.0, L"", 1, 0,
       L"Câble de mise à la terre"},
      {"an earthing cable at 1:500", L"Fourreaux+Tub_", 4, 6, 0, 100, L"ST_PROT_TERRE", 5.0, L"", 2, 0,
       L"Câble de mise à la terre"},
      {"a substation: the third row, not for cells", L"Fourreaux+Tub_", 6, 14, 2, 0, n, 0, L"", 1, 0,
       L"Poste électricité"},
      {"a BT service cable: the second row", L"RéseauBT", 3, 7, 0, 101, L"ST_BRANCH_CLA_V2", 2.0, L"", 1, 0,
       L"Câble Branchement Classe A"},
      {"a BT service cable at 1:500", L"RéseauBT", 3, 7, 0, 101, L"ST_BRANCH_CLA_V2", 5.0, L"", 2, 0,
       L"Câble Branchement Classe A"},
      {"a BT cable at a wrong style scale", L"RéseauBT", 4, 7, 0, 102, L"ST_BT_CLA_V2", 2.02, L"", 1, 2035,
       L"Câble BT Classe A"},
      {"a BT line of colour 5: most matches win", L"RéseauBT", 3, 5, 0, 0, n, 0, L"", 1, 2033,
       L"Câble Branchement Classe B"},
      {"an HTA cable of class B", L"RéseauHTA", 3, 3, 2, 3, n, 0, L"", 1, 0, L"Câble HTA Classe B"},
      {"an abandoned HTA cable", L"RéseauHTA", 12, 0, 4, 103, L"ST_ABAND", 2.0, L"", 1, 0, L"Câble HTA abandonné"},
      {"an HTB 150 kV cable", L"RéseauHTA", 4, 63, 2, 104, L"ST_HTA_INC_V2", 2.0, L"", 1, 0,
       L"Câble HTB 150KV Classe C"},
      {"an arc's line style is not compared", L"RéseauHTA", 16, 63, 2, 104, L"ST_HTA_INC_V2", 2.0, L"", 1, 0,
       L"Câble HTB 150KV Classe A"},
      {"a VDC cable", L"RéseauVDC", 4, 7, 0, 4, n, 0, L"", 1, 0, L"Câble VDC"},
      {"an HTB text whatever its font and size", L"TxtRéseauHTA", 17, 146, 0, 0, n, 0, L"", 1, 0, L"Texte HTB 200KV",
       L"ARIAL", 3.0, 3.0},
      {"a dimension: the small template has no effect", L"CotesRéseauBT", 33, 7, 0, 0, n, 0, L"", 2, 0,
       L"Cote levée BT"},
      {"a surveyed protection dimension", L"CotesFourreaux", 33, 0, 0, 0, n, 0, L"", 1, 0,
       L"Cote non levée protection"},
      {"a text of the background colour on Cart+habillage", L"Cart+habillage", 17, 0, 0, 0, n, 0, L"", 1, 0,
       L"Habillage", L"INTL_ENGINEERING"},
      {"a text of colour 2 in another font", L"Cart+habillage", 17, 2, 0, 0, n, 0, L"", 1, 2051,
       L"Texte PTRL source", L"INTL_ENGINEERING"},
      {"a PTRL text of another height", L"PTRL+Txt", 17, 0, 0, 0, n, 0, L"", 1, 2052, L"Texte PTRL", L"WORKING", 0.5},
      {"a PTRL text at 1:500", L"PTRL+Txt", 7, 0, 0, 0, n, 0, L"", 2, 0, L"Texte PTRL", L"WORKING", 1.0, 0.7},
      {"a PTRC text", L"PTRC+Txt", 17, 0, 0, 0, n, 0, L"", 1, 0, L"PTRC"},
  };
  const verniveauxv2 niveaux = tousLesNiveaux();
  const verfichier fichier;
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verelement e = element(c);
    regle_classerElementV2(e, niveaux, c.classe, fichier);
    EXPECT_EQ(e.codeErreur, c.code);
    EXPECT_EQ(e.categorie, c.libelle);
  }
}

TEST(RegleV2, LevelsAbsentFromTheFileAndUnreadableElementsNeverMatch) {
  verniveauxv2 vide;  // a file without any level of the standard
  const verfichier fichier;
  verelement e;
  e.symbologie.idNiveau = 0;
  e.symbologie.type = 3;
  regle_classerElementV2(e, vide, 1, fichier);
  EXPECT_EQ(e.codeErreur, 2031u) << "level id 0 while the slots hold 0";

  verelement illisible;  // a symbology that could not be read: its defaults
  regle_classerElementV2(illisible, tousLesNiveaux(), 1, fichier);
  EXPECT_EQ(illisible.codeErreur, 2031u);
  EXPECT_TRUE(illisible.categorie.empty());

  verelement local;
  local.symbologie.type = 2;
  local.symbologie.nomCellule = L"EP1";
  EXPECT_EQ(regle_celluleLocaleV2(local, 1), 0u);
  EXPECT_EQ(local.codeErreur, 2033u) << "an unread colour is not colour 7";
  EXPECT_EQ(local.categorie, L"Cellule locale (EP1)");
  verelement ligne;
  ligne.symbologie.type = 3;
  ligne.symbologie.nomCellule = L"EP1";
  EXPECT_EQ(regle_celluleLocaleV2(ligne, 1), 0x8000u) << "only cells";
}

// Cells judged on their components, in a model: the components one for one, no symbology.
TEST(RegleV2, CellsWithChildrenRows) {
  fx::DesignBuilder b;
  plan_fixture::definirNiveaux(b, L"PLAN.109");
  const host::LevelId divers = *b.file().levelId(L"Topo4Divers");
  const host::LevelId ptrl = *b.file().levelId(L"PTRL+Txt");
  const host::LevelId habillage = *b.file().levelId(L"Cart+habillage");
  const host::Point3d o{1000, 1000, 0}, p{2000, 1000, 0};
  auto chaine = [&](std::uint32_t couleur) { return fx::chain({fx::line(o, p), fx::line(p, o)}).colour(couleur); };
  auto spit = [&](int chaines, bool texte) {
    std::vector<fx::Spec> e;
    for (int i = 0; i < chaines; ++i) e.push_back(chaine(4));
    e.push_back(fx::line(o, p).colour(4));
    if (texte) e.push_back(fx::text(L"S", o));
    return e;
  };
  auto contour = [&](std::uint32_t couleur, std::uint32_t epaisseur) {
    return fx::complexShape({fx::lineString({o, p, {2000, 2000, 0}}), fx::lineString({{2000, 2000, 0}, o})})
        .colour(couleur)
        .weight(epaisseur);
  };
  auto trois = [&](std::uint32_t couleur) {
    return std::vector<fx::Spec>{contour(couleur, 2), fx::lineString({o, p, {1500, 1500, 0}}), chaine(0)};
  };
  struct Cellule {
    const char* pourquoi;
    std::wstring nom;
    host::LevelId niveau;
    std::vector<fx::Spec> enfants;
    std::uint32_t code;
    std::wstring libelle;
  };
  std::vector<Cellule> cas = {
      {"a spit", L"SPIT", divers, spit(4, true), 0, L"Spit"},
      {"a spit with five chains", L"SPIT", divers, spit(5, true), 2043, L"Spit"},
      {"a spit without its text", L"SPIT", divers, spit(4, false), 2043, L"Spit"},
      {"a spit without components", L"SPIT", divers, {}, 2043, L"Spit"},
      {"a spit with a cell in place of its text", L"SPIT", divers, spit(4, false), 2043, L"Spit"},
      {"a stocked PTRL", L"PTRL", ptrl, trois(0), 0, L"PTRL stock"},
      {"a published PTRL of a coloured outline", L"PTRLA", ptrl, trois(4), 2043, L"PTRL publié"},
      {"a source PTRL", L"PTRLAS", habillage, trois(4), 0, L"PTRL source"},
  };
  cas[4].enfants.push_back(fx::cell(L"S", o, {fx::text(L"S", o)}));
  std::vector<host::ElementId> ids;
  for (const Cellule& c : cas) ids.push_back(b.add(fx::cell(c.nom, o, c.enfants, 2.0).level(c.niveau).colour(9)));
  const ModeleOuvert m(b, L"PLAN.109");
  verfichier fichier;
  fichier.modele = m.modele();
  fichier.role = rolePlanUnique;
  element_construireTable(fichier);
  verniveauxv2 niveaux;
  niv_tableV2(niveaux, m.modele());
  for (std::size_t i = 0; i < cas.size(); ++i) {
    SCOPED_TRACE(cas[i].pourquoi);
    const std::int32_t k = element_rechercherParId(fichier.elements, ids[i]);
    ASSERT_GE(k, 0);
    verelement& e = fichier.elements[static_cast<std::size_t>(k)];
    regle_classerElementV2(e, niveaux, 1, fichier);
    EXPECT_EQ(e.codeErreur, cas[i].code);
    EXPECT_EQ(e.categorie, cas[i].libelle);
  }
}

}  // namespace

namespace {

// The driver on a file that names its protection dimensions' level "58": the slot takes it.
TEST(RegleV2, DriverReportsInTableOrderAndTheLevel58StandsForCotesFourreaux) {
  fx::DesignBuilder b;
  const host::LevelId l58 = b.level(L"58");
  const host::LevelId fixes = b.level(L"SymbolesFixes");
  const host::Point3d o{1000, 1000, 0}, p{2000, 1000, 0};
  const host::ElementId cote = b.add(fx::dimension({o, p}).level(l58).colour(6));
  const host::ElementId ligne = b.add(fx::line(o, p).level(l58));
  const host::ElementId inconnue = b.add(fx::cell(L"XYZ", o, {fx::line(o, p)}, 2.0).level(fixes).colour(4));
  const ModeleOuvert m(b, L"PLAN.109");
  verplanfichiers fichiers;
  fichiers.type = 1;
  fichiers.version = 1;
  verfichier& f = fichiers.fichiers[0];
  f.chemin = m.chemin();
  f.modele = m.modele();
  f.role = rolePlanUnique;
  std::vector<vererreur> erreurs;
  ctrl_elementsV2(erreurs, f, fichiers);
  ASSERT_EQ(f.elements.size(), 3u);
  EXPECT_EQ(f.elements[static_cast<std::size_t>(element_rechercherParId(f.elements, cote))].categorie,
            L"Cote levée protection");
  ASSERT_EQ(erreurs.size(), 2u);
  EXPECT_EQ(erreurs[0].idElement, ligne);
  EXPECT_EQ(erreurs[0].code, 2032u);
  EXPECT_EQ(erreurs[0].extra, 3u);
  EXPECT_EQ(erreurs[0].fichier, L"PLAN.109");
  EXPECT_TRUE(erreurs[0].complement.empty());
  EXPECT_EQ(erreurs[1].idElement, inconnue);
  EXPECT_EQ(erreurs[1].code, 2041u);
  EXPECT_EQ(erreurs[1].extra, 2u);
  EXPECT_EQ(erreurs[1].complement, L"XYZ");
  EXPECT_TRUE(erreurs[1].objet.empty());
}

}  // namespace
