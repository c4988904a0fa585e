// The coordinates dialog and the copy tools on working drawings in several systems: conversions
// between rows against known points, plain-number pastes, the go-to's cross, the tools' texts on
// the clipboard, every failed reprojection refused with its message, and hostile GML pasted.
#include "application/coordonnees.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "application/proj_application.h"
#include "application/tests/bilan_fixture.h"
#include "application/tests/stb_xml_fixture.h"
#include "host/clipboard.h"
#include "host/config.h"
#include "host/fixture/design_builder.h"
#include "host/svg_view.h"
#include "host/tools.h"
#include "host/transients.h"
#include "host/view_display.h"

namespace {

namespace d = host::dialogs;
namespace fx = host::fixture;

const std::wstring kL93 = L"RGF93-Lambert 93";
const std::wstring kWgs84 = L"WGS84";
const std::wstring kConversion = L"7 Op\u00e9ration impossible car les coordonn\u00e9es ne peuvent \u00eatre converties.";
const std::wstring kSansProjection =
    L"7 Op\u00e9ration impossible car la projection du mod\u00e8le actif n'est pas d\u00e9finie.";

class Coordonnees : public bilan_fixture::ApplicationEnProcessus {
 protected:
  void SetUp() override {
    ApplicationEnProcessus::SetUp();
    proj_remplirTable();
    reinitialiserGlobales();
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
    host::clipboard::setUnavailable(false);
    host::transients::clear();
  }

  // A working drawing (1000 UORs per metre) in the system of `cle`, none without one, made active.
  void dessin(const std::optional<std::wstring>& cle) {
    fx::DesignBuilder b;
    b.header().coordinateSystem = cle;
    b.add(fx::line({0, 0, 0}, {1000, 1000, 0}));
    const std::wstring chemin = (dir / "Travail.dgn").wstring();
    ASSERT_TRUE(b.save(chemin));
    ASSERT_EQ(host::openActiveFile(chemin), host::kSuccess);
  }

  static d::Dialog* dialogue() { return d::find(5); }
  static d::Item* item(d::ItemType type, int id) { return d::findItem(dialogue(), type, id); }
  static void ouvrir() {
    cmd_ouvrirCoordonnees(L"");
    ASSERT_NE(dialogue(), nullptr);
  }
  static bool choisir(const std::wstring& libelle) {
    std::wstring erreur;
    return d::choose(item(d::ItemType::ComboBox, 51), libelle, erreur);
  }
  static void taper(int id, const std::wstring& valeur) {
    std::wstring erreur;
    EXPECT_TRUE(d::type(item(d::ItemType::Text, id), valeur, erreur)) << id << " " << valeur;
  }
  static void presser(int id) {
    std::wstring erreur;
    EXPECT_TRUE(d::press(item(d::ItemType::PushButton, id), erreur)) << id;
  }
  static void menu(int entree) {
    std::wstring erreur;
    EXPECT_TRUE(d::chooseMenu(item(d::ItemType::MenuBar, 0), entree, erreur)) << entree;
  }
  static bool visible(int id) { return item(d::ItemType::Text, id)->visible; }

