// Bounded random and adversarial inputs for the text-to-number conversions and the file-mask
// conversion: no exception, no sanitizer report, and a result that agrees with a reference.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "host/messages.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

constexpr int kTirages = 20000;  // per property; fixed seed, so every run is the same

std::wstring tirer(std::mt19937& gen, const std::wstring& alphabet, size_t longueurMax) {
  std::uniform_int_distribution<size_t> longueur(0, longueurMax), lettre(0, alphabet.size() - 1);
  std::wstring s(longueur(gen), L' ');
  for (wchar_t& c : s) c = alphabet[lettre(gen)];
  return s;
}

// Characters that stress the parsers: every ASCII class, NUL, Latin-1, a surrogate, beyond the BMP.
const std::wstring kDivers = std::wstring(L"0123456789+-.eE ,\t\r\nxabc;/\\*?^$|()[]{}\u00e9\u00a0\u0152\u0661") +
                             std::wstring(1, L'\0') + std::wstring(1, static_cast<wchar_t>(0xD800)) +
                             std::wstring(1, static_cast<wchar_t>(0x1F600));

TEST(StbStrFuzz, VersEntierAgreesWithTheCLibraryOnAsciiAndNeverFailsOnAnything) {
  std::mt19937 gen(20210305);
  const std::wstring ascii = L"0123456789+- \t\nxa.";
  for (int i = 0; i < kTirages; ++i) {
    const std::wstring texte = i % 2 ? tirer(gen, ascii, 14) : tirer(gen, kDivers, 24);
    const int valeur = stbStr_versEntier(texte);
    if (i % 2 == 0) continue;  // no reference for other characters: surviving is the check
    errno = 0;
    wchar_t* fin = nullptr;
    const long long ref = std::wcstoll(texte.c_str(), &fin, 10);
    const bool horsBornes = errno == ERANGE || ref > INT_MAX || ref < INT_MIN;
    const int attendu = fin == texte.c_str() || horsBornes ? 0 : static_cast<int>(ref);
    ASSERT_EQ(valeur, attendu) << "case " << i;
  }
  for (const std::wstring& texte : {std::wstring(1000000, L'9'), std::wstring(1000000, L' '),
                                    L"-" + std::wstring(500000, L'0') + L"1"})
    EXPECT_EQ(stbStr_versEntier(texte), texte.back() == L'1' ? -1 : 0);
}

TEST(StbStrFuzz, VersReelAgreesWithTheCLibraryOnAsciiAndNeverFailsOnAnything) {
  std::mt19937 gen(1234);
  const std::wstring ascii = L"0123456789+-.eE ,a";  // no letters that start hex, inf or nan
  for (int i = 0; i < kTirages; ++i) {
    const bool reference = i % 2;
    std::wstring texte = reference ? tirer(gen, ascii, 16) : tirer(gen, kDivers, 24);
    if (reference && i % 10 == 1) texte += L"e" + std::to_wstring(static_cast<int>(gen() % 700) - 350);
    const double valeur = stbStr_versReel(texte);
    ASSERT_TRUE(std::isfinite(valeur)) << "case " << i;
    if (!reference) continue;
    errno = 0;
    wchar_t* fin = nullptr;
    const double ref = std::wcstod(texte.c_str(), &fin);
    if (fin == texte.c_str()) {
      ASSERT_EQ(valeur, 0.0) << "case " << i;
    } else if (errno == ERANGE) {
      ASSERT_LT(std::fabs(valeur), DBL_MIN) << "case " << i;  // out of range: 0, or at most a denormal
    } else {
      ASSERT_EQ(valeur, ref) << "case " << i;
    }
  }
  EXPECT_EQ(stbStr_versReel(std::wstring(400, L'9')), 0.0);  // 1e400: out of range
  EXPECT_EQ(stbStr_versReel(L"0." + std::wstring(100000, L'0') + L"1"), 0.0);
  EXPECT_EQ(stbStr_versReel(std::wstring(100000, L'0') + L"1.5"), 1.5);
}

// The mask with its wildcards filled in; "?" by one character, "*" by two.
std::wstring instancier(const std::wstring& masque) {
  std::wstring nom;
  for (wchar_t c : masque) {
    if (c == L'?') nom += L'x';
    else if (c == L'*') nom += L"yz";
    else nom += c;
  }
  return nom;
}

TEST(StbStrFuzz, MasqueVersRegexGivesAPatternThatMatchesWhatTheMaskDescribes) {
  std::mt19937 gen(42);
  std::wstring sansAccolades;
  for (wchar_t c : kDivers)
    if (c != L'{' && c != L'}') sansAccolades += c;
  for (int i = 0; i < kTirages / 4; ++i) {
    const std::wstring masque = tirer(gen, sansAccolades, 12);
    std::wstring motif;
    stbStr_masqueVersRegex(motif, masque);
    boost::wregex expression;
    ASSERT_NO_THROW(expression.assign(motif)) << "case " << i;
    ASSERT_TRUE(boost::regex_match(instancier(masque), expression)) << "case " << i;
    if (masque.find_first_of(L"?*") == std::wstring::npos) {
      ASSERT_FALSE(boost::regex_match(masque + L"x", expression)) << "case " << i;  // anchored in use
    }
  }
}

TEST(StbStrFuzz, ListerSurvivesAnyMask) {
  host::messages::clearLog();
  boost::filesystem::remove_all("fuzz_lister");
  boost::filesystem::create_directories("fuzz_lister");
  for (const char* n : {"a.dgn", "B{2}.csv", "x"}) std::ofstream(std::string("fuzz_lister/") + n) << "x";
  std::mt19937 gen(7);
  for (int i = 0; i < 300; ++i) {
    std::vector<std::wstring> sortie;
    const std::wstring masque = tirer(gen, kDivers, 10);
    stbFichier_lister(sortie, L"fuzz_lister", masque);
    ASSERT_LE(sortie.size(), 3u);
  }
  for (const wchar_t* masque : {L"{", L"a{2,1}", L"*{99999999}", L"(((((", L"\\"}) {
    std::vector<std::wstring> sortie;
    EXPECT_NO_THROW(stbFichier_lister(sortie, L"fuzz_lister", masque)) << masque;
  }
  EXPECT_TRUE(host::messages::log().empty());
}

}  // namespace
