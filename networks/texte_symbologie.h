#pragma once
// Texts of the network groups against the network their symbology designates.
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"
#include "networks/verdrapeau.h"

// Error 2112 for each examined text of a marked group whose words name another network than its
// level; texts beginning with one of the context's valid prefixes are exempt.
void ctrl_texteSymbologie(std::vector<vererreur>& erreurs, const vercontexte& contexte,
                          const std::vector<verdrapeau>& drapeaux, const verfichier& fichier);
