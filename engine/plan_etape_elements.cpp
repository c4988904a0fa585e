// The drawing-rule stage of the driver: the one-file plan's file through the one-file book, or
// the three files of a three-file plan through their books (the electricity and other-networks
// files when they exist).
#include "engine/plan_etapes.h"
#include "standard/ctrl_elementsV3.h"
#include "standard/regle_v2.h"

void etape_elements(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  if (fichiers.type == 1) {
    ctrl_elementsV2(erreurs, fichiers.fichiers[0], fichiers);
    return;
  }
  if (fichiers.type != 2) return;
  ctrl_elementsFdpV3(erreurs, fichiers.fichiers[0], fichiers);
  if (fichiers.fichiers[1].existe) ctrl_elementsElecV3(erreurs, fichiers.fichiers[1], fichiers);
  if (fichiers.fichiers[2].existe) ctrl_elementsAutreV3(erreurs, fichiers.fichiers[2], fichiers);
}
