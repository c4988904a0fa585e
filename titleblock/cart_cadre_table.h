#pragma once
// The frame cells by name: plan kind and version. CADA1C takes its version from its x scale.
#include <array>

struct cart_ligneCadre {
  const wchar_t* nom;
  unsigned type;     // 1 one-file plan, 2 three-file plan
  unsigned version;  // 0: from the x scale (2.0 gives 1, 5.0 gives 2, any other 0)
};

inline constexpr std::array<cart_ligneCadre, 5> cart_cadres = {{
    {L"A1", 1, 1},
    {L"A4X4", 1, 1},
    {L"A15", 1, 2},
    {L"A4X45", 1, 2},
    {L"CADA1C", 2, 0},
}};

// Useful-area sizes in master units at version 1 (times 2.5 at version 2): width along the frame,
// height across it. With the margin, a one-file plan's area starts 5.0 back along the frame and
// 6.0 up across it; a three-file plan has no margin.
struct cart_ligneZoneUtile {
  const wchar_t* cadre1;  // the frame names of the row
  const wchar_t* cadre2;
  unsigned type;
  bool marge;
  double largeur;
  double hauteur;
  double recul;   // back along the frame
  double montee;  // up across the frame
};

inline constexpr std::array<cart_ligneZoneUtile, 6> cart_zonesUtiles = {{
    {L"A1", L"A15", 1, false, 160.0, 102.4, 0.0, 0.0},
    {L"A4X4", L"A4X45", 1, false, 160.0, 47.4, 0.0, 0.0},
    {L"A1", L"A15", 1, true, 168.2, 118.8, 5.0, 6.0},
    {L"A4X4", L"A4X45", 1, true, 168.2, 59.4, 5.0, 6.0},
    {L"CADA1C", L"CADA1C", 2, false, 140.0, 100.0, 0.0, 0.0},
    {L"CADA1C", L"CADA1C", 2, true, 140.0, 100.0, 0.0, 0.0},
}};
