#pragma once
// Substations as the drawing standard writes them: the starts of their texts, and the names of
// the node cells of the BT and HTA networks (compared exactly).
#include <array>
#include <cstdint>
#include <string_view>

struct poste_prefixe {
  std::wstring_view prefixe;
  std::uint32_t type;  // typePoste
};
// Tried in this order, without case.
inline constexpr std::array<poste_prefixe, 3> poste_prefixes = {{
    {L"POSTE SOURCE", 2},
    {L"AUTO-TRANSFO", 3},
    {L"POSTE", 1},
}};

struct poste_celluleNoeud {
  std::wstring_view nom;
  std::uint32_t reseau;  // 2 BT, 4 HTA
};
inline constexpr std::array<poste_celluleNoeud, 6> poste_cellulesNoeud = {{
    {L"1BNEUD", 2},
    {L"1RNEUD", 2},
    {L"1BREMA", 2},
    {L"1RREMA", 2},
    {L"2RNEUD", 4},
    {L"2RREMA", 4},
}};

// A substation's number: 5 characters after "POSTE SOURCE", or 10 characters of which exactly
// the first 5 are digits.
inline constexpr std::size_t poste_longueurNumeroSource = 5;
inline constexpr std::size_t poste_longueurNumero = 10;
inline constexpr std::size_t poste_chiffresNumero = 5;
// Greatest XY distance of a node cell's origin from the outline, UORs (the host's constant).
inline constexpr double poste_distanceNoeud = 1.0;
