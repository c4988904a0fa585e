// Holds the error table against its source, row by row: every code, both levels and the message
// to the character. The rows below are transcribed independently of the table, with escapes for
// the accented letters, so that a mistyped or mis-encoded message fails here.
#include "engine/erreur_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/erreur.h"

namespace {

struct ligneAttendue {
  std::uint32_t code;
  std::uint32_t niveauPlanUnique;
  std::uint32_t niveauAutre;
  std::wstring message;
};

const std::vector<ligneAttendue>& lignesAttendues() {
  static const std::vector<ligneAttendue> lignes{
      {1001, 0, 0, L"Le syst\u00E8me d'unit\u00E9s du fichier est incorrect"},
      {1003, 0, 0, L"Origine globale du fichier non conforme \u00E0 la norme"},
      {1004, 0, 0, L"Fichier 3D"},
      {1006, 0, 0, L"Niveau non sp\u00E9cifi\u00E9 dans le fichier"},
      {1007, 0, 0, L"Le format du fichier n'est pas DGN-V8"},
      {1008, 0, 0, L"Pr\u00E9sence d'un fichier gaz dans le plan"},
      {1010, 0, 0, L"Le fichier contient plusieurs mod\u00E8les"},
      {1100, 0, 0, L"Le plan ne contient pas de cellule cadre"},
      {1101, 0, 0, L"Le plan contient plusieurs cellules cadre"},
      {1102, 1, 1, L"La position du cadre est incorrecte"},
      {1103, 0, 1, L"Le plan ne contient pas de cellule cartouche"},
      {1104, 0, 1, L"Le plan contient plusieurs cellules cartouche"},
      {1105, 1, 1, L"La position du cartouche est incorrecte"},
      {1106, 0, 0, L"Incoh\u00E9rence dans le remplissage du cartouche V2+"},
      {1107, 1, 1, L"Cartouche incomplet ou mal renseign\u00E9"},
      {1108, 0, 1, L"Le nom du fichier est incoh\u00E9rent par rapport au contenu du cartouche"},
      {1109, 1, 1, L"Date invalide"},
      {1110, 1, 1, L"Incoh\u00E9rence entre la date et la pr\u00E9sence des r\u00E9seaux"},
      {1111, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDFICH"},
      {1112, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDFDP"},
      {1113, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDELEC"},
      {1115, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDAUT"},
      {1116, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDLOC"},
      {1117, 0, 0, L"Le fichier ne contient aucune cellule IDVOIE"},
      {1120, 1, 1, L"Valeur de champ invalide"},
      {1122, 1, 1, L"Echelle du plan incorrecte"},
      {1123, 1, 1, L"Impossible de trouver le code de projection"},
      {1124, 1, 1, L"Le code de projection n'est pas d\u00E9crit dans le param\u00E9trage"},
      {1129, 1, 1, L"L'origine du cartouche est hors du domaine de validit\u00E9 de la projection"},
      {1130, 0, 0, L"Incoh\u00E9rence entre le nom de la case et la position g\u00E9ographique du plan"},
      {1132, 1, 1, L"Cellules IDVOIE dupliqu\u00E9es"},
      {1133, 1, 1, L"Qualit\u00E9 de g\u00E9or\u00E9f\u00E9rencement invalide"},
      {1134, 1, 1, L"Erreur lors du contr\u00F4le de la position du plan par rapport \u00E0 son d\u00E9partement et sa projection"},
      {1135, 1, 1, L"La position g\u00E9ographique de la cellule d'\u00E9change est incorrecte"},
      {1203, 1, 1, L"El\u00E9ment en dehors de la zone utile du plan"},
      {1247, 1, 1, L"Pr\u00E9sence d'une date de MAJ de r\u00E9seau gaz"},
      {1267, 1, 1, L"Forme ferm\u00E9 incorrecte"},
      {2011, 0, 0, L"Fichier inexistant"},
      {2012, 0, 0, L"Erreur lors de l'ouverture du fichier"},
      {2013, 1, 1, L"Le fichier contient plusieurs tables de niveaux principales"},
      {2021, 1, 1, L"Classe d'\u00E9l\u00E9ment non accept\u00E9e par la norme"},
      {2022, 1, 1, L"Discontinuit\u00E9 dans l'\u00E9l\u00E9ment"},
      {2023, 1, 1, L"Incoh\u00E9rence de symbologie dans l'\u00E9l\u00E9ment complexe"},
      {2024, 1, 1, L"L'\u00E9l\u00E9ment complexe contient un \u00E9l\u00E9ment simple de type invalide"},
      {2031, 1, 1, L"El\u00E9ment plac\u00E9 sur un niveau interdit"},
      {2032, 1, 1, L"Erreur sur le type de l'\u00E9l\u00E9ment"},
      {2033, 1, 1, L"Erreur sur la couleur"},
      {2034, 1, 1, L"Erreur sur le style"},
      {2035, 1, 1, L"Erreur sur l'\u00E9chelle du style"},
      {2036, 1, 1, L"Une largeur est affect\u00E9e au style personnalis\u00E9"},
      {2037, 1, 1, L"Erreur sur l'\u00E9paisseur"},
      {2041, 1, 1, L"Erreur sur le nom de cellule"},
      {2042, 2, 2, L"Erreur sur l'\u00E9chelle de cellule"},
      {2043, 1, 1, L"Erreur sur la d\u00E9finition de la cellule"},
      {2044, 1, 1, L"Noeud topo sur limite de plan"},
      {2051, 2, 2, L"Erreur sur la police de caract\u00E8res"},
      {2052, 2, 2, L"Erreur sur la taille du texte"},
      {2053, 1, 1, L"Texte sans aucun caract\u00E8re significatif"},
      {2061, 2, 2, L"Bout pendant sur un c\u00E2ble"},
      {2062, 2, 2, L"Erreur sur l'ordre d'un accessoire"},
      {2063, 2, 2, L"Incoh\u00E9rence entre un c\u00E2ble et son accessoire extr\u00E9mit\u00E9"},
      {2064, 2, 2, L"Aller-Retour sur le trac\u00E9"},
      {2066, 2, 2, L"Sommets cons\u00E9cutifs confondus sur le trac\u00E9 d'un c\u00E2ble"},
      {2067, 2, 2, L"C\u00E2bles superpos\u00E9s sur une partie de leurs trac\u00E9s"},
      {2071, 2, 2, L"D\u00E9finition de groupe graphique incompl\u00E8te"},
      {2072, 2, 2, L"Le groupe graphique contient des \u00E9l\u00E9ments de diff\u00E9rentes natures"},
      {2073, 2, 2, L"Le groupe graphique contient des \u00E9l\u00E9ments abandonn\u00E9s et en service"},
      {2074, 2, 2, L"Le groupe graphique contient uniquement un ou plusieurs textes"},
      {2075, 2, 2, L"Le contenu du groupe graphique du PTRL est incorrect"},
      {2081, 2, 2, L"PTRL sans altitude"},
      {2082, 1, 1, L"PTRL superpos\u00E9s"},
      {2083, 1, 1, L"PTRL sans objet sous-jacent"},
      {2084, 1, 1, L"PTRL sur r\u00E9seau non classe A"},
      {2085, 1, 1, L"Texte de PTRL non group\u00E9 avec une cellule PTRL"},
      {2091, 2, 2, L"La d\u00E9finition du poste est incorrecte"},
      {2101, 2, 2, L"Au moins 2 traits de coupe de drapeaux sont superpos\u00E9s"},
      {2102, 2, 2, L"La d\u00E9finition du drapeau est incorrecte"},
      {2103, 2, 2, L"La d\u00E9finition du drapeau diff\u00E9renci\u00E9 est incorrecte"},
      {2112, 2, 2, L"Incoh\u00E9rence entre le contenu du texte et sa symbologie"},
  };
  return lignes;
}

TEST(ErreurTable, HoldsEveryRowOfTheSourceInOrder) {
  const auto table = erreur_table();
  const auto& attendues = lignesAttendues();
  ASSERT_EQ(attendues.size(), 79u);
  ASSERT_EQ(table.size(), attendues.size());
  for (std::size_t i = 0; i < attendues.size(); ++i) {
    SCOPED_TRACE(attendues[i].code);
    EXPECT_EQ(table[i].code, attendues[i].code);
    EXPECT_EQ(table[i].niveauPlanUnique, attendues[i].niveauPlanUnique);
    EXPECT_EQ(table[i].niveauAutre, attendues[i].niveauAutre);
    EXPECT_EQ(std::wstring(table[i].message), attendues[i].message);
  }
}

TEST(ErreurTable, CodesAreSortedAndOnlyThreeLevelsDependOnTheFile) {
  std::set<std::uint32_t> selonFichier;
  const auto table = erreur_table();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(table[i - 1].code, table[i].code);
    }
    EXPECT_LE(table[i].niveauAutre, 2u);
    if (table[i].niveauPlanUnique != table[i].niveauAutre) selonFichier.insert(table[i].code);
  }
  EXPECT_EQ(selonFichier, (std::set<std::uint32_t>{1103, 1104, 1108}));
}

TEST(ErreurTable, DefinirGivesEveryCodeItsMessageAndLevelInBothLayouts) {
  for (const ligneAttendue& attendue : lignesAttendues()) {
    SCOPED_TRACE(attendue.code);
    vererreur erreur;
    erreur.code = attendue.code;
    erreur_definir(erreur, 1);
    EXPECT_EQ(erreur.message, attendue.message);
    EXPECT_EQ(erreur.niveau, attendue.niveauPlanUnique);
    erreur_definir(erreur, 2);
    EXPECT_EQ(erreur.niveau, attendue.niveauAutre);
  }
}

TEST(ErreurTable, CodeOutsideTheTableGetsNoMessageAndLevelZero) {
  for (std::uint32_t code : {0u, 1002u, 2113u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(code);
    vererreur erreur;
    erreur.code = code;
    erreur.message = L"reste d'un appel précédent";
    erreur.niveau = 2;
    erreur_definir(erreur, 1);
    EXPECT_TRUE(erreur.message.empty());
    EXPECT_EQ(erreur.niveau, 0u);
    EXPECT_EQ(erreur_chercherLigne(code), nullptr);
  }
}

}  // namespace
