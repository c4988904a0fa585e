#pragma once
// Where each slot of a one-file plan's title block comes from: the index of the field text of
// the title-block cell (CART or CART2) that fills it, or -1 for a slot no text fills.
#include <array>
#include <string>

inline constexpr int cart_nombreChamps = 30;

using cart_table = std::array<int, cart_nombreChamps>;

// The table of the cell name: CART and CART2 (exact, case-sensitive) have their own; any other
// name gets -1 in every slot.
cart_table cart_tableChamps(const std::wstring& nomCellule);
