#include "toolbox/stb_elem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "host/fixture/design_builder.h"

namespace fx = host::fixture;
using host::ElementHandle;
using host::Point3d;

namespace {

constexpr double kPi = std::numbers::pi;

// An owned element in no model: readers that need no model work on it.
ElementHandle tenir(const fx::Spec& s) { return ElementHandle(s.element(), host::ModelRef{}); }

TEST(StbElem, EstSignificatifByTypeAndText) {
  struct Cas {
    fx::Spec element;
    int attendu;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {fx::text(L"", {0, 0, 0}), 0x8000, "empty text"},
      {fx::text(L" ", {0, 0, 0}), 0, "one space counts"},
      {fx::textNode({fx::text(L"", {0, 0, 0})}), 0x8000, "text node without characters"},
      {fx::textNode({fx::text(L"", {0, 0, 0}), fx::text(L"b", {0, 0, 0})}), 0, "text node with a second line"},
      {fx::textNode({fx::text(L"", {0, 0, 0}), fx::text(L"", {0, 0, 0})}), 0, "two empty lines keep their separator"},
      {fx::text({{L"", host::RunKind::Plain}, {L"x", host::RunKind::EnterData}}, {0, 0, 0}), 0, "a second run with characters"},
      {fx::data({1}), 0x8000, "type 66"},
      {fx::data({}, 5), 0x8000, "type 5"},
      {fx::data({}, 9), 0x8000, "type 9"},
      {fx::data({}, 26), 0x8000, "type 26"},
      {fx::data({}, 39), 0x8000, "type 39"},
      {fx::data({}, 95), 0x8000, "type 95"},
      {fx::data({}, 98), 0x8000, "type 98"},
      {fx::data({}, 100), 0x8000, "type 100"},
      {fx::data({}, 94), 0, "type 94 counts"},
      {fx::line({0, 0, 0}, {1, 0, 0}), 0, "line"},
      {fx::sharedCell(L"S", {0, 0, 0}, host::Range3d::from({0, 0, 0}, {1, 1, 0})), 0, "shared cell"},
  };
  for (const auto& c : cas) EXPECT_EQ(stbElem_estSignificatif(tenir(c.element)), c.attendu) << c.pourquoi;
  EXPECT_EQ(stbElem_estSignificatif(ElementHandle()), 0x8000);
}

TEST(StbElem, TextNodeReportsItsFirstText) {
  const auto noeud = tenir(fx::textNode({fx::text(L"a", {0, 0, 0}).level(4).colour(5).weight(2).style(3),
                                         fx::text(L"b", {0, 0, 0}).level(6).colour(7)})
                               .level(1)
                               .colour(9));
  EXPECT_EQ(stbElem_niveau(noeud), 4u);
  std::uint32_t couleur = 0, epaisseur = 0, style = 0;
  EXPECT_EQ(stbElem_symbologie(&couleur, &epaisseur, &style, noeud), 0);
  EXPECT_EQ(couleur, 5u);
  EXPECT_EQ(epaisseur, 2u);
  EXPECT_EQ(style, 3u);
  std::wstring texte;
  EXPECT_EQ(stbElem_texte(texte, noeud), L"a\rb");
  // An element that does not count: its own values, and 0x8000.
  const auto donnee = tenir(fx::data({1}).level(20).colour(8));
  EXPECT_EQ(stbElem_niveau(donnee), 20u);
  EXPECT_EQ(stbElem_symbologie(&couleur, nullptr, nullptr, donnee), 0x8000);
  EXPECT_EQ(couleur, 8u);
  couleur = 77;
  EXPECT_EQ(stbElem_symbologie(&couleur, nullptr, nullptr, ElementHandle()), 0x8000);
  EXPECT_EQ(couleur, 77u);
}

TEST(StbElem, StyleLigneNamesTheStyleInTheModelsFile) {
  host::resetModels();
  fx::DesignBuilder b;
  const std::int32_t tirets = b.lineStyle(L"{ Tirets }");
  const host::ElementId nomme = b.add(fx::line({0, 0, 0}, {1, 0, 0}).style(tirets).styleParams({2.0, 30, 30, 1 | 8 | 16}));
  const host::ElementId standard = b.add(fx::line({0, 0, 0}, {1, 0, 0}).style(2));
  ASSERT_TRUE(b.save(L"stb_elem_style.dgn"));
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, L"stb_elem_style.dgn", L"", true), host::kSuccess);
  std::wstring nom;
  host::LineStyleParams parametres;
  EXPECT_EQ(stbElem_styleLigne(nom, &parametres, ElementHandle(nomme, modele), modele), 0);
  EXPECT_EQ(nom, L"{ Tirets }");
  EXPECT_EQ(parametres.scale, 2.0);
  EXPECT_EQ(stbElem_styleLigne(nom, nullptr, ElementHandle(standard, modele), modele), 0);
  EXPECT_EQ(nom, L"");
  nom = L"gardé";
  EXPECT_EQ(stbElem_styleLigne(nom, nullptr, tenir(fx::data({1})), modele), 0x8000);
  EXPECT_EQ(nom, L"gardé");
  host::resetModels();
}

