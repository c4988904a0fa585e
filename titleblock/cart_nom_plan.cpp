#include "titleblock/cart_nom_plan.h"

std::uint32_t cart_convertirNomPlan(std::wstring& nomPlan, const std::wstring& codePlan) {
  if (codePlan.size() != 11) return 0x8000;
  nomPlan = codePlan.substr(0, 2) + codePlan.substr(9, 2) + codePlan.substr(5, 4) + L"." + codePlan.substr(2, 3);
  return 0;
}
