#include "networks/passe_reseau.h"

#include "networks/reseau_graphe.h"

void drap_verifierDrapeaux(verreseau& reseau, const std::vector<host::ModelRef>& voisins, const verplaninfo& plan) {
  reseau.troncons.clear();
  reseau.noeuds.clear();
  // The look-up of the nodes goes with them.
  reseau.index = verreseau_index{};
  res_collecterCellulesReseau(reseau, plan);
  res_collecterTroncons(reseau, plan);
  res_relierTroncons(reseau, voisins, plan);
}
