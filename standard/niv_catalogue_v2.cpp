// The level catalogue of the single file of a one-file plan,
// the names in slot order. UTF-8 source: accents, blanks and the irregular forms belong to the names.
#include "standard/niv_catalogues.h"

const std::array<std::wstring_view, 77>& niv_catalogueV2() {
  static constexpr std::array<std::wstring_view, 77> noms = {
      L"Cart+habillage",  // 0
      L"Topo1Limites",  // 1
      L"Topo2Bâtis",  // 2
      L"Topo3Routes",  // 3
      L"Topo4Divers",  // 4
      L"SymbolesFixes",  // 5
      L"Fourreaux+Tub_",  // 6
      L"TxtFourreaux",  // 7
      L"CotesFourreaux",  // 8
      L"Drap+CoupeTranch",  // 9
      L"RaccordsVoies",  // 10
      L"TxtPropFdp",  // 11
      L"TxtInvisible",  // 12
      L"RéseauBT",  // 13
      L"TxtRéseauBT",  // 14
      L"PrjElecBT",  // 15
      L"CotesRéseauBT",  // 16
      L"RéseauHTA",  // 17
      L"TxtRéseauHTA",  // 18
      L"PrjElecHTA",  // 19
      L"CotesRéseauHTA",  // 20
      L"RéseauBP",  // 21
      L"TxtRéseauBP",  // 22
      L"PrjGazBP",  // 23
      L"CotesRéseauBP",  // 24
      L"RéseauMPB",  // 25
      L"TxtRéseauMPB",  // 26
      L"PrjGazMPB",  // 27
      L"CotesRéseauMPB",  // 28
      L"RéseauMPC",  // 29
      L"TxtRéseauMPC",  // 30
      L"PrjGazMPC",  // 31
      L"CotesRéseauMPC",  // 32
      L"RéseauEP",  // 33
      L"TxtRéseauEP",  // 34
      L"CotesRéseauEP",  // 35
      L"RéseauTLR",  // 36
      L"TxtRéseauTLR",  // 37
      L"CotesRéseauTLR",  // 38
      L"RéseauPRC",  // 39
      L"TxtRéseauPRC",  // 40
      L"CotesRéseauPRC",  // 41
      L"RéseauVDC",  // 42
      L"TxtRéseauVDC",  // 43
      L"CotesRéseauVDC",  // 44
      L"PTRC+Txt",  // 45
      L"PTRL+Txt",  // 46
      L"PtConstruction",  // 47
      L"PrjPtConstruct_",  // 48
      L"PrjCotation",  // 49
      L"PrjTopo1",  // 50
      L"PrjTopo2",  // 51
      L"PrjTopo3",  // 52
      L"PrjTopo4",  // 53
      L"PrjSymb+Drap+Com",  // 54
      L"PrjElecBTAérien",  // 55
      L"PrjElecHTAAérien",  // 56
      L"PrjAutresReseaux",  // 57
      L"Axe de voie",  // 58
      L"CanaBrancht",  // 59
      L"AccNonAffBranchtGaz",  // 60
      L"AccAffBranchtGaz",  // 61
      L"TxtBranchtGaz",  // 62
      L"AccNonAffBP",  // 63
      L"AccAffBP",  // 64
      L"AccNonAffMPB",  // 65
      L"AccAffMPB",  // 66
      L"AccNonAffMPC",  // 67
      L"AccAffMPC",  // 68
      L"RésIncertainPRC",  // 69
      L"CâblesTLCGaz",  // 70
      L"AccNonAffTLCGaz",  // 71
      L"AccAffTLCGaz",  // 72
      L"TxtCâblesTLCGaz",  // 73
      L"CotesRéseauTLC",  // 74
      L"RésIncertainTLCGaz",  // 75
      L"RéseauAbandonnéGaz",  // 76
  };
  return noms;
}
