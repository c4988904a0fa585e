#include "host/curve_vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using host::Arc;
using host::CurvePrimitive;
using host::CurveVector;
using host::Point3d;
using BT = host::CurveVector::BoundaryType;

namespace {

constexpr double kPi = std::numbers::pi;

CurveVector linear(std::vector<Point3d> pts, BT type = BT::Open) { return *CurveVector::createLinear(pts, type); }

// A chain: a line from (0,0) to (10,0), then a half circle of radius 5 up to (20,0)... drawn
// anticlockwise from angle pi to 0 the other way round: centre (15,0), from 180 to 0 degrees
// through (15,-5).
CurveVector chain() {
  CurveVector cv(BT::Open);
  cv.add(CurvePrimitive::line({0, 0, 0}, {10, 0, 0}));
  cv.add(CurvePrimitive::arc(Arc::circular({15, 0, 0}, 5, kPi, kPi)));
  return cv;
}

TEST(HostCurveVector, CreateLinearNeedsEnoughPointsAndClosesLoops) {
  EXPECT_FALSE(CurveVector::createLinear({{0, 0, 0}}, BT::Open));
  EXPECT_FALSE(CurveVector::createLinear({{0, 0, 0}, {1, 0, 0}}, BT::Outer));
  const auto shape = CurveVector::createLinear({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, BT::Outer);
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->primitives()[0].points().size(), 4u);
  EXPECT_EQ(shape->primitives()[0].points().back(), (Point3d{0, 0, 0}));
}

TEST(HostCurveVector, LengthStartEndAndTangentsOfAChain) {
  const CurveVector cv = chain();
  EXPECT_NEAR(cv.length(), 10 + 5 * kPi, 1e-9);
  Point3d s, e, ts, te;
  ASSERT_TRUE(cv.getStartEnd(s, e, ts, te));
  EXPECT_EQ(s, (Point3d{0, 0, 0}));
  EXPECT_NEAR(e.x, 20, 1e-9);
  EXPECT_NEAR(e.y, 0, 1e-9);
  EXPECT_NEAR(ts.x, 1, 1e-12);
  EXPECT_NEAR(te.y, 1, 1e-9);  // the half circle ends running up
}

TEST(HostCurveVector, EllipseLengthIsIntegrated) {
  CurveVector cv(BT::Outer);
  cv.add(CurvePrimitive::arc(Arc::elliptic({0, 0, 0}, 10, 5, 0.3, 0, 2 * kPi)));
  // Ramanujan's approximation is good to 1e-6 relative here.
  const double a = 10, b = 5, h = (a - b) * (a - b) / ((a + b) * (a + b));
  EXPECT_NEAR(cv.length(), kPi * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h))), 1e-4);
  EXPECT_NEAR(cv.signedAreaXY(), kPi * a * b, 1e-9);
}

TEST(HostCurveVector, StrokingMarksDisconnectsBetweenPiecesOnly) {
  CurveVector pieces(BT::None);
  pieces.add(CurvePrimitive::line({0, 0, 0}, {1, 0, 0}));
  pieces.add(CurvePrimitive::line({5, 0, 0}, {6, 0, 0}));
  std::vector<Point3d> pts;
  pieces.addStrokePoints(pts, 1.0);
  ASSERT_EQ(pts.size(), 5u);
  EXPECT_TRUE(host::isDisconnect(pts[2]));
  EXPECT_EQ(pts[2].x, 1.7976931348623157e308);

  // A path's joints are not repeated, and its coincident vertices are kept.
  pts.clear();
  linear({{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}}).addStrokePoints(pts, 1.0);
  EXPECT_EQ(pts.size(), 4u);
  pts.clear();
  chain().addStrokePoints(pts, 0.01);
  EXPECT_EQ(pts[1], (Point3d{10, 0, 0}));
  EXPECT_NE(pts[2], (Point3d{10, 0, 0}));
}

TEST(HostCurveVector, ArcStrokesStayWithinTheChordTolerance) {
  CurveVector cv(BT::Open);
  cv.add(CurvePrimitive::arc(Arc::circular({0, 0, 0}, 1000, 0, kPi / 2)));
  for (double tol : {10.0, 1.0, 0.01}) {
    std::vector<Point3d> pts;
    cv.addStrokePoints(pts, tol);
    ASSERT_GE(pts.size(), 2u);
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
      const Point3d mid = (pts[i] + pts[i + 1]) * 0.5;
      EXPECT_LE(1000 - mid.magnitude(), tol * 1.0000001) << tol;
    }
    EXPECT_NEAR(pts.back().y, 1000, 1e-9);
  }
}

// An arc that winds many times is stroked as one turn: bounded, no overlapping chords.
TEST(HostCurveVector, AnArcWindingManyTimesStrokesAsOneTurn) {
  auto stroke = [](double sweep) {
    CurveVector cv(BT::Open);
    cv.add(CurvePrimitive::arc(Arc::circular({0, 0, 0}, 1000, 0, sweep)));
    std::vector<Point3d> pts;
    cv.addStrokePoints(pts, 1.0);
    return pts;
  };
  const std::size_t tour = stroke(2 * kPi).size();
  for (double sweep : {100.0, -100.0, 1e6}) {
    const auto pts = stroke(sweep);
    EXPECT_EQ(pts.size(), tour) << sweep;
    for (const Point3d& p : pts) EXPECT_NEAR(p.magnitude(), 1000.0, 1e-6) << sweep;
  }
  EXPECT_LT(stroke(kPi).size(), tour) << "less than a turn stays as it is";
}

