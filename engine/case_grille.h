#pragma once
// Grid-cell names (noms de case), which name the sheet of a three-file plan:
// "AAA-ZZ-XXXXX-YYYYY-NN-Q-MM" at 1:200, "AAA-ZZ-XXXXX-YYYYY-NN-Q-R" at 1:500, where ZZ is the
// projection zone code, XXXXX and YYYYY the block numbers (a Y block written "Mnnnn" is
// negative), NN the cell of the block, Q the quarter of the cell, MM the sheet in the quarter and
// R the quarter of the quarter. Sizes are in the plan's master units (metres).
#include <cstdint>
#include <string>
#include <vector>

#include "host/geom_types.h"

// The sheet's rectangle (five points from its lower-left corner, anticlockwise, closed, z 0),
// its scale class (1 for 1:200, 2 for 1:500) and its zone code as written; each output optional.
// 0, or 0x8000 for a name that breaks the grammar (nothing written; the zone code is written
// already when only the quarter letters are wrong).
std::uint32_t case_calculerRectangle(std::vector<host::Point3d>* rectangle, std::uint32_t* echelle,
                                     std::wstring* codeZone, const std::wstring& nom);
