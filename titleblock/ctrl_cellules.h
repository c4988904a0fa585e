#pragma once
// Counting the frame, title-block and identification cells of a plan's files: the first check of
// the title-block stage, whose findings stop the plan.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "host/model_ref.h"

// The number of cells of the model named exactly `nom` (case-sensitive); 0 for a null model.
std::uint32_t cart_scannerCellules(const std::wstring& nom, host::ModelRef modele);

// One-file plan: one frame (A4X4, A1, A4X45 or A15; else 1100 or 1101), then one CART2 title
// block (else 1103 or 1104). Three-file plan: one IDFICH (1111), IDLOC (1116) and IDFDP (1112)
// and at least one IDVOIE (1117) in FP2; one IDFICH (1111) and IDELE (1113) in EL2, one IDFICH
// (1111) and IDAUT (1115) in AR2, each when its model is open; only when all these hold, one
// CADA1C frame in FP2 (1100, 1101). 0, or 32768 on any finding. Another plan kind: 0.
std::uint32_t ctrl_cellulesCartouche(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers);
