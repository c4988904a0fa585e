#pragma once
// A three-file plan's frame and identification cells, file by file, after the cell counts have
// passed: the background file FP2 first (it stores the frame origin that the two others use),
// then the electricity file EL2 and the other-networks file AR2. The findings never stop the
// plan: each check returns 0.
#include <cstdint>
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"

// FP2 (fichiers[0]): the frame's place, the IDFICH, IDLOC, IDFDP and IDVOIE fields, duplicate
// streets, the projection and the first street's department, the cells' places. Writes the frame
// origin, and from the cells the projection short code, the quality letter and the BDU flag.
std::uint32_t ctrl_cadreCartoucheV3(std::vector<vererreur>& erreurs, const vercontexte& contexte,
                                    verplanfichiers& fichiers);

// EL2 (fichiers[1]), when it exists and is open: its IDFICH (whose producer code it writes into
// the file set), the BT, HTA, TLR and TLC dates of its IDELE cell, the cells' places.
std::uint32_t ctrl_cartoucheElecV3(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// AR2 (fichiers[2]), when it exists and is open: its IDFICH, the EP and VDC dates of its IDAUT
// cell, the cells' places.
std::uint32_t ctrl_cartoucheAutreV3(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);
