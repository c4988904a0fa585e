// The electricity (EL2) and other-networks (AR2) books: each walks its table with the file's level
// table; the file's model is where the components of the PTRL cells are read.
#include "standard/regle_livresV3.h"

void regle_classerElementElecV3(verelement& element, const verniveauxele& niveaux, const vercouples& couples,
                                std::int32_t classeEchelle, const verfichier& fichier) {
  static const regle_livreV3 livre = regle_preparerLivre(regle_livreElecV3(), niv_catalogueEle());
  regle_classerV3(element, livre, niveaux.id, couples, classeEchelle, fichier.modele);
}

void regle_classerElementAutreV3(verelement& element, const verniveauxaut& niveaux, const vercouples& couples,
                                 std::int32_t classeEchelle, const verfichier& fichier) {
  static const regle_livreV3 livre = regle_preparerLivre(regle_livreAutreV3(), niv_catalogueAut());
  regle_classerV3(element, livre, niveaux.id, couples, classeEchelle, fichier.modele);
}
