#include "application/stb_xml.h"

#include <fstream>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "application/tests/stb_xml_fixture.h"
#include "host/messages.h"
#include "host/paths.h"

namespace {

namespace fs = boost::filesystem;
namespace msg = host::messages;
using stbxml_fixture::decrire;
using stbxml_fixture::lignes;
using Lignes = std::vector<std::wstring>;

constexpr std::int32_t kEchec = 0x8000;
const std::wstring kReference = L"Erreur de lecture dans StbXml";

// n elements open at once, then closed.
std::wstring imbrication(int n) {
  std::wstring debut, fin;
  for (int i = 0; i < n; ++i) {
    debut += L"<e>";
    fin += L"</e>";
  }
  return debut + L"x" + fin;
}

struct Cas {
  const char* pourquoi;
  Lignes lignes;
  std::int32_t resultat;
  const wchar_t* noeuds;  // decrire() of the document on success; nullptr: not checked
  std::size_t references = 0;  // message-list lines for character references
};

// Lines, expected result, the document read, and why.
const std::vector<Cas>& cas() {
  static const std::vector<Cas> table = {
      // Accepted.
      {"the writer's point text", lignes(stbxml_fixture::textePoint()), 0, nullptr},
      {"the writer's polygon text", lignes(stbxml_fixture::textePolygone()), 0, nullptr},
      {"the byte-order mark read as Latin-1 is dropped from the first line",
       {L"\u00ef\u00bb\u00bf<a>t</a>"}, 0, L"a@0\"t\""},
      {"the mark on a later line is ordinary text", {L"<a>", L"\u00ef\u00bb\u00bft</a>"}, 0,
       L"a@0\"\u00ef\u00bb\u00bft\""},
      {"CR LF line ends", {L"<a>\r", L"<b x=\"1\"/>\r", L"</a>\r", L""}, 0, L"a@0 b@1<0[x=1]"},
      {"names in capitals are kept as written", {L"<GML:POINT SRSNAME=\"k\"></GML:POINT>"}, 0,
       L"GML:POINT@0[SRSNAME=k]"},
      {"a text over two lines is joined without a blank", {L"<a>12", L"34</a>"}, 0, L"a@0\"1234\""},
      {"blanks, tabs, vertical tabs and form feeds trimmed at both ends", {L"<a> \t x y \v\f</a>"}, 0,
       L"a@0\"x y\""},
      {"the five entities decoded; others, a restarted one and an open one dropped; a character "
       "reference reported",
       {L"<a>&lt;&gt;&amp;&nbsp;&#233;;&b&lt;x&amp</a>"}, 0, L"a@0\"<>&;<x\"", 1},
      {"entities decoded after trimming", {L"<a>&amp; </a>"}, 0, L"a@0\"&\""},
      {"character references in values and texts over several lines reported once a load",
       {L"<a d=\"&#1;\" e=\"&#2;\">", L"<b>&#3;&#4;</b><c>&#x5;</c></a>"}, 0, L"a@0[d=][e=] b@1<0 c@1<0", 1},
      {"a refused load reports its character references once too", {L"<a d=\"&#1;\">&#2;</b>"}, kEchec, nullptr, 1},
      {"entities in an attribute value", {L"<a d=\"&quot;&apos;&#x41;\"/>"}, 0, L"a@0[d=\"']", 1},
      {"blanks around = dropped, inside the quotes kept; a single-quoted value lost",
       {L"<a b = \" x y \" c='z'>"}, 0, L"a@0[b= x y ]"},
      {"a name without = runs into the next one", {L"<a b c=\"1\"/>"}, 0, L"a@0[bc=1]"},
      {"a value left open at the end of the tag is dropped", {L"<a b=\"x>"}, 0, L"a@0"},
      {"declaration and comment give no node",
       {L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", L"<!-- note -->", L"<a/>"}, 0, L"a@0"},
      {"self-closing elements and text after a child", {L"<a><b/>t<c>u</c></a>"}, 0,
       L"a@0\"t\" b@1<0 c@1<0\"u\""},
      {"elements still open at the end are accepted", {L"<a><b>"}, 0, L"a@0 b@1<0"},
      {"a second root after the first", {L"<a/><b/>"}, 0, L"a@0 b@0"},
      {"twenty-one elements open at once", {imbrication(21)}, 0, nullptr},
      {"no lines but an empty one", {L""}, 0, L""},
      // Refused.
      {"an end tag that differs", {L"<a></b>"}, kEchec, nullptr},
      {"an end tag that differs only in case", {L"<a></A>"}, kEchec, nullptr},
      {"a blank after the last tag", {L"<a/> "}, kEchec, nullptr},
      {"a blank on a line after the last tag", {L"<a/>", L" "}, kEchec, nullptr},
      {"an unclosed tag", {L"<a><b"}, kEchec, nullptr},
      {"an empty tag", {L"<a><></a>"}, kEchec, nullptr},
      {"a blank as the whole tag", {L"<a>< ></a>"}, kEchec, nullptr},
      {"a tag name after a blank", {L"< a/>"}, kEchec, nullptr},
      {"a second text in one element", {L"<a>t<b/>u</a>"}, kEchec, nullptr},
      {"a comment holding >", {L"<!-- a > b -->", L"<a/>"}, kEchec, nullptr},
      {"twenty-two elements open at once", {imbrication(22)}, kEchec, nullptr},
      {"a self-closing element below twenty-one open ones", {imbrication(21).insert(63, L"<b/>")}, kEchec,
       nullptr},
      {"an empty end tag", {L"<a></>"}, kEchec, nullptr},
      {"an end tag with nothing open", {L"<a/></a>"}, kEchec, nullptr},
      {"text before the root", {L"t<a/>"}, kEchec, nullptr},
      {"< inside a tag", {L"<a<b>"}, kEchec, nullptr},
      {"> outside a tag", {L"<a>x>y</a>"}, kEchec, nullptr},
      {"a second = in one attribute", {L"<a b==\"1\"/>"}, kEchec, nullptr},
      {"an attribute without a name", {L"<a =\"1\"/>"}, kEchec, nullptr},
      {"a single-quoted value runs into the next attribute, whose = is a second one",
       {L"<a c='z' d=\"1\"/>"}, kEchec, nullptr},
  };
  return table;
}

TEST(StbXml, TableOfCases) {
  for (const Cas& c : cas()) {
    SCOPED_TRACE(c.pourquoi);
    msg::clearLog();
    StbXml document;
    EXPECT_EQ(StbXml::charger(document, c.lignes), c.resultat);
    if (c.resultat == 0 && c.noeuds) {
      EXPECT_EQ(decrire(document), c.noeuds);
    }
    // Only character references reach the user; the load's own messages are not shown.
    const auto journal = msg::log();
    ASSERT_EQ(journal.size(), c.references);
    for (const auto& e : journal) {
      EXPECT_EQ(e.kind, msg::Kind::MessageList);
      EXPECT_EQ(e.brief, kReference);
    }
  }
  msg::clearLog();
}

TEST(StbXml, ThePointTextGivesItsTreeAndLookUpsIgnoreCase) {
  StbXml document;
  ASSERT_EQ(StbXml::charger(document, lignes(stbxml_fixture::textePoint())), 0);
  ASSERT_EQ(document.noeuds.size(), 8u);
  EXPECT_EQ(document.niveau, -1);

  const std::int32_t point = StbXml::chercherNoeud(L"GML:point", document);
  ASSERT_EQ(point, 4);
  const StbXmlNoeud& p = document.noeuds[4];
  EXPECT_EQ(p.cle, L"gml:FeatureCollection|gml:featureMember|my:point|my:geometryProperty");
  EXPECT_EQ(p.niveau, 4);
  EXPECT_EQ(p.parent, 3);
  EXPECT_EQ(p.enfants, std::vector<std::int32_t>{5});
  const std::int32_t srs = StbXml::chercherAttribut(L"SRSNAME", p);
  ASSERT_EQ(srs, 1);
  EXPECT_EQ(p.attributs[1].valeur, L"EPSG:4326");
  EXPECT_EQ(StbXml::chercherAttribut(L"srs", p), -1);

  const StbXmlNoeud& coordonnees = document.noeuds[static_cast<std::size_t>(StbXml::chercherNoeud(L"gml:coordinates", document))];
  EXPECT_EQ(coordonnees.texte, L"2.350000000,48.856600000");
  EXPECT_TRUE(coordonnees.enfants.empty());

  EXPECT_EQ(document.noeuds[0].cle, L"");
  EXPECT_EQ(document.noeuds[0].attributs.size(), 5u);
  EXPECT_EQ(document.noeuds[1].cle, L"gml:FeatureCollection");
  // my:point holds the geometry, then the reference and the source application.
  EXPECT_EQ(document.noeuds[2].enfants, (std::vector<std::int32_t>{3, 6, 7}));
  EXPECT_EQ(document.noeuds[7].texte, L"Tolvek");
  EXPECT_EQ(document.noeuds[7].cle, L"gml:FeatureCollection|gml:featureMember|my:point");
  EXPECT_EQ(StbXml::chercherNoeud(L"gml:Polygon", document), -1);
}

TEST(StbXml, TheFirstNodeOfANameIsFound) {
  StbXml document;
  ASSERT_EQ(StbXml::charger(document, {L"<r><b/><A/><a/></r>"}), 0);
  EXPECT_EQ(StbXml::chercherNoeud(L"a", document), 2);
  EXPECT_EQ(StbXml::chercherNoeud(L"", document), -1);
  EXPECT_EQ(document.noeuds[0].enfants, (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(StbXml, TheMarkAndCarriageReturnsLoadAsWithout) {
  StbXml simple, marque;
  Lignes avec = lignes(stbxml_fixture::textePolygone());
  ASSERT_EQ(StbXml::charger(simple, avec), 0);
  for (std::wstring& l : avec) l += L"\r";
  avec.front().insert(0, L"\u00ef\u00bb\u00bf");
  ASSERT_EQ(StbXml::charger(marque, avec), 0);
  EXPECT_EQ(decrire(marque), decrire(simple));
}

// A fresh folder per test, under the tests' working directory.
class StbXmlFichier : public ::testing::Test {
 protected:
  void SetUp() override {
    msg::clearLog();
    racine_ = fs::absolute(fs::path("stb_xml") / ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(racine_);
    fs::create_directories(racine_);
  }

  std::wstring ecrire(const std::string& nom, const std::string& octets) const {
    std::ofstream((racine_ / nom).string(), std::ios::binary) << octets;
    return host::paths::fromNative(racine_ / nom);
  }

  fs::path racine_;
};

TEST_F(StbXmlFichier, AFileIsReadInLatin1WithItsMarkAndLineEnds) {
  StbXml document;
  document.chemin = ecrire("point.gml", "\xEF\xBB\xBF<a n=\"\xE9t\xE9\">\r\n<b>1,2</b>\r\n</a>\r\n");
  ASSERT_EQ(StbXml::charger(document, {}), 0);
  EXPECT_EQ(decrire(document), L"a@0[n=\u00e9t\u00e9] b@1<0\"1,2\"");
  // Lines given win over the file.
  ASSERT_EQ(StbXml::charger(document, {L"<c/>"}), 0);
  EXPECT_EQ(decrire(document), L"c@0");
}

TEST_F(StbXmlFichier, AMissingEmptyDirectoryOrBinaryFileIsRefusedSilently) {
  static const char kBinaire[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0<\xFF>>\0";
  fs::create_directories(racine_ / "dossier");
  const std::wstring chemins[] = {
      L"",
      host::paths::fromNative(racine_ / "absent.gml"),
      ecrire("vide.gml", ""),
      host::paths::fromNative(racine_ / "dossier"),
      ecrire("image.png", std::string(kBinaire, sizeof kBinaire - 1)),
  };
  for (const std::wstring& chemin : chemins) {
    SCOPED_TRACE(std::string(chemin.begin(), chemin.end()));
    StbXml document;
    document.chemin = chemin;
    EXPECT_EQ(StbXml::charger(document, {}), kEchec);
  }
  EXPECT_TRUE(msg::log().empty());
}

}  // namespace