  // Every message since the last clearLog(), as "kind text" with the toolbox's kind (1, 2, 3, 7).
  static std::vector<std::wstring> messages() {
    std::vector<std::wstring> textes;
    for (const auto& e : host::messages::log()) {
      int genre = 4;
      if (e.kind == host::messages::Kind::MessageCenter) genre = e.priority == 13 ? 1 : e.priority == 10 ? 2 : 3;
      if (e.kind == host::messages::Kind::MessageBox) genre = e.iconType == 4 ? 7 : 5;
      textes.push_back(std::to_wstring(genre) + L" " + e.brief);
    }
    return textes;
  }
  static std::wstring presseRetire() { return host::clipboard::text().value_or(L"<vide>"); }
  static void point(double x, double y, int vue = 0) {
    std::wstring erreur;
    EXPECT_TRUE(host::tools::dataPoint(vue, {x, y, 0}, erreur));
  }
  static void reset() {
    std::wstring erreur;
    EXPECT_TRUE(host::tools::reset(erreur));
  }
};

TEST_F(Coordonnees, OpensOnLambert93AndConvertsKnownPointsBetweenRows) {
  dessin(L"IGN-RGF93");
  struct Cas {
    std::wstring source;
    double x, y;
    std::wstring cible;
    double attenduX, attenduY, tolerance;
  };
  const Cas cas[] = {
      {kL93, 700000, 6600000, kWgs84, 3, 46.5, 1e-9},
      {L"RGF93-Conique conforme 47", 1700000, 6200000, kWgs84, 3, 47, 1e-9},
      {L"WGS84 UTM 20N-GUADELOUPE-MARTINIQUE", 500000, 0, kWgs84, -63, 0, 1e-9},
      {L"RGFG95-GUYANE", 500000, 0, kWgs84, -51, 0, 1e-9},
      {L"RGR92-REUNION", 500000, 10000000, kWgs84, 57, 0, 1e-9},
      {kWgs84, 3, 47, kL93, 700000.000, 6655530.860, 1e-3},
      {kWgs84, 2.35, 48.8566, kL93, 652307.606, 6862036.586, 1e-3},
  };
  for (const auto& c : cas) {
    const double depart[4] = {700000, 6600000, 3, 46.5};
    std::copy(depart, depart + 4, TvkDlg.coordonnees);
    ouvrir();
    EXPECT_EQ(std::string(TvkDlg.libelleProjection), "RGF93-Lambert 93");
    EXPECT_TRUE(visible(51) && visible(52) && !visible(53) && !visible(54));
    ASSERT_TRUE(choisir(c.source));
    const bool geoSource = c.source == kWgs84, geoCible = c.cible == kWgs84;
    taper(geoSource ? 53 : 51, std::to_wstring(c.x));
    taper(geoSource ? 54 : 52, std::to_wstring(c.y));
    ASSERT_TRUE(choisir(c.cible));
    EXPECT_EQ(visible(53), geoCible);
    EXPECT_EQ(visible(51), !geoCible);
    const double* paire = &TvkDlg.coordonnees[geoCible ? 2 : 0];
    EXPECT_NEAR(paire[0], c.attenduX, c.tolerance) << std::string(c.source.begin(), c.source.end());
    EXPECT_NEAR(paire[1], c.attenduY, c.tolerance) << std::string(c.source.begin(), c.source.end());
    d::close(dialogue());
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(Coordonnees, ARoundTripThroughTheExtendedZoneKeepsItsLabelAndThePoint) {
  dessin(L"IGN-RGF93");
  ouvrir();
  taper(51, L"700000");
  taper(52, L"6600000");
  ASSERT_TRUE(choisir(L"NTF-Zone Lambert 2 \u00e9tendue"));
  EXPECT_EQ(projectionCourante, 4);  // the accented label was found again in the single-byte field
  EXPECT_GT(std::abs(TvkDlg.coordonnees[0] - 700000), 1000.0);
  ASSERT_TRUE(choisir(kL93));
  EXPECT_NEAR(TvkDlg.coordonnees[0], 700000, 1e-3);
  EXPECT_NEAR(TvkDlg.coordonnees[1], 6600000, 1e-3);

  // The empty first row changes nothing; the next row chosen converts from the last one shown.
  ASSERT_TRUE(choisir(L"#0"));
  EXPECT_EQ(projectionCourante, 5);
  EXPECT_TRUE(visible(51) && !visible(53));
  EXPECT_NEAR(TvkDlg.coordonnees[0], 700000, 1e-3);
  ASSERT_TRUE(choisir(kWgs84));
  EXPECT_NEAR(TvkDlg.coordonnees[2], 3, 1e-9);
}

TEST_F(Coordonnees, ALabelThatMatchesNoRowChangesNothingSilently) {
  dessin(L"IGN-RGF93");
  // The default row with a label longer than the field: it is cut to 83 bytes, then found no more.
  appTolvek.projections[5].libelle = std::wstring(100, L'L');
  ouvrir();
  EXPECT_EQ(std::string(TvkDlg.libelleProjection), std::string(83, 'L'));
  EXPECT_EQ(projectionCourante, 5);
  taper(51, L"700000");
  taper(52, L"6600000");
  presser(51);
  ASSERT_TRUE(choisir(L"#0"));  // the empty label
  presser(51);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(host::transients::count(), 0u);
  EXPECT_EQ(projectionCourante, 5);
}

TEST_F(Coordonnees, APointThatCannotBeConvertedLeavesTheNewRowsPairAsItWas) {
  dessin(L"IGN-RGF93");
  const double inf = std::numeric_limits<double>::infinity();
  struct Cas {
    std::wstring x, y;
    const char* pourquoi;
  };
  const Cas cas[] = {{L"3", L"95", "latitude of 95"}, {L"nan", L"46", "not a number"}, {L"inf", L"46", "infinite"}};
  for (const auto& c : cas) {
    ouvrir();
    TvkDlg.coordonnees[0] = 123.0;
    TvkDlg.coordonnees[1] = inf;
    ASSERT_TRUE(choisir(kWgs84));
    taper(53, c.x);
    taper(54, c.y);
    host::messages::clearLog();
    ASSERT_TRUE(choisir(kL93));
    EXPECT_EQ(messages(), std::vector<std::wstring>{kConversion}) << c.pourquoi;
    EXPECT_EQ(TvkDlg.coordonnees[0], 123.0) << c.pourquoi;
    EXPECT_EQ(TvkDlg.coordonnees[1], inf) << c.pourquoi;
    EXPECT_EQ(projectionCourante, 5) << c.pourquoi;  // the row shown is the current one
    // Going to it neither zooms nor draws.
    ASSERT_TRUE(choisir(kWgs84));
    const host::Range3d avant = host::views::area(0);
    host::messages::clearLog();
    presser(51);
    EXPECT_EQ(messages(), std::vector<std::wstring>{kConversion}) << c.pourquoi;
    EXPECT_EQ(host::views::area(0), avant);
    EXPECT_EQ(host::transients::count(), 0u);
    d::close(dialogue());
  }
}

TEST_F(Coordonnees, PlainNumbersPastedGoToTheProjectedPairOnly) {
  dessin(L"IGN-RGF93");
  const std::wstring illisible = L"2 Le contenu du presse-papier ne peut \u00eatre interpr\u00e9t\u00e9.";
  const std::wstring rien = L"2 Aucune donn\u00e9e dans le presse-papier.";
  std::wstring binaire;
  for (wchar_t c = 1; c < 256; ++c) binaire += c;
  std::wstring nul = L"12.5,-7";
  nul += L'\0';
  nul += L"99,99";
  struct Cas {
    std::optional<std::wstring> texte;  // none: no Unicode text on the clipboard
    std::optional<std::wstring> message;  // none: accepted
    double x, y;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"652307.606,6862036.586", {}, 652307.606, 6862036.586, "two numbers"},
      {L"-,.", {}, 0, 0, "a minus sign, a comma and a point read as zeros"},
      {nul, {}, 12.5, -7, "the text ends at its first null"},
      {L" 1,2", illisible, 0, 0, "leading blank"},
      {L"1;2", illisible, 0, 0, "semicolon"},
      {L"1,2,3", illisible, 0, 0, "three numbers"},
      {L"1,2\n", illisible, 0, 0, "line end"},
      {L"1\r\n,2", illisible, 0, 0, "line end before the comma"},
      {L"1e3,2", illisible, 0, 0, "exponent"},
      {L"1,", illisible, 0, 0, "empty right side"},
      {L"", illisible, 0, 0, "empty text"},
      {std::wstring(L"1,2") + wchar_t(0xD800), illisible, 0, 0, "unpaired surrogate"},
      {std::wstring(L"1,2") + wchar_t(0x1F600), illisible, 0, 0, "character beyond the basic plane"},
      {std::wstring(10 * 1024 * 1024, L'x'), illisible, 0, 0, "10 MB of text"},
      {binaire, illisible, 0, 0, "every byte but zero"},
      {{}, rien, 0, 0, "no Unicode text"},
  };
  ouvrir();
  ASSERT_TRUE(choisir(kWgs84));
  taper(53, L"3");
  taper(54, L"46.5");
  const host::Range3d zone = host::views::area(0);
  for (const auto& c : cas) {
    TvkDlg.coordonnees[0] = TvkDlg.coordonnees[1] = 0.5;
    if (c.texte) host::clipboard::setText(*c.texte);
    else host::clipboard::clear();
    host::messages::clearLog();
    presser(52);
    if (c.message) {
      EXPECT_EQ(messages(), std::vector<std::wstring>{*c.message}) << c.pourquoi;
      EXPECT_EQ(TvkDlg.coordonnees[0], 0.5) << c.pourquoi;
    } else {
      EXPECT_TRUE(messages().empty()) << c.pourquoi;
      EXPECT_EQ(TvkDlg.coordonnees[0], c.x) << c.pourquoi;
      EXPECT_EQ(TvkDlg.coordonnees[1], c.y) << c.pourquoi;
      ASSERT_EQ(pointsCoordonnees.size(), 1u);
    }
    // The dialog still shows the WGS84 row, whose pair keeps its values; nothing is zoomed.
    EXPECT_EQ(std::string(TvkDlg.libelleProjection), "WGS84") << c.pourquoi;
    EXPECT_EQ(TvkDlg.coordonnees[2], 3.0);
    EXPECT_EQ(TvkDlg.coordonnees[3], 46.5);
    EXPECT_EQ(host::views::area(0), zone) << c.pourquoi;
    EXPECT_FALSE(host::clipboard::isOpen()) << c.pourquoi;
  }
  host::clipboard::setText(L"1,2");
  host::clipboard::setUnavailable(true);
  host::messages::clearLog();
  presser(52);
  EXPECT_EQ(messages(), std::vector<std::wstring>{rien});
}

TEST_F(Coordonnees, GoingToThePointCentresTheViewAndDrawsOneCrossInIt) {
  dessin(L"RGF93.CC47");
  ouvrir();
  ASSERT_TRUE(choisir(kWgs84));
  taper(53, L"3");
  taper(54, L"47");
  taper(55, L"1");
  host::views::open(1);
  host::views::setArea(1, host::Range3d::from({0, 0, 0}, {4000, 2000, 0}));
  presser(51);
  // CC47's origin, (1700000, 6200000) m, at the centre; the scale kept.
  EXPECT_NEAR(host::views::centre(1).x, 1700000000.0, 1.0);
  EXPECT_NEAR(host::views::centre(1).y, 6200000000.0, 1.0);
  EXPECT_NEAR(host::views::extent(1).x, 4000.0, 1e-6);
  ASSERT_EQ(host::transients::inView(1).size(), 1u);
  EXPECT_TRUE(host::transients::inView(0).empty());
  const host::Element croix = host::transients::inView(1)[0].element;
  EXPECT_EQ(croix.colour, 5u);
  ASSERT_EQ(croix.points.size(), 5u);
  EXPECT_NEAR(croix.points[0].x, 1700000000.0 - 1e10, 1.0);  // ten million metres
  EXPECT_NEAR(croix.points[2].y, 6200000000.0, 1.0);
  EXPECT_NE(host::svg::viewPicture(1).find("class=\"transient\""), std::string::npos);

  presser(51);  // the second cross replaces the first
  EXPECT_EQ(host::transients::count(), 1u);
  d::close(dialogue());  // closing the dialog takes it away
  EXPECT_EQ(host::transients::count(), 0u);
  EXPECT_EQ(marqueurCoordonnees, nullptr);
}

TEST_F(Coordonnees, GoingToThePointNeedsTheModelsSystemAndAViewOfTheHost) {
  struct Cas {
    std::optional<std::wstring> cle;
    std::wstring vue;
    std::vector<std::wstring> messages;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {std::nullopt, L"0", {kSansProjection}, "no coordinate system"},
      {L"EPSG:3857", L"0", {kSansProjection}, "a system that is no row of the table"},
      {L"IGN-RGF93", L"-1", {}, "view -1"},
      {L"IGN-RGF93", L"40", {}, "view 40"},
  };
  for (const auto& c : cas) {
    dessin(c.cle);
    ouvrir();
    taper(51, L"700000");
    taper(52, L"6600000");
    taper(55, c.vue);
    const host::Range3d avant = host::views::area(0);
    host::messages::clearLog();
    presser(51);
    EXPECT_EQ(messages(), c.messages) << c.pourquoi;
    EXPECT_EQ(host::views::area(0), avant) << c.pourquoi;
    EXPECT_EQ(host::transients::count(), 0u) << c.pourquoi;
    // A single point pasted still fills the fields.
    host::clipboard::setText(L"1,2");
    presser(52);
    EXPECT_EQ(TvkDlg.coordonnees[0], 1.0) << c.pourquoi;
    d::close(dialogue());
  }
}

TEST_F(Coordonnees, TheCopyPointToolPutsThePickedPointInWgs84OnTheClipboard) {
  dessin(L"IGN-RGF93");
  ouvrir();
  menu(1);
  EXPECT_EQ(modeCopie, 1);
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Primitive);
  reset();  // restarts the tool without copying
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Primitive);
  EXPECT_EQ(presseRetire(), L"<vide>");
  point(700000000, 6600000000);
  EXPECT_NE(presseRetire().find(L"\n<gml:coordinates>3.000000000,46.500000000</gml:coordinates>\n"), std::wstring::npos);
  EXPECT_NE(presseRetire().find(L"<gml:Point "), std::wstring::npos);
  EXPECT_EQ(messages(), std::vector<std::wstring>{L"1 Point copi\u00e9 dans le presse-papier"});
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::None);
}

