// The level catalogue of the electricity file (EL2) of a three-file plan,
// the names in slot order. UTF-8 source: accents, blanks and the irregular forms belong to the names.
#include "standard/niv_catalogues.h"

const std::array<std::wstring_view, 63>& niv_catalogueEle() {
  static constexpr std::array<std::wstring_view, 63> noms = {
      L"CâblesBrancht",  // 0
      L"AccNonAffBranchtEle",  // 1
      L"AccAffBranchtEle",  // 2
      L"TxtBranchtEle",  // 3
      L"TxtAccNonAffBrtEle",  // 4
      L"TxtAccAffBrtEle",  // 5
      L"Cote+PtConstBrtEle",  // 6
      L"CâblesBT",  // 7
      L"AccNonAffBT",  // 8
      L"AccAffBT",  // 9
      L"TxtCâblesBT",  // 10
      L"TxtAccNonAffBT",  // 11
      L"TxtAccAffBT",  // 12
      L"Cote+PtConstBT",  // 13
      L"RésIncertainBT",  // 14
      L"EncartsBT",  // 15
      L"FouillesBT",  // 16
      L"ProtectionsBT",  // 17
      L"TxtProtecBT",  // 18
      L"CoteProtecBT",  // 19
      L"CâblesHTA",  // 20
      L"AccNonAffHTA",  // 21
      L"AccAffHTA",  // 22
      L"TxtCâblesHTA",  // 23
      L"TxtAccNonAffHTA",  // 24
      L"TxtAccAffHTA",  // 25
      L"Cote+PtConstHTA",  // 26
      L"RésIncertainHTA",  // 27
      L"EncartsHTA",  // 28
      L"FouillesHTA",  // 29
      L"ProtectionsHTA",  // 30
      L"TxtProtecHTA",  // 31
      L"CoteProtecHTA",  // 32
      L"CâblesTLCEle",  // 33
      L"AccNonAffTLCEle",  // 34
      L"AccAffTLCEle",  // 35
      L"TxtCâblesTLCEle",  // 36
      L"TxtAccNonAffTLCEle",  // 37
      L"TxtAccAffTLCEle",  // 38
      L"Cote+PtConstTLCEle",  // 39
      L"RésIncertainTLCEle",  // 40
      L"EncartsTLCEle",  // 41
      L"CâblesTLR",  // 42
      L"AccNonAffTLR",  // 43
      L"AccAffTLR",  // 44
      L"TxtCâblesTLR",  // 45
      L"TxtAccNonAffTLR",  // 46
      L"TxtAccAffTLR",  // 47
      L"Cote+PtConstTLR",  // 48
      L"RésIncertainTLR",  // 49
      L"EncartsTLR",  // 50
      L"ProtectionsIndif",  // 51
      L"CoteProtecIndiff",  // 52
      L"TxtProtecIndiff",  // 53
      L"Drap+TxtIndiffEle",  // 54
      L"EncartsIndiffEle",  // 55
      L"EmprisesRésIndif",  // 56
      L"RéseauAbandonnéEle",  // 57
      L"Cote+PtConsAbanEle",  // 58
      L"PTRC+TxtEle",  // 59
      L"PTRL+TxtEle",  // 60
      L"SansContrôles",  // 61
      L"CellulesEchanges",  // 62
  };
  return noms;
}
