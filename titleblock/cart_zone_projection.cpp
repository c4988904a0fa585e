#include "titleblock/cart_zone_projection.h"

#include "titleblock/cart_zone_projection_table.h"

const std::wstring& cart_codeZoneProjection(std::wstring& code, const std::wstring& zone) {
  code.clear();
  if (zone.size() != 2) return code;
  for (const auto& ligne : cart_zonesProjection)
    if (zone == ligne.zone) {
      code = ligne.code;
      break;
    }
  return code;
}
