#pragma once
// The data of the rules shared by the three files of a three-file plan: the construction-point
// labels by level, the roles of the flag levels, the flag names with their labels (held whole:
// a name is one of these or no flag), and the background slots that the "Elément BDU" rule
// leaves alone.
#include <array>
#include <cstdint>
#include <string_view>

struct regle_niveauLibelle {
  std::wstring_view niveau;
  std::wstring_view libelle;
};

// "PT": the row label by the cell's level name; any other level gives "Inconnu".
inline constexpr std::array<regle_niveauLibelle, 17> regle_libellesPT = {{
    {L"Limites et Hydro", L"Limites et hydro"},
    {L"Drap+TxtIndiffEle", L"Drapeau indifférencié"},
    {L"EmprisesRésIndif", L"Fouille indifférenciée"},
    {L"Cote+PtConstBrtEle", L"Branchement"},
    {L"Cote+PtConstBT", L"BT"},
    {L"FouillesBT", L"Fouille BT"},
    {L"Cote+PtConstHTA", L"HTA"},
    {L"FouillesHTA", L"Fouille HTA"},
    {L"Cote+PtConstTLCEle", L"TLC"},
    {L"Cote+PtConstTLR", L"TLR"},
    {L"CoteProtecIndiff", L"Protection indifférenciée"},
    {L"Cote+PtConsAbanEle", L"Abandonné"},
    {L"CoteProtecBT", L"Protection BT"},
    {L"CoteProtecHTA", L"Protection HTA"},
    {L"Cote+PtConstEP", L"EP"},
    {L"Cote+PtConstVDC", L"VDC"},
    {L"Cote+PtConsAbanAut", L"Abandonné"},
}};
inline constexpr std::wstring_view regle_libellePTInconnu = L"Inconnu";

// Flags: the role and colour that the cell's level gives; on any other level a flag is left to
// the book.
struct regle_roleDrapeau {
  std::wstring_view niveau;
  std::wstring_view role;
  std::uint32_t couleur;
};
inline constexpr std::array<regle_roleDrapeau, 5> regle_rolesDrapeau = {{
    {L"Drap+TxtIndiffEle", L"Indifférencié", 0},
    {L"TxtCâblesBT", L"BT", 7},
    {L"TxtCâblesHTA", L"HTA", 3},
    {L"TxtBranchtEle", L"Branchement", 7},
    {L"Drap+TxtIndiffAut", L"Indifférencié", 0},
}};

struct regle_nomLibelle {
  std::wstring_view nom;
  std::wstring_view libelle;
};
inline constexpr std::array<regle_nomLibelle, 25> regle_drapeaux = {{
    {L"PTDRAP", L"Point drapeau"},
    {L"DRAP2", L"Drapeau 1 entrée"},
    {L"DRAP3", L"Drapeau 2 entrées"},
    {L"DRAP4", L"Drapeau 3 entrées"},
    {L"DRAP5", L"Drapeau 4 entrées"},
    {L"DRAP6", L"Drapeau 5 entrées"},
    {L"DRAP7", L"Drapeau 6 entrées"},
    {L"DRAP8", L"Drapeau 7 entrées"},
    {L"DRAP9", L"Drapeau 8 entrées"},
    {L"DRAP10", L"Drapeau 9 entrées"},
    {L"DRAP11", L"Drapeau 10 entrées"},
    {L"DRAP12", L"Drapeau 11 entrées"},
    {L"DRAP13", L"Drapeau 12 entrées"},
    {L"DRAP14", L"Drapeau 13 entrées"},
    {L"DRAP15", L"Drapeau 14 entrées"},
    {L"DRAP16", L"Drapeau 15 entrées"},
    {L"CPT1", L"Drapeau tranchée 1 entrée"},
    {L"CPT2", L"Drapeau tranchée 2 entrées"},
    {L"CPT3", L"Drapeau tranchée 3 entrées"},
    {L"CPT4", L"Drapeau tranchée 4 entrées"},
    {L"CPT5", L"Drapeau tranchée 5 entrées"},
    {L"CPT6", L"Drapeau tranchée 6 entrées"},
    {L"CPT7", L"Drapeau tranchée 7 entrées"},
    {L"CPT8", L"Drapeau tranchée 8 entrées"},
    {L"CPT9", L"Drapeau tranchée 9 entrées"},
}};

// Background slots whose elements keep their code and label in a BDU plan.
inline constexpr std::array<std::wstring_view, 8> regle_niveauxHorsBDU = {
    L"CellulesEchanges", L"RACSEC+txt", L"PolygoneDécoupe", L"Axe de voie",
    L"Réservé_2",        L"TxtPropFdp", L"Réservé_4",       L"Réservé_5",
};
