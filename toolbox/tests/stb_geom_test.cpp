#include "toolbox/stb_geom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using host::CurvePrimitive;
using host::CurveVector;
using host::Point3d;
using BT = host::CurveVector::BoundaryType;

namespace {

constexpr double kPi = std::numbers::pi;
double deg(double d) { return d * kPi / 180; }
CurveVector ligne(std::vector<Point3d> pts, BT type = BT::Open) { return *CurveVector::createLinear(pts, type); }

TEST(StbGeom, EgalToleranceIsStrict) {
  EXPECT_FALSE(stbGeom_egalTolerance(1.0, 1.5, 0.5));
  EXPECT_TRUE(stbGeom_egalTolerance(1.0, 1.4, 0.5));
  EXPECT_TRUE(stbGeom_egalTolerance(-2.0, -2.0, 1e-9));
}

TEST(StbGeom, ProjeterSurPolyligne) {
  const std::vector<Point3d> poly = {{0, 0, 0}, {10, 0, 0}, {10, 10, 5}};
  struct Cas {
    const char* pourquoi;
    Point3d point, attendu;
  } cas[] = {
      {"above the first segment", {4, 3, 0}, {4, 0, 0}},
      {"beyond the last segment's end", {10, 15, 0}, {10, 10, 5}},
      {"before the start", {-5, 1, 0}, {0, 0, 0}},
      {"on the shared vertex: the first segment's end", {10, 0, 0}, {10, 0, 0}},
      {"within the 1.0 slack past an end: the projection itself", {10.5, -3, 0}, {10.5, 0, 0}},
      {"beside the second segment, z interpolated", {12, 4, 0}, {10, 4, 2}},
  };
  for (const auto& c : cas) {
    Point3d sortie{9, 9, 9};
    stbGeom_projeterSurPolyligne(sortie, poly, c.point);
    EXPECT_NEAR(sortie.distance(c.attendu), 0, 1e-12) << c.pourquoi;
  }
  Point3d sortie{9, 9, 9};
  stbGeom_projeterSurPolyligne(sortie, {{1, 1, 1}}, {0, 0, 0});
  EXPECT_EQ(sortie, (Point3d{0, 0, 0}));
}

TEST(StbGeom, IntersectionSegmentsAndAngles) {
  Point3d sortie;
  ASSERT_EQ(stbGeom_intersectionSegments(sortie, {0, 0, 0}, 0, {5, -5, 0}, deg(90)), 0);
  EXPECT_NEAR(sortie.distance({5, 0, 0}), 0, 1e-12);
  // Lines meet behind their start too.
  ASSERT_EQ(stbGeom_intersectionSegments(sortie, {0, 0, 0}, deg(45), {-4, 0, 0}, deg(90)), 0);
  EXPECT_NEAR(sortie.distance({-4, -4, 0}), 0, 1e-12);
  // Two lines through the same point meet there.
  ASSERT_EQ(stbGeom_intersectionSegments(sortie, {3, 4, 2}, deg(10), {3, 4, 2}, deg(70)), 0);
  EXPECT_NEAR(sortie.distance({3, 4, 2}), 0, 1e-12);
  EXPECT_EQ(stbGeom_intersectionSegments(sortie, {0, 0, 0}, deg(30), {0, 5, 0}, deg(210)), 0x8000);
  EXPECT_EQ(stbGeom_intersectionSegments(sortie, {0, 0, 0}, deg(30), {0, 5, 0}, deg(30)), 0x8000);

  EXPECT_NEAR(stbGeom_angleDirections(deg(10), deg(190)), 0, 1e-12);
  EXPECT_NEAR(stbGeom_angleDirections(0, kPi), 0, 1e-12);
  EXPECT_NEAR(stbGeom_angleDirections(deg(10), deg(100)), deg(90), 1e-12);
  EXPECT_NEAR(stbGeom_angleDirections(deg(350), deg(20)), deg(30), 1e-12);
  EXPECT_NEAR(stbGeom_angleDirections(deg(0), deg(135)), deg(45), 1e-12);
}

TEST(StbGeom, IntersectionsCourbes) {
  const CurveVector a = ligne({{0, 0, 0}, {10, 10, 0}, {20, 0, 0}});
  const CurveVector b = ligne({{0, 5, 0}, {20, 5, 0}});
  std::vector<Point3d> sortie = {{1, 1, 1}};
  ASSERT_EQ(stbGeom_intersectionsCourbes(sortie, &a, &b), 0);
  ASSERT_EQ(sortie.size(), 3u);  // appended
  EXPECT_NEAR(sortie[1].distance({5, 5, 0}), 0, 1e-12);
  EXPECT_NEAR(sortie[2].distance({15, 5, 0}), 0, 1e-12);
  const CurveVector loin = ligne({{0, 50, 0}, {20, 50, 0}});
  EXPECT_EQ(stbGeom_intersectionsCourbes(sortie, &a, &loin), 0x8000);
  EXPECT_EQ(stbGeom_intersectionsCourbes(sortie, &a, nullptr), 0x8000);
}

TEST(StbGeom, DiscretiserCourbeKeepsBreaksOnlyWhenAsked) {
  CurveVector deuxMorceaux(BT::None);
  deuxMorceaux.add(CurvePrimitive::line({0, 0, 0}, {1, 0, 0}));
  deuxMorceaux.add(CurvePrimitive::line({5, 0, 0}, {6, 0, 0}));
  std::vector<Point3d> sortie = {{7, 7, 7}};
  ASSERT_EQ(stbGeom_discretiserCourbe(sortie, &deuxMorceaux, 1.0, false), 0);
  EXPECT_EQ(sortie.size(), 4u);
  ASSERT_EQ(stbGeom_discretiserCourbe(sortie, &deuxMorceaux, 1.0, true), 0);
  ASSERT_EQ(sortie.size(), 5u);
  EXPECT_EQ(sortie[2].x, std::numeric_limits<double>::max());
  EXPECT_EQ(stbGeom_discretiserCourbe(sortie, nullptr, 1.0, true), 0x8000);
  EXPECT_TRUE(sortie.empty());
}

// A chain's joint written with a rounding error is still one vertex; a real gap is not.
TEST(StbGeom, DiscretiserCourbeJoinsComponentsWithinEpsilon) {
  struct Cas {
    const char* pourquoi;
    double ecart;
    std::size_t points;
  };
  for (const Cas& k : {Cas{"the same point", 0.0, 4u}, Cas{"1e-7 UOR apart", 1e-7, 4u},
                       Cas{"9e-6 UOR apart, below epsilon", 9e-6, 4u}, Cas{"1e-3 UOR apart", 1e-3, 5u}}) {
    SCOPED_TRACE(k.pourquoi);
    CurveVector chaine(BT::Open);
    chaine.add(CurvePrimitive::line({0, 0, 0}, {10, 0, 0}));
    chaine.add(CurvePrimitive::lineString({{10 + k.ecart, 0, 0}, {20, 5, 0}, {30, 5, 0}}));
    std::vector<Point3d> sortie;
    ASSERT_EQ(stbGeom_discretiserCourbe(sortie, &chaine, 1.0, false), 0);
    EXPECT_EQ(sortie.size(), k.points);
    EXPECT_EQ(sortie[1], (Point3d{10, 0, 0})) << "the first component's end is the vertex kept";
  }
}

TEST(StbGeom, PointsEspacesAndPlusProchePoint) {
  const CurveVector c = ligne({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  std::vector<Point3d> sortie;
  ASSERT_EQ(stbGeom_pointsEspaces(sortie, nullptr, &c, 15), 0);
  EXPECT_EQ(sortie.at(0), (Point3d{10, 5, 0}));
  EXPECT_EQ(stbGeom_pointsEspaces(sortie, nullptr, &c, 25), 0x8000);
  EXPECT_EQ(stbGeom_pointsEspaces(sortie, nullptr, nullptr, 1), 0x8000);
  EXPECT_EQ(sortie.size(), 1u);

  Point3d proche;
  host::Vector3d tangente;
  EXPECT_DOUBLE_EQ(stbGeom_plusProchePoint(&proche, &tangente, &c, {13, 7, 0}), 17);
  EXPECT_EQ(proche, (Point3d{10, 7, 0}));
  EXPECT_EQ(tangente, (Point3d{0, 1, 0}));
  // The path is not extended: a point past its end gets the end.
  EXPECT_DOUBLE_EQ(stbGeom_plusProchePoint(&proche, nullptr, &c, {10, 30, 0}), 20);
  EXPECT_EQ(proche, (Point3d{10, 10, 0}));
  EXPECT_EQ(stbGeom_plusProchePoint(nullptr, nullptr, nullptr, {0, 0, 0}), 0);
  EXPECT_DOUBLE_EQ(stbGeom_distanceChemin(&c, {10, 30, 0}), 20);
  EXPECT_EQ(stbGeom_distanceChemin(nullptr, {0, 0, 0}), std::numeric_limits<double>::max());
}

TEST(StbGeom, RaccordExtremites) {
  const CurveVector base = ligne({{0, 0, 0}, {100, 0, 0}});
  struct Cas {
    const char* pourquoi;
    CurveVector autre;
    int attendu;
  } cas[] = {
      {"identical", ligne({{0, 0, 0}, {100, 0, 0}}), 0},
      {"reversed, within the tolerance", ligne({{100, 0.5, 0}, {0, -0.5, 0}}), 0},
      {"end to end only", ligne({{100, 0, 0}, {200, 0, 0}}), 0x8000},
      {"lies along a part of it", ligne({{20, 0, 0}, {60, 0.5, 0}}), 0},
      {"overlapping stretch, an end of each on the other", ligne({{60, 0, 0}, {160, 0, 0}}), 0},
      {"crossing", ligne({{50, -50, 0}, {50, 50, 0}}), 0x8000},
      {"parallel but apart", ligne({{0, 5, 0}, {100, 5, 0}}), 0x8000},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(stbGeom_raccordExtremites(&base, &c.autre, 1.0), c.attendu) << c.pourquoi;
    EXPECT_EQ(stbGeom_raccordExtremites(&c.autre, &base, 1.0), c.attendu) << c.pourquoi;
  }
  // A distance equal to the tolerance is not near.
  const CurveVector decale = ligne({{0, 1, 0}, {100, 1, 0}});
  EXPECT_EQ(stbGeom_raccordExtremites(&base, &decale, 1.0), 0x8000);
  EXPECT_EQ(stbGeom_raccordExtremites(&base, nullptr, 1.0), 0x8000);
}

}  // namespace
