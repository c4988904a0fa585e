// The stage of the node cells on the plan's limit, right after the useful-area check.
#include "engine/plan_etapes.h"
#include "networks/noeud_topo_limite.h"

void etape_noeudsSurLimite(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  ctrl_noeudTopoSurLimite(erreurs, fichiers);
}
