#pragma once
// What the drawing standard expects of the cells and texts that the late checks look at: sizes
// by scale class, fonts, the levels checked and the accessory cells left out.
#include <array>
#include <string_view>

// Expected value and tolerance of one size, by scale class (1 for 1:200, 2 for 1:500).
struct verTailleAttendue {
  double classe1 = 0.0;
  double classe2 = 0.0;
  double tolerance = 0.0;
};

inline constexpr verTailleAttendue tailleEchelleCellule{2.0, 5.0, 0.01};  // x and y scale
inline constexpr verTailleAttendue tailleHauteurTexte{0.4, 1.0, 0.01};    // master units
inline constexpr verTailleAttendue tailleLargeurTexte{0.28, 0.7, 0.01};   // master units

inline constexpr std::wstring_view policeUnFichier = L"WORKING";
inline constexpr std::wstring_view policeTroisFichiers = L"INTL_ENGINEERING";

// The level of the fixed symbols, on which only two cells are checked (names with case).
inline constexpr std::wstring_view niveauSymbolesFixes = L"SymbolesFixes";
inline constexpr std::array<std::wstring_view, 2> cellulesSymbolesFixes = {L"POTKRV", L"FPOECA"};

// Level names are compared without case.
inline constexpr std::array<std::wstring_view, 7> niveauxCellulesV2 = {
    L"SymbolesFixes", L"Fourreaux+Tub_", L"RéseauBT", L"RéseauHTA", L"RéseauTLR", L"RéseauEP", L"RéseauVDC"};

inline constexpr std::array<std::wstring_view, 6> niveauxTextesV2 = {
    L"TxtFourreaux", L"TxtRéseauBT", L"TxtRéseauHTA", L"TxtRéseauTLR", L"TxtRéseauEP", L"TxtRéseauVDC"};

inline constexpr std::array<std::wstring_view, 14> niveauxAccessoiresV3 = {
    L"AccNonAffBranchtEle", L"AccNonAfflEP",  L"AccAffEP",    L"AccNonAffVDC",    L"AccAffVDC",
    L"AccAffBranchtEle",    L"AccNonAffBT",   L"AccAffBT",    L"AccNonAffHTA",    L"AccAffHTA",
    L"AccNonAffTLCEle",     L"AccAffTLCEle",  L"AccNonAffTLR", L"AccAffTLR"};

inline constexpr std::array<std::wstring_view, 20> niveauxTextesElecV3 = {
    L"Drap+TxtIndiffEle", L"TxtBranchtEle",    L"TxtAccNonAffBrtEle", L"TxtAccAffBrtEle",    L"TxtCâblesBT",
    L"TxtAccNonAffBT",    L"TxtAccAffBT",      L"TxtCâblesHTA",       L"TxtAccNonAffHTA",    L"TxtAccAffHTA",
    L"TxtCâblesTLCEle",   L"TxtAccNonAffTLCEle", L"TxtAccAffTLCEle",  L"TxtCâblesTLR",       L"TxtAccNonAffTLR",
    L"TxtAccAffTLR",      L"TxtProtecIndiff",  L"RéseauAbandonnéEle", L"TxtProtecBT",        L"TxtProtecHTA"};

inline constexpr std::array<std::wstring_view, 8> niveauxTextesAutresV3 = {
    L"Drap+TxtIndiffAut", L"TxtCâblesEP",    L"TxtAccNonAffEP", L"TxtAccAffEP",
    L"TxtCâblesVDC",      L"TxtAccNonAffVDC", L"TxtAccAffVDC",  L"RéseauAbandonnéAut"};

// Accessory cells left out of the three-file cell-scale check (names compared without case).
inline constexpr std::array<std::wstring_view, 18> accessoiresExemptes = {
    L"1BCO",   L"1RCO",   L"EACO",   L"CRCO",   L"CACO",   L"RRCO",   L"RACO",   L"1BARMO", L"1RARMO",
    L"2RARMO", L"EAARMO", L"1BBSTB", L"EABSTB", L"1RBSTR", L"EABSTR", L"1BREMB", L"1RREMB", L"1AREMB"};
