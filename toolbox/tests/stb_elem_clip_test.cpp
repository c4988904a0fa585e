#include "toolbox/stb_elem_clip.h"

#include <gtest/gtest.h>

#include <numbers>

#include "host/fixture/design_builder.h"

namespace fx = host::fixture;
using host::Element;
using host::ElementHandle;
using host::ElementType;
using host::Point3d;

namespace {

const std::vector<Point3d> kCarre = {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}};

TEST(StbElemClip, EstDansClipSaysInsideAndCrossing) {
  const auto clip = host::ClipVector::fromPoints(kCarre);
  ASSERT_TRUE(clip);
  // A cell at the clip's lower edge, half in and half out.
  Element tournee = fx::cell(L"C", {0, 0, 0}, {fx::rectangle({10, -10, 0}, {30, 10, 0})});
  struct Cas {
    const char* pourquoi;
    Element element;
    bool dedans, traverse;
  } cas[] = {
      {"line inside", fx::line({10, 10, 0}, {90, 90, 0}), true, false},
      {"line across", fx::line({50, 50, 0}, {150, 50, 0}), true, true},
      {"line outside", fx::line({150, 50, 0}, {250, 50, 0}), false, false},
      {"cell by its outline, across", tournee, true, true},
      {"cell inside", fx::cell(L"C", {50, 50, 0}, {fx::rectangle({40, 40, 0}, {60, 60, 0})}), true, false},
      {"text outside", fx::text(L"A", {500, 500, 0}, 10, 5), false, false},
  };
  for (const auto& c : cas) {
    bool traverse = !c.traverse;
    EXPECT_EQ(stbElem_estDansClip(&traverse, ElementHandle(c.element, {}), *clip), c.dedans) << c.pourquoi;
    EXPECT_EQ(traverse, c.traverse) << c.pourquoi;
    EXPECT_EQ(stbElem_estDansClip(nullptr, ElementHandle(c.element, {}), *clip), c.dedans) << c.pourquoi;
  }
  bool traverse = true;
  EXPECT_FALSE(stbElem_estDansClip(&traverse, ElementHandle(), *clip));
  EXPECT_FALSE(traverse);
}

TEST(StbElemClip, DecouperSplitsAtTheBoundary) {
  const auto clip = host::ClipVector::fromPoints(kCarre);
  const auto zone = host::CurveVector::createLinear(kCarre, host::CurveVector::BoundaryType::Outer);
  host::ElementAgenda dedans, dehors;

  // A cable across the clip: one part inside, two outside, with its symbology.
  const Element cable = fx::lineString({{-50, 50, 0}, {50, 50, 0}, {150, 50, 0}}).colour(3).group(4);
  ASSERT_EQ(stbElem_decouper(dedans, dehors, ElementHandle(cable, {}), *clip, 0, &*zone), 0);
  ASSERT_EQ(dedans.size(), 1u);
  ASSERT_EQ(dehors.size(), 2u);
  EXPECT_TRUE(dedans[0].isOwned());
  EXPECT_EQ(dedans[0].element()->colour, 3u);
  EXPECT_EQ(dedans[0].element()->graphicGroup, 4u);
  EXPECT_NEAR(host::curveOfElement(*dedans[0].element())->length(), 100, 1e-9);

  // A shape wholly outside the clip area goes whole, unchanged, into the outside list.
  dedans.clear();
  dehors.clear();
  const Element loin = fx::rectangle({500, 500, 0}, {600, 600, 0}).colour(9).linkage(22);
  ASSERT_EQ(stbElem_decouper(dedans, dehors, ElementHandle(loin, {}), *clip, 0, &*zone), 0);
  EXPECT_TRUE(dedans.empty());
  ASSERT_EQ(dehors.size(), 1u);
  EXPECT_EQ(*dehors[0].element(), loin);

  // A shape across the clip: a shape on each side.
  dedans.clear();
  dehors.clear();
  ASSERT_EQ(stbElem_decouper(dedans, dehors, ElementHandle(fx::rectangle({50, 50, 0}, {150, 150, 0}), {}), *clip, 0,
                             nullptr),
            0);
  ASSERT_EQ(dedans.size(), 1u);
  ASSERT_EQ(dehors.size(), 1u);
  EXPECT_EQ(dedans[0].type(), ElementType::Shape);
  EXPECT_NEAR(host::curveOfElement(*dedans[0].element())->signedAreaXY(), 2500, 1e-6);

  EXPECT_EQ(stbElem_decouper(dedans, dehors, ElementHandle(), *clip, 0, nullptr), 0x8000);
  EXPECT_EQ(stbElem_decouper(dedans, dehors, ElementHandle(fx::data({1, 2}), {}), *clip, 0, nullptr), 0x8000);
}

}  // namespace
