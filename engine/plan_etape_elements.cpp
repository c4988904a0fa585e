// The drawing-rule stage of the driver: each file's element table is built and classified by
// its rule book. The electricity and other-networks drivers join once their books land.
#include "engine/plan_etapes.h"
#include "standard/ctrl_elementsV3.h"

void etape_elements(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  if (fichiers.type == 1) {
    ctrl_elementsV2(erreurs, fichiers.fichiers[0], fichiers);
    return;
  }
  if (fichiers.type != 2) return;
  ctrl_elementsFdpV3(erreurs, fichiers.fichiers[0], fichiers);
}