TEST_F(Coordonnees, TheCopyPolygonToolClosesTheRingAndDrawsItWhilePicking) {
  dessin(L"IGN-RGF93");
  ouvrir();
  menu(2);
  reset();  // at once: restarted, nothing picked
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Primitive);
  point(700000000, 6600000000);
  host::tools::motion(0, {701000000, 6600000000, 0});
  ASSERT_EQ(host::views::dynamicsInView(0).size(), 1u);
  EXPECT_EQ(host::views::dynamicsInView(0)[0].type, host::ElementType::Line);
  point(701000000, 6600000000);
  host::tools::motion(0, {701000000, 6601000000, 0});
  ASSERT_EQ(host::views::dynamicsInView(0).size(), 1u);
  EXPECT_EQ(host::views::dynamicsInView(0)[0].type, host::ElementType::Shape);
  EXPECT_NE(host::svg::viewPicture(0).find("class=\"dynamics\""), std::string::npos);
  point(701000000, 6601000000);
  reset();
  const std::wstring t = presseRetire();
  const auto debut = t.find(L"<gml:coordinates>") + 17;
  const std::wstring paires = t.substr(debut, t.find(L"</gml:coordinates>") - debut);
  const std::wstring premiere = paires.substr(0, paires.find(L' '));
  EXPECT_EQ(premiere, L"3.000000000,46.500000000");
  EXPECT_EQ(std::count(paires.begin(), paires.end(), L' '), 3);
  EXPECT_EQ(paires.substr(paires.rfind(L' ') + 1), premiere);
  EXPECT_EQ(messages(), (std::vector<std::wstring>{L"3 Donner le point suivant", L"3 Donner le point suivant",
                                                    L"3 Donner le point suivant / Reset pour fermer",
                                                    L"1 Polygone copi\u00e9 dans le presse-papier"}));
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::None);
  EXPECT_TRUE(host::views::dynamicsInView(0).empty());

  // Two points: nothing copied, the tool ends.
  host::clipboard::clear();
  menu(2);
  point(700000000, 6600000000);
  point(701000000, 6600000000);
  reset();
  EXPECT_EQ(presseRetire(), L"<vide>");
  EXPECT_EQ(host::tools::status().kind, host::tools::Kind::None);

  // Ten thousand points.
  menu(2);
  for (int i = 0; i < 10000; ++i) point(700000000.0 + i * 1000.0, 6600000000.0 + (i % 2) * 1000.0);
  host::tools::motion(0, {700000000, 6700000000, 0});
  reset();
  const std::wstring grand = presseRetire();
  EXPECT_EQ(std::count(grand.begin(), grand.end(), L','), 10001);  // one comma a pair, the ring closed
}

