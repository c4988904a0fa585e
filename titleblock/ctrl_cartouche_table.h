#pragma once
// The fixed values of the title-block and identification-cell checks: where each identification
// cell sits relative to the frame, the georeferencing-quality letters of each plan kind, the
// field labels given as complements, and which length blocks measure each network.
#include <array>

// Positions of the identification cells from the frame origin, master units, at each version
// (any version other than 2 takes the version-1 offset). The y offset is 0 and the frame's
// rotation is not applied.
enum ctrl_testPosition : int {
  testLesDeux = 1,  // within less than 1.0 UOR of the expected point in x and in y
  testAPartir = 2,  // x and y each at least the expected value less 1.0 UOR (street cells follow one another)
};

struct ctrl_lignePosition {
  const wchar_t* cellule;
  double decalageVersion1;
  double decalageVersion2;
  ctrl_testPosition test;
};

inline constexpr std::array<ctrl_lignePosition, 6> ctrl_positionsIdentification = {{
    {L"IDFICH", 0.0, 0.0, testLesDeux},
    {L"IDLOC", 12.2, 30.5, testLesDeux},
    {L"IDVOIE", 71.4, 178.5, testAPartir},
    {L"IDFDP", 30.2, 75.5, testLesDeux},
    {L"IDELE", 41.2, 103.0, testLesDeux},
    {L"IDAUT", 65.0, 162.5, testLesDeux},
}};

// Georeferencing-quality letters. The two lists differ on purpose in their first letter: "L" in
// a one-file plan's title block, "C" in a three-file plan's IDLOC cell.
inline constexpr std::array<const wchar_t*, 10> ctrl_qualitesPlanUnique = {
    L"L", L"P", L"D", L"E", L"F", L"G", L"H", L"I", L"J", L"X"};
inline constexpr std::array<const wchar_t*, 10> ctrl_qualitesTroisFichiers = {
    L"C", L"P", L"D", L"E", L"F", L"G", L"H", L"I", L"J", L"X"};

// The labels of the identification-cell fields, the complement of their 1107 (empty) and 1120
// (wrong value) findings.
enum ctrl_champIdentification : int {
  libelleNomPlan,
  libelleTheme,
  libelleEchelle,
  libelleQualite,
  libelleTypePlan,
  libelleZone,
  libelleSecteur,
  libelleInsee,
  libelleRivoli,
  libelleVoie,
};

inline constexpr std::array<const wchar_t*, 10> ctrl_libellesChamps = {
    L"Nom du plan",
    L"Th\u00e8me du fichier",
    L"Echelle",
    L"Qualit\u00e9 de g\u00e9or\u00e9f\u00e9rencement",
    L"Type de plan (EGS/BDU)",
    L"Zone",
    L"Secteur",
    L"Code INSEE",
    L"Code RIVOLI",
    L"Nom de voie",
};

// The length blocks of a network in the lengths of the network search (verlongueurs: seven
// blocks of five, 0 service connections, 1 BT, 2 HTA, 3 TLC, 4 TLR, 5 EP, 6 VDC). A network's
// length is its block's total less its abandoned part; BT adds the service-connection block
// measured the same way. -1: no second block.
struct ctrl_ligneReseau {
  const wchar_t* libelle;
  int bloc;
  int blocAjoute;
};

inline constexpr std::array<ctrl_ligneReseau, 6> ctrl_reseauxDates = {{
    {L"BT", 1, 0},
    {L"HTA", 2, -1},
    {L"TLC", 3, -1},
    {L"TLR", 4, -1},
    {L"EP", 5, -1},
    {L"VDC", 6, -1},
}};
