// The cut of a model by the useful area, element by element and over a whole model, and the
// element checks of one file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "engine/verplaninfo.h"
#include "harnais_modele.h"
#include "host/curve_element.h"
#include "host/element.h"
#include "standard/ctrl_zone_utile.h"
#include "standard/element_table.h"
#include "standard/emprise_decouper.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

// The area: a square of 100 m (UORs) from the origin, closed.
const std::vector<Point3d> kZone = {{0, 0, 0}, {100000, 0, 0}, {100000, 100000, 0}, {0, 100000, 0}, {0, 0, 0}};

class EmpriseDecouper : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u); }

  // The decision for one element of the model, by the full rules.
  static bool signale(const ModeleOuvert& m, host::ElementId id) {
    const auto clip = host::ClipVector::fromPoints(kZone);
    const auto courbe = host::CurveVector::createLinear(kZone, host::CurveVector::BoundaryType::Outer);
    return emprise_supprimerElements(id, m.modele(), *clip, -1, kZone, *courbe) == 0x8000;
  }
  static verplaninfo planSur(host::ModelRef modele, std::uint32_t type) {
    verplaninfo p;
    p.type = type;
    p.modelePrincipal = modele;
    p.modeleTheme = modele;
    return p;
  }
};

fx::Spec celluleCarree(const std::wstring& nom, Point3d o, double cote) {
  return fx::cell(nom, o, {fx::rectangle(o, o + Point3d{cote, cote, 0})});
}

TEST_F(EmpriseDecouper, EachElementIsJudgedByItsOwnRule) {
  struct Cas {
    const char* pourquoi;
    fx::Spec element;
    bool signale;
  };
  const Point3d dehors{-20000, 50000, 0};
  const Point3d bord{-1000, 50000, 0};
  const std::vector<Cas> cas = {
      {"a line inside", fx::line({1000, 1000, 0}, {5000, 5000, 0}), false},
      {"a line crossing the border", fx::line({-1000, 5000, 0}, {5000, 5000, 0}), true},
      {"a line wholly outside", fx::line({-9000, 5000, 0}, {-5000, 5000, 0}), true},
      {"a shape astride", fx::rectangle({-500, 500, 0}, {500, 1500, 0}), true},
      {"a text crossing the border", fx::text(L"TEXTE LONG", bord), false},
      {"a text wholly outside", fx::text(L"TEXTE", dehors), true},
      {"an empty text outside, by its origin", fx::text(L"", dehors), true},
      {"an empty text inside, by its origin", fx::text(L"", {5000, 5000, 0}), false},
      {"A4X4 outside", celluleCarree(L"A4X4", dehors, 3000), false},
      {"IDVOIE outside", celluleCarree(L"IDVOIE", dehors, 3000), false},
      {"FNORD outside", celluleCarree(L"FNORD", dehors, 3000), false},
      {"A4X4B outside", celluleCarree(L"A4X4B", dehors, 3000), true},
      {"a4x4 outside (names with case)", celluleCarree(L"a4x4", dehors, 3000), true},
      {"a large cell astride", celluleCarree(L"POT", {-1500, 5000, 0}, 3000), false},
      {"a small cell astride (element clip)", celluleCarree(L"POT", {-4, 5000, 0}, 8), false},
      {"a small cell outside (element clip)", celluleCarree(L"POT", {-40, 5000, 0}, 8), true},
      {"a small text astride (element clip)", fx::text(L"A", {-3, 5000, 0}, 6, 6), false},
      {"a small text outside (element clip)", fx::text(L"A", {-300, 5000, 0}, 6, 6), true},
      {"a cell without children outside, by its origin", fx::cell(L"VIDE", dehors, {}), true},
      {"a cell without children inside, by its origin", fx::cell(L"VIDE", {5000, 5000, 0}, {}), false},
      {"a dimension with one point inside", fx::dimension({dehors, {5000, 5000, 0}}), false},
      {"a dimension wholly outside", fx::dimension({dehors, dehors + Point3d{0, 3000, 0}}), true},
      {"a dimension outside whose text is inside",
       fx::dimension({dehors, dehors + Point3d{0, 3000, 0}}, {fx::text(L"12.5", {5000, 5000, 0})}), false},
      {"a dimension whose drop line crosses the area", fx::dimension({dehors, {200000, 50000, 0}}), false},
      {"a dimension of eleven points, only the eleventh inside",
       fx::dimension({dehors, dehors, dehors, dehors, dehors, dehors, dehors, dehors, dehors, dehors,
                      {5000, 5000, 0}}),
       false},  // its drop line through the points reaches the area
  };
  fx::DesignBuilder b;
  std::vector<host::ElementId> ids;
  for (const Cas& c : cas) ids.push_back(b.add(c.element));
  const ModeleOuvert m(b, L"DECOUPE.DGN");
  for (std::size_t i = 0; i < cas.size(); ++i) EXPECT_EQ(signale(m, ids[i]), cas[i].signale) << cas[i].pourquoi;
}