// A paste while the polygon is picked works apart from the tool: the ring copied is the picked
// one, whatever was pasted meanwhile.
TEST_F(Coordonnees, APasteWhileThePolygonIsPickedLeavesThePickedPoints) {
  dessin(L"IGN-RGF93");
  const std::vector<host::Point3d> anneau = {{700000000, 6600000000, 0},
                                             {701000000, 6600000000, 0},
                                             {701000000, 6601000000, 0},
                                             {700000000, 6601000000, 0},
                                             {700000000, 6600000000, 0}};
  const auto& table = appTolvek.projections;
  const std::wstring attendu =
      coord_exporterPoints(anneau, 2, L"Tolvek", table[static_cast<std::size_t>(proj_indiceParCle(table, L"IGN-RGF93"))],
                           table[static_cast<std::size_t>(proj_indiceParCle(table, L"EPSG:4326"))]);
  ASSERT_FALSE(attendu.empty());
  ouvrir();
  menu(2);
  point(anneau[0].x, anneau[0].y);
  point(anneau[1].x, anneau[1].y);
  for (const std::wstring& texte : {std::wstring(L"652307.606,6862036.586"), stbxml_fixture::textePolygone(), std::wstring(L"x")}) {
    host::clipboard::setText(texte);
    presser(52);
    EXPECT_EQ(host::tools::status().kind, host::tools::Kind::Primitive);
  }
  EXPECT_NEAR(TvkDlg.coordonnees[2], 2.355, 1e-9);  // the polygon pasted was read all the same
  host::tools::motion(0, {701000000, 6601000000, 0});
  ASSERT_EQ(host::views::dynamicsInView(0).size(), 1u);
  EXPECT_EQ(host::views::dynamicsInView(0)[0].type, host::ElementType::Shape);  // two points picked
  point(anneau[2].x, anneau[2].y);
  point(anneau[3].x, anneau[3].y);
  reset();
  EXPECT_EQ(presseRetire(), attendu);

  // Once the tool has ended, a paste replaces the points again.
  host::clipboard::setText(L"1,2");
  presser(52);
  ASSERT_EQ(pointsCoordonnees.size(), 1u);
  EXPECT_EQ(pointsCoordonnees[0].x, 1.0);
}