TEST(StbElem, LireTexteGivesTheFirstTextsProperties) {
  const auto texte = tenir(fx::text({{L"N° ", host::RunKind::Plain}, {L"12", host::RunKind::EnterData}}, {5, 6, 0}, 400, 280,
                                    L"INTL_ENGINEERING")
                               .justification(7)
                               .lineSpacing(100)
                               .angle(kPi / 2));
  Point3d origine;
  std::wstring chaine, police;
  host::RotMatrix orientation;
  stbPoint2d taille;
  double interligne = 0;
  std::uint32_t justification = 0, runs = 0;
  ASSERT_EQ(stbElem_lireTexte(&origine, &chaine, &orientation, &police, &taille, &interligne, &justification, &runs, texte), 0);
  EXPECT_EQ(origine, (Point3d{5, 6, 0}));
  EXPECT_EQ(chaine, L"N° 12");
  EXPECT_NEAR(orientation.angleZ(), kPi / 2, 1e-12);
  EXPECT_EQ(police, L"INTL_ENGINEERING");
  EXPECT_EQ(taille.x, 280.0);
  EXPECT_EQ(taille.y, 400.0);
  EXPECT_EQ(interligne, 100.0);
  EXPECT_EQ(justification, 7u);
  EXPECT_EQ(runs, 2u);
  EXPECT_EQ(stbElem_lireTexte(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, texte), 0);
  chaine = L"gardé";
  EXPECT_EQ(stbElem_lireTexte(nullptr, &chaine, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              tenir(fx::line({0, 0, 0}, {1, 1, 0}))),
            0x8000);
  EXPECT_EQ(chaine, L"gardé");
}

// Lengths of the four sides of a closed five-point outline, and the angle of its first side.
struct Cotes {
  double a, b, c, d, angle;
};
Cotes cotes(const std::vector<Point3d>& p) {
  return {p[0].distance(p[1]), p[1].distance(p[2]), p[2].distance(p[3]), p[3].distance(p[4]),
          std::atan2(p[1].y - p[0].y, p[1].x - p[0].x)};
}

TEST(StbElem, ContourTexteIsTheRotatedBoxOfTheCharacters) {
  // "abc" 4 wide, 10 high: range 12 x 20 in the text's axes, box 12 x 10.
  const auto texte = tenir(fx::text(L"abc", {50, 60, 0}, 10, 4).angle(kPi / 6));
  std::vector<Point3d> contour{{1, 1, 1}};
  stbElem_contourTexte(contour, texte);
  ASSERT_EQ(contour.size(), 5u);
  EXPECT_EQ(contour.front(), contour.back());
  const Cotes c = cotes(contour);
  EXPECT_NEAR(c.a, 12, 1e-9);
  EXPECT_NEAR(c.b, 10, 1e-9);
  EXPECT_NEAR(c.c, 12, 1e-9);
  EXPECT_NEAR(c.d, 10, 1e-9);
  EXPECT_NEAR(c.angle, kPi / 6, 1e-9);
  EXPECT_NEAR(contour[0].distance({50, 60, 0}), 0.0, 1e-9);  // left, baseline justification
  stbElem_contourTexte(contour, tenir(fx::line({0, 0, 0}, {1, 1, 0})));
  EXPECT_TRUE(contour.empty());
}

