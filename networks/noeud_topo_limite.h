#pragma once
// Topological node cells of the electricity network drawn on the plan's limit.
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"

// Error 2044 for each node cell 1BNEUD, 1RNEUD or 2RNEUD of the electricity file that is not a
// substation's node and lies on the plan's limit; nothing when the file does not exist.
void ctrl_noeudTopoSurLimite(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers);
