// The level catalogue of the other-networks file (AR2) of a three-file plan,
// the names in slot order. UTF-8 source: accents, blanks and the irregular forms belong to the names.
#include "standard/niv_catalogues.h"

const std::array<std::wstring_view, 26>& niv_catalogueAut() {
  static constexpr std::array<std::wstring_view, 26> noms = {
      L"CâblesEP",  // 0
      L"AccNonAfflEP",  // 1
      L"AccAffEP",  // 2
      L"TxtCâblesEP",  // 3
      L"TxtAccNonAffEP",  // 4
      L"TxtAccAffEP",  // 5
      L"Cote+PtConstEP",  // 6
      L"RésIncertainEP",  // 7
      L"Encarts EP",  // 8
      L"CâblesVDC",  // 9
      L"AccNonAffVDC",  // 10
      L"AccAffVDC",  // 11
      L"TxtCâblesVDC",  // 12
      L"TxtAccNonAffVDC",  // 13
      L"TxtAccAffVDC",  // 14
      L"Cote+PtConstVDC",  // 15
      L"RésIncertainVDC",  // 16
      L"Encarts VDC",  // 17
      L"Drap+TxtIndiffAut",  // 18
      L"EncartsIndiffAut",  // 19
      L"RéseauAbandonnéAut",  // 20
      L"Cote+PtConsAbanAut",  // 21
      L"PTRC+TxtAut",  // 22
      L"PTRL+TxtAut",  // 23
      L"SansContrôles",  // 24
      L"CellulesEchanges",  // 25
  };
  return noms;
}
