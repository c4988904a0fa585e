// Zone codes of grid-cell names and the projection short codes they give.
#include "titleblock/cart_zone_projection.h"

#include <gtest/gtest.h>

namespace {

TEST(CartCodeZoneProjection, HoldsTheSeventeenZones) {
  const std::pair<const wchar_t*, const wchar_t*> zones[] = {
      {L"01", L"LZ1"}, {L"02", L"LZ2"}, {L"03", L"LZ3"}, {L"04", L"LZ4"}, {L"20", L"U20"}, {L"93", L"L93"},
      {L"22", L"U22"}, {L"40", L"U40"}, {L"42", L"C42"}, {L"43", L"C43"}, {L"44", L"C44"}, {L"45", L"C45"},
      {L"46", L"C46"}, {L"47", L"C47"}, {L"48", L"C48"}, {L"49", L"C49"}, {L"50", L"C50"}};
  for (const auto& [zone, code] : zones) {
    std::wstring sortie = L"x";
    EXPECT_EQ(cart_codeZoneProjection(sortie, zone), code) << zone;
  }
}

TEST(CartCodeZoneProjection, AnythingElseGivesNoCode) {
  for (const wchar_t* zone : {L"99", L"4", L"047", L"", L"4 ", L"C4"}) {
    std::wstring sortie = L"x";
    EXPECT_EQ(cart_codeZoneProjection(sortie, zone), L"") << zone;
  }
}

}  // namespace
