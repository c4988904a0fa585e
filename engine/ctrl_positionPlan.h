#pragma once
// The position check of a three-file plan: its sheet, as the grid-cell name of the plan gives
// it, against the useful area of its frame.
#include <cstdint>

#include "engine/verplanfichiers.h"

// 0 when every corner of the sheet named by the plan (master units, turned into UORs of the
// active model) has a corner of the frame's useful area closer than 10.0 UORs in XY; 0x8000 for
// a malformed name, a scale class other than the plan's, a frame without useful area or a corner
// without match. Any other plan kind: 0.
std::int32_t ctrl_positionPlan(const verplanfichiers& fichiers);
