#include "host/area_ops.h"

#include <gtest/gtest.h>

#include <numbers>

using host::CurvePrimitive;
using host::CurveVector;
using host::Point3d;
using BT = host::CurveVector::BoundaryType;

namespace {

constexpr double kPi = std::numbers::pi;

CurveVector linear(std::vector<Point3d> pts, BT type = BT::Open) { return *CurveVector::createLinear(pts, type); }
CurveVector square(double x0, double y0, double side) {
  return linear({{x0, y0, 0}, {x0 + side, y0, 0}, {x0 + side, y0 + side, 0}, {x0, y0 + side, 0}}, BT::Outer);
}

TEST(HostAreaOps, OffsetOfASquareHasRoundCornersWhateverItsOrientation) {
  CurveVector clockwise = square(0, 0, 10);
  clockwise.reverse();
  for (const CurveVector& sq : {square(0, 0, 10), clockwise}) {
    const auto buf = host::areaOffset(sq, 2, 0.01);
    ASSERT_TRUE(buf);
    EXPECT_EQ(buf->boundaryType(), BT::Outer);
    // Corners are chords within 0.01 of the circle: a little less than the true area.
    EXPECT_NEAR(buf->signedAreaXY(), 100 + 4 * 10 * 2 + kPi * 4, 0.1);
    const host::Range3d r = buf->range();
    EXPECT_NEAR(r.low.x, -2, 1e-6);
    EXPECT_NEAR(r.high.y, 12, 1e-6);
  }
  EXPECT_NEAR(host::areaOffset(square(0, 0, 10), -2, 0.01)->signedAreaXY(), 36, 1e-6);
  EXPECT_FALSE(host::areaOffset(square(0, 0, 10), -6, 0.01));
}

TEST(HostAreaOps, OffsetOfALoopWithoutAreaSurroundsTheWholeLine) {
  // A path drawn out and back, as a closed loop of no area.
  const CurveVector outAndBack = linear({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 0, 0}}, BT::Outer);
  const auto buf = host::areaOffset(outAndBack, 1, 0.001);
  ASSERT_TRUE(buf);
  // Two bands of 20 sharing 1 at the corner, two half-circle ends and a quarter-circle corner.
  EXPECT_NEAR(buf->signedAreaXY(), 39 + 1.25 * kPi, 0.01);
  const host::Range3d r = buf->range();
  EXPECT_NEAR(r.low.x, -1, 1e-3);
  EXPECT_NEAR(r.high.y, 11, 1e-3);
}

TEST(HostAreaOps, OffsetOfALoopThatCrossesItselfKeepsWhatItEncloses) {
  const CurveVector bowtie = linear({{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 10, 0}}, BT::Outer);
  const auto buf = host::areaOffset(bowtie, 1, 0.01);
  ASSERT_TRUE(buf);
  EXPECT_GT(buf->signedAreaXY(), 50);  // both triangles (25 each) and the band around them
  EXPECT_FALSE(host::areaOffset(linear({{0, 0, 0}, {1, 0, 0}}), 1, 0.01));  // an open path is no area
}

// Degenerate or huge geometry that a design file may hold gives the failure result, never an
// overflow or an assertion inside Boost.Geometry.
TEST(HostAreaOps, DegenerateOrHugeGeometryGivesTheFailureResult) {
  const CurveVector longLoop = linear({{0, 0, 0}, {4e9, 0, 0}, {4e9, 1, 0}, {0, 1, 0}}, BT::Outer);
  const CurveVector longLine = linear({{0, 0, 0}, {4e9, 0, 0}});
  CurveVector point(BT::Outer);
  point.add(CurvePrimitive::arc(host::Arc::circular({5, 5, 0}, 0, 0, 2 * kPi)));
  const CurveVector normal = square(0, 0, 10);
  EXPECT_FALSE(host::areaOffset(longLoop, 1, 0.01));
  EXPECT_FALSE(host::areaOffset(normal, 4e9, 0.01));
  const auto disc = host::areaOffset(point, 1, 0.01);  // an ellipse of radius 0 is a point
  if (disc) {
    EXPECT_NEAR(disc->signedAreaXY(), kPi, 0.01);
  }
  EXPECT_FALSE(host::areaIntersection(longLoop, normal));
  EXPECT_FALSE(host::areaIntersection(normal, longLoop));
  EXPECT_FALSE(host::clipSplit(longLine, normal));
  EXPECT_FALSE(host::clipSplit(normal, longLoop));
  // Plans lie millions of UORs from 0: that stays within bounds.
  EXPECT_TRUE(host::areaOffset(square(6e8, 6e8, 1e6), 10, 0.01));
}

