// The two network cell catalogues held row by row against the standard, and the rows' fixed
// fields.
#include "networks/veraccessoire.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Ligne {
  const wchar_t* code;
  std::uint32_t famille, cables;
  std::int32_t premier, dernier;
};

// The standard's tables, in order.
const std::vector<Ligne> kV3 = {
    {L"1BCO", 2, 27, 0, 31},  {L"1RCO", 2, 27, 0, 31},   {L"1BARMO", 2, 27, 0, 31}, {L"1RARMO", 2, 27, 0, 31},
    {L"2RARMO", 2, 4, 0, 31}, {L"1BBSTB", 2, 27, 0, 29}, {L"1RBSTR", 2, 27, 0, 29}, {L"1BREMB", 2, 27, 1, 31},
    {L"1RREMB", 2, 27, 1, 31}, {L"1BREMA", 1, 3, 1, 1},  {L"1RREMA", 1, 3, 1, 1},   {L"2RREMA", 1, 4, 1, 1},
    {L"1BJONC", 1, 3, 2, 5},  {L"1RJONC", 1, 3, 2, 5},   {L"2RJONC", 1, 4, 2, 5},   {L"1BDERD", 1, 3, 3, 4},
    {L"1BDERG", 1, 3, 3, 4},  {L"1RDERD", 1, 3, 3, 4},   {L"1RDERG", 1, 3, 3, 4},   {L"2RDERD", 1, 4, 3, 4},
    {L"2RDERG", 1, 4, 3, 4},  {L"1BBOUP", 1, 3, 1, 1},   {L"1RBOUP", 1, 3, 1, 1},   {L"2RBOUP", 1, 4, 1, 1},
    {L"1BNEUD", 1, 3, 1, 1},  {L"1RNEUD", 1, 3, 1, 1},   {L"2RNEUD", 1, 4, 1, 1},
};
const std::vector<Ligne> kV2 = {
    {L"COELEC", 2, 19, 0, 31}, {L"ARELEC", 2, 23, 0, 31}, {L"1RREMB", 2, 19, 1, 31}, {L"1BBSTB", 2, 19, 1, 29},
    {L"1RBSTR", 2, 19, 1, 29}, {L"1BREMA", 1, 3, 1, 1},   {L"1RREMA", 1, 3, 1, 1},   {L"2RREMA", 1, 4, 1, 1},
    {L"1BJONC", 1, 3, 2, 5},   {L"JONBT", 1, 3, 2, 5},    {L"JONMT", 1, 4, 2, 5},    {L"1BBOUP", 1, 3, 1, 1},
    {L"1RBOUP", 1, 3, 1, 1},   {L"2RBOUP", 1, 4, 1, 1},   {L"1BNEUD", 1, 3, 1, 1},   {L"1RNEUD", 1, 3, 1, 1},
    {L"2RNEUD", 1, 4, 1, 1},
};

std::vector<std::int32_t> suite(std::int32_t premier, std::int32_t dernier) {
  std::vector<std::int32_t> v;
  for (std::int32_t n = premier; n <= dernier; ++n) v.push_back(n);
  return v;
}

void tenirContre(const std::vector<veraccessoire>& catalogue, const std::vector<Ligne>& attendu) {
  ASSERT_EQ(catalogue.size(), attendu.size());
  const veraccessoire vierge;
  for (std::size_t i = 0; i < attendu.size(); ++i) {
    const veraccessoire& a = catalogue[i];
    const Ligne& l = attendu[i];
    SCOPED_TRACE(testing::Message() << "row " << i);
    EXPECT_EQ(a.code, l.code);
    EXPECT_EQ(a.famille1, l.famille == 1 ? 1 : 0);
    EXPECT_EQ(a.famille2, l.famille == 2 ? 1 : 0);
    EXPECT_EQ(a.cablesAdmis, l.cables);
    EXPECT_EQ(a.nombresAdmis, suite(l.premier, l.dernier));
    // The fields no check reads keep their fixed values in every row.
    EXPECT_TRUE(a.libelle.empty() && a.reserve2.empty() && a.reserve5.empty() && a.reserve7.empty() &&
                a.reserve10.empty());
    EXPECT_EQ(a.reserve1, 0u);
    EXPECT_EQ(a.reserve3, 0);
    EXPECT_EQ(a.reserve4, 0);
    EXPECT_EQ(a.reserve6, -1);
    EXPECT_EQ(a.reserve8, 0u);
    EXPECT_EQ(a.reserve9, 999.0);
    EXPECT_EQ(a.symbologie.couleur, vierge.symbologie.couleur);
    EXPECT_EQ(a.symbologie.nomNiveau, vierge.symbologie.nomNiveau);
  }
}

TEST(Catalogue, TheTwoStandardsRowByRow) {
  tenirContre(cable_listeAccessoires(2), kV3);
  tenirContre(cable_listeAccessoires(1), kV2);
  EXPECT_TRUE(cable_listeAccessoires(0).empty());
  EXPECT_TRUE(cable_listeAccessoires(3).empty());
}

TEST(Catalogue, RowsAreDefinedByFamilyKindsAndCountRange) {
  const veraccessoire a = veraccessoire_definir(L"X", 3, mca_HTA, 4, 2);
  EXPECT_EQ(a.famille1 + a.famille2, 0) << "a family other than 1 or 2 sets neither flag";
  EXPECT_TRUE(a.nombresAdmis.empty()) << "first above last: no count";
  EXPECT_EQ(veraccessoire_definir(L"X", 1, 0, INT32_MAX, INT32_MAX).nombresAdmis, std::vector<std::int32_t>{INT32_MAX});
}

TEST(Catalogue, LookUpIgnoresCaseAndEachStandardHasItsOwnRow) {
  const auto v2 = cable_listeAccessoires(1), v3 = cable_listeAccessoires(2);
  EXPECT_EQ(cable_indexAccessoire(v2, L"jonbt"), 9);
  EXPECT_EQ(cable_indexAccessoire(v3, L"JONBT"), -1);
  EXPECT_EQ(cable_indexAccessoire(v3, L""), -1);
  // 1BBSTB takes 1 to 29 cables in V2, 0 to 29 in V3.
  EXPECT_EQ(v2[static_cast<std::size_t>(cable_indexAccessoire(v2, L"1BBSTB"))].nombresAdmis.front(), 1);
  EXPECT_EQ(v3[static_cast<std::size_t>(cable_indexAccessoire(v3, L"1bbstb"))].nombresAdmis.front(), 0);
  // 2RREMA: exactly one HTA piece, never a BT or service-connection piece.
  const veraccessoire& remontee = v3[static_cast<std::size_t>(cable_indexAccessoire(v3, L"2RREMA"))];
  EXPECT_EQ(remontee.nombresAdmis, std::vector<std::int32_t>{1});
  EXPECT_EQ(remontee.cablesAdmis & (mca_Branchement | mca_BT), 0u);
  EXPECT_NE(remontee.cablesAdmis & mca_HTA, 0u);
}

}  // namespace
