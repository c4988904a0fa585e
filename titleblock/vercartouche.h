#pragma once
// The title block of a one-file plan and the identification cells of a three-file plan, as
// records of their field texts.
#include <array>
#include <string>

#include "titleblock/cart_champs.h"

// Slots of the title block (see cart_tableChamps for where each comes from).
enum champCartouche : int {
  champInsee = 2,          // code INSEE, first copy
  champInsee2 = 3,
  champCommune = 4,
  champCommune2 = 5,
  champRivoli = 6,
  champVoie = 7,
  champVoie2 = 8,
  champFolio = 9,
  champFolio2 = 10,
  champEchelleQualite = 15,  // five characters: scale, separator, georeferencing quality
  champProjection = 16,      // code after "PRJ=" beside the title block
  champOrigine = 19,         // producer code
  champDateFond = 20,
  champDateHTA = 21,
  champDateBT = 22,
  champDateBP = 23,
  champDateMPB = 24,
  champDateMPC = 25,
  champDateEP = 26,
  champDateTLR = 27,
  champDateVDC = 28,
  champDatePRC = 29,
};

struct vercartouche {
  std::array<std::wstring, cart_nombreChamps> champs;
};

void vercartouche_initialiser(vercartouche& cartouche);
void vercartouche_detruire(vercartouche& cartouche);

// IDFICH (and IDAUT, which has the same shape): [0] plan name, [1] file theme, [2] not read,
// [3] producer code. For IDAUT: [1] VDC date, [3] EP date.
struct veridfich {
  std::array<std::wstring, 4> textes;
};
// IDLOC or IDLOCV3: [2] scale ("200" or "500"), [3] projection code, [4] georeferencing quality.
struct veridloc {
  std::array<std::wstring, 5> textes;
};
// IDFDP: [1] plan type ("EGS" or "BDU"), [3] background date, [4] zone, [5] sector.
struct veridfdp {
  std::array<std::wstring, 6> textes;
};
// IDELE: [1] HTA date, [3] BT date, [5] TLR date, [7] TLC date.
struct veridele {
  std::array<std::wstring, 8> textes;
};
// IDVOIE, in this order of the cell's texts: 2, 0, 3, 1, 4, 6, 5, 7, 8, 9, 10; so [0] code
// INSEE, [2] code RIVOLI, [3] street name.
struct veridvoie {
  std::array<std::wstring, 11> textes;
};
using veridaut = veridfich;

// Order of the IDVOIE cell's texts in the record.
inline constexpr std::array<int, 11> cart_ordreIdVoie = {2, 0, 3, 1, 4, 6, 5, 7, 8, 9, 10};