TEST_F(EmpriseDecouper, TheCutOfAModelAgreesWithTheFullRules) {
  // Elements inside, astride and outside the area, of every kind the cut meets; the cut (which
  // passes over the ranges lying inside, and reports curves lying apart) must report exactly what
  // the rules report one by one.
  fx::DesignBuilder b;
  for (int i = 0; i < 16; ++i) {
    const double x = -15000.0 + 9000.0 * i;
    const Point3d p{x, 50000, 0};
    b.add(fx::line(p, p + Point3d{3000, 2000, 0}));
    b.add(fx::lineString({p, p + Point3d{1000, 0, 0}, p + Point3d{1000, 0, 0}, p + Point3d{2000, 3000, 0}}));
    b.add(fx::rectangle(p, p + Point3d{2500, 2500, 0}));
    b.add(fx::text(L"T" + std::to_wstring(i), p));
    b.add(fx::text(L"", p));
    b.add(fx::text(L"TOURNE" + std::to_wstring(i), p + Point3d{-1500, 0, 0}).angle(0.7));
    b.add(fx::textNode({fx::text(L"L1", p), fx::text(L"L2", p + Point3d{0, -600, 0})}));
    b.add(fx::cell(L"C", p + Point3d{-1000, 0, 0}, {fx::line(p, p + Point3d{1200, 1200, 0})}).angle(0.5));
    b.add(celluleCarree(L"C", p, 1500));
    b.add(fx::dimension({p, p + Point3d{0, 4000, 0}}));
    b.add(fx::arc(p, 800, 0, 3.0));
    b.add(fx::chain({fx::line(p, p + Point3d{500, 0, 0}), fx::line(p + Point3d{500, 0, 0}, p + Point3d{500, 600, 0})}));
  }
  b.add(fx::line({200000, 0, 0}, {200000, 0, 0}));  // zero length, outside
  b.add(fx::lineString({{200000, 0, 0}, {200000, 0, 0}, {200000, 0, 0}}));
  b.add(fx::ellipse({-50000, 50000, 0}, 1000, 500));
  b.add(fx::complexShape({fx::line({-9000, 0, 0}, {-8000, 0, 0}), fx::line({-8000, 0, 0}, {-8000, 900, 0}),
                          fx::line({-8000, 900, 0}, {-9000, 0, 0})}));
  b.add(fx::data({1, 2}, 94));
  const ModeleOuvert m(b, L"COUPE.DGN");
  std::vector<std::uint64_t> dehors;
  ASSERT_EQ(emprise_decouperPlan(dehors, planSur(m.modele(), 1), 1, kZone), 0u);
  std::vector<std::uint64_t> attendus;
  ASSERT_NE(host::model(m.modele()), nullptr);
  for (const host::Element* e : host::model(m.modele())->elements())
    if (e->type != 94 && signale(m, e->id)) attendus.push_back(e->id);
  EXPECT_EQ(dehors, attendus);
  EXPECT_FALSE(dehors.empty());
}

