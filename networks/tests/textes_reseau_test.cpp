// The readers of network texts: the network of a text's first word and the value texts, with
// their words and characters held against the standard.
#include "networks/textes_reseau.h"

#include <gtest/gtest.h>

#include "networks/textes_reseau_table.h"

namespace {

TEST(TextesReseau, WordsAndCharactersAsTheStandardWritesThem) {
  const std::vector<std::pair<std::wstring, std::uint32_t>> mots = {{L"BT", 2},   {L"HTA", 4},  {L"BP", 64},
                                                                     {L"MPB", 128}, {L"MPC", 256}, {L"PRC", 1024}};
  ASSERT_EQ(txt_motsReseau.size(), mots.size());
  for (std::size_t i = 0; i < mots.size(); ++i) {
    EXPECT_EQ(txt_motsReseau[i].mot, mots[i].first);
    EXPECT_EQ(txt_motsReseau[i].reseau, mots[i].second);
  }
  EXPECT_EQ(txt_caracteresValeur, L",-./0123456789");
  EXPECT_EQ(txt_lettresPremieres, L"PC");
  EXPECT_EQ(txt_lettresDernieres, L"M");
  EXPECT_EQ(txt_caracteresNeutres, L" =");
  EXPECT_EQ(txt_longueurValeurMin, 3u);
  EXPECT_EQ(txt_longueurValeurMax, 10u);
  ASSERT_EQ(txt_motsSymbologie.size(), 3u);
  EXPECT_EQ(txt_motsSymbologie[0].mot, L"BT");
  EXPECT_EQ(txt_motsSymbologie[0].reseau, 2u);
  EXPECT_EQ(txt_motsSymbologie[1].mot, L"HTA");
  EXPECT_EQ(txt_motsSymbologie[2].mot, L"HTB");
  EXPECT_EQ(txt_motsSymbologie[1].reseau, 4u);
  EXPECT_EQ(txt_motsSymbologie[2].reseau, 4u);
  EXPECT_EQ(txt_motsDecales, (std::array<std::wstring_view, 2>{L"NS", L"NI"}));
}

TEST(TextesReseau, NetworkOfTheFirstWord) {
  const struct {
    std::wstring texte;
    std::uint32_t reseau;
    const char* pourquoi;
  } cas[] = {
      {L"BT 3x240 AL", 2, "first word BT"},
      {L"bt", 2, "without case"},
      {L"HTA::12", 4, "the part before the separator"},
      {L"12::HTA", 0, "the part after the separator is not read"},
      {L" BT", 0, "a leading blank gives an empty first word"},
      {L"BTA 12", 2, "a word beginning with BT"},
      {L"MPC 63", 256, ""},
      {L"MPX 63", 0, ""},
      {L"HTB 20 kV", 0, "HTB names no network here"},
      {L"PRC", 1024, ""},
      {L"bp\u00e9", 64, ""},
      {L"", 0, "empty"},
      {L"::", 0, "only the separator"},
      {L"(", 0, ""},
      {std::wstring(10000, L'B'), 0, "10,000 characters"},
      {L"BT" + std::wstring(10000, L'x'), 2, "a long first word"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    EXPECT_EQ(txt_analyserCaracteristiques(c.texte), c.reseau) << ::testing::PrintToString(c.texte.substr(0, 20));
  }
}

TEST(TextesReseau, ValueTexts) {
  const struct {
    std::wstring texte;
    bool valeur;
  } cas[] = {
      {L"P=35", true},   {L"12M", true},        {L"C 150", true},     {L"1/2", true},        {L"(ABC)", true},
      {L"(   )", true},  {L"3x150", false},     {L"M12", false},      {L"35P", false},       {L"12", false},
      {L"12345678901", false}, {L"1234567890", true}, {L"p=35", true},  {L"c 150", true},      {L" = ", false},
      {L"PCM", false},   {L"P-M", true},        {L"(AB", false},      {L"AB)", false},       {L"", false},
      {L"(", false},     {L")", false},         {L" BT", false},      {L"12,5", true},       {L"1 2 3", true},
      {std::wstring(10000, L'1'), false},
  };
  for (const auto& c : cas)
    EXPECT_EQ(txt_estTexteValeur(c.texte), c.valeur ? 0 : 0x8000) << ::testing::PrintToString(c.texte.substr(0, 20));
}

TEST(TextesReseau, NetworkOfAWord) {
  EXPECT_EQ(txt_natureReseau(L"MPB"), 128u);
  EXPECT_EQ(txt_natureReseau(L"hta"), 4u);
  EXPECT_EQ(txt_natureReseau(L"B"), 0u);
  EXPECT_EQ(txt_natureReseau(L""), 0u);
}

}  // namespace
