// The required-level stage of the driver: the one-file plan's file, or the background file and
// the electricity and other-networks files that exist, each with its list.
#include "engine/plan_etapes.h"
#include "standard/ctrl_niveaux.h"

void etape_niveauxRequis(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  if (fichiers.type == 1) {
    ctrl_niveauxV2(erreurs, fichiers.fichiers[0]);
    return;
  }
  if (fichiers.type != 2) return;
  ctrl_niveauxV3(erreurs, fichiers.fichiers[0], roleFond);
  if (fichiers.fichiers[1].existe) ctrl_niveauxV3(erreurs, fichiers.fichiers[1], roleElectricite);
  if (fichiers.fichiers[2].existe) ctrl_niveauxV3(erreurs, fichiers.fichiers[2], roleAutres);
}
