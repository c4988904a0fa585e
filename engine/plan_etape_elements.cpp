// The drawing-rule stage of the driver: the one-file plan's file through the one-file book, or
// the background file through the background book. The electricity and other-networks drivers
// (ctrl_elementsElecV3 on EL2, ctrl_elementsAutreV3 on AR2, when those files exist) join once
// their books land.
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
}
