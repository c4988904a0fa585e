#include "engine/plan_etapes.h"
#include "networks/groupes_ptrl.h"

void etape_groupesPTRL(std::vector<vererreur>& erreurs, verplanfichiers& fichiers, std::int32_t passe) {
  ctrl_groupesPTRL(erreurs, fichiers, passe);
}