TEST(HostAreaOps, IntersectionOfTwoAreas) {
  const auto common = host::areaIntersection(square(0, 0, 10), square(5, 5, 10));
  ASSERT_TRUE(common);
  EXPECT_NEAR(common->signedAreaXY(), 25, 1e-9);
  EXPECT_FALSE(host::areaIntersection(square(0, 0, 10), square(20, 0, 10)));
}

TEST(HostAreaOps, ClipSplitsLinesAtTheBoundaryAndSaysWhenTheyCross) {
  const CurveVector clip = square(0, 0, 10);
  struct Case {
    const char* why;
    CurveVector curve;
    size_t inside, outside;
    bool crosses;
  } cases[] = {
      {"line crossing twice", linear({{-5, 5, 0}, {15, 5, 0}}), 1, 2, true},
      {"line inside", linear({{1, 1, 0}, {9, 9, 0}}), 1, 0, false},
      {"line outside", linear({{20, 1, 0}, {29, 9, 0}}), 0, 1, false},
      {"shape across the boundary", square(5, 5, 10), 1, 1, true},
      {"shape outside", square(50, 50, 10), 0, 1, false},
      {"point element inside", linear({{5, 5, 0}, {5, 5, 0}}), 1, 0, false},
  };
  for (const auto& c : cases) {
    const auto split = host::clipSplit(c.curve, clip);
    ASSERT_TRUE(split) << c.why;
    EXPECT_EQ(split->inside.size(), c.inside) << c.why;
    EXPECT_EQ(split->outside.size(), c.outside) << c.why;
    EXPECT_EQ(split->crossesBoundary, c.crosses) << c.why;
    bool crosses = !c.crosses;
    EXPECT_EQ(host::isInsideClip(c.curve, clip, &crosses), c.inside > 0) << c.why;
    EXPECT_EQ(crosses, c.crosses);
  }
  const auto split = host::clipSplit(linear({{-5, 5, 0}, {15, 5, 0}}), clip);
  EXPECT_NEAR(split->inside[0].length(), 10, 1e-9);

  // Loops without area (a flat box, a box shrunk to a point) are split as their outlines.
  const struct {
    const char* why;
    CurveVector loop;
    bool inside, crosses;
  } flat[] = {
      {"flat loop across the boundary", linear({{-5, 5, 0}, {15, 5, 0}, {15, 5, 0}, {-5, 5, 0}}, BT::Outer), true, true},
      {"upright flat loop inside", linear({{5, 1, 0}, {5, 9, 0}, {5, 9, 0}, {5, 1, 0}}, BT::Outer), true, false},
      {"flat loop outside", linear({{20, 5, 0}, {30, 5, 0}, {30, 5, 0}, {20, 5, 0}}, BT::Outer), false, false},
      {"loop shrunk to a point inside", linear({{5, 5, 0}, {5, 5, 0}, {5, 5, 0}}, BT::Outer), true, false},
  };
  for (const auto& c : flat) {
    bool crosses = !c.crosses;
    EXPECT_EQ(host::isInsideClip(c.loop, clip, &crosses), c.inside) << c.why;
    EXPECT_EQ(crosses, c.crosses) << c.why;
  }
  EXPECT_FALSE(host::clipSplit(linear({{0, 0, 0}, {1, 1, 0}}), linear({{0, 0, 0}, {1, 1, 0}})));
}

}  // namespace

namespace {

// Plans lie in Lambert 93 UORs, billions from 0: results must not lose their precision there.
TEST(HostAreaOps, ResultsKeepTheirPrecisionFarFromTheOrigin) {
  for (const Point3d off : {Point3d{0, 0, 0}, Point3d{7e8, 6.6e9, 0}}) {
    auto at = [&off](double x0, double y0, double side) { return square(off.x + x0, off.y + y0, side); };
    EXPECT_NEAR(at(0, 0, 10).signedAreaXY(), 100, 1e-6);
    EXPECT_NEAR(host::areaIntersection(at(0, 0, 10), at(5, 5, 10))->signedAreaXY(), 25, 1e-6);
    const auto buf = host::areaOffset(at(0, 0, 10), -2, 0.01);
    ASSERT_TRUE(buf);
    EXPECT_NEAR(buf->signedAreaXY(), 36, 1e-6);
    EXPECT_NEAR(buf->range().low.x - off.x, 2, 1e-6);
    const auto split = host::clipSplit(linear({off + Point3d{-5, 5, 0}, off + Point3d{15, 5.3, 0}}), at(0, 0, 10));
    ASSERT_TRUE(split);
    ASSERT_EQ(split->inside.size(), 1u);
    EXPECT_NEAR(split->inside[0].length(), std::hypot(10, 0.15), 1e-6);
  }
}

}  // namespace
