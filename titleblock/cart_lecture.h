#pragma once
// Reading the title block of a one-file plan and the identification cells of a three-file plan
// into their records. Each reader works on the given model or, when it is null, on the plan file
// at `chemin`, opened here (read-only accepted) and closed before returning unless it is the
// host's active model. Results are 0 or 32768; nothing is shown and no error is added.
#include <cstdint>
#include <string>

#include "host/model_ref.h"
#include "titleblock/vercartouche.h"

// The title block (CART or CART2) into its 30 slots, the projection code beside it in slot 16.
// 32768 when the file does not open or holds no title block.
std::uint32_t cart_lire(vercartouche& cartouche, host::ModelRef modele, const std::wstring& chemin);

// The projection code of the "PRJ=" text (prefix compared without case) on the level
// "Cart+habillage" whose range meets, within 1.0 UOR, the point 19.5 x scale along and
// 0.15 x scale across from the title block's origin (master units, by the cell's x scale and
// angle): the text after the prefix, not trimmed. The title block is the cell of id `idCartouche`,
// or the first CART or CART2 cell when it is 0. Empty, and id 0, when there is none.
const std::wstring& cart_lireProjection(std::wstring& code, std::uint64_t* idTexte, std::uint64_t idCartouche,
                                        host::ModelRef modele, const std::wstring& chemin);

// The texts of one identification cell: the cell of that id, or with id 0 the cell of its role
// (IDFICH; the theme cell, whatever its name, for IDFDP, IDELE and IDAUT; the IDLOC cell).
// 32768 when the file does not open or the cell is not found.
std::uint32_t cart_lireIdFich(veridfich& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin);
std::uint32_t cart_lireIdLoc(veridloc& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin);
std::uint32_t cart_lireIdFdp(veridfdp& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin);
std::uint32_t cart_lireIdEle(veridele& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin);
std::uint32_t cart_lireIdAut(veridaut& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin);

// The texts of the IDVOIE cell of that id in the record's order. 0 once the file is open (the
// record stays empty when there is no such cell); 32768 when it does not open.
std::uint32_t cart_lireIdVoie(veridvoie& id, std::uint64_t idCellule, host::ModelRef modele, const std::wstring& chemin);
