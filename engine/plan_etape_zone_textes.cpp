// The stages of the drawing standard that do not go through the rule books: the useful area with
// the element checks and the empty texts right after the rule books, and the cell scales and
// texts of the changed elements in the network stage.
#include "engine/plan_etapes.h"
#include "standard/ctrl_textes.h"
#include "standard/ctrl_zone_utile.h"

void etape_zoneUtile(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) { ctrl_zoneUtile(erreurs, fichiers); }

void etape_textesVides(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  for (const verfichier& f : fichiers.fichiers)
    if (f.existe) ctrl_texteVide(erreurs, f);
}

void etape_echellesEtTextes(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  const auto classe = static_cast<std::uint32_t>(fichiers.version);
  if (fichiers.type == 1) {
    ctrl_echelleCellulesV2(erreurs, classe, fichiers.fichiers[0]);
    ctrl_textesV2(erreurs, classe, fichiers.fichiers[0]);
    return;
  }
  if (fichiers.type != 2) return;
  const verfichier& el2 = fichiers.fichiers[1];
  const verfichier& ar2 = fichiers.fichiers[2];
  if (el2.existe) ctrl_echelleAccessoiresV3(erreurs, classe, el2);
  if (ar2.existe) ctrl_echelleAccessoiresV3(erreurs, classe, ar2);
  if (el2.existe) ctrl_textesV3(erreurs, classe, el2);
  if (ar2.existe) ctrl_textesV3(erreurs, classe, ar2);
}
