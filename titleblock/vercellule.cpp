#include "titleblock/vercellule.h"

void vercellule_initialiser(vercellule& cellule) { cellule = vercellule{}; }

void vercellule_copier(vercellule& cible, const vercellule& source) { cible = source; }
