#pragma once
// The projection a plan declares (the "PRJ=" code beside a one-file plan's title block, the code
// of a three-file plan's IDLOC cell) against the folder's parameter files: the code must be one
// of the folder's projections, and the cell that carries it must lie inside that projection's
// validity range and inside its department's area in that projection. Findings go to the error
// list with the cell's id, extra 2 and the object "Cartouche".
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verdeptproj.h"
#include "engine/verplanfichiers.h"
#include "engine/verprojection.h"

// The first projection whose short code is `code` (without case): none, 1124; then the cell's
// origin, in the file's master units, must lie in its validity range (edges included), else
// 1129; both with the code as complement. 0, or 32768 on a finding or when the cell's origin
// cannot be read (then with no finding).
std::uint32_t ctrl_projectionCartouche(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                                       const std::wstring& code, const std::vector<verprojection>& projections);

// The department of an INSEE code: its first two characters, three when they are "97"
// (overseas); empty for a code that is not 5 characters long.
std::wstring ctrl_departementInsee(const std::wstring& insee);

// The relation of the code and the INSEE code's department (both without case) must exist and
// its area hold the cell's origin (master units, edges included); else 1134 with "code-department"
// as complement. A cell whose origin cannot be read gives no finding.
void ctrl_departementProjection(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                                const std::wstring& code, const std::wstring& insee,
                                const std::vector<verdeptproj>& relations);
