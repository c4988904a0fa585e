// The error table as data. Codes 1001 to 1267: files, frames, title blocks and plan positions;
// 2011 to 2112: files, elements, symbology, texts and networks. Only 1103, 1104 and 1108 have a
// level that depends on the file: 0 for a one-file plan's file, 1 otherwise.
// Codes 1132 and 2101 are carried although no check raises them.
#include "engine/erreur_table.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<erreur_ligneTable, 79> lignes{{
    {1001, 0, 0, L"Le système d'unités du fichier est incorrect"},
    {1003, 0, 0, L"Origine globale du fichier non conforme à la norme"},
    {1004, 0, 0, L"Fichier 3D"},
    {1006, 0, 0, L"Niveau non spécifié dans le fichier"},
    {1007, 0, 0, L"Le format du fichier n'est pas DGN-V8"},
    {1008, 0, 0, L"Présence d'un fichier gaz dans le plan"},
    {1010, 0, 0, L"Le fichier contient plusieurs modèles"},
    {1100, 0, 0, L"Le plan ne contient pas de cellule cadre"},
    {1101, 0, 0, L"Le plan contient plusieurs cellules cadre"},
    {1102, 1, 1, L"La position du cadre est incorrecte"},
    {1103, 0, 1, L"Le plan ne contient pas de cellule cartouche"},
    {1104, 0, 1, L"Le plan contient plusieurs cellules cartouche"},
    {1105, 1, 1, L"La position du cartouche est incorrecte"},
    {1106, 0, 0, L"Incohérence dans le remplissage du cartouche V2+"},
    {1107, 1, 1, L"Cartouche incomplet ou mal renseigné"},
    {1108, 0, 1, L"Le nom du fichier est incohérent par rapport au contenu du cartouche"},
    {1109, 1, 1, L"Date invalide"},
    {1110, 1, 1, L"Incohérence entre la date et la présence des réseaux"},
    {1111, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDFICH"},
    {1112, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDFDP"},
    {1113, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDELEC"},
    {1115, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDAUT"},
    {1116, 0, 0, L"Le fichier contient aucune ou plusieurs cellules IDLOC"},
    {1117, 0, 0, L"Le fichier ne contient aucune cellule IDVOIE"},
    {1120, 1, 1, L"Valeur de champ invalide"},
    {1122, 1, 1, L"Echelle du plan incorrecte"},
    {1123, 1, 1, L"Impossible de trouver le code de projection"},
    {1124, 1, 1, L"Le code de projection n'est pas décrit dans le paramétrage"},
    {1129, 1, 1, L"L'origine du cartouche est hors du domaine de validité de la projection"},
    {1130, 0, 0, L"Incohérence entre le nom de la case et la position géographique du plan"},
    {1132, 1, 1, L"Cellules IDVOIE dupliquées"},
    {1133, 1, 1, L"Qualité de géoréférencement invalide"},
    {1134, 1, 1, L"Erreur lors du contrôle de la position du plan par rapport à son département et sa projection"},
    {1135, 1, 1, L"La position géographique de la cellule d'échange est incorrecte"},
    {1203, 1, 1, L"Elément en dehors de la zone utile du plan"},
    {1247, 1, 1, L"Présence d'une date de MAJ de réseau gaz"},
    {1267, 1, 1, L"Forme fermé incorrecte"},
    {2011, 0, 0, L"Fichier inexistant"},
    {2012, 0, 0, L"Erreur lors de l'ouverture du fichier"},
    {2013, 1, 1, L"Le fichier contient plusieurs tables de niveaux principales"},
    {2021, 1, 1, L"Classe d'élément non acceptée par la norme"},
    {2022, 1, 1, L"Discontinuité dans l'élément"},
    {2023, 1, 1, L"Incohérence de symbologie dans l'élément complexe"},
    {2024, 1, 1, L"L'élément complexe contient un élément simple de type invalide"},
    {2031, 1, 1, L"Elément placé sur un niveau interdit"},
    {2032, 1, 1, L"Erreur sur le type de l'élément"},
    {2033, 1, 1, L"Erreur sur la couleur"},
    {2034, 1, 1, L"Erreur sur le style"},
    {2035, 1, 1, L"Erreur sur l'échelle du style"},
    {2036, 1, 1, L"Une largeur est affectée au style personnalisé"},
    {2037, 1, 1, L"Erreur sur l'épaisseur"},
    {2041, 1, 1, L"Erreur sur le nom de cellule"},
    {2042, 2, 2, L"Erreur sur l'échelle de cellule"},
    {2043, 1, 1, L"Erreur sur la définition de la cellule"},
    {2044, 1, 1, L"Noeud topo sur limite de plan"},
    {2051, 2, 2, L"Erreur sur la police de caractères"},
    {2052, 2, 2, L"Erreur sur la taille du texte"},
    {2053, 1, 1, L"Texte sans aucun caractère significatif"},
    {2061, 2, 2, L"Bout pendant sur un câble"},
    {2062, 2, 2, L"Erreur sur l'ordre d'un accessoire"},
    {2063, 2, 2, L"Incohérence entre un câble et son accessoire extrémité"},
    {2064, 2, 2, L"Aller-Retour sur le tracé"},
    {2066, 2, 2, L"Sommets consécutifs confondus sur le tracé d'un câble"},
    {2067, 2, 2, L"Câbles superposés sur une partie de leurs tracés"},
    {2071, 2, 2, L"Définition de groupe graphique incomplète"},
    {2072, 2, 2, L"Le groupe graphique contient des éléments de différentes natures"},
    {2073, 2, 2, L"Le groupe graphique contient des éléments abandonnés et en service"},
    {2074, 2, 2, L"Le groupe graphique contient uniquement un ou plusieurs textes"},
    {2075, 2, 2, L"Le contenu du groupe graphique du PTRL est incorrect"},
    {2081, 2, 2, L"PTRL sans altitude"},
    {2082, 1, 1, L"PTRL superposés"},
    {2083, 1, 1, L"PTRL sans objet sous-jacent"},
    {2084, 1, 1, L"PTRL sur réseau non classe A"},
    {2085, 1, 1, L"Texte de PTRL non groupé avec une cellule PTRL"},
    {2091, 2, 2, L"La définition du poste est incorrecte"},
    {2101, 2, 2, L"Au moins 2 traits de coupe de drapeaux sont superposés"},
    {2102, 2, 2, L"La définition du drapeau est incorrecte"},
    {2103, 2, 2, L"La définition du drapeau différencié est incorrecte"},
    {2112, 2, 2, L"Incohérence entre le contenu du texte et sa symbologie"},
}};

}  // namespace

std::span<const erreur_ligneTable> erreur_table() { return lignes; }

const erreur_ligneTable* erreur_chercherLigne(std::uint32_t code) {
  const auto it = std::lower_bound(lignes.begin(), lignes.end(), code,
                                   [](const erreur_ligneTable& l, std::uint32_t c) { return l.code < c; });
  return it != lignes.end() && it->code == code ? &*it : nullptr;
}
