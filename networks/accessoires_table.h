#pragma once
// The two network cell catalogues as data, in the standard's order (accessoires_table.cpp).
#include <cstdint>
#include <span>
#include <string_view>

struct accessoire_ligne {
  std::wstring_view code;
  std::uint32_t famille;      // 1 point accessory, 2 box or cabinet
  std::uint32_t cablesAdmis;  // masqueCablesAccessoire bits
  std::int32_t premier;       // admitted counts premier..dernier
  std::int32_t dernier;
};

std::span<const accessoire_ligne> accessoire_tableV2();  // 17 rows
std::span<const accessoire_ligne> accessoire_tableV3();  // 27 rows
