#include "host/curve_element.h"

#include <gtest/gtest.h>

#include <numbers>

#include "host/fixture/design_builder.h"

namespace fx = host::fixture;
using host::Element;
using host::ElementType;
using host::Point3d;
using BT = host::CurveVector::BoundaryType;

namespace {

constexpr double kPi = std::numbers::pi;

TEST(HostCurveElement, CurvesOfTheDrawnTypes) {
  struct Case {
    const char* why;
    Element element;
    std::optional<BT> type;
    double length;
  } cases[] = {
      {"line", fx::line({0, 0, 0}, {3, 4, 0}), BT::Open, 5},
      {"line string", fx::lineString({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}), BT::Open, 20},
      {"shape", fx::rectangle({0, 0, 0}, {10, 5, 0}), BT::Outer, 30},
      {"arc", fx::arc({0, 0, 0}, 10, 0, kPi / 2), BT::Open, 5 * kPi},
      {"ellipse", fx::ellipse({0, 0, 0}, 10, 10), BT::Outer, 20 * kPi},
      {"complex chain", fx::chain({fx::line({0, 0, 0}, {10, 0, 0}), fx::arc({10, 10, 0}, 10, -kPi / 2, kPi / 2)}), BT::Open,
       10 + 5 * kPi},
      {"text: no curve", fx::text(L"ABC", {0, 0, 0}), std::nullopt, 0},
      {"cell: no curve", fx::cell(L"C", {0, 0, 0}, {fx::line({0, 0, 0}, {1, 0, 0})}), std::nullopt, 0},
      {"line string of one point", fx::lineString({{0, 0, 0}}), std::nullopt, 0},
  };
  for (const auto& c : cases) {
    const auto cv = host::curveOfElement(c.element);
    ASSERT_EQ(cv.has_value(), c.type.has_value()) << c.why;
    if (!cv) continue;
    EXPECT_EQ(cv->boundaryType(), *c.type) << c.why;
    EXPECT_NEAR(cv->length(), c.length, 1e-9) << c.why;
  }
}

TEST(HostCurveElement, ElementsOfCurvesRoundTripWithTheTemplateSymbology) {
  Element model = fx::line({0, 0, 0}, {1, 0, 0}).colour(3).weight(2).level(7).group(55);
  const Element sources[] = {
      fx::line({0, 0, 5}, {3, 4, 5}),
      fx::lineString({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}),
      fx::rectangle({0, 0, 0}, {10, 5, 0}),
      fx::arc({1, 2, 0}, 10, 0.5, -kPi / 2),
      fx::ellipse({0, 0, 0}, 10, 4, 0.3),
      fx::chain({fx::line({0, 0, 0}, {10, 0, 0}), fx::arc({10, 10, 0}, 10, -kPi / 2, kPi / 2)}),
  };
  for (const Element& source : sources) {
    const auto cv = host::curveOfElement(source);
    ASSERT_TRUE(cv);
    const auto e = host::elementOfCurve(*cv, &model, false);
    ASSERT_TRUE(e) << source.type;
    EXPECT_EQ(e->type, source.type);
    EXPECT_EQ(e->colour, 3u);
    EXPECT_EQ(e->level, 7u);
    EXPECT_EQ(e->graphicGroup, 0u);  // not taken from the template
    const auto back = host::curveOfElement(*e);
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->length(), cv->length(), 1e-9) << source.type;
    Point3d s1, e1, s2, e2;
    cv->getStartEnd(s1, e1);
    back->getStartEnd(s2, e2);
    EXPECT_NEAR(s1.distanceXY(s2) + e1.distanceXY(e2), 0, 1e-9) << source.type;
    EXPECT_EQ(s2.z, 0);  // a 2D model
  }
  host::CurveVector region(BT::ParityRegion);
  EXPECT_FALSE(host::elementOfCurve(region, nullptr, false));
}

