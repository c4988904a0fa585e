// Bounded hostile inputs for the XML reader: mutations and truncations of the clipboard's GML
// texts and a few large documents. No exception, no sanitizer report, a result of 0 or 0x8000,
// and on 0 a tree that holds together. Fixed seed and counts, so every run is the same.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "application/stb_xml.h"
#include "application/tests/stb_xml_fixture.h"
#include "host/messages.h"

namespace {

namespace msg = host::messages;
using stbxml_fixture::lignes;

constexpr std::int32_t kEchec = 0x8000;
constexpr int kMutations = 3000;
using stbxml_fixture::kTailleMax;
using stbxml_fixture::muter;

// Parents before children, depths one below the parent's, within the chain, and each child
// listed once by its parent, in order.
void verifierArbre(const StbXml& document) {
  const auto& noeuds = document.noeuds;
  std::size_t enfants = 0, racines = 0;
  for (std::size_t i = 0; i < noeuds.size(); ++i) {
    const StbXmlNoeud& n = noeuds[i];
    ASSERT_FALSE(n.nom.empty());
    ASSERT_GE(n.niveau, 0);
    ASSERT_LT(n.niveau, static_cast<std::int32_t>(StbXml::kProfondeurMax));
    if (n.parent < 0) {
      ASSERT_EQ(n.niveau, 0);
      ++racines;
    } else {
      ASSERT_LT(static_cast<std::size_t>(n.parent), i);
      ASSERT_EQ(n.niveau, noeuds[static_cast<std::size_t>(n.parent)].niveau + 1);
    }
    std::int32_t precedent = static_cast<std::int32_t>(i);
    for (const std::int32_t e : n.enfants) {
      ASSERT_GT(e, precedent);
      ASSERT_LT(static_cast<std::size_t>(e), noeuds.size());
      ASSERT_EQ(noeuds[static_cast<std::size_t>(e)].parent, static_cast<std::int32_t>(i));
      precedent = e;
    }
    enfants += n.enfants.size();
  }
  ASSERT_EQ(enfants + racines, noeuds.size());
}

std::int32_t charger(const std::vector<std::wstring>& texte, StbXml& document) {
  const std::int32_t resultat = StbXml::charger(document, texte);
  msg::clearLog();  // character references add a line each
  EXPECT_TRUE(resultat == 0 || resultat == kEchec) << resultat;
  if (resultat == 0) verifierArbre(document);
  return resultat;
}

std::int32_t charger(const std::vector<std::wstring>& texte) {
  StbXml document;
  return charger(texte, document);
}

const std::wstring kTextes[] = {stbxml_fixture::textePoint(), stbxml_fixture::textePolygone()};

TEST(StbXmlFuzz, MutationsOfTheClipboardTexts) {
  std::mt19937 gen(29);
  int acceptes = 0;
  for (int i = 0; i < kMutations; ++i) {
    const std::wstring texte = muter(kTextes[i % 2], gen);
    ASSERT_LE(texte.size(), kTailleMax);
    if (charger(lignes(texte)) == 0) ++acceptes;
    if (::testing::Test::HasFailure()) FAIL() << "mutation " << i;
  }
  // Both outcomes are exercised: mutations inside texts and attribute values still load.
  EXPECT_GT(acceptes, 0);
  EXPECT_LT(acceptes, kMutations);
}

TEST(StbXmlFuzz, EveryTruncationOfTheClipboardTexts) {
  for (const std::wstring& texte : kTextes)
    for (std::size_t n = 0; n <= texte.size(); ++n) {
      charger(lignes(texte.substr(0, n)));
      if (::testing::Test::HasFailure()) FAIL() << "truncated at " << n;
    }
}

using stbxml_fixture::repeter;

TEST(StbXmlFuzz, LargeInputsEndInLinearTime) {
  constexpr std::size_t kFois = 100000;
  // Nesting is refused at the first element the chain cannot hold, on one line or on many.
  EXPECT_EQ(charger({repeter(L"<a>", kFois)}), kEchec);
  EXPECT_EQ(charger(std::vector<std::wstring>(kFois, L"<a>")), kEchec);
  EXPECT_EQ(charger({L"<a>" + repeter(L"</a>", kFois)}), kEchec);

  StbXml freres;
  ASSERT_EQ(charger({L"<r>" + repeter(L"<a b=\"1\"/>", kFois) + L"</r>"}, freres), 0);
  ASSERT_EQ(freres.noeuds.size(), kFois + 1);
  EXPECT_EQ(freres.noeuds[0].enfants.size(), kFois);
  std::vector<std::wstring> parLigne(kFois, L"<a>1</a>");
  parLigne.front() = L"<r>";
  EXPECT_EQ(charger(parLigne), 0);

  const std::wstring megaoctet(1 << 20, L'x');
  StbXml long1;
  ASSERT_EQ(charger({L"<a b=\"" + megaoctet + L"\">" + megaoctet + L"</a>"}, long1), 0);
  EXPECT_EQ(long1.noeuds[0].texte.size(), megaoctet.size());
  EXPECT_EQ(charger({L"<" + megaoctet + L"/>"}), 0);
  EXPECT_EQ(charger({L"<a>" + repeter(L"&", 1 << 20) + L"</a>"}), 0);
  EXPECT_EQ(charger({L"<a>" + repeter(L"&#1;", 1 << 14) + L"</a>"}), 0);
  EXPECT_EQ(charger({L"<a>" + megaoctet + L"<"}), kEchec);
  EXPECT_EQ(charger({L"<a>" + repeter(L"<", 1 << 20)}), kEchec);
}

}  // namespace
