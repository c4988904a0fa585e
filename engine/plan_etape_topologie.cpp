// Driver step 15.5: the cable topology of the network file.
#include "engine/plan_etapes.h"
#include "networks/topologie_cables.h"

void etape_topologieCables(std::vector<vererreur>& erreurs, std::vector<verecart>& ecarts, vercontexte& contexte,
                           verplaninfo& plan, verfichier& reseau) {
  ctrl_topologieCables(erreurs, ecarts, contexte, plan, reseau);
}
