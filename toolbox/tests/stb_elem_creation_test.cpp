#include "toolbox/stb_elem_creation.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <numbers>

#include "host/fixture/design_builder.h"
#include "host/fonts.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;
using host::Element;
using host::ElementHandle;
using host::ElementType;
using host::Point3d;

namespace {

constexpr double kPi = std::numbers::pi;

// A 2D drawing holding a few pieces of a cable, open as a work file.
class StbElemCreation : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    dir = fs::current_path() / (std::string("creation_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder b;
    piece1 = b.add(fx::line({0, 0, 0}, {100, 0, 0}).colour(5).group(12));
    piece2 = b.add(fx::lineString({{200, 50, 0}, {200, 0, 0}, {100.5, 0, 0}}));  // runs backwards
    piece3 = b.add(fx::arc({200, 100, 0}, 50, -kPi / 2, kPi / 2).group(0));
    apart = b.add(fx::line({1000, 1000, 0}, {1100, 1000, 0}));
    texte = b.add(fx::text(L"T", {0, 0, 0}));
    shape = b.add(fx::rectangle({0, 0, 0}, {100, 100, 0}).group(33));
    const std::wstring path = host::fixture::large(dir / "Plan.dgn");
    ASSERT_TRUE(b.save(path));
    ASSERT_EQ(host::openWorkFile(&model, nullptr, nullptr, path, L"", false), host::kSuccess);
  }
  void TearDown() override { host::resetModels(); }

  fs::path dir;
  host::ModelRef model;
  host::ElementId piece1 = 0, piece2 = 0, piece3 = 0, apart = 0, texte = 0, shape = 0;
};

TEST_F(StbElemCreation, LigneBriseeNeedsEnoughPointsAndKeepsTheTemplateGroup) {
  ElementHandle out;
  EXPECT_EQ(stbElem_creerLigneBrisee(out, nullptr, model, {{0, 0, 0}}, false), 0x8000);
  EXPECT_EQ(stbElem_creerLigneBrisee(out, nullptr, model, {{0, 0, 0}, {1, 0, 0}}, true), 0x8000);
  EXPECT_EQ(stbElem_creerLigneBrisee(out, nullptr, model, {{0, 0, 0}, {NAN, 0, 0}}, false), 0x8000);
  EXPECT_FALSE(out.isValid());

  const ElementHandle gabarit(piece1, model);
  ASSERT_EQ(stbElem_creerLigneBrisee(out, &gabarit, model, {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}, true), 0);
  EXPECT_EQ(out.type(), ElementType::Shape);
  EXPECT_EQ(out.element()->points.size(), 4u);
  EXPECT_EQ(out.element()->colour, 5u);
  EXPECT_EQ(out.element()->graphicGroup, 12u);
  ASSERT_EQ(stbElem_creerLigneBrisee(out, nullptr, model, {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}, false), 0);
  EXPECT_EQ(out.type(), ElementType::LineString);
  EXPECT_EQ(host::readElement(model, out.id()), nullptr);  // not added to the model

  ASSERT_EQ(stbElem_creerSegment(out, {5, 6, 7}, model), 0);
  EXPECT_EQ(out.type(), ElementType::Line);
  EXPECT_EQ(out.element()->points[0], out.element()->points[1]);
  EXPECT_EQ(out.element()->points[0], (Point3d{5, 6, 0}));  // a 2D model
}

TEST_F(StbElemCreation, TexteTakesTheActiveTextStyle) {
  host::TextStyle style;
  style.height = 250;
  style.font = L"ARIAL";
  host::setActiveTextStyle(style);
  ElementHandle out;
  ASSERT_EQ(stbElem_creerTexte(out, model, L"Poste \u00e9lectrique", {10, 20, 0}), 0);
  ASSERT_EQ(out.type(), ElementType::Text);
  EXPECT_EQ(out.element()->text->string(), L"Poste \u00e9lectrique");
  EXPECT_EQ(out.element()->text->height, 250);
  EXPECT_EQ(out.element()->text->origin, (Point3d{10, 20, 0}));
  ASSERT_EQ(stbElem_creerTexte(out, model, L"A\rB", {0, 0, 0}), 0);
  EXPECT_EQ(out.type(), ElementType::TextNode);
  EXPECT_EQ(out.element()->children.size(), 2u);
  EXPECT_EQ(stbElem_creerTexte(out, model, L"", {0, 0, 0}), 0x8000);
  host::setActiveTextStyle(host::TextStyle());
}

TEST_F(StbElemCreation, AssemblerChaineJoinsPiecesWithinTheTolerance) {
  ElementHandle out;
  // Lines only: one line string, the backward piece reversed; the piece far away is left out.
  ASSERT_EQ(stbElem_assemblerChaine(out, {piece1, apart, piece2, 999}, model, 1.0), 0);
  ASSERT_EQ(out.type(), ElementType::LineString);
  EXPECT_EQ(out.element()->points.front(), (Point3d{0, 0, 0}));
  EXPECT_EQ(out.element()->points.back(), (Point3d{200, 50, 0}));
  EXPECT_EQ(out.element()->colour, 5u);  // the first element's symbology
  // With the arc: a complex chain, whatever the order given.
  ASSERT_EQ(stbElem_assemblerChaine(out, {piece3, piece1, piece2}, model, 1.0), 0);
  EXPECT_EQ(out.type(), ElementType::ComplexChain);
  EXPECT_NEAR(host::curveOfElement(*out.element())->length(), 100 + 100 + 50 + 25 * kPi, 0.6);
  // Pieces joined at the front come before the first one, the last joined first.
  ASSERT_EQ(stbElem_assemblerChaine(out, {piece3, piece2, piece1}, model, 1.0), 0);
  ASSERT_EQ(out.type(), ElementType::ComplexChain);
  ASSERT_EQ(out.element()->children.size(), 3u);
  EXPECT_EQ(out.element()->children[0].points, (std::vector<Point3d>{{0, 0, 0}, {100, 0, 0}}));
  EXPECT_EQ(out.element()->children[1].points, (std::vector<Point3d>{{100.5, 0, 0}, {200, 0, 0}, {200, 50, 0}}));
  EXPECT_EQ(out.element()->children[2].type, ElementType::Arc);
  // A gap wider than the tolerance stops the chain.
  ASSERT_EQ(stbElem_assemblerChaine(out, {piece1, piece2}, model, 0.1), 0);
  EXPECT_EQ(out.type(), ElementType::Line);
  EXPECT_EQ(stbElem_assemblerChaine(out, {texte, 999}, model, 1.0), 0x8000);
  EXPECT_EQ(stbElem_assemblerChaine(out, {}, model, 1.0), 0x8000);
}

TEST_F(StbElemCreation, ZoneTamponSurroundsTheWholeElementWhateverItsDirection) {
  const Element droite = fx::line({0, 0, 0}, {100, 0, 0}).group(7), inverse = fx::line({100, 0, 0}, {0, 0, 0});
  for (const Element& e : {droite, inverse}) {
    ElementHandle out;
    ASSERT_EQ(stbElem_zoneTampon(out, ElementHandle(e, model), 10, 0.01, model), 0);
    ASSERT_EQ(out.type(), ElementType::Shape);
    const host::Range3d r = host::elementRange(*out.element());
    EXPECT_NEAR(r.low.x, -10, 0.5);
    EXPECT_NEAR(r.high.x, 110, 0.5);
    EXPECT_NEAR(r.high.y, 10, 0.5);
    EXPECT_NEAR(host::curveOfElement(*out.element())->signedAreaXY(), 2000 + 100 * kPi, 1.0);
    EXPECT_EQ(out.element()->graphicGroup, e.graphicGroup);
  }
  // A shape drawn either way round gives the same zone.
  Element horaire = fx::shape({{0, 0, 0}, {0, 100, 0}, {100, 100, 0}, {100, 0, 0}});
  ElementHandle a, b;
  ASSERT_EQ(stbElem_zoneTampon(a, ElementHandle(shape, model), 10, 1.0, model), 0);
  ASSERT_EQ(stbElem_zoneTampon(b, ElementHandle(horaire, model), 10, 1.0, model), 0);
  EXPECT_EQ(host::elementRange(*a.element()), host::elementRange(*b.element()));
  EXPECT_NEAR(host::curveOfElement(*a.element())->signedAreaXY(), host::curveOfElement(*b.element())->signedAreaXY(), 1e-6);
  EXPECT_EQ(a.element()->graphicGroup, 33u);
  // A point element gives a disc; a text has no curve.
  ElementHandle point, disque;
  ASSERT_EQ(stbElem_creerSegment(point, {50, 50, 0}, model), 0);
  ASSERT_EQ(stbElem_zoneTampon(disque, point, 10, 0.01, model), 0);
  EXPECT_NEAR(host::curveOfElement(*disque.element())->signedAreaXY(), 100 * kPi, 0.5);
  EXPECT_EQ(stbElem_zoneTampon(disque, ElementHandle(texte, model), 10, 1.0, model), 0x8000);
  EXPECT_EQ(stbElem_zoneTampon(disque, ElementHandle(), 10, 1.0, model), 0x8000);
  EXPECT_EQ(stbElem_zoneTampon(disque, ElementHandle(shape, model), NAN, 1.0, model), 0x8000);
  EXPECT_EQ(stbElem_zoneTampon(disque, ElementHandle(shape, model), -60, 1.0, model), 0x8000);  // nothing left
}

TEST_F(StbElemCreation, DiscretiserReplacesByALineStringOrShape) {
  ElementHandle arc(piece3, model);
  std::vector<Point3d> points = {{9, 9, 9}};
  stbElem_discretiser(arc, false, points, 0.5);
  EXPECT_GT(points.size(), 5u);
  EXPECT_EQ(arc.type(), ElementType::Arc);
  stbElem_discretiser(arc, true, points, 0.5);
  EXPECT_EQ(arc.type(), ElementType::LineString);
  EXPECT_EQ(arc.id(), piece3);  // the handle still names the element it replaces

  ElementHandle ellipse(fx::ellipse({0, 0, 0}, 10, 5), model);
  stbElem_discretiser(ellipse, true, points, 0.1);
  EXPECT_EQ(ellipse.type(), ElementType::Shape);

  ElementHandle vide, txt(texte, model);
  stbElem_discretiser(vide, true, points, 1.0);
  stbElem_discretiser(txt, true, points, 1.0);
  EXPECT_TRUE(points.empty());
  EXPECT_EQ(txt.type(), ElementType::Text);
}

TEST_F(StbElemCreation, AgendaInsertions) {
  host::ElementAgenda agenda;
  EXPECT_EQ(stbElem_insererReference(piece1, agenda, model), 0);
  ASSERT_EQ(agenda.size(), 1u);
  EXPECT_FALSE(agenda[0].isOwned());
  EXPECT_EQ(agenda[0].element()->colour, 5u);
  stbElem_insererCopie(agenda, nullptr);
  const ElementHandle vide;
  stbElem_insererCopie(agenda, &vide);
  EXPECT_EQ(agenda.size(), 1u);
  const ElementHandle source(piece1, model);
  stbElem_insererCopie(agenda, &source);
  ASSERT_EQ(agenda.size(), 2u);
  EXPECT_TRUE(agenda[1].isOwned());
  EXPECT_EQ(agenda[1].model(), model);
}

}  // namespace
