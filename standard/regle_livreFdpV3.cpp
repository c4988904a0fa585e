#include "standard/regle_livresV3.h"

void regle_classerElementFdpV3(verelement& element, const verniveauxfdp& niveaux, const vercouples& couples,
                               std::int32_t classeEchelle) {
  static const regle_livreV3 livre = regle_preparerLivre(regle_livreFdpV3(), niv_catalogueFdp());
  regle_classerV3(element, livre, niveaux.id, couples, classeEchelle, host::ModelRef{});
}