TEST_F(EmpriseDecouper, RefusesWhatItCannotCut) {
  fx::DesignBuilder b;
  b.add(fx::line({-5, 0, 0}, {5, 0, 0}));
  const ModeleOuvert m(b, L"REFUS.DGN");
  std::vector<std::uint64_t> dehors{42};
  EXPECT_EQ(emprise_decouperPlan(dehors, planSur(host::ModelRef(), 1), 1, kZone), 0x8000u);
  EXPECT_TRUE(dehors.empty());
  EXPECT_EQ(emprise_decouperPlan(dehors, planSur(m.modele(), 1), 1, {{0, 0, 0}, {1, 1, 0}}), 0x8000u);
  // A three-file plan's mode 1 cuts the main file, mode 2 the theme file.
  verplaninfo p = planSur(host::ModelRef(), 2);
  p.modelePrincipal = m.modele();
  EXPECT_EQ(emprise_decouperPlan(dehors, p, 1, kZone), 0u);
  EXPECT_EQ(dehors.size(), 1u);
  EXPECT_EQ(emprise_decouperPlan(dehors, p, 2, kZone), 0x8000u);
}

TEST_F(EmpriseDecouper, BadGeometryEndsWithAnAnswer) {
  // The file reader refuses non-finite and out-of-range coordinates, empty chains and dimensions
  // without points: what remains of bad geometry is here.
  const double grand = 1e9;
  fx::DesignBuilder b;
  b.add(fx::line({5, 5, 0}, {5, 5, 0}));
  b.add(fx::lineString({{5, 5, 0}, {5, 5, 0}, {5, 5, 0}}));
  b.add(fx::shape({{0, 0, 0}, {1000, 1000, 0}, {1000, 0, 0}, {0, 1000, 0}}));  // crosses itself
  b.add(fx::chain({fx::chain({fx::line({0, 0, 0}, {1, 1, 0})})}));
  b.add(fx::cell(L"X", {-50, -50, 0}, {}));
  b.add(fx::line({-grand, 0, 0}, {grand, 0, 0}));
  std::vector<Point3d> onze(11, Point3d{-5000, -5000, 0});
  b.add(fx::dimension(onze));
  b.add(fx::dimension({{-5000, -5000, 0}}));
  const ModeleOuvert m(b, L"MAUVAIS.DGN");
  std::vector<std::uint64_t> dehors;
  EXPECT_EQ(emprise_decouperPlan(dehors, planSur(m.modele(), 1), 1, kZone), 0u);
  std::vector<vererreur> erreurs;
  verfichier f = fichierDuModele(m);
  ctrl_elementsFichier(erreurs, f);
  SUCCEED();
}

TEST_F(EmpriseDecouper, FrameCellsAreTheElevenNames) {
  const std::vector<std::wstring_view> attendus = {L"A1",    L"A15",   L"A4X4",  L"A4X45", L"IDFICH", L"IDLOC",
                                                   L"IDFDP", L"IDELE", L"IDAUT", L"IDVOIE", L"FNORD"};
  EXPECT_EQ(std::vector<std::wstring_view>(emprise_cellulesCadre.begin(), emprise_cellulesCadre.end()), attendus);
}

// ---- element checks of one file ----

class ElementsFichier : public EmpriseDecouper {};

