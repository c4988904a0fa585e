#include "host/dialog_variable.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>

#include <gtest/gtest.h>

namespace {

namespace dv = host::dialog_variable;
namespace rs = host::resources;

struct fields {
  std::int32_t n;
  char text[6];
  double v;
  std::int32_t arr[3];
  char guard;
};

class HostDialogVariable : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&f, 0, sizeof f);
    f.guard = 'G';
    rs::DataDefinition def{L"fields", {{L"n", rs::FieldKind::Int32, 1}, {L"text", rs::FieldKind::Text, 6},
                                       {L"v", rs::FieldKind::Double, 1}, {L"arr", rs::FieldKind::Int32, 3},
                                       {L"guard", rs::FieldKind::Text, 1}}};
    dv::publish(L"F", dv::layoutOf(def), &f, 77);
  }
  void TearDown() override { dv::unpublishOwnedBy(77); }
  fields f;
};

TEST_F(HostDialogVariable, WritesAndReadsEachKindWithinItsField) {
  const struct {
    const wchar_t* access;
    const wchar_t* typed;
    bool accepted;
    const wchar_t* readBack;
    const char* why;
  } cases[] = {
      {L"F.n", L"42", true, L"42", "integer"},
      {L"F.n", L"4x", false, L"42", "a number must read whole; the field keeps its value"},
      {L"F.n", L"", false, L"42", "empty is no number"},
      {L"F.v", L"652345.125", true, L"652345.125", "double in its exact decimal form"},
      {L"F.v", L"1,5", false, L"652345.125", "comma is no decimal point"},
      {L"F.text", L"abc", true, L"abc", "short text"},
      {L"F.text", L"abcdefgh", true, L"abcde", "cut to the size less the zero"},
      {L"F.text", L"\u00e9t\u20ac", true, L"\u00e9t_", "Latin-1 kept, above U+00FF becomes _"},
      {L"F.arr[2]", L"9", true, L"9", "array element"},
  };
  for (const auto& c : cases) {
    auto ref = dv::find(c.access);
    ASSERT_TRUE(ref) << c.why;
    EXPECT_EQ(dv::write(*ref, c.typed), c.accepted) << c.why;
    EXPECT_EQ(dv::read(*ref), c.readBack) << c.why;
  }
  EXPECT_EQ(f.arr[2], 9);
  EXPECT_EQ(f.guard, 'G');  // nothing written past a field
  EXPECT_STREQ(f.text, "\xe9t_");
}

TEST_F(HostDialogVariable, DoublesReadInFixedNotationWithTheItemsDecimals) {
  auto ref = dv::find(L"F.v");
  ASSERT_TRUE(ref);
  const struct {
    double value;
    int decimals;
    const wchar_t* shown;
    const char* why;
  } cases[] = {
      {700000, 3, L"700000.000", "a Lambert X with three decimals"},
      {700000, -1, L"700000", "the shortest form has no exponent either"},
      {3, 9, L"3.000000000", "a longitude with nine decimals"},
      {-61.5342, 9, L"-61.534200000", "the sign kept"},
      {0.0004, 3, L"0.000", "rounded to the decimals"},
      {6600000.2555, 0, L"6600000", "no decimal: no point"},
      {1.5e-7, -1, L"0.00000015", "a small number in full"},
      {1e22, -1, L"10000000000000000000000", "a large number in full"},
      {-1.7976931348623157e308, 17, nullptr, "the largest double with the most decimals"},
      {5e-324, -1, nullptr, "the smallest double in full"},
  };
  for (const auto& c : cases) {
    f.v = c.value;
    const std::wstring shown = dv::read(*ref, c.decimals);
    if (c.shown) {
      EXPECT_EQ(shown, c.shown) << c.why;
    }
    EXPECT_EQ(shown.find_first_not_of(L"-0123456789."), std::wstring::npos) << c.why;
    if (c.decimals < 0) {
      EXPECT_EQ(std::wcstod(shown.c_str(), nullptr), c.value) << c.why;
    }
  }
  f.v = -1.7976931348623157e308;
  EXPECT_EQ(dv::read(*ref, 17).size(), 1u + 309u + 1u + 17u);
  // What is typed is read as it stands, an exponent included.
  EXPECT_TRUE(dv::write(*ref, L"7e5"));
  EXPECT_EQ(f.v, 700000.0);
  EXPECT_EQ(dv::read(*ref, 3), L"700000.000");
}

TEST_F(HostDialogVariable, UnknownNamesAndIndexesAreNotFound) {
  for (const wchar_t* access : {L"F", L"G.n", L"F.missing", L"F.arr[3]", L"F.arr[-1]", L"F.text[1]", L"F.arr[x]"})
    EXPECT_FALSE(dv::find(access)) << std::wstring(access).size();
  dv::unpublishOwnedBy(77);
  EXPECT_FALSE(dv::find(L"F.n"));
}

struct avecId {
  std::int32_t avant;
  std::uint64_t id;
  char apres[3];
};

TEST(HostDialogVariableUint64, SitsOnEightBytesAndTakesOnlyWholeUnsignedNumbers) {
  const rs::DataDefinition def{L"avecId", {{L"avant", rs::FieldKind::Int32, 1}, {L"id", rs::FieldKind::Uint64, 1},
                                           {L"apres", rs::FieldKind::Text, 3}}};
  const dv::Layout layout = dv::layoutOf(def);
  EXPECT_EQ(layout.field(L"id")->offset, offsetof(avecId, id));
  EXPECT_EQ(layout.field(L"apres")->offset, offsetof(avecId, apres));
  EXPECT_EQ(layout.size, sizeof(avecId));

  avecId v{};
  v.avant = -1;
  std::memcpy(v.apres, "AB", 3);
  dv::publish(L"U", layout, &v, 78);
  auto ref = dv::find(L"U.id");
  ASSERT_TRUE(ref);
  const struct {
    const wchar_t* typed;
    bool accepted;
    const wchar_t* readBack;
  } cases[] = {
      {L"4294967297", true, L"4294967297"},
      {L"18446744073709551615", true, L"18446744073709551615"},
      {L"18446744073709551616", false, L"18446744073709551615"},  // above the largest
      {L"-1", false, L"18446744073709551615"},                    // negative: not wrapped round
      {L"+5", false, L"18446744073709551615"},
      {L" 5", false, L"18446744073709551615"},
      {L"12a", false, L"18446744073709551615"},
      {L"", false, L"18446744073709551615"},
      {L"0", true, L"0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dv::write(*ref, c.typed), c.accepted) << c.typed;
    EXPECT_EQ(dv::read(*ref), c.readBack) << c.typed;
  }
  dv::write(*ref, L"3000000001");
  EXPECT_EQ(v.id, 3000000001ULL);
  EXPECT_EQ(v.avant, -1);  // neighbours untouched
  EXPECT_STREQ(v.apres, "AB");
  dv::unpublishOwnedBy(78);
}

}  // namespace
