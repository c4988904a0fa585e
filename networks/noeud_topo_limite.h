#pragma once
// Topological node cells of the electricity network drawn on the plan's limit.
#include <array>
#include <string_view>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"

// The node cells examined, by their exact names.
inline constexpr std::array<std::wstring_view, 3> noeud_cellules = {L"1BNEUD", L"1RNEUD", L"2RNEUD"};
// A node is on the limit below these XY distances, UORs: to the useful-area outline of a
// three-file plan, and to a raccord line of a one-file plan (also the slack of the projection on
// that line).
inline constexpr double noeud_distanceContour = 10.0;
inline constexpr double noeud_distanceRaccord = 1.0;

// Error 2044 for each node cell 1BNEUD, 1RNEUD or 2RNEUD of the electricity file that is not a
// substation's node and lies on the plan's limit; nothing when the file does not exist. A plan
// without limit (a three-file plan whose useful area cannot be worked out, a one-file plan
// without raccord line) gets none: an outline of fewer than 2 points and a raccord whose line
// ends both lie at (0, 0, 0) are no limit.
void ctrl_noeudTopoSurLimite(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers);
