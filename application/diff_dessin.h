#pragma once
// The folder's differences drawing: "<folder>_Differences.dgn" in the Rapport directory, a fresh
// copy of the prototype on each run, in the folder's coordinate system, with eight levels (added
// and removed HTA, BT and service-connection lines with their texts, and accessories) that
// receive the network elements each plan gained or lost against its previous version.
#include <array>
#include <cstdint>
#include <string>

#include "engine/halvorn.h"
#include "standard/verclassement.h"
#include "toolbox/stb_symbologie.h"

// The eight levels in the order they are created.
const std::array<const wchar_t*, 8>& diff_niveaux();

// Writes the drawing of the folder's plans from their comparison lists, merges the cable pieces,
// closes it and says where it is (message box). Refused, with a message in the message list,
// when the drawing is the host's active file or cannot be opened or written; the failures of
// the prototype's copy are shown by the copy.
void diff_ecrireDifferences(verdossier& dossier);

// Replaces the file at `chemin` by a copy of the prototype (owner's write bit given), in the
// application folder's coordinate system, with the eight levels, and closes it: 0, or 0x8000
// after the failing step's message.
std::int32_t diff_preparerFichier(std::wstring chemin);

// The difference level of an element of that classification in direction 1 (added) or 2
// (removed), with its colour, weight 0 and line style 0; every other item not set. No level
// name (weight and style not set either) for an element that is not drawn.
versymbologie diff_niveauDifference(const verclassement& classement, std::uint32_t direction);