TEST_F(Coordonnees, NothingIsCopiedWithoutTheModelsSystemAPointOfPROJOrAClipboard) {
  struct Cas {
    std::optional<std::wstring> cle;
    double x;
    bool refuse;
    std::wstring message;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {std::nullopt, 700000000, false, kSansProjection, "no coordinate system"},
      {L"IGN-RGF93", std::numeric_limits<double>::quiet_NaN(), false, kConversion, "a point PROJ refuses"},
      {L"IGN-RGF93", 700000000, true, L"7 Impossible d'\u00e9crire dans le presse-papier.", "the clipboard refused"},
  };
  for (const auto& c : cas) {
    dessin(c.cle);
    host::clipboard::setText(L"avant");
    host::clipboard::setUnavailable(c.refuse);
    for (int entree : {1, 2}) {
      ouvrir();
      menu(entree);
      host::messages::clearLog();
      if (entree == 1) {
        point(c.x, 6600000000.0);
      } else {
        for (double dy : {0.0, 1000.0, 2000.0}) point(c.x + dy, 6600000000.0 + dy * dy);
        reset();
      }
      EXPECT_EQ(messages().back(), c.message) << c.pourquoi << " " << entree;
      EXPECT_EQ(host::tools::status().kind, host::tools::Kind::None) << c.pourquoi;
      host::clipboard::setUnavailable(false);
      EXPECT_EQ(presseRetire(), L"avant") << c.pourquoi;
      host::clipboard::setUnavailable(c.refuse);
    }
    host::clipboard::setUnavailable(false);
    d::close(dialogue());
  }
}

