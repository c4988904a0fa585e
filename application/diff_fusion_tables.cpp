// The tables of the merge of cable pieces: the difference levels and the accessory cells that
// stop, or let through, a cable.
#include <algorithm>

#include "application/diff_fusion_graphe.h"

const std::array<diff_ligneNiveau, 8> diff_tableNiveaux = {{
    {L"HTA_Ajout", 4, 0, 1},
    {L"BT_Ajout", 2, 0, 1},
    {L"BRCH_Ajout", 2, 1, 1},
    {L"Accessoire_Ajout", 0, 0, 1},
    {L"HTA_Suppression", 4, 0, 2},
    {L"BT_Suppression", 2, 0, 2},
    {L"BRCH_Suppression", 2, 1, 2},
    {L"Accessoire_Suppression", 0, 0, 2},
}};

// Kind 1: pieces end on the outline of the cell's shape; kinds 2 to 5: on its origin. Kind 3
// lets a BT cable through when it holds a branch (kind 6, decided once the pieces are counted).
const std::array<diff_genreNoeud, 31> diff_genresNoeuds = {{
    {L"COELEC", 1}, {L"1RREMB", 1}, {L"ARELEC", 1}, {L"1BCO", 1},    {L"1RCO", 1},    {L"1BARMO", 1},
    {L"1RARMO", 1}, {L"2RARMO", 1}, {L"1BREMB", 1}, {L"1BREMA", 2},  {L"1RREMA", 2},  {L"2RREMA", 2},
    {L"1BJONC", 3}, {L"JONBT", 3},  {L"JONMT", 3},  {L"1BBSTB", 3},  {L"1RBSTR", 3},  {L"1RJONC", 3},
    {L"1BDERD", 3}, {L"1BDERG", 3}, {L"1RDERD", 3}, {L"1RDERG", 3},  {L"2RJONC", 3},  {L"2RDERD", 3},
    {L"2RDERG", 3}, {L"1BNEUD", 4}, {L"1RNEUD", 4}, {L"2RNEUD", 4},  {L"1BBOUP", 5},  {L"1RBOUP", 5},
    {L"2RBOUP", 5},
}};

verclassement diff_classerNiveau(const std::wstring& nomNiveau, int& direction) {
  verclassement c;
  c.contenu = 1;
  c.un = 1;
  direction = 0;
  const auto ligne = std::find_if(diff_tableNiveaux.begin(), diff_tableNiveaux.end(),
                                  [&](const diff_ligneNiveau& l) { return nomNiveau == l.nom; });
  if (ligne != diff_tableNiveaux.end()) {
    c.reseau = ligne->reseau;
    c.branchement = ligne->branchement;
    direction = ligne->direction;
  }
  return c;
}

int diff_genreCellule(const std::wstring& nomCellule) {
  const auto ligne = std::find_if(diff_genresNoeuds.begin(), diff_genresNoeuds.end(),
                                  [&](const diff_genreNoeud& g) { return nomCellule == g.nom; });
  return ligne == diff_genresNoeuds.end() ? 0 : ligne->genre;
}
