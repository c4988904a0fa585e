#pragma once
// Checks of the PTR cells of a plan's electricity file and of their groups.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"

// Mode 1 (before the comparison): 2085, 2082, 2083, 2084; mode 2 (the last network check): 2075,
// 2081. Any other mode collects the PTR cells and reports nothing.
void ctrl_groupesPTRL(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers, std::int32_t mode);
