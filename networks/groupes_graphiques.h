#pragma once
// Checks of the graphic groups of a plan's network file: only the groups that hold an element the
// verification examines (status 2 or 3 in the file's element table). Findings carry the element's
// id and type from the file's table, no position and no object; an element the table lacks is
// never reported.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "networks/verdrapeau.h"

// The complement of a finding on a graphic group: "Numéro groupe : <n>" (the flag checks and the
// PTRL group checks alike).
std::wstring drap_complementGroupe(std::uint32_t groupe);

// Sets `aControler` of every group one of whose members has status 2 or 3 in the file's table.
void drap_marquerAControler(std::vector<verdrapeau>& drapeaux, const verfichier& fichier);

// Checks the marked groups (errors 2071 to 2074, 2091, 2102, 2103); may turn an invalid group
// to nature 0 and set a flag's network, which the texts-against-symbology check then reads.
void ctrl_groupesGraphiques(std::vector<vererreur>& erreurs, std::vector<verdrapeau>& drapeaux,
                            const verfichier& fichier, const verplaninfo& plan);

// 2072 on a cut line of the flag for each line of its level, of a greater element id, whose ends
// both lie within `tolerance` (the file's units, strictly, in XY) of the cut line's ends, in
// either order. Ends at the first cut line that cannot be read or has no curve.
void ctrl_extremitesTraitsGroupe(std::vector<vererreur>& erreurs, verdrapeau& drapeau, double tolerance,
                                 const verfichier& fichier);

// 2102 for a flag without flag cell, cut line, texts, or point cell (nature 3); 2103 when its
// first cut line is of no network BT or HTA, or one of its texts cannot be read; either makes it
// invalid. Sets the flag's network from its first cut line, or to 0xFFFF when its cell's level
// told none.
void ctrl_definitionDrapeau(std::vector<vererreur>& erreurs, verdrapeau& drapeau, const verfichier& fichier,
                            const verplaninfo& plan);