TEST_F(ElementsFichier, EachFaultGivesItsOneCode) {
  struct Cas {
    const char* pourquoi;
    std::function<fx::Spec(fx::DesignBuilder&)> element;
    std::vector<std::uint32_t> codes;
    std::wstring complement;
  };
  const Point3d a{0, 0, 0}, bb{1000, 0, 0}, c{1000, 1000, 0};
  const auto ligne = [&](fx::DesignBuilder&) { return fx::line(a, bb); };
  const std::vector<Cas> cas = {
      {"a plain line", ligne, {}, L""},
      {"a construction-class line", [&](auto&) { return fx::line(a, bb).elementClass(2); }, {2021}, L""},
      {"a primary-rule line", [&](auto&) { return fx::line(a, bb).elementClass(4); }, {2021}, L""},
      {"a dimension-class line", [&](auto&) { return fx::line(a, bb).elementClass(3); }, {}, L""},
      {"a complex shape with a text component",
       [&](auto&) { return fx::complexShape({fx::line(a, bb), fx::text(L"X", bb), fx::line(bb, a)}); }, {2024},
       L"17"},
      {"a complex shape of an arc and a line string",
       [&](auto&) {
         return fx::complexShape({fx::arc({500, 0, 0}, 500, 3.14159265358979, 3.14159265358979),
                                  fx::lineString({{1000, 0, 0}, {500, 2000, 0}, {0, 0, 0}})});
       },
       {}, L""},
      {"a line string with one disconnect point",
       [&](auto&) { return fx::lineString({a, bb, host::disconnectPoint(), c, {0, 1000, 0}}); }, {2022}, L""},
      {"a chain whose line string holds two disconnect points",
       [&](auto&) {
         return fx::chain({fx::lineString({a, bb, host::disconnectPoint(), c, host::disconnectPoint(), {0, 900, 0},
                                           {0, 1000, 0}})});
       },
       {2022}, L""},
      {"a chain whose second component has another colour",
       [&](auto&) { return fx::chain({fx::line(a, bb), fx::line(bb, c).colour(3)}); }, {2023}, L""},
      {"a chain with a named style against a number",
       [&](fx::DesignBuilder& b) {
         const std::int32_t nomme = b.lineStyle(L"ST_NOMME");
         return fx::chain({fx::line(a, bb).style(nomme), fx::line(bb, c).style(nomme)}).style(2);
       },
       {2023}, L""},
      {"a chain of one named style", [&](fx::DesignBuilder& b) {
         const std::int32_t nomme = b.lineStyle(L"ST_NOMME");
         return fx::chain({fx::line(a, bb).style(nomme), fx::line(bb, c).style(nomme)}).style(nomme);
       },
       {}, L""},
      {"a shape 2 x 2", [&](auto&) { return fx::rectangle(a, {2, 2, 0}); }, {1267}, L""},
      {"a shape 2 x 6", [&](auto&) { return fx::rectangle(a, {2, 6, 0}); }, {}, L""},
      {"a small ellipse", [&](auto&) { return fx::ellipse({5, 5, 0}, 1.0, 0.5); }, {1267}, L""},
      {"a named style with a start width",
       [&](fx::DesignBuilder& b) {
         host::LineStyleParams p;
         p.startWidth = 50.0;
         p.modifiers = 8;
         return fx::line(a, bb).style(b.lineStyle(L"ST_NOMME")).styleParams(p);
       },
       {2036}, L""},
      {"a named style with an end width",
       [&](fx::DesignBuilder& b) {
         host::LineStyleParams p;
         p.endWidth = 50.0;
         p.modifiers = 16 | 1;
         return fx::line(a, bb).style(b.lineStyle(L"ST_NOMME")).styleParams(p);
       },
       {2036}, L""},
      {"a named style scaled only",
       [&](fx::DesignBuilder& b) {
         host::LineStyleParams p;
         p.scale = 2.0;
         p.modifiers = 1;
         return fx::line(a, bb).style(b.lineStyle(L"ST_NOMME")).styleParams(p);
       },
       {}, L""},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    host::resetModels();
    fx::DesignBuilder b;
    const host::ElementId id = b.add(k.element(b));
    std::vector<vererreur> erreurs;
    {
      const ModeleOuvert m(b, L"ELEMENTS.DGN");
      verfichier f = fichierDuModele(m);
      f.elements.front().categorie = L"Catégorie";
      ctrl_elementsFichier(erreurs, f);
    }
    std::vector<std::uint32_t> codes;
    for (const vererreur& e : erreurs) {
      codes.push_back(e.code);
      EXPECT_EQ(e.idElement, id);
      EXPECT_EQ(e.objet, L"Catégorie");
      EXPECT_EQ(e.complement, k.complement);
    }
    EXPECT_EQ(codes, k.codes);
  }
}

}  // namespace
