// Grid-cell names: the sheet's rectangle, scale class and zone code.
#include "engine/case_grille.h"

#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture.h"

using host::Point3d;

namespace {

struct casCase {
  std::wstring nom;
  std::uint32_t resultat;
  double x, y, largeur, hauteur;
  std::uint32_t echelle;
  std::wstring zone;
  const char* pourquoi;
};

TEST(CaseCalculerRectangle, FollowsTheGrammar) {
  const casCase cas[] = {
      {L"ABC-47-00120-00650-07-B-13", 0, 120 * 7000.0 + 1400 + 700 + 2 * 140, 650 * 5000.0 + 3000 + 500 + 2 * 100, 140, 100,
       1, L"47", "1:200 sheet"},
      {L"ABC-47-00120-M0650-07-C-D", 0, 120 * 7000.0 + 1400 + 350, -650 * 5000.0 + 3000, 350, 250, 2, L"47",
       "1:500 sheet with a negative Y block"},
      {L"ABC-47-00120-m0650-07-A-A", 0, 120 * 7000.0 + 1400, -650 * 5000.0 + 3000 + 500 + 250, 350, 250, 2, L"47",
       "lower-case M"},
      {L"ABC-20-00000-00000-xx-C-01", 0, -1400, 4000 + 400, 140, 100, 1, L"20",
       "a cell number that is no number: column -1, row 0"},
      {L"ABC-20-00000-00000-25-D-25", 0, 4 * 1400 + 700 + 4 * 140, 0, 140, 100, 1, L"20", "last cell, last sheet"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<Point3d> rectangle{{9, 9, 9}};
    std::uint32_t echelle = 0;
    std::wstring zone;
    ASSERT_EQ(case_calculerRectangle(&rectangle, &echelle, &zone, c.nom), c.resultat);
    EXPECT_EQ(echelle, c.echelle);
    EXPECT_EQ(zone, c.zone);
    const std::vector<Point3d> attendu = {{c.x, c.y, 0},
                                          {c.x + c.largeur, c.y, 0},
                                          {c.x + c.largeur, c.y + c.hauteur, 0},
                                          {c.x, c.y + c.hauteur, 0},
                                          {c.x, c.y, 0}};
    ASSERT_EQ(rectangle.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_NEAR(rectangle[i].x, attendu[i].x, 1e-6) << i;
      EXPECT_NEAR(rectangle[i].y, attendu[i].y, 1e-6) << i;
    }
  }
}

TEST(CaseCalculerRectangle, RefusesNamesThatBreakTheGrammar) {
  const struct {
    std::wstring nom;
    bool zoneEcrite;
    const char* pourquoi;
  } cas[] = {
      {L"ABC-47-00120-00650-07-B", false, "six parts"},
      {L"ABC-47-00120-00650-07-B-13-1", false, "eight parts"},
      {L"ABC-47-0120-00650-07-B-13", false, "part 3 of four characters"},
      {L"AB-47-00120-00650-07-B-13", false, "part 1 of two characters"},
      {L"ABC-47-00120-00650-07-B-", false, "empty part 7"},
      {L"ABC-47-00120-00650-07-B-131", false, "part 7 of three characters"},
      {L"ABC-47-00120-00650-07-E-13", true, "quarter E"},
      {L"ABC-47-00120-00650-07-b-13", true, "quarter in lower case"},
      {L"ABC-47-00120-00650-07-B-E", true, "quarter of the quarter E"},
      {L"", false, "empty name"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<Point3d> rectangle{{9, 9, 9}};
    std::uint32_t echelle = 7;
    std::wstring zone = L"z";
    EXPECT_EQ(case_calculerRectangle(&rectangle, &echelle, &zone, c.nom), 0x8000u);
    EXPECT_EQ(rectangle.size(), 1u);
    EXPECT_EQ(echelle, 7u);
    EXPECT_EQ(zone, c.zoneEcrite ? L"47" : L"z");
  }
  EXPECT_EQ(case_calculerRectangle(nullptr, nullptr, nullptr, L"ABC-47-00120-00650-07-B-13"), 0u);
}

TEST(CaseCalculerRectangle, FixturePlansSitOnTheirSheet) {
  for (std::uint32_t version : {1u, 2u}) {
    const plan_fixture::PlanTroisFichiers plan = plan_fixture::planTroisFichiers(version);
    std::vector<Point3d> rectangle;
    std::uint32_t echelle = 0;
    ASSERT_EQ(case_calculerRectangle(&rectangle, &echelle, nullptr, plan.nom), 0u);
    EXPECT_EQ(echelle, version);
    ASSERT_EQ(rectangle.size(), plan.contour.size());
    for (std::size_t i = 0; i < rectangle.size(); ++i) EXPECT_LT(rectangle[i].distance(plan.contour[i]), 1e-6) << i;
    EXPECT_LT(plan.origineCadre.distance(rectangle[3]), 1e-6);  // the top-left corner
  }
}

}  // namespace
