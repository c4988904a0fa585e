#pragma once
// Checks of the PTR cells of a plan's electricity file and of their groups.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "networks/verptr.h"

// The levels of PTR texts by plan kind (exact names): a text there must be grouped with a PTR cell.
struct ptrl_niveauTexte {
  std::uint32_t typePlan;  // 1 one-file plan, 2 three-file plan
  std::wstring_view niveau;
};
inline constexpr std::array<ptrl_niveauTexte, 3> ptrl_niveauxTextes = {{
    {1, L"PTRL+Txt"},
    {2, L"PTRL+TxtEle"},
    {2, L"CellulesEchanges"},
}};

// Mode 1 (before the comparison): 2085, 2082, 2083, 2084; mode 2 (the last network check): 2075,
// 2081. Any other mode collects the PTR cells and reports nothing. The checked file is the
// one-file plan's file, else the EL2 file; findings carry the element's id and type from its
// table, no position and no object.
void ctrl_groupesPTRL(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers, std::int32_t mode);

// What lies under a PTR: 1 nothing to report, 6 no underlying object, 7 an underlying BT or HTA
// line that is not classé, under a PTRLA or PTRLAS with no classé BT or HTA line within
// `distance` (UORs) of it.
std::int32_t ptr_etatReseauSousJacent(const verptr& ptr, double distance, const verplaninfo& plan);
