#pragma once
// Required levels: every file of a plan must define every level that the standard lists for its
// role, drawn on or not. Each missing level is one error 1006, in list order.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"

// The list of a file role (1 one-file plan: 58 names; 2 FP2, 3 EL2, 4 AR2: 63 names each), in
// checking order; empty for any other role.
const std::vector<std::wstring>& ctrl_listeNiveaux(std::uint32_t role);

// The levels of a one-file plan's file; ctrl_niveauxV3 those of a three-file plan's file with
// its role (2, 3 or 4; any other role tests nothing). Only the file's path is read: the file is
// opened and closed here (the host's active file stays open). A missing file gives 0 and no
// error (the file checks report it); a file that does not open gives 2012. 0, or 0x8000 when an
// error was appended.
std::int32_t ctrl_niveauxV2(std::vector<vererreur>& erreurs, const verfichier& fichier);
std::int32_t ctrl_niveauxV3(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint32_t role);
