#pragma once
// The flag elements of each standard and the flag-text levels of each theme, as the drawing
// standard writes them.
#include <array>
#include <cstdint>
#include <string_view>

// A flag cell by its exact name (case and length).
struct drap_celluleNommee {
  std::wstring_view nom;
  std::uint32_t classe;       // classeCelluleDrapeau
  std::uint8_t differencie;   // 1 for a differentiated flag's cell
};

// One-file plans: the cut line is a cell too; no cell is differentiated.
inline constexpr std::array<drap_celluleNommee, 11> drap_cellulesV2 = {{
    {L"PTDRAP", 1, 0}, {L"TRAIT", 2, 0},
    {L"DRAP2", 3, 0},  {L"DRAP3", 3, 0},  {L"DRAP4", 3, 0}, {L"DRAP5", 3, 0}, {L"DRAP6", 3, 0},
    {L"DRAP7", 3, 0},  {L"DRAP8", 3, 0},  {L"DRAP9", 3, 0}, {L"DRAP10", 3, 0},
}};

// Three-file plans: the cut line is a line on a flag-text level (drap_niveauxTexte).
inline constexpr std::array<drap_celluleNommee, 25> drap_cellulesV3 = {{
    {L"PTDRAP", 1, 0},
    {L"DRAP2", 3, 0},  {L"DRAP3", 3, 0},  {L"DRAP4", 3, 0},  {L"DRAP5", 3, 0},  {L"DRAP6", 3, 0},
    {L"DRAP7", 3, 0},  {L"DRAP8", 3, 0},  {L"DRAP9", 3, 0},  {L"DRAP10", 3, 0}, {L"DRAP11", 3, 0},
    {L"DRAP12", 3, 0}, {L"DRAP13", 3, 0}, {L"DRAP14", 3, 0}, {L"DRAP15", 3, 0}, {L"DRAP16", 3, 0},
    {L"CPT1", 3, 0},   {L"CPT2", 3, 0},   {L"CPT3", 3, 0},   {L"CPT4", 3, 0},
    {L"CPT5", 3, 1},   {L"CPT6", 3, 1},   {L"CPT7", 3, 1},   {L"CPT8", 3, 1},   {L"CPT9", 3, 1},
}};

// The network of a one-file flag element, and of a three-file one on no BT, HTA or
// service-connection text level: none told.
inline constexpr std::uint32_t drap_reseauInconnu = 0xFFFF;

// The flag-text levels of a theme: the main one, and those whose lines are cut lines of a
// network (empty: none).
struct drap_niveauxTheme {
  std::uint32_t theme;
  std::wstring_view principal;
  std::wstring_view bt;
  std::wstring_view hta;
  std::wstring_view branchement;
};
inline constexpr std::array<drap_niveauxTheme, 2> drap_niveauxTexte = {{
    {62, L"Drap+TxtIndiffEle", L"TxtCâblesBT", L"TxtCâblesHTA", L"TxtBranchtEle"},
    {1984, L"Drap+TxtIndiffGaz", L"", L"", L""},
}};

// Levels of a one-file plan whose elements are collected beside the network levels.
inline constexpr std::array<std::wstring_view, 2> drap_niveauxSymbolesV2 = {L"SymbolesFixes", L"Topo4Divers"};