// A point a million kilometres from Lambert 93's origin: PROJ gives it a place near the south
// pole, which does not reproject back to it. Such a result, and a pasted box whose centre would
// overflow, are refused with the conversion message; a far point that does come back is not.
TEST_F(Coordonnees, AResultThatDoesNotStandIsRefusedWithTheConversionMessage) {
  dessin(L"IGN-RGF93");
  const double loin = 1e12;  // UORs: 1e9 m
  ouvrir();

  // The combo box: the geographic pair keeps its values.
  TvkDlg.coordonnees[2] = 3;
  TvkDlg.coordonnees[3] = 46.5;
  taper(51, L"1000000000");
  taper(52, L"1000000000");
  host::messages::clearLog();
  ASSERT_TRUE(choisir(kWgs84));
  EXPECT_EQ(messages(), std::vector<std::wstring>{kConversion});
  EXPECT_EQ(TvkDlg.coordonnees[2], 3.0);
  EXPECT_EQ(TvkDlg.coordonnees[3], 46.5);
  ASSERT_TRUE(choisir(kL93));
  taper(51, L"10000000");  // 10000 km away, yet a point that Lambert 93 inverts
  taper(52, L"10000000");
  host::messages::clearLog();
  ASSERT_TRUE(choisir(kWgs84));
  EXPECT_TRUE(messages().empty());
  EXPECT_NEAR(TvkDlg.coordonnees[2], 105.0707431, 1e-6);
  EXPECT_NEAR(TvkDlg.coordonnees[3], 15.3140167, 1e-6);

  // Both copy tools: nothing copied.
  host::clipboard::setText(L"avant");
  menu(1);
  host::messages::clearLog();
  point(loin, loin);
  EXPECT_EQ(messages(), std::vector<std::wstring>{kConversion});
  menu(2);
  for (const auto& [x, y] : {std::pair{700000000.0, 6600000000.0}, {loin, loin}, {701000000.0, 6600000000.0}})
    point(x, y);
  host::messages::clearLog();
  reset();
  EXPECT_EQ(messages(), std::vector<std::wstring>{kConversion});
  EXPECT_EQ(presseRetire(), L"avant");

  // A Lambert 93 polygon whose box centre overflows when its corners are added: finite fields,
  // nothing zoomed.
  std::wstring texte = stbxml_fixture::textePolygone(L"1.7e308,1 1e308,2 1.5e308,3 1.7e308,1");
  texte.replace(texte.find(L"EPSG:4326"), 9, L"IGN-RGF93");
  host::clipboard::setText(texte);
  const host::Range3d zone = host::views::area(0);
  host::messages::clearLog();
  presser(52);
  EXPECT_EQ(messages(), std::vector<std::wstring>{kConversion});
  EXPECT_DOUBLE_EQ(TvkDlg.coordonnees[0], 1.35e308);
  EXPECT_EQ(TvkDlg.coordonnees[1], 2.0);
  EXPECT_EQ(host::views::area(0), zone);
}

