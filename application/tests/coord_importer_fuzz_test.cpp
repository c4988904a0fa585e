// Bounded hostile clipboard texts for the GML import: mutations and truncations of the
// clipboard's GML texts and a few large documents. No exception, no sanitizer report, a result of
// 0 or 0x8000, and on 0 finite points and a row of the table. Fixed seed and counts, so every run
// is the same. The paste button's own run is with the dialog's tests.
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/tests/stb_xml_fixture.h"
#include "application/verapplication.h"
#include "host/messages.h"

namespace {

using stbxml_fixture::lignes;
using stbxml_fixture::muter;

constexpr std::int32_t kEchec = 0x8000;
constexpr int kMutations = 3000;

const std::vector<std::wstring> kTextes = stbxml_fixture::textesGml();
using stbxml_fixture::repeter;

class ImportGml : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<verprojection> avant = appTolvek.projections;
    proj_remplirTable();
    table = appTolvek.projections;
    appTolvek.projections = avant;
  }
  void TearDown() override {
    pointsCoordonnees.clear();
    host::messages::clearLog();
  }

  // One import: its result, and on 0 a row of the table and finite points.
  std::int32_t importer(const std::wstring& texte) {
    std::int32_t ligne = -7;
    const std::int32_t resultat = coord_importerGml(ligne, lignes(texte), table);
    host::messages::clearLog();  // character references add a line each
    EXPECT_TRUE(resultat == 0 || resultat == kEchec) << resultat;
    if (resultat == 0) {
      EXPECT_GE(ligne, 0);
      EXPECT_LT(ligne, static_cast<std::int32_t>(table.size()));
      EXPECT_FALSE(pointsCoordonnees.empty());
    }
    for (const host::Point3d& p : pointsCoordonnees) {
      EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << p.x << " " << p.y;
      EXPECT_EQ(p.z, 0.0);
    }
    return resultat;
  }

  std::vector<verprojection> table;
};

TEST_F(ImportGml, MutationsAndTruncationsOfTheClipboardTexts) {
  std::mt19937 gen(291);
  int acceptes = 0;
  for (int i = 0; i < kMutations; ++i) {
    if (importer(muter(kTextes[i % kTextes.size()], gen)) == 0) ++acceptes;
    if (::testing::Test::HasFailure()) FAIL() << "mutation " << i;
  }
  EXPECT_GT(acceptes, 0);
  EXPECT_LT(acceptes, kMutations);
  for (const std::wstring& texte : kTextes)
    for (std::size_t n = 0; n <= texte.size(); ++n) {
      importer(texte.substr(0, n));
      if (::testing::Test::HasFailure()) FAIL() << "truncated at " << n;
    }
}

TEST_F(ImportGml, LargeInputsEndInLinearTime) {
  constexpr std::size_t kFois = 100000;
  const std::wstring point = L"<gml:Point srsName=\"EPSG:4326\"><gml:coordinates>1,2</gml:coordinates></gml:Point>";
  EXPECT_EQ(importer(repeter(L"<a>", kFois) + point), kEchec);
  EXPECT_EQ(importer(L"<r>" + repeter(L"<a b=\"1\"/>\n", kFois) + point + L"</r>"), 0);
  EXPECT_EQ(importer(L"<r>" + repeter(point, kFois) + L"</r>"), 0);
  EXPECT_EQ(pointsCoordonnees.size(), 1u);
  // A line of 1 MB: the pairs of one coordinates element, and a name.
  EXPECT_EQ(importer(stbxml_fixture::textePolygone(L"1,2" + repeter(L" 3,4", 1 << 18))), 0);
  EXPECT_EQ(pointsCoordonnees.size(), (1u << 18) + 1);
  EXPECT_EQ(importer(L"<" + std::wstring(1 << 20, L'x') + L"/>" + point), 0);
}

}  // namespace
