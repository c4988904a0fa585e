#include "engine/projection_table.h"

#include <gtest/gtest.h>

#include <string>

#include "host/coordinate_system.h"

TEST(ProjectionTable, HoldsTheSeventeenPairsInOrder) {
  const std::pair<const wchar_t*, const wchar_t*> attendu[] = {
      {L"LZ1", L"NTF.Lambert-1"}, {L"LZ2", L"NTF.Lambert-2"}, {L"LZ3", L"NTF.Lambert-3"}, {L"LZ4", L"NTF.Lambert-4"},
      {L"L93", L"IGN-RGF93"},     {L"C42", L"RGF93.CC42"},    {L"C43", L"RGF93.CC43"},    {L"C44", L"RGF93.CC44"},
      {L"C45", L"RGF93.CC45"},    {L"C46", L"RGF93.CC46"},    {L"C47", L"RGF93.CC47"},    {L"C48", L"RGF93.CC48"},
      {L"C49", L"RGF93.CC49"},    {L"C50", L"RGF93.CC50"},    {L"U20", L"EPSG:32620"},    {L"U22", L"EPSG:2972"},
      {L"U40", L"EPSG:2975"},
  };
  const auto& table = projection_tableCodes();
  ASSERT_EQ(table.size(), std::size(attendu));
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(std::wstring(table[i].codeCourt), attendu[i].first) << i;
    EXPECT_EQ(std::wstring(table[i].cleSysteme), attendu[i].second) << i;
  }
}

TEST(ProjectionTable, EveryKeyIsKnownToTheHost) {
  for (const auto& ligne : projection_tableCodes())
    EXPECT_TRUE(host::CoordinateSystem::create(ligne.cleSysteme)) << ligne.cleSysteme;
}
