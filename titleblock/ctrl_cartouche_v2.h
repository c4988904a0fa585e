#pragma once
// The title block of a one-file plan (its CART2 cell) against the plan's file name, against
// itself, against today's date, against the networks drawn, against the folder's projections
// and against the plan's scale class.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"

// Checks the title block of fichiers[0]'s open model and writes into the file set the producer
// code, the projection short code (when the projection check passes) and the georeferencing-
// quality letter. 32768, and the plan stops, when there is no title block (1103), when the file
// name disagrees with it (1108; a name of fewer than 12 characters always does) or when its
// doubled fields disagree (1106); every later finding leaves the result 0.
std::uint32_t ctrl_cartoucheV2(std::vector<vererreur>& erreurs, const vercontexte& contexte, verplanfichiers& fichiers);
