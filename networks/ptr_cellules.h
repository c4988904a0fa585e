#pragma once
// The PTR cells of a plan's network file.
#include <vector>

#include "engine/verplaninfo.h"
#include "networks/verptr.h"

// Fills `sortie` with the PTR cells of the plan record's theme model (outside its insets), each
// with the texts of its group and what lies under it, sorted by graphic group. The tolerance is
// in master units; a negative one means 0.002.
void ptr_collecterCellules(std::vector<verptr>& sortie, const verplaninfo& plan, double tolerance);
