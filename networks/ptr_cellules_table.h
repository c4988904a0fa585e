#pragma once
// The PTR cell names by class, and the accessory cells that may lie on a PTR, by standard.
#include <array>
#include <cstdint>
#include <string_view>

#include "networks/verptr.h"

struct ptr_nomCellule {
  std::wstring_view nom;  // compared whole, without case
  classePTR classe;
};
inline constexpr std::array<ptr_nomCellule, 14> ptr_nomsCellules = {{
    {L"PTRL", classePtrl},    {L"ERPTRL", classePtrl},  {L"GRPTRL", classePtrl},
    {L"PTRLA", classePtrla},  {L"ERPTA", classePtrla},
    {L"PTRLAS", classePtrlas}, {L"ERPTAS", classePtrlas},
    {L"EAPTRL", classePtrlEa}, {L"GAPTRL", classePtrlEa},
    {L"PTRC", classePtrc},    {L"ERPTRC", classePtrc},
    {L"EAPTRC", classePtrcEa},
    {L"PTRD", classePtrd},    {L"GRPTRD", classePtrd},
}};
// The order in which the classes' names are tried.
inline constexpr std::array<classePTR, 7> ptr_ordreClasses = {classePtrl,  classePtrla, classePtrlas, classePtrc,
                                                              classePtrd,  classePtrlEa, classePtrcEa};

// An accessory cell by the level it lies on (names exact, case counts); an empty cell name admits
// any cell of the level.
struct ptr_celluleAccessoire {
  std::uint32_t typePlan;  // 1 one-file plan, 2 three-file plan
  std::wstring_view niveau;
  std::wstring_view cellule;
};
inline constexpr std::array<ptr_celluleAccessoire, 18> ptr_cellulesAccessoires = {{
    {1, L"SymbolesFixes", L"COELEC"},
    {1, L"SymbolesFixes", L"1RREMB"},
    {1, L"SymbolesFixes", L"ARELEC"},
    {1, L"R\u00e9seauBT", L"1BBSTB"},
    {1, L"R\u00e9seauBT", L"1RBSTR"},
    {1, L"R\u00e9seauBT", L"1BREMA"},
    {1, L"R\u00e9seauBT", L"1RREMA"},
    {1, L"R\u00e9seauBT", L"1BJONC"},
    {1, L"R\u00e9seauBT", L"JONBT"},
    {1, L"R\u00e9seauHTA", L"2RREMA"},
    {1, L"R\u00e9seauHTA", L"JONMT"},
    {2, L"AccAffBranchtEle", L""},
    {2, L"AccAffBT", L""},
    {2, L"AccAffHTA", L""},
    {2, L"AccNonAffBranchtEle", L""},
    {2, L"AccNonAffBT", L""},
    {2, L"AccNonAffHTA", L""},
    {2, L"R\u00e9seauAbandonn\u00e9Ele", L""},
}};

// Distances of the PTR searches, master units: the accessory and protection-line searches, and
// the pairing of a PTRLA with a PTRLAS (at most).
inline constexpr double ptr_distanceRecherche = 0.002;
inline constexpr double ptr_distancePaire = 0.001;
