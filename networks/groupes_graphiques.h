#pragma once
// Checks of the graphic groups of a plan's network file: only the groups that hold an element the
// verification examines (status 2 or 3 in the file's element table).
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "networks/verdrapeau.h"

// Sets `aControler` of every group one of whose members has status 2 or 3 in the file's table.
void drap_marquerAControler(std::vector<verdrapeau>& drapeaux, const verfichier& fichier);

// Checks the marked groups (errors 2071 to 2074, 2091, 2102, 2103); may turn an invalid group
// to nature 0 and set a flag's network, which the texts-against-symbology check then reads.
void ctrl_groupesGraphiques(std::vector<vererreur>& erreurs, std::vector<verdrapeau>& drapeaux,
                            const verfichier& fichier, const verplaninfo& plan);