// Mutations and truncations of the clipboard's GML texts, and two large ones, pasted on a
// Lambert 93 drawing: read or refused with its message, never a field that is not finite, a row
// that is not one of the table, or a clipboard left open.
TEST_F(Coordonnees, HostileGmlPastedLeavesFiniteFieldsAndAClosedClipboard) {
  constexpr int kCollages = 400;
  dessin(L"IGN-RGF93");
  ouvrir();
  const auto coller = [](const std::wstring& texte) {
    host::clipboard::setText(texte);
    host::messages::clearLog();
    presser(52);
    bool lu = true;
    for (const std::wstring& m : messages())
      if (m.find(L"ne peut \u00eatre interpr\u00e9t\u00e9") != std::wstring::npos) lu = false;
    host::messages::clearLog();
    EXPECT_FALSE(host::clipboard::isOpen());
    for (const double v : TvkDlg.coordonnees) EXPECT_TRUE(std::isfinite(v)) << v;
    EXPECT_GE(projectionCourante, 0);
    EXPECT_LT(projectionCourante, static_cast<std::int32_t>(appTolvek.projections.size()));
    return lu;
  };
  const std::vector<std::wstring> textes = stbxml_fixture::textesGml();
  std::mt19937 gen(2911);
  int lus = 0;
  for (int i = 0; i < kCollages; ++i) {
    if (coller(stbxml_fixture::muter(textes[i % textes.size()], gen))) ++lus;
    if (::testing::Test::HasFailure()) FAIL() << "mutation " << i;
  }
  EXPECT_GT(lus, 0);
  EXPECT_LT(lus, kCollages);
  for (const std::wstring& texte : textes)
    for (std::size_t n = 0; n <= texte.size(); ++n) {
      coller(texte.substr(0, n));
      if (::testing::Test::HasFailure()) FAIL() << "truncated at " << n;
    }
  EXPECT_TRUE(coller(stbxml_fixture::textePolygone(L"1,2" + stbxml_fixture::repeter(L" 3,4", 100000))));
  EXPECT_FALSE(coller(L"<r>" + stbxml_fixture::repeter(L"<a/>", 100000) + L"</r>"));
}

