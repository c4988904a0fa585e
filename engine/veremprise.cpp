#include "engine/veremprise.h"

#include <utility>

void veremprise_construire(veremprise& emprise) { emprise = veremprise{}; }

void veremprise_deplacer(veremprise& cible, veremprise& source) {
  if (&cible == &source) return;
  cible.idForme = source.idForme;
  cible.idLibelle = source.idLibelle;
  cible.symbologieForme = source.symbologieForme;
  cible.symbologieLibelle = source.symbologieLibelle;
  cible.indexPlan = source.indexPlan;
  cible.libelle = std::move(source.libelle);
  cible.groupe = source.groupe;
  cible.cree = source.cree;
}
