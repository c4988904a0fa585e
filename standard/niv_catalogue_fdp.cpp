// The level catalogue of the background file (FP2) of a three-file plan,
// the names in slot order. UTF-8 source: accents, blanks and the irregular forms belong to the names.
#include "standard/niv_catalogues.h"

const std::array<std::wstring_view, 29>& niv_catalogueFdp() {
  static constexpr std::array<std::wstring_view, 29> noms = {
      L"Limites et Hydro",  // 0
      L"Bâtiments",  // 1
      L"Routes",  // 2
      L"Divers",  // 3
      L"Spits+txt",  // 4
      L"SymbolesFixes",  // 5
      L"RéseauEau+txt",  // 6
      L"RésAssain+txt",  // 7
      L"RésTélécom+txt",  // 8
      L"RéseauElec+txt",  // 9
      L"RéseauGaz+txt",  // 10
      L"AutresRés+txt",  // 11
      L"AccAffleurElec",  // 12
      L"TxtAccAffElec",  // 13
      L"AccAffleurGaz",  // 14
      L"TxtAccAffGaz",  // 15
      L"AccAffleurAutRes",  // 16
      L"TxtAccAffAutRes",  // 17
      L"PtLambert+coord_",  // 18
      L"Bois-Taillis",  // 19
      L"Axe de voie",  // 20
      L"Réservé_2",  // 21
      L"Réservé_4",  // 22
      L"Réservé_5",  // 23
      L"RACSEC+txt",  // 24
      L"TxtPropFdp",  // 25
      L"PolygoneDécoupe",  // 26
      L"SansContrôles",  // 27
      L"CellulesEchanges",  // 28
  };
  return noms;
}
