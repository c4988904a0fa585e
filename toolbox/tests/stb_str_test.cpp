#include "toolbox/stb_str.h"

#include <cstdint>
#include <string>
#include <vector>

#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "host/messages.h"

namespace {

namespace msg = host::messages;
using Liste = std::vector<std::wstring>;

class StbStr : public ::testing::Test {
 protected:
  void SetUp() override { msg::clearLog(); }
};

TEST_F(StbStr, ToStringFormatsEveryArgumentListInUseWithCDecimalPoint) {
  const std::wstring nom = L"P1";
  const wchar_t* barre = L"\\";
  EXPECT_EQ(stbStr_toString(L"%s%s_%s.%s", std::wstring(L"R/"), nom, L"Erreurs", L"csv"), L"R/P1_Erreurs.csv");
  EXPECT_EQ(stbStr_toString(L"%s%s%s", std::wstring(L"D"), L"Temp", barre), L"DTemp\\");
  EXPECT_EQ(stbStr_toString(L";%s;%d;%.02f", nom, 3, 1234567.891), L";P1;3;1234567.89");
  EXPECT_EQ(stbStr_toString(L";%0.3f;%0.3f;%s", 1.23456, -0.5, nom), L";1.235;-0.500;P1");
  EXPECT_EQ(stbStr_toString(L";%d;%d", std::size_t{18446744073709551615u}, std::size_t{0}),
            L";18446744073709551615;0");
  EXPECT_EQ(stbStr_toString(L"Num\u00e9ro groupe : %d", std::uint32_t{4000000000u}), L"Num\u00e9ro groupe : 4000000000");
  EXPECT_EQ(stbStr_toString(L"%d", std::wstring(L"12")), L"12");
  EXPECT_EQ(stbStr_toString(L"%c", static_cast<char>(13)), L"\r");
  EXPECT_EQ(stbStr_toString(L"%s", L"TOLVEK_PARAM"), L"TOLVEK_PARAM");
  EXPECT_EQ(stbStr_toString(L"%d/%d/%d", 1, 2, 3), L"1/2/3");
  EXPECT_EQ(stbStr_toString(L"sans argument"), L"sans argument");
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(StbStr, ToStringFailureGivesEmptyTextAndOneMessageCentrePost) {
  struct Case { std::wstring resultat; const char* why; };
  const Case cases[] = {
      {stbStr_toString(L"%s %s", L"a"), "fewer arguments than directives"},
      {stbStr_toString(L"%s", L"a", 2), "more arguments than directives"},
      {stbStr_toString(L"%d"), "a directive and no argument"},
      {stbStr_toString(L"100%", 1), "a dangling percent sign"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.resultat, L"") << c.why;
  const auto log = msg::log();
  ASSERT_EQ(log.size(), std::size(cases));
  for (const auto& e : log) {
    EXPECT_EQ(e.kind, msg::Kind::MessageCenter);
    EXPECT_EQ(e.priority, 10);
    EXPECT_EQ(e.alert, 2);
    EXPECT_EQ(e.brief, L"Erreur de formatage stbStr_toString");
    EXPECT_EQ(e.detailed, e.brief);
  }
}

TEST_F(StbStr, Separer) {
  struct Case { std::wstring texte, sep, gauche, droite; int res; };
  const Case cases[] = {
      {L"cle=valeur", L"=", L"cle", L"valeur", 0},
      {L"a::b::c", L"::", L"a", L"b::c", 0},
      {L"sans", L";", L"sans", L"", 0x8000},
      {L"Ab", L"a", L"Ab", L"", 0x8000},  // case-sensitive
      {L";", L";", L"", L"", 0},
      {L"", L";", L"", L"", 0x8000},
  };
  for (const Case& c : cases) {
    std::wstring g = L"old", d = L"old";
    EXPECT_EQ(stbStr_separer(g, d, c.texte, c.sep), c.res) << c.texte.size();
    EXPECT_EQ(g, c.gauche);
    EXPECT_EQ(d, c.droite);
  }
  std::wstring t = L"a;b", droite;  // output aliasing the input
  EXPECT_EQ(stbStr_separer(t, droite, t, L";"), 0);
  EXPECT_EQ(t, L"a");
  EXPECT_EQ(droite, L"b");
}

TEST_F(StbStr, ComparisonsWithAndWithoutCase) {
  struct Case { std::wstring a, b; bool casse; int cmp; bool commence; };
  const Case cases[] = {
      {L"abc", L"ABC", false, 0, true},
      {L"abc", L"ABC", true, 1, false},      // lower case sorts after its capital
      {L"ab", L"abc", true, -1, false},      // a proper prefix sorts first
      {L"abc", L"ab", true, 1, true},
      {L"\u00e9t\u00e9", L"\u00c9T\u00c9", false, 0, true},  // Latin-1 letters fold
      {L"abc", L"ABD", false, -1, false},
      {L"", L"", true, 0, true},
      {L"x", L"", true, 1, true},            // an empty prefix matches
      {L"\u0152", L"z", true, 1, false},     // by code unit
      {L"a", L"\u00e0", false, -1, false},   // accents are not removed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stbStr_comparer(c.a, c.b, c.casse), c.cmp) << c.a.size() << " " << c.casse;
    EXPECT_EQ(stbStr_commencePar(c.a, c.b, c.casse), c.commence) << c.a.size() << " " << c.casse;
  }
}

TEST_F(StbStr, ChercherEtRemplacerPremier) {
  struct Case { std::wstring texte, quoi; bool casse; int indice; };
  const Case cases[] = {
      {L"abc;d", L";", true, 3},   {L"ABC", L"bc", false, 1},  {L"ABC", L"bc", true, -1},
      {L"x", L"", true, 0},        {L"", L"a", false, -1},     {L"\u00c9T\u00c9", L"t\u00e9", false, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(stbStr_chercher(c.texte, c.quoi, c.casse), c.indice);

  std::wstring t = L"Plan_v2_V2";
  EXPECT_EQ(stbStr_remplacerPremier(t, L"V2", L"X"), 0);  // found without case
  EXPECT_EQ(t, L"Plan_X_V2");
  EXPECT_EQ(stbStr_remplacerPremier(t, L"absent", L"Y"), 0x8000);
  EXPECT_EQ(t, L"Plan_X_V2");
}

TEST_F(StbStr, VersLargeReadsLatin1UpToFirstNullAndMajuscules) {
  std::wstring w = L"old";
  EXPECT_EQ(stbStr_versLarge(w, std::string("a\xe9\xff" "b")), L"a\u00e9\u00ffb");
  EXPECT_EQ(stbStr_versLarge(w, std::string("ab\0cd", 5)), L"ab");
  EXPECT_EQ(stbStr_versLarge(w, std::string()), L"");
  std::wstring m = L"a\u00e9z \u00ff\u00df1;";
  stbStr_majuscules(m);
  EXPECT_EQ(m, L"A\u00c9Z \u00ff\u00df1;");  // ÿ and ß have no one-character capital in Latin-1
}

TEST_F(StbStr, VersEntier) {
  struct Case { std::wstring texte; int valeur; const char* why; };
  const Case cases[] = {
      {L"12abc", 12, "the rest is ignored"},
      {L"abc", 0, "no digit"},
      {L"99999999999", 0, "beyond 32 bits"},
      {L"2147483647", 2147483647, "largest"},
      {L"-2147483648", -2147483647 - 1, "smallest"},
      {L"2147483648", 0, "one past the largest"},
      {L"-2147483649", 0, "one past the smallest"},
      {L"00000000000000000000042", 42, "leading zeros are no overflow"},
      {L" \t-42", -42, "white space then sign"},
      {L"+7", 7, "plus sign"},
      {L"- 7", 0, "sign apart from digits"},
      {L"", 0, "empty"},
      {L"0x1A", 0, "base 10 only"},
      {L"12 34", 12, "stops at the space"},
      {L"\u0661\u0662", 0, "only ASCII digits"},
      {L"1" + std::wstring(100000, L'0'), 0, "very long run"},
  };
  for (const Case& c : cases) EXPECT_EQ(stbStr_versEntier(c.texte), c.valeur) << c.why;
}

TEST_F(StbStr, LireChiffresReadsOneRunOfDigitsWithinItsMaximum) {
  const struct {
    std::wstring texte;
    std::size_t debut;
    std::uint64_t maximum;
    bool lu;
    std::uint64_t valeur;
    std::size_t fin;
  } cas[] = {
      {L"x123y", 1, 1000, true, 123, 4},
      {L"18446744073709551615", 0, UINT64_MAX, true, UINT64_MAX, 20},
      {L"18446744073709551616", 0, UINT64_MAX, false, 0, 0},  // one past 64 bits
      {L"2147483648", 0, 2147483647, false, 0, 0},
      {L"-1", 0, 9, false, 0, 0},  // no digit at the start
      {L"12", 2, 9, false, 0, 2},  // at the end
  };
  for (const auto& c : cas) {
    std::uint64_t valeur = 0;
    std::size_t position = c.debut;
    EXPECT_EQ(stbStr_lireChiffres(valeur, c.texte, position, c.maximum), c.lu) << stbStr_versEtroit(c.texte);
    EXPECT_EQ(valeur, c.valeur) << stbStr_versEtroit(c.texte);
    EXPECT_EQ(position, c.lu ? c.fin : c.debut) << stbStr_versEtroit(c.texte);
  }
}

TEST_F(StbStr, VersReel) {
  struct Case { std::wstring texte; double valeur; const char* why; };
  const Case cases[] = {
      {L"2,5", 2.0, "the comma ends the number"},
      {L"2.5", 2.5, "point"},
      {L"-1.5e3x", -1500.0, "exponent, rest ignored"},
      {L"1e", 1.0, "an exponent without digits is not part of the number"},
      {L"1e+", 1.0, "likewise with a sign"},
      {L".5", 0.5, "no integer part"},
      {L"5.", 5.0, "no fraction part"},
      {L"  +3.25", 3.25, "white space and plus sign"},
      {L"abc", 0.0, "no number"},
      {L".", 0.0, "a point alone"},
      {L"e5", 0.0, "an exponent alone"},
      {L"1e999", 0.0, "overflow"},
      {L"-1e999", 0.0, "negative overflow"},
      {L"inf", 0.0, "not a decimal number"},
      {L"nan", 0.0, "not a decimal number"},
      {L"1 000", 1.0, "no digit grouping"},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(stbStr_versReel(c.texte), c.valeur) << c.why;
}

TEST_F(StbStr, DecouperKeepsEmptyFields) {
  struct Case { std::wstring texte, sep; Liste champs; const char* why; };
  const Case cases[] = {
      {L"12/05/2020", L"/", {L"12", L"05", L"2020"}, "a date"},
      {L"", L";", {L""}, "empty text gives one empty field"},
      {L"a;;b;", L";", {L"a", L"", L"b", L""}, "n separators give n+1 fields"},
      {L"a,b;c", L",;", {L"a", L"b", L"c"}, "any character of a longer separator"},
      {L"a,;b", L",;", {L"a", L"", L"b"}, "longer separator keeps empty fields"},
      {L"abc", L"", {L"abc"}, "empty separator"},
      {L"l1\rl2\r", L"\r", {L"l1", L"l2", L""}, "carriage returns"},
  };
  for (const Case& c : cases) {
    Liste sortie{L"stale"};
    stbStr_decouper(sortie, c.texte, c.sep);
    EXPECT_EQ(sortie, c.champs) << c.why;
  }
  Liste lignes{L"stale"};
  stbStr_decouperLignes(lignes, L"ligne 1\rligne 2");
  EXPECT_EQ(lignes, (Liste{L"ligne 1", L"ligne 2"}));
  EXPECT_TRUE(msg::log().empty());
}

TEST_F(StbStr, AvantPointVirguleEtIndiceDansListe) {
  std::wstring s;
  EXPECT_EQ(stbStr_avantPointVirgule(s, L"a;b;c"), L"a");
  EXPECT_EQ(stbStr_avantPointVirgule(s, L"abc"), L"abc");
  EXPECT_EQ(stbStr_avantPointVirgule(s, L""), L"");
  EXPECT_EQ(stbStr_avantPointVirgule(s, L";x"), L"");

  const Liste liste{L"A", L"b", L"B"};
  EXPECT_EQ(stbStr_indiceDansListe(liste, L"B", true), 2);
  EXPECT_EQ(stbStr_indiceDansListe(liste, L"B", false), 1);
  EXPECT_EQ(stbStr_indiceDansListe(liste, L"z", false), -1);
  EXPECT_EQ(stbStr_indiceDansListe({}, L"A", false), -1);
}

TEST_F(StbStr, MasqueVersRegexEscapesThenTurnsWildcardsIntoPatterns) {
  struct Case { std::wstring masque, motif; const char* why; };
  const Case cases[] = {
      {L"*.dgn", L".*\\.dgn", "star and point"},
      {L"P?.csv", L"P.\\.csv", "question mark"},
      {L"a\\b", L"a\\\\b", "a backslash is doubled"},
      {L"^$|()[]+/", L"\\^\\$\\|\\(\\)\\[\\]\\+\\/", "every special character"},
      {L"a{2}", L"a{2}", "braces are left as they are"},
      {L"\\*", L"\\\\.*", "a backslash before a star"},
      {L"", L"", "empty"},
  };
  for (const Case& c : cases) {
    std::wstring motif = L"stale";
    EXPECT_EQ(stbStr_masqueVersRegex(motif, c.masque), c.motif) << c.why;
  }
  std::wstring motif;
  const boost::wregex dgn(stbStr_masqueVersRegex(motif, L"*.dgn"));
  EXPECT_TRUE(boost::regex_match(std::wstring(L"PLAN.dgn"), dgn));
  EXPECT_FALSE(boost::regex_match(std::wstring(L"PLAN.dgn.bak"), dgn));
  EXPECT_FALSE(boost::regex_match(std::wstring(L"PLANxdgn"), dgn));
}

}  // namespace

TEST(StbStrEtroit, VersEtroitKeepsTheLowByteOfEachCharacter) {
  EXPECT_EQ(stbStr_versEtroit(L""), "");
  EXPECT_EQ(stbStr_versEtroit(L"01.02.03"), "01.02.03");
  EXPECT_EQ(stbStr_versEtroit(L"D\u00e9monter"), "D\xe9monter");  // Latin-1 unchanged
  EXPECT_EQ(stbStr_versEtroit(L"\u20ac"), "\xac");                // no code-page conversion
  EXPECT_EQ(stbStr_versEtroit(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
}