TEST(StbElem, CellReadingAndOutline) {
  const auto cellule = tenir(fx::cell(L"CART", {0, 0, 0}, {fx::rectangle({0, 0, 0}, {10, 20, 0}), fx::line({0, 0, 0}, {5, 5, 0})}, 2.0)
                                 .angle(kPi / 4));
  Point3d origine{9, 9, 9}, echelle;
  host::RotMatrix rotation;
  std::wstring nom;
  ASSERT_EQ(stbElem_lireCellule(&origine, &rotation, &echelle, &nom, cellule), 0);
  EXPECT_EQ(origine, (Point3d{0, 0, 0}));
  EXPECT_EQ(echelle, (Point3d{2, 2, 2}));
  EXPECT_EQ(nom, L"CART");
  EXPECT_NEAR(rotation.angleZ(), kPi / 4, 1e-12);
  EXPECT_EQ(stbElem_lireCellule(nullptr, nullptr, nullptr, nullptr, cellule), 0);
  EXPECT_EQ(stbElem_lireCellule(nullptr, nullptr, nullptr, nullptr, tenir(fx::line({0, 0, 0}, {1, 1, 0}))), 0x8000);

  std::vector<Point3d> contour;
  stbElem_contourCellule(contour, cellule);
  ASSERT_EQ(contour.size(), 5u);
  const Cotes c = cotes(contour);
  EXPECT_NEAR(c.a, 10, 1e-9);
  EXPECT_NEAR(c.b, 20, 1e-9);
  EXPECT_NEAR(c.angle, kPi / 4, 1e-9);
  stbElem_contourCellule(contour, tenir(fx::sharedCell(L"S", {0, 0, 0}, host::Range3d::from({0, 0, 0}, {4, 2, 0}))));
  EXPECT_EQ(contour.size(), 5u);
  stbElem_contourCellule(contour, tenir(fx::line({0, 0, 0}, {1, 1, 0})));
  EXPECT_TRUE(contour.empty());
}

TEST(StbElem, FirstChildOfATypeAndTextOfADimension) {
  const auto cellule = tenir(fx::cell(L"CADRE", {0, 0, 0}, {fx::line({0, 0, 0}, {1, 0, 0}), fx::rectangle({0, 0, 0}, {5, 5, 0}).colour(3),
                                                             fx::rectangle({0, 0, 0}, {9, 9, 0})}));
  ElementHandle enfant;
  ASSERT_EQ(stbElem_enfantDeType(enfant, cellule, host::ElementType::Shape), 0);
  EXPECT_TRUE(enfant.isOwned());
  EXPECT_EQ(enfant.element()->colour, 3u);
  EXPECT_EQ(stbElem_enfantDeType(enfant, cellule, host::ElementType::Text), 0x8000);
  const auto partage = tenir(fx::sharedCell(L"S", {0, 0, 0}, host::Range3d::from({0, 0, 0}, {1, 1, 0})));
  EXPECT_EQ(stbElem_enfantDeType(enfant, partage, host::ElementType::Shape), 0x8000);

  ElementHandle texte;
  ASSERT_EQ(stbElem_texteCotation(texte, tenir(fx::dimension({{0, 0, 0}, {100, 0, 0}},
                                                             {fx::line({0, 0, 0}, {1, 0, 0}), fx::text(L"100", {50, 5, 0})}))),
            0);
  std::wstring chaine;
  EXPECT_EQ(stbElem_texte(chaine, texte), L"100");
  EXPECT_EQ(stbElem_texteCotation(texte, tenir(fx::dimension({{0, 0, 0}, {100, 0, 0}}))), 0x8000);
  EXPECT_EQ(stbElem_texteCotation(texte, tenir(fx::line({0, 0, 0}, {1, 0, 0}))), 0x8000);
}

}  // namespace
