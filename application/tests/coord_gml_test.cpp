// The GML text of the copy tools, held line by line against its published form.
#include <gtest/gtest.h>

#include <algorithm>

#include <boost/filesystem.hpp>

#include "application/coordonnees.h"
#include "host/fixture/design_builder.h"
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
    dir = fs::current_path() / "coord_gml";
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

}  // namespace