// A clipboard text beyond TOLVEK_PRESSE_PAPIER_MAX_MB (megabytes of UTF-16) is not read: the
// paste finds nothing in it, as in a text that is no GML. The same text within the bound is read.
TEST_F(Coordonnees, AClipboardTextBeyondItsBoundIsNotRead) {
  dessin(L"IGN-RGF93");
  ouvrir();
  // About 1.6 MB of UTF-16: a polygon of 200,001 points.
  host::clipboard::setText(stbxml_fixture::textePolygone(L"1,2" + stbxml_fixture::repeter(L" 3,4", 200000)));
  const std::wstring illisible = L"2 Le contenu du presse-papier ne peut \u00eatre interpr\u00e9t\u00e9.";
  for (const bool borne : {true, false}) {
    SCOPED_TRACE(borne ? "bound of 1 MB" : "default bound");
    if (borne) host::config::set(L"TOLVEK_PRESSE_PAPIER_MAX_MB", L"1");
    else host::config::unset(L"TOLVEK_PRESSE_PAPIER_MAX_MB");
    pointsCoordonnees.clear();
    host::messages::clearLog();
    presser(52);
    if (borne) {
      EXPECT_EQ(messages(), std::vector<std::wstring>{illisible});
      EXPECT_TRUE(pointsCoordonnees.empty());
    } else {
      EXPECT_TRUE(messages().empty());
      EXPECT_EQ(pointsCoordonnees.size(), 200002u) << "the ring, closed";
    }
    EXPECT_FALSE(host::clipboard::isOpen());
  }
}

}  // namespace
