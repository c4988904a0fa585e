#pragma once
// The flags and other graphic groups of network elements of a plan file.
#include <vector>

#include "engine/verplaninfo.h"
#include "networks/verdrapeau.h"

// The groups of the plan record's theme model, sorted by ascending graphic-group number; empty
// when the record has no plan kind or no theme mask.
std::vector<verdrapeau> drap_collecterDrapeaux(const verplaninfo& plan);