TEST(HostCurveVector, PointAtDistanceAlongPiecesAndOutOfRange) {
  const CurveVector cv = chain();
  struct Case {
    double distance;
    Point3d expected;
  } cases[] = {
      {0, {0, 0, 0}},
      {4, {4, 0, 0}},
      {10 + 5 * kPi / 2, {15, -5, 0}},  // middle of the half circle
      {10 + 5 * kPi, {20, 0, 0}},
  };
  for (const Case& c : cases) {
    const auto loc = cv.pointAtDistance(c.distance);
    ASSERT_TRUE(loc) << c.distance;
    EXPECT_NEAR(loc->point.distance(c.expected), 0, 1e-9) << c.distance;
  }
  EXPECT_FALSE(cv.pointAtDistance(-1));
  EXPECT_FALSE(cv.pointAtDistance(cv.length() + 1));
  EXPECT_FALSE(cv.pointAtDistance(NAN));
}

TEST(HostCurveVector, ClosestPointIsOnThePathItself) {
  const CurveVector cv = chain();
  struct Case {
    Point3d point;
    Point3d nearest;
    double along;
  } cases[] = {
      {{4, 3, 0}, {4, 0, 0}, 4},                   // above the line
      {{-5, 2, 0}, {0, 0, 0}, 0},                  // before the start: the start, not an extension
      {{15, -9, 0}, {15, -5, 0}, 10 + 5 * kPi / 2},  // below the arc
      {{15, 0, 7}, {10, 0, 0}, 10},                // the centre: the first of equally near points
  };
  for (const Case& c : cases) {
    const auto loc = cv.closestPointBounded(c.point);
    ASSERT_TRUE(loc);
    EXPECT_NEAR(loc->point.distance(c.nearest), 0, 1e-6) << c.along;
    EXPECT_NEAR(loc->distanceAlong, c.along, 1e-6);
    EXPECT_NEAR(loc->tangent.magnitude(), 1, 1e-9);
  }
  EXPECT_NEAR(*cv.distanceXY({15, -9, 0}), 4, 1e-6);
}

TEST(HostCurveVector, ZeroLengthSegmentsGiveWayToRealOnes) {
  const CurveVector cv = linear({{0, 0, 0}, {0, 0, 0}, {10, 0, 0}});
  const auto loc = cv.closestPointBounded({-1, 0, 0});
  ASSERT_TRUE(loc);
  EXPECT_EQ(loc->tangent, (Point3d{1, 0, 0}));
  Point3d s, e, ts, te;
  ASSERT_TRUE(cv.getStartEnd(s, e, ts, te));
  EXPECT_EQ(ts, (Point3d{1, 0, 0}));
  // A point element: both points the same.
  const CurveVector point = linear({{3, 3, 0}, {3, 3, 0}});
  EXPECT_EQ(point.length(), 0);
  EXPECT_NEAR(*point.distanceXY({6, 7, 0}), 5, 1e-12);
}

TEST(HostCurveVector, SignedAreaFollowsOrientationAndHoles) {
  CurveVector square = linear({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, BT::Outer);
  EXPECT_DOUBLE_EQ(square.signedAreaXY(), 100);
  CurveVector reversed = square;
  reversed.reverse();
  EXPECT_DOUBLE_EQ(reversed.signedAreaXY(), -100);
  EXPECT_EQ(linear({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}).signedAreaXY(), 0);  // open
  CurveVector region(BT::ParityRegion);
  region.add(CurvePrimitive::child(square));
  CurveVector hole(BT::Inner);
  hole.add(CurvePrimitive::arc(Arc::circular({5, 5, 0}, 1, 0, 2 * kPi)));
  region.add(CurvePrimitive::child(hole));
  EXPECT_NEAR(region.signedAreaXY(), 100 - kPi, 1e-9);
}

TEST(HostCurveVector, InvalidCurvesGiveNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const CurveVector cases[] = {
      CurveVector(BT::Open),
      linear({{0, 0, 0}, {NAN, 0, 0}}),
      linear({{0, 0, 0}, {inf, 0, 0}}),
  };
  for (const CurveVector& cv : cases) {
    std::vector<Point3d> pts;
    cv.addStrokePoints(pts, 1.0);
    EXPECT_TRUE(pts.empty());
    EXPECT_EQ(cv.length(), 0);
    EXPECT_FALSE(cv.closestPointBounded({0, 0, 0}));
    EXPECT_FALSE(cv.pointAtDistance(0));
    Point3d s, e;
    EXPECT_FALSE(cv.getStartEnd(s, e));
  }
  EXPECT_FALSE(chain().closestPointBounded({NAN, 0, 0}));
}

}  // namespace
