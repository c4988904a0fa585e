#pragma once
// The plan's elements against its useful area, and the element checks of each file that the
// rule books leave out: element class, simple types and symbology inside complex elements,
// discontinuities, too small closed shapes, widths on custom line styles.
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"

// Reports with 1203 each element of the plan's files that lies outside the useful area (a
// three-file plan's area grown by 10.0 on each side), then runs ctrl_elementsFichier on each
// existing file. A plan whose useful area cannot be computed gets none of these checks.
void ctrl_zoneUtile(std::vector<vererreur>& erreurs, verplanfichiers& plan);

// The element checks of one file over its element table, each pass over every record, in the
// order 2021, 2024, 2022, 2023, 1267, 2036. Nothing when the file has no model.
void ctrl_elementsFichier(std::vector<vererreur>& erreurs, verfichier& fichier);
