// Bounded hostile clipboard texts for the GML import, alone and through the paste button of the
// coordinates dialog: mutations and truncations of the clipboard's GML texts and a few large
// documents. No exception, no sanitizer report, a result of 0 or 0x8000, and on 0 finite points
// and a row of the table; the paste leaves finite fields and a closed clipboard. Fixed seed and
// counts, so every run is the same.
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/tests/bilan_fixture.h"
#include "application/tests/stb_xml_fixture.h"
#include "host/clipboard.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/tools.h"
#include "host/transients.h"

namespace {

namespace d = host::dialogs;
using stbxml_fixture::lignes;
using stbxml_fixture::muter;

constexpr std::int32_t kEchec = 0x8000;
constexpr int kMutations = 3000;  // through the import alone
constexpr int kCollages = 400;    // through the paste button

const std::wstring kTextes[] = {
    stbxml_fixture::textePoint(), stbxml_fixture::textePolygone(),
    // A Lambert 93 point: its row is a projected one.
    stbxml_fixture::textePoint(L"700000.000000000,6600000.000000000").replace(
        stbxml_fixture::textePoint().find(L"EPSG:4326"), 9, L"IGN-RGF93")};

std::wstring repeter(const std::wstring& motif, std::size_t fois) {
  std::wstring sortie;
  sortie.reserve(motif.size() * fois);
  for (std::size_t i = 0; i < fois; ++i) sortie += motif;
  return sortie;
}

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
    if (importer(muter(kTextes[i % 3], gen)) == 0) ++acceptes;
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

// The paste button of dialog 5 on a Lambert 93 drawing, the clipboard set by the host.
class CollerGml : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    proj_remplirTable();
    reinitialiserGlobales();
    host::fixture::DesignBuilder b;
    b.header().coordinateSystem = L"IGN-RGF93";
    b.add(host::fixture::line({0, 0, 0}, {1000, 1000, 0}));
    const std::wstring chemin = (dir / "Travail.dgn").wstring();
    ASSERT_TRUE(b.save(chemin));
    ASSERT_EQ(host::openActiveFile(chemin), host::kSuccess);
    cmd_ouvrirCoordonnees(L"");
    ASSERT_NE(d::find(5), nullptr);
  }
  void TearDown() override {
    host::tools::startDefaultCommand();
    d::closeOwnedBy(0);
    reinitialiserGlobales();
    ApplicationEnProcessus::TearDown();
  }
  static void reinitialiserGlobales() {
    projectionCourante = -1;
    marqueurCoordonnees = nullptr;
    pointsCoordonnees.clear();
    modeCopie = 0;
    host::clipboard::clear();
    host::transients::clear();
  }

  // Pastes the text: whether it was read (as GML or plain numbers).
  static bool coller(const std::wstring& texte) {
    host::clipboard::setText(texte);
    std::wstring erreur;
    host::messages::clearLog();
    EXPECT_TRUE(d::press(d::findItem(d::find(5), d::ItemType::PushButton, 52), erreur));
    bool lu = true;
    for (const auto& e : host::messages::log())
      if (e.brief.find(L"ne peut \u00eatre interpr\u00e9t\u00e9") != std::wstring::npos) lu = false;
    host::messages::clearLog();
    EXPECT_FALSE(host::clipboard::isOpen());
    for (const double v : TvkDlg.coordonnees) EXPECT_TRUE(std::isfinite(v)) << v;
    EXPECT_GE(projectionCourante, 0);
    EXPECT_LT(projectionCourante, static_cast<std::int32_t>(appTolvek.projections.size()));
    return lu;
  }
};

TEST_F(CollerGml, MutationsAndTruncationsPastedIntoTheDialog) {
  std::mt19937 gen(2911);
  int lus = 0;
  for (int i = 0; i < kCollages; ++i) {
    if (coller(muter(kTextes[i % 3], gen))) ++lus;
    if (::testing::Test::HasFailure()) FAIL() << "mutation " << i;
  }
  EXPECT_GT(lus, 0);
  EXPECT_LT(lus, kCollages);
  for (const std::wstring& texte : kTextes)
    for (std::size_t n = 0; n <= texte.size(); ++n) {
      coller(texte.substr(0, n));
      if (::testing::Test::HasFailure()) FAIL() << "truncated at " << n;
    }
  EXPECT_TRUE(coller(stbxml_fixture::textePolygone(L"1,2" + repeter(L" 3,4", 100000))));
  EXPECT_FALSE(coller(L"<r>" + repeter(L"<a/>", 100000) + L"</r>"));
}

}  // namespace
