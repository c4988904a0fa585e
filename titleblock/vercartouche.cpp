#include "titleblock/vercartouche.h"

void vercartouche_initialiser(vercartouche& cartouche) {
  for (auto& champ : cartouche.champs) champ.clear();
}

void vercartouche_detruire(vercartouche& cartouche) {
  for (auto& champ : cartouche.champs) std::wstring().swap(champ);
}
