#include "host/element.h"

#include <gtest/gtest.h>

#include <numbers>

#include "host/fixture/design_builder.h"

using namespace host;
namespace fx = host::fixture;

namespace {

void expectRange(const Range3d& r, Point3d low, Point3d high) {
  EXPECT_NEAR(r.low.x, low.x, 1e-9);
  EXPECT_NEAR(r.low.y, low.y, 1e-9);
  EXPECT_NEAR(r.high.x, high.x, 1e-9);
  EXPECT_NEAR(r.high.y, high.y, 1e-9);
}

TEST(ElementRange, ByKindOfGeometry) {
  const double pi = std::numbers::pi;
  // A quarter arc from 0 to pi/2 only reaches x = 10 and y = 10 at its ends.
  expectRange(elementRange(fx::arc({0, 0, 0}, 10, 0, pi / 2)), {0, 0, 0}, {10, 10, 0});
  // A half arc from pi/4 clockwise reaches x = 10 in between.
  expectRange(elementRange(fx::arc({0, 0, 0}, 10, pi / 2, -pi)), {0, -10, 0}, {10, 10, 0});
  expectRange(elementRange(fx::ellipse({0, 0, 0}, 20, 10, pi / 2)), {-10, -20, 0}, {10, 20, 0});
  // Disconnect points are not part of the range.
  expectRange(elementRange(fx::lineString({{0, 0, 0}, {5, 5, 0}, disconnectPoint(), {7, -1, 0}})), {0, -1, 0}, {7, 5, 0});
  // A text's range is its characters' box grown by half a height above and below.
  expectRange(elementRange(fx::text(L"abcd", {100, 100, 0}, 10, 5)), {100, 95, 0}, {120, 115, 0});
  expectRange(elementRange(fx::text(L"abcd", {100, 100, 0}, 10, 5).justification(7)), {90, 90, 0}, {110, 110, 0});
  expectRange(elementRange(fx::text(L"ab\rc", {0, 0, 0}, 10, 5).lineSpacing(4).justification(0)), {0, -29, 0}, {10, 5, 0});
  // A cell's range is its children's; a shared cell's is the stored one.
  expectRange(elementRange(fx::cell(L"C", {0, 0, 0}, {fx::line({1, 2, 0}, {3, 4, 0}), fx::line({-1, 0, 0}, {0, 9, 0})})),
              {-1, 0, 0}, {3, 9, 0});
  expectRange(elementRange(fx::sharedCell(L"S", {0, 0, 0}, Range3d::from({-1, -2, 0}, {3, 4, 0}))), {-1, -2, 0}, {3, 4, 0});
  EXPECT_TRUE(elementRange(fx::data({1, 2})).isNull());
}

TEST(ElementRange, RotatedTextTurnsBackToItsBox) {
  const Element t = fx::text(L"abc", {50, 60, 0}, 10, 4).angle(std::numbers::pi / 6);
  // Turning the text back about its origin gives the unrotated box.
  const Transform back{RotMatrix::fromAngleZ(-std::numbers::pi / 6), {0, 0, 0}};
  const Transform about{back.matrix, t.text->origin - back.matrix.apply(t.text->origin)};
  expectRange(elementRange(transformed(t, about)), {50, 55, 0}, {62, 75, 0});
  EXPECT_NEAR(t.text->orientation.angleZ(), std::numbers::pi / 6, 1e-12);
}

TEST(ElementRange, InverseTransformUndoesTheTransform) {
  const Transform t{RotMatrix::fromAngleZ(0.7), {10, -3, 2}};
  const Point3d p{4, 5, 6};
  const Point3d back = inverseOf(t).apply(t.apply(p));
  EXPECT_NEAR(back.distance(p), 0.0, 1e-9);
}

TEST(ElementTypes, DrawnTypes) {
  struct Case {
    int type;
    bool drawn;
  };
  for (const auto& c : {Case{2, true}, Case{3, true}, Case{17, true}, Case{35, true}, Case{94, true}, Case{5, false},
                        Case{66, false}, Case{97, false}, Case{127, false}, Case{13, false}, Case{0, false}})
    EXPECT_EQ(isGraphicType(c.type), c.drawn) << c.type;
  EXPECT_EQ(geometryKind(13), GeometryKind::Unknown);
  EXPECT_EQ(geometryKind(128), GeometryKind::Unknown);
}

TEST(ElementText, FirstTextPartOfTextAndTextNode) {
  const Element node = fx::textNode({fx::text(L"premier", {0, 0, 0}), fx::text(L"second", {0, 0, 0})});
  ASSERT_TRUE(firstTextPart(node));
  EXPECT_EQ(firstTextPart(node)->string(), L"premier");
  EXPECT_EQ(firstTextPart(fx::line({0, 0, 0}, {1, 1, 0})), nullptr);
}

}  // namespace
