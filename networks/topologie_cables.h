#pragma once
// The cable topology of a plan's electricity file, against its previous version and its
// neighbouring plans.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"

// Errors 2061 to 2067 on the cables of the electricity file (`fichier`: a one-file plan's file,
// a three-file plan's EL2 file); `plan` is the plan record of theme 62 with its theme model open.
// Closes the work files it opens and, at its end, empties the folder's Temp directory except
// the footprint drawing. Returns 0.
std::int32_t ctrl_topologieCables(std::vector<vererreur>& erreurs, const std::vector<verecart>& ecarts,
                                  const vercontexte& contexte, const verplaninfo& plan, const verfichier& fichier);
