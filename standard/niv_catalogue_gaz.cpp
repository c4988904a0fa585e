// The level catalogue of the gas file,
// the names in slot order. UTF-8 source: accents, blanks and the irregular forms belong to the names.
#include "standard/niv_catalogues.h"

const std::array<std::wstring_view, 63>& niv_catalogueGaz() {
  static constexpr std::array<std::wstring_view, 63> noms = {
      L"CanaBrancht",  // 0
      L"AccNonAffBranchtGaz",  // 1
      L"AccAffBranchtGaz",  // 2
      L"TxtBranchtGaz",  // 3
      L"TxtAccNonAffBrtGaz",  // 4
      L"TxtAccAffBrtGaz",  // 5
      L"Cote+PtConstBrtGaz",  // 6
      L"CanalisationBP",  // 7
      L"AccNonAffBP",  // 8
      L"AccAffBP",  // 9
      L"TxtCanaBP",  // 10
      L"TxtAccNonAffBP",  // 11
      L"TxtAccAffBP",  // 12
      L"Cote+PtConstBP",  // 13
      L"RésIncertainBP",  // 14
      L"EncartsBP",  // 15
      L"CanalisationMPB",  // 16
      L"AccNonAffMPB",  // 17
      L"AccAffMPB",  // 18
      L"TxtCanaMPB",  // 19
      L"TxtAccNonAffMPB",  // 20
      L"TxtAccAffMPB",  // 21
      L"Cote+PtConsMPB",  // 22
      L"RésIncertainMPB",  // 23
      L"EncartsMPB",  // 24
      L"CanalisationMPC",  // 25
      L"AccNonAffMPC",  // 26
      L"AccAffMPC",  // 27
      L"TxtMPC",  // 28
      L"TxtAccNonAffMPC",  // 29
      L"TxtAccAffMPC",  // 30
      L"Cote+PtConstMPC",  // 31
      L"RésIncertainMPC",  // 32
      L"EncartsMPC",  // 33
      L"CâblesPRC",  // 34
      L"AccNonAffPRC",  // 35
      L"AccAffPRC",  // 36
      L"TxtCâblesPRC",  // 37
      L"TxtAccNonAffPRC",  // 38
      L"TxtAccAffPRC",  // 39
      L"Cote+PtConstPRC",  // 40
      L"RésIncertainPRC",  // 41
      L"Encarts PRC",  // 42
      L"CâblesTLCGaz",  // 43
      L"AccNonAffTLCGaz",  // 44
      L"AccAffTLCGaz",  // 45
      L"TxtCâblesTLCGaz",  // 46
      L"TxtAccNonAffTLCGaz",  // 47
      L"TxtAccAffTLCGaz",  // 48
      L"Cote+PtConstTLCGaz",  // 49
      L"RésIncertainTLCGaz",  // 50
      L"EncartsTLCGaz",  // 51
      L"Protections",  // 52
      L"Cote+PtConsProt",  // 53
      L"TxtProtections",  // 54
      L"Drap+TxtIndiffGaz",  // 55
      L"EncartsIndiffGaz",  // 56
      L"RéseauAbandonnéGaz",  // 57
      L"Cote+PtConsAbanGaz",  // 58
      L"PTRC+TxtGaz",  // 59
      L"PTRL+TxtGaz",  // 60
      L"SansContrôles",  // 61
      L"CellulesEchanges",  // 62
  };
  return noms;
}
