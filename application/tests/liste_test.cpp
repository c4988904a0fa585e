// The list operations that the application's dialogs share: sort functions, selections read back
// as record indexes, a list fitted to its dialog.
#include "application/liste.h"

#include <gtest/gtest.h>

#include "application/tests/bilan_fixture.h"

namespace {

namespace d = host::dialogs;

d::ListRow ligne(const std::wstring& a, const std::wstring& b) { return d::ListRow{{d::ListCell{a}, d::ListCell{b}}}; }

TEST(ListeTri, TextsByCharacterCodeAPrefixFirstReversedWhenDescending) {
  const struct {
    const wchar_t *premier, *second;
    bool croissant;
    int attendu;
  } cas[] = {
      {L"a", L"b", true, -1},     {L"b", L"a", true, 1},      {L"x", L"x", true, 0},
      {L"ab", L"abc", true, -1},  // a prefix first
      {L"abc", L"ab", false, -1},  // descending reverses
      {L"B", L"a", true, -1},      // by code, not by letter
      {L"\u00e9", L"z", true, 1},  // Latin-1 letters after ASCII
      {L"10", L"9", true, -1},     // counts as text
      {L"", L" ", true, -1},
  };
  for (const auto& c : cas) {
    const d::ListRow a = ligne(L"?", c.premier), b = ligne(L"?", c.second);
    EXPECT_EQ(liste_texteCellule(&a, &b, c.croissant, 1), c.attendu) << c.premier << L" / " << c.second;
  }
}

TEST(ListeTri, RealsReadFromTheTextsANonNumberReadingAsZero) {
  const struct {
    const wchar_t *premier, *second;
    bool croissant;
    int attendu;
  } cas[] = {
      {L"10", L"9", true, 1},   {L"9", L"10", true, -1},  {L"2.5", L"10", false, 1},
      {L"abc", L"0", true, 0},  // not a number: 0
      {L" ", L"-1", true, 1},   // the blank of a plan not verifiable reads 0
      {L"3", L"3.0", true, 0},
  };
  for (const auto& c : cas) {
    const d::ListRow a = ligne(c.premier, L""), b = ligne(c.second, L"");
    EXPECT_EQ(liste_reelCellule(&a, &b, c.croissant, 0), c.attendu) << c.premier << L" / " << c.second;
  }
}

TEST(ListeTri, AMissingCellComparesAsAnEmptyText) {
  const d::ListRow courte{{d::ListCell{L"x"}}};
  const d::ListRow longue = ligne(L"x", L"y");
  EXPECT_EQ(liste_texteCellule(&courte, &longue, true, 1), -1);
  EXPECT_EQ(liste_reelCellule(&longue, &courte, true, 3), 0);
}

TEST(ListeSelection, WithoutTheDialogFailsAndLeavesTheOutputs) {
  std::int32_t premier = 42;
  std::vector<std::int32_t> indexes{7};
  EXPECT_EQ(liste_lignesSelectionnees(&premier, &indexes, 2, 21), 0x8000);
  EXPECT_EQ(premier, 42);
  EXPECT_EQ(indexes, std::vector<std::int32_t>{7});
  liste_ajusterColonnes(nullptr, 21);  // no dialog: nothing to fit
}

using ListeDialogue = bilan_fixture::ApplicationEnProcessus;

TEST_F(ListeDialogue, SelectionsGiveTheIndexesTheRowsCarryInSelectionOrder) {
  appTolvek.dossier.plans.resize(4);
  for (int i = 0; i < 4; ++i) appTolvek.dossier.plans[static_cast<std::size_t>(i)].nom = L"P" + std::to_wstring(i);
  ASSERT_NE(d::open(2), nullptr);
  std::wstring erreur;
  ASSERT_TRUE(d::sort(liste(), 1, false, erreur));  // rows P3 P2 P1 P0

  std::int32_t premier = 42;
  std::vector<std::int32_t> indexes{7};
  EXPECT_EQ(liste_lignesSelectionnees(&premier, &indexes, 2, 21), 0x8000);  // nothing selected
  EXPECT_EQ(premier, -1);
  EXPECT_TRUE(indexes.empty());

  selectionner({3, 0, 2});
  EXPECT_EQ(liste_lignesSelectionnees(&premier, &indexes, 2, 21), 0);
  EXPECT_EQ(premier, 3);
  EXPECT_EQ(indexes, (std::vector<std::int32_t>{3, 1, 0}));
  EXPECT_EQ(liste_lignesSelectionnees(&premier, nullptr, 2, 21), 0);
  EXPECT_EQ(liste_lignesSelectionnees(&premier, &indexes, 2, 99), 0x8000);  // no such list
}

TEST_F(ListeDialogue, ColumnOneTakesTheRoomLeftAndTheRowsFillTheHeight) {
  ASSERT_NE(d::open(2), nullptr);
  // Content 540 x 264 pixels, font 12 pixels, list top at 52 pixels; other columns 62 units.
  const struct {
    int largeur, hauteur;  // asked, pixels
    int colonne1, lignes;
  } cas[] = {
      {540, 264, (540 - 36) / 2 - 62, (264 - 52 - 6) / 14},
      {800, 400, (800 - 36) / 2 - 62, (400 - 52 - 6) / 14},
      {100, 100, (540 - 36) / 2 - 62, (264 - 52 - 6) / 14},  // raised to the least size
  };
  for (const auto& c : cas) {
    d::resize(bilan(), c.largeur, c.hauteur);
    EXPECT_EQ(liste()->columnWidths.at(1), c.colonne1) << c.largeur;
    EXPECT_EQ(liste()->rowsShown, c.lignes) << c.largeur;
  }
  // Too narrow for the other columns: column 1 keeps its width.
  bilan()->content = {0, 0, 100, 264};
  liste_ajusterColonnes(bilan(), 21);
  EXPECT_EQ(liste()->columnWidths.at(1), (540 - 36) / 2 - 62);
}

}  // namespace
