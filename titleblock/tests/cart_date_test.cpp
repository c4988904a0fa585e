// Dates of title-block fields and today's date.
#include "titleblock/cart_date.h"

#include <gtest/gtest.h>

#include "host/clock.h"

namespace {

struct casDate {
  const wchar_t* texte;
  bool valide, absente;
  int jour, mois, annee, cle;
  const char* pourquoi;
};

TEST(CartLireDate, ParsesAsTheTitleBlocksWriteDates) {
  const casDate cas[] = {
      {L"1/2/07", true, false, 1, 2, 2007, 20070201, "two-digit year below 50 is 20xx"},
      {L"31/12/85", true, false, 31, 12, 1985, 19851231, "two-digit year from 50 is 19xx"},
      {L"45/13/2020", true, false, 1, 1, 2020, 20200101, "day and month out of bounds become 1"},
      {L" 15 / 03 / 2024 ", true, false, 15, 3, 2024, 20240315, "fields are trimmed"},
      {L"//", false, true, 0, 0, 0, 0, "three empty fields: absent"},
      {L" / / ", false, true, 0, 0, 0, 0, "three blank fields: absent"},
      {L"", false, true, 0, 0, 0, 0, "empty text: absent"},
      {L"2020-01-01", false, false, 0, 0, 0, 0, "one field: neither valid nor absent"},
      {L"01/01", false, false, 0, 0, 0, 0, "two fields"},
      {L"01/01/2020/1", false, false, 0, 0, 0, 0, "four fields"},
      {L"01/01/-5", false, false, 1, 1, -5, 0, "negative year"},
      {L"aa/bb/cc", true, false, 1, 1, 2000, 20000101, "text that is no number reads 0"},
      {L"31/12/214748", true, false, 31, 12, 214748, 2147481231, "the largest year whose key fits"},
      {L"01/01/214749", false, false, 1, 1, 214749, 0, "a key above 2147483647 is not valid"},
      {L"01/01/2147483647", false, false, 1, 1, 2147483647, 0, "the largest year: no overflow"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verdate d;
    d.cle = 77;
    cart_lireDate(d, c.texte);
    EXPECT_EQ(d.valide, c.valide);
    EXPECT_EQ(d.absente, c.absente);
    EXPECT_EQ(d.cle, c.cle);
    if (c.valide || c.annee != 0) {
      EXPECT_EQ(d.jour, c.jour);
      EXPECT_EQ(d.mois, c.mois);
      EXPECT_EQ(d.annee, c.annee);
    }
  }
}

TEST(CartDateDuJour, ReadsTheHostClock) {
  ASSERT_TRUE(host::clock::setFixed(2026, 2, 9, 23, 59, 0));
  verdate d;
  cart_dateDuJour(d);
  host::clock::useSystem();
  EXPECT_TRUE(d.valide);
  EXPECT_FALSE(d.absente);
  EXPECT_EQ(d.jour, 9);
  EXPECT_EQ(d.mois, 2);
  EXPECT_EQ(d.annee, 2026);
  EXPECT_EQ(d.cle, 20260209);
  // A field date of the same day is not later than today; the next day is.
  verdate demain;
  cart_lireDate(demain, L"10/02/26");
  EXPECT_GT(demain.cle, d.cle);
}

}  // namespace
