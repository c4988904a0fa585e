// The GML text of the copy tools, held line by line against its published form, and its reading
// back by the paste: a table of texts with the row and the points each gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <boost/filesystem.hpp>

#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/tests/stb_xml_fixture.h"
#include "application/verapplication.h"
#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"

namespace {

namespace fs = boost::filesystem;
namespace fx = host::fixture;

const std::wstring kCollection =
    L"<gml:FeatureCollection xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    L"xmlns:my=\"http://www.quorel.fr/lumec/localisation\" xmlns:gml=\"http://www.opengis.net/gml/3.2\" "
    L"gml:id=\"gml_id\" xsi:schemaLocation=\"http://www.quorel.fr/lumec/localisation ../localisationGeographique.xsd\">";

verprojection ligne(const std::wstring& cle) {
  verprojection p;
  p.cleSysteme = cle;
  return p;
}

class CoordGml : public ::testing::Test {
 protected:
  // A WGS84 working drawing (1000 UORs per master unit: a degree is 1000 UORs).
  void SetUp() override {
    host::resetModels();
    dir = fs::current_path() / "coord_gml" / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(dir);
    fx::DesignBuilder b;
    b.header().coordinateSystem = L"EPSG:4326";
    ASSERT_TRUE(b.save((dir / "Wgs84.dgn").wstring()));
    ASSERT_EQ(host::openActiveFile((dir / "Wgs84.dgn").wstring()), host::kSuccess);
  }
  void TearDown() override { host::resetModels(); }
  fs::path dir;
};

TEST_F(CoordGml, APointGivesFourteenLinesAndAPolygonEighteen) {
  const verprojection wgs84 = ligne(L"EPSG:4326");
  const std::wstring point =
      L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + kCollection +
      L"\n"
      L"<gml:featureMember>\n"
      L"<my:point gml:id=\"gml_feature_id\">\n"
      L"<my:geometryProperty>\n"
      L"<gml:Point gml:id=\"gml_point_id\" srsName=\"EPSG:4326\">\n"
      L"<gml:coordinates>2.350000000,48.856600000</gml:coordinates>\n"
      L"</gml:Point>\n"
      L"</my:geometryProperty>\n"
      L"<my:reference></my:reference>\n"
      L"<my:applicationSource>Tolvek</my:applicationSource>\n"
      L"</my:point>\n"
      L"</gml:featureMember>\n"
      L"</gml:FeatureCollection>\n";
  EXPECT_EQ(coord_exporterPoints({{2350.0, 48856.6, 5.0}}, 1, L"Tolvek", wgs84, wgs84), point);

  // A triangle as the polygon tool closes it; the form follows the points, not the mode.
  const std::wstring polygone =
      L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + kCollection +
      L"\n"
      L"<gml:featureMember>\n"
      L"<my:polygon gml:id=\"gml_feature_id\">\n"
      L"<my:geometryProperty>\n"
      L"<gml:Polygon gml:id=\"gml_polygon_id\" srsName=\"EPSG:4326\">\n"
      L"<gml:exterior>\n"
      L"<gml:LinearRing>\n"
      L"<gml:coordinates>-61.534200000,16.241100000 -61.500000000,16.300000000 "
      L"-61.450000000,16.241100000 -61.534200000,16.241100000</gml:coordinates>\n"
      L"</gml:LinearRing>\n"
      L"</gml:exterior>\n"
      L"</gml:Polygon>\n"
      L"</my:geometryProperty>\n"
      L"<my:reference></my:reference>\n"
      L"<my:applicationSource>Autre</my:applicationSource>\n"
      L"</my:polygon>\n"
      L"</gml:featureMember>\n"
      L"</gml:FeatureCollection>\n";
  const std::vector<host::Point3d> triangle = {
      {-61534.2, 16241.1, 0}, {-61500.0, 16300.0, 0}, {-61450.0, 16241.1, 0}, {-61534.2, 16241.1, 0}};
  EXPECT_EQ(coord_exporterPoints(triangle, 1, L"Autre", wgs84, wgs84), polygone);
  EXPECT_EQ(std::count(polygone.begin(), polygone.end(), L'\n'), 18);
  EXPECT_EQ(std::count(point.begin(), point.end(), L'\n'), 14);
}

TEST_F(CoordGml, APointThatCannotBeReprojectedGivesNoText) {
  const std::vector<host::Point3d> points = {{2350.0, 48856.6, 0}};
  // Rows with an empty key or a key the host does not know, and a latitude beyond the pole.
  EXPECT_EQ(coord_exporterPoints(points, 1, L"Tolvek", ligne(L""), ligne(L"EPSG:4326")), L"");
  EXPECT_EQ(coord_exporterPoints(points, 1, L"Tolvek", ligne(L"EPSG:4326"), ligne(L"")), L"");
  EXPECT_EQ(coord_exporterPoints(points, 2, L"Tolvek", ligne(L"NTF.Lambert-9"), ligne(L"EPSG:4326")), L"");
  EXPECT_EQ(coord_exporterPoints({{2350.0, 48856.6, 0}, {3000.0, 95000.0, 0}}, 2, L"Tolvek", ligne(L"EPSG:4326"),
                                 ligne(L"IGN-RGF93")),
            L"");
}

// The application's projection table, the global left as it was.
std::vector<verprojection> tableApplication() {
  const std::vector<verprojection> avant = appTolvek.projections;
  proj_remplirTable();
  std::vector<verprojection> table = std::move(appTolvek.projections);
  appTolvek.projections = avant;
  return table;
}

// A geometry element and its coordinates, as simply as the reader takes them.
std::wstring point(const std::wstring& paires, const std::wstring& srs = L"srsName=\"EPSG:4326\"") {
  return L"<gml:Point " + srs + L"><gml:coordinates>" + paires + L"</gml:coordinates></gml:Point>";
}

// n elements open around a point whose coordinates are two levels down: n + 2 open at once.
std::wstring imbrique(int n) {
  std::wstring debut, fin;
  for (int i = 0; i < n; ++i) {
    debut += L"<e>";
    fin += L"</e>";
  }
  return debut + point(L"1,2") + fin;
}

std::wstring remplacer(std::wstring texte, const std::wstring& quoi, const std::wstring& par) {
  for (auto p = texte.find(quoi); p != std::wstring::npos; p = texte.find(quoi, p + par.size()))
    texte.replace(p, quoi.size(), par);
  return texte;
}

constexpr std::int32_t kEchec = 0x8000;
constexpr std::int32_t kInchange = 99;  // the caller's row, left alone before the look-up
constexpr std::int32_t kL93 = 5, kWgs84 = 18;

struct Import {
  const char* pourquoi;
  std::wstring texte;  // cut at line feeds, carriage returns kept
  std::int32_t resultat;
  std::int32_t ligne;
  std::vector<std::pair<double, double>> points;
  std::size_t references = 0;  // "Erreur de lecture dans StbXml" lines
};

TEST_F(CoordGml, ThePasteReadsThePointOrPolygonItsSystemAndItsPairs) {
  const verprojection wgs84 = ligne(L"EPSG:4326");
  const std::wstring textePoint = coord_exporterPoints({{2350.0, 48856.6, 0}}, 1, L"Tolvek", wgs84, wgs84);
  const std::wstring textePolygone = coord_exporterPoints(
      {{-61534.2, 16241.1, 0}, {-61500.0, 16300.0, 0}, {-61450.0, 16241.1, 0}, {-61534.2, 16241.1, 0}}, 2,
      L"Tolvek", wgs84, wgs84);
  ASSERT_FALSE(textePoint.empty());
  ASSERT_FALSE(textePolygone.empty());
  const std::vector<std::pair<double, double>> paris = {{2.35, 48.8566}};
  const std::vector<std::pair<double, double>> anneau = {
      {-61.5342, 16.2411}, {-61.5, 16.3}, {-61.45, 16.2411}, {-61.5342, 16.2411}};

  const Import cas[] = {
      // Accepted.
      {"the writer's point", textePoint, 0, kWgs84, paris},
      {"the writer's polygon, the ring as written", textePolygone, 0, kWgs84, anneau},
      {"the byte-order mark read as Latin-1", L"\u00ef\u00bb\u00bf" + textePoint, 0, kWgs84, paris},
      {"CR LF line ends", remplacer(textePolygone, L"\n", L"\r\n"), 0, kWgs84, anneau},
      {"element and attribute names in capitals",
       remplacer(remplacer(remplacer(textePoint, L"gml:Point", L"GML:POINT"), L"srsName", L"SRSNAME"),
                 L"gml:coordinates", L"GML:COORDINATES"),
       0, kWgs84, paris},
      {"a Lambert 93 point", point(L"700000.5,6600000.25", L"srsName=\"IGN-RGF93\""), 0, kL93,
       {{700000.5, 6600000.25}}},
      {"a polygon, then a point: the point wins",
       L"<r><gml:Polygon srsName=\"IGN-RGF93\"/>" + point(L"1,2") + L"</r>", 0, kWgs84, {{1, 2}}},
      {"a pair with a third number: the reading stops at the second comma", point(L"1.5,2.5,3"), 0, kWgs84,
       {{1.5, 2.5}}},
      {"fields without a number read as 0", point(L"x,-"), 0, kWgs84, {{0, 0}}},
      {"the first coordinates of the document, outside the geometry",
       L"<r><gml:coordinates>7,8</gml:coordinates><gml:Point srsName=\"EPSG:4326\"/>"
       L"<gml:coordinates>1,2</gml:coordinates></r>",
       0, kWgs84, {{7, 8}}},
      {"twenty-one elements open at once", imbrique(19), 0, kWgs84, {{1, 2}}},
      {"a character reference is reported and adds nothing", point(L"1,&#51;2"), 0, kWgs84, {{1, 2}}, 1},
      // Refused before the look-up: the caller's row left alone.
      {"an empty text", L"", kEchec, kInchange, {}},
      {"two plain numbers", L"652307.606,6862036.586", kEchec, kInchange, {}},
      {"no geometry", L"<r><gml:coordinates>1,2</gml:coordinates></r>", kEchec, kInchange, {}},
      {"no srsName", point(L"1,2", L"srs=\"EPSG:4326\""), kEchec, kInchange, {}},
      {"srsName in single quotes", point(L"1,2", L"srsName='EPSG:4326'"), kEchec, kInchange, {}},
      {"an end tag that differs", remplacer(textePoint, L"</gml:Point>", L"</gml:Points>"), kEchec, kInchange, {}},
      {"an end tag that differs only in case", remplacer(textePoint, L"</gml:Point>", L"</gml:point>"), kEchec,
       kInchange, {}},
      {"a blank after the last tag", textePoint + L" ", kEchec, kInchange, {}},
      {"an unclosed tag", textePoint.substr(0, textePoint.find(L">", textePoint.find(L"<gml:Point"))), kEchec,
       kInchange, {}},
      {"an empty tag", L"<>" + point(L"1,2"), kEchec, kInchange, {}},
      {"a second text in one element", L"<r>a" + point(L"1,2") + L"b</r>", kEchec, kInchange, {}},
      {"a comment holding >", L"<!-- a > b -->\n" + point(L"1,2"), kEchec, kInchange, {}},
      {"twenty-two elements open at once", imbrique(20), kEchec, kInchange, {}},
      // Refused after the look-up.
      {"a key in other letter case", point(L"1,2", L"srsName=\"epsg:4326\""), kEchec, -1, {}},
      {"a key of no row", point(L"1,2", L"srsName=\"EPSG:2154\""), kEchec, -1, {}},
      {"no coordinates element", L"<gml:Point srsName=\"EPSG:4326\"/>", kEchec, kWgs84, {}},
      {"an empty coordinates element", point(L""), kEchec, kWgs84, {}},
      {"two blanks between pairs: the pairs before stay", point(L"1,2  3,4"), kEchec, kWgs84, {{1, 2}}},
      {"a field without a comma", point(L"1,2 3"), kEchec, kWgs84, {{1, 2}}},
      {"nan", point(L"nan,nan"), kEchec, kWgs84, {}},
      {"a value out of range after a good pair", point(L"1,2 1e999,0"), kEchec, kWgs84, {{1, 2}}},
      {"an infinite Y", point(L"0,-inf"), kEchec, kWgs84, {}},
  };
  const std::vector<verprojection> table = tableApplication();
  ASSERT_EQ(table[kL93].cleSysteme, L"IGN-RGF93");
  ASSERT_EQ(table[kWgs84].cleSysteme, L"EPSG:4326");
  for (const Import& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::messages::clearLog();
    pointsCoordonnees.assign(3, host::Point3d{9, 9, 9});  // emptied first, whatever the outcome
    std::int32_t ligneLue = kInchange;
    EXPECT_EQ(coord_importerGml(ligneLue, stbxml_fixture::lignes(c.texte), table), c.resultat);
    EXPECT_EQ(ligneLue, c.ligne);
    ASSERT_EQ(pointsCoordonnees.size(), c.points.size());
    for (std::size_t i = 0; i < c.points.size(); ++i) {
      EXPECT_DOUBLE_EQ(pointsCoordonnees[i].x, c.points[i].first) << i;
      EXPECT_DOUBLE_EQ(pointsCoordonnees[i].y, c.points[i].second) << i;
      EXPECT_EQ(pointsCoordonnees[i].z, 0.0) << i;
    }
    EXPECT_EQ(host::messages::log().size(), c.references);
  }
  // No lines at all: the reader would read its file, which has no name.
  std::int32_t ligneLue = kInchange;
  EXPECT_EQ(coord_importerGml(ligneLue, {}, table), kEchec);
  EXPECT_EQ(ligneLue, kInchange);
  host::messages::clearLog();
  pointsCoordonnees.clear();
}

}  // namespace
