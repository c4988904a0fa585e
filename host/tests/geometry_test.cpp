#include "host/geometry.h"

#include <gtest/gtest.h>

#include <numbers>

using host::Arc;
using host::CurvePrimitive;
using host::CurveVector;
using host::Point3d;
using BT = host::CurveVector::BoundaryType;

namespace {

CurveVector linear(std::vector<Point3d> pts, BT type = BT::Open) { return *CurveVector::createLinear(pts, type); }
CurveVector square(double x0, double y0, double side) {
  return linear({{x0, y0, 0}, {x0 + side, y0, 0}, {x0 + side, y0 + side, 0}, {x0, y0 + side, 0}}, BT::Outer);
}

TEST(HostGeometry, IntersectionsGiveOnePointPerCrossing) {
  const CurveVector zigzag = linear({{0, 0, 0}, {10, 10, 0}, {20, 0, 0}, {30, 10, 0}});
  struct Case {
    const char* why;
    CurveVector other;
    std::vector<Point3d> expected;
  } cases[] = {
      {"a line across three segments", linear({{0, 5, 0}, {30, 5, 0}}), {{5, 5, 0}, {15, 5, 0}, {25, 5, 0}}},
      {"through a shared vertex: one point", linear({{10, 0, 0}, {10, 20, 0}}), {{10, 10, 0}}},
      {"apart", linear({{0, 20, 0}, {30, 20, 0}}), {}},
      {"overlap along a segment: its two ends", linear({{-5, -5, 0}, {5, 5, 0}}), {{0, 0, 0}, {5, 5, 0}}},
  };
  for (const auto& c : cases) {
    const auto pts = host::intersectionsXY(zigzag, c.other);
    ASSERT_EQ(pts.size(), c.expected.size()) << c.why;
    for (size_t i = 0; i < pts.size(); ++i) EXPECT_NEAR(pts[i].distance(c.expected[i]), 0, 1e-9) << c.why;
  }
}

TEST(HostGeometry, IntersectionsWithAnArcAndAClosedLoop) {
  CurveVector circle(BT::Outer);
  circle.add(CurvePrimitive::arc(Arc::circular({0, 0, 0}, 10, 0, 2 * std::numbers::pi)));
  const auto pts = host::intersectionsXY(circle, linear({{-20, 0, 0}, {20, 0, 0}}));
  ASSERT_EQ(pts.size(), 2u);  // at angle 0 (the loop's start and end) and at angle pi
  EXPECT_NEAR(std::abs(pts[0].x), 10, 1e-3);
  EXPECT_NEAR(std::abs(pts[1].x), 10, 1e-3);
  EXPECT_NE(pts[0].x > 0, pts[1].x > 0);
}

TEST(HostGeometry, MinimumDistanceCountsShapesAsAreas) {
  const CurveVector box = square(0, 0, 10);
  struct Case {
    const char* why;
    CurveVector other;
    double expected;
  } cases[] = {
      {"line beside the shape", linear({{12, 0, 0}, {12, 10, 0}}), 2},
      {"line wholly inside the shape", linear({{2, 2, 0}, {3, 3, 0}}), 0},
      {"line crossing the boundary", linear({{5, 5, 0}, {15, 5, 0}}), 0},
      {"point element inside", linear({{5, 5, 0}, {5, 5, 0}}), 0},
      {"point element outside", linear({{13, 14, 0}, {13, 14, 0}}), 5},
      {"shape inside the shape", square(2, 2, 1), 0},
      {"shape apart", square(20, 0, 5), 10},
  };
  for (const auto& c : cases) {
    const auto d = host::minDistanceXY(box, c.other);
    ASSERT_TRUE(d) << c.why;
    EXPECT_NEAR(*d, c.expected, 1e-9) << c.why;
    EXPECT_NEAR(*host::minDistanceXY(c.other, box), c.expected, 1e-9) << c.why;
  }
  EXPECT_NEAR(*host::minDistanceXY(linear({{0, 0, 0}, {10, 0, 0}}), linear({{0, 3, 0}, {10, 4, 0}})), 3, 1e-9);
  EXPECT_FALSE(host::minDistanceXY(box, linear({{NAN, 0, 0}, {1, 1, 0}})));
}

TEST(HostGeometry, PointInPolygonCountsTheBoundaryWithinTheTolerance) {
  const std::vector<Point3d> poly = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}};
  struct Case {
    Point3d point;
    double tolerance;
    bool inside;
    const char* why;
  } cases[] = {
      {{5, 5, 0}, 0, true, "interior"},
      {{15, 5, 0}, 1, false, "outside, beyond the tolerance"},
      {{10.5, 5, 0}, 1, true, "outside, within the tolerance of an edge"},
      {{10, 5, 0}, 0, true, "on an edge with no tolerance"},
      {{-0.7, -0.7, 0}, 1, true, "near a corner"},
      {{11, 11, 0}, 1, false, "beyond a corner: distance 1.41"},
  };
  for (const auto& c : cases) EXPECT_EQ(host::pointInPolygonXY(poly, c.point, c.tolerance), c.inside) << c.why;
  // A polygon that crosses itself (a bow tie) is taken by the even-odd rule.
  const std::vector<Point3d> bowtie = {{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 10, 0}};
  EXPECT_TRUE(host::pointInPolygonXY(bowtie, {2, 5, 0}, 0));
  EXPECT_FALSE(host::pointInPolygonXY(bowtie, {5, 8, 0}, 0));
  EXPECT_FALSE(host::pointInPolygonXY({{0, 0, 0}, {1, 1, 0}}, {0, 0, 0}, 1));
  EXPECT_FALSE(host::pointInPolygonXY(poly, {NAN, 5, 0}, 1));
}

}  // namespace
