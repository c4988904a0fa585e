#include "titleblock/cart_champs.h"

namespace {

// Slot k takes the field text of this index. Slot 16 (the projection code) is read beside the
// cell, not from it; slots 26 to 29 (EP, TLR, VDC and gas PRC dates) exist only in CART2.
constexpr cart_table champsCART = {23, 24, 17, 20, 18, 21, 4, 16, 19, 5,  22, 0,  1,  2,  3,
                                   6,  -1, 15, 7,  8,  9,  10, 11, 12, 13, 14, -1, -1, -1, -1};
constexpr cart_table champsCART2 = {22, 23, 16, 19, 17, 20, 4, 15, 18, 5,  21, 0,  1,  2,  3,
                                    24, -1, 14, 6,  7,  8,  9,  10, 11, 12, 13, 25, 26, 27, 28};

}  // namespace

cart_table cart_tableChamps(const std::wstring& nomCellule) {
  if (nomCellule == L"CART") return champsCART;
  if (nomCellule == L"CART2") return champsCART2;
  cart_table aucun;
  aucun.fill(-1);
  return aucun;
}