TEST(HostCurveElement, MinimumDistanceBetweenElements) {
  const Element box = fx::rectangle({0, 0, 0}, {10, 10, 0});
  struct Case {
    const char* why;
    Element other;
    std::optional<double> expected;
  } cases[] = {
      {"point element inside the shape", fx::line({5, 5, 0}, {5, 5, 0}), 0.0},
      {"line beside", fx::line({13, 0, 0}, {13, 10, 0}), 3.0},
      {"cell measured by its children", fx::cell(L"C", {20, 0, 0}, {fx::line({20, 0, 0}, {20, 10, 0})}), 10.0},
      {"data has no geometry", fx::data({1, 2, 3}), std::nullopt},
  };
  for (const auto& c : cases) {
    const auto d = host::minDistanceBetweenElements(box, c.other);
    ASSERT_EQ(d.has_value(), c.expected.has_value()) << c.why;
    if (d) {
      EXPECT_NEAR(*d, *c.expected, 1e-9) << c.why;
    }
  }
}

TEST(HostCurveElement, ClipOfElements) {
  const auto clip = host::ClipVector::fromPoints({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
  ASSERT_TRUE(clip);
  const Element crossing = fx::lineString({{-5, 5, 0}, {5, 5, 0}, {15, 5, 0}}).colour(4).group(9);
  const auto split = host::clipElement(crossing, *clip, false);
  ASSERT_TRUE(split);
  EXPECT_TRUE(split->crossesBoundary);
  ASSERT_EQ(split->inside.size(), 1u);
  EXPECT_EQ(split->outside.size(), 2u);
  EXPECT_EQ(split->inside[0].colour, 4u);
  EXPECT_EQ(split->inside[0].graphicGroup, 9u);
  EXPECT_NEAR(host::curveOfElement(split->inside[0])->length(), 10, 1e-9);

  // A shape around which the clip lies: the outside part has a hole.
  const auto around = host::clipElement(fx::rectangle({-10, -10, 0}, {20, 20, 0}), *clip, false);
  ASSERT_TRUE(around);
  ASSERT_EQ(around->outside.size(), 2u);
  EXPECT_TRUE(around->outside[1].hole);

  bool crosses = true;
  EXPECT_TRUE(host::isElementInsideClip(fx::text(L"A", {2, 2, 0}, 2, 1), *clip, &crosses));
  EXPECT_FALSE(crosses);
  EXPECT_FALSE(host::isElementInsideClip(fx::text(L"A", {50, 50, 0}), *clip, &crosses));
  EXPECT_FALSE(host::isElementInsideClip(fx::data({1}), *clip, &crosses));

  // Cells are judged by their range box; a box without area by its segment or its point.
  const struct {
    const char* why;
    Element cell;
    bool inside, crosses;
  } cells[] = {
      {"one horizontal line astride", fx::cell(L"C", {0, 5, 0}, {fx::line({-5, 5, 0}, {5, 5, 0})}), true, true},
      {"one vertical line astride", fx::cell(L"C", {5, 0, 0}, {fx::line({5, -5, 0}, {5, 5, 0})}), true, true},
      {"one line outside", fx::cell(L"C", {20, 5, 0}, {fx::line({20, 5, 0}, {30, 5, 0})}), false, false},
      {"a point inside", fx::cell(L"C", {5, 5, 0}, {fx::line({5, 5, 0}, {5, 5, 0})}), true, false},
      {"a cross astride", fx::cell(L"C", {0, 5, 0}, {fx::line({-5, 5, 0}, {5, 5, 0}), fx::line({0, 0, 0}, {0, 10, 0})}),
       true, true},
  };
  for (const auto& c : cells) {
    EXPECT_EQ(host::isElementInsideClip(c.cell, *clip, &crosses), c.inside) << c.why;
    EXPECT_EQ(crosses, c.crosses) << c.why;
    const auto parts = host::clipElement(c.cell, *clip, false);
    ASSERT_TRUE(parts) << c.why;
    EXPECT_EQ(parts->inside.size(), c.inside ? 1u : 0u) << c.why;
    EXPECT_EQ(parts->outside.size(), c.inside ? 0u : 1u) << c.why;
  }
  EXPECT_FALSE(host::ClipVector::fromPoints({{0, 0, 0}, {1, 1, 0}}));
}

}  // namespace
