// The title block's field table, held against the standard's table of slots.
#include "titleblock/cart_champs.h"

#include <gtest/gtest.h>

namespace {

TEST(CartTableChamps, HoldsTheSlotsOfBothTitleBlocks) {
  // slot: CART text, CART2 text, as the standard lists them.
  const int attendu[cart_nombreChamps][2] = {
      {23, 22}, {24, 23}, {17, 16}, {20, 19}, {18, 17}, {21, 20}, {4, 4},   {16, 15}, {19, 18}, {5, 5},
      {22, 21}, {0, 0},   {1, 1},   {2, 2},   {3, 3},   {6, 24},  {-1, -1}, {15, 14}, {7, 6},   {8, 7},
      {9, 8},   {10, 9},  {11, 10}, {12, 11}, {13, 12}, {14, 13}, {-1, 25}, {-1, 26}, {-1, 27}, {-1, 28}};
  const cart_table cart = cart_tableChamps(L"CART");
  const cart_table cart2 = cart_tableChamps(L"CART2");
  for (int k = 0; k < cart_nombreChamps; ++k) {
    EXPECT_EQ(cart[k], attendu[k][0]) << "CART slot " << k;
    EXPECT_EQ(cart2[k], attendu[k][1]) << "CART2 slot " << k;
  }
}

TEST(CartTableChamps, EachTextFillsOneSlotAndOtherNamesFillNone) {
  // CART supplies the texts 0 to 24 once each, CART2 the texts 0 to 28.
  for (const auto& [nom, nombre] : {std::pair{L"CART", 25}, std::pair{L"CART2", 29}}) {
    std::vector<int> vus(nombre, 0);
    for (int t : cart_tableChamps(nom))
      if (t >= 0) ++vus.at(t);
    for (int v : vus) EXPECT_EQ(v, 1) << nom;
  }
  for (const wchar_t* nom : {L"cart", L"CART3", L"", L"CART2 "})
    for (int t : cart_tableChamps(nom)) EXPECT_EQ(t, -1) << nom;
}

}  // namespace
