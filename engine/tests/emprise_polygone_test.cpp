// Footprints of the fixture plans: the three-file frame's outline, and the one-file frame's
// outline brought in to the content.
#include "engine/emprise_polygone.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/fixture/plan_fixture.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

class EmprisePolygone : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open"; }
  static std::wstring dossier() {
    const std::string nom = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return L"emprise/" + std::wstring(nom.begin(), nom.end());
  }
};

// The rectangle of two corners given in metres from the origin, turned by `angle` about it, in UORs.
std::vector<Point3d> rectangle(const Point3d& origine, double angle, const Point3d& bas, const Point3d& haut) {
  const auto place = [&](double x, double y) {
    return pf::uor({origine.x + x * std::cos(angle) - y * std::sin(angle), origine.y + x * std::sin(angle) + y * std::cos(angle), 0});
  };
  return {place(bas.x, bas.y), place(haut.x, bas.y), place(haut.x, haut.y), place(bas.x, haut.y), place(bas.x, bas.y)};
}

void attendrePolygone(const std::vector<Point3d>& polygone, const std::vector<Point3d>& attendu) {
  ASSERT_EQ(polygone.size(), attendu.size());
  for (std::size_t i = 0; i < attendu.size(); ++i) EXPECT_LT(polygone[i].distanceXY(attendu[i]), 1e-3) << "point " << i;
}

TEST_F(EmprisePolygone, OneFilePlanFitsEverySideToItsContent) {
  for (std::uint32_t version : {1u, 2u}) {
    for (double angle : {0.0, 0.3}) {
      SCOPED_TRACE(testing::Message() << "version " << version << ", angle " << angle);
      pf::PlanUnique plan = pf::planUnique(version);
      plan.angle = angle;
      const double f = version == 2 ? 2.5 : 1.0;
      std::vector<Point3d> polygone;
      ASSERT_EQ(emprise_calculerPolygone(polygone, pf::enregistrer(plan, dossier() + L"/" + std::to_wstring(version) +
                                                                            (angle ? L"t" : L""))),
                0u);
      attendrePolygone(polygone, rectangle(plan.origineCadre, angle, Point3d{8, -42, 0} * f, Point3d{152, -4, 0} * f));
    }
  }
}

TEST_F(EmprisePolygone, OneFilePlanWithoutContentKeepsTheFrameOutline) {
  pf::PlanUnique plan = pf::planUnique();
  plan.contenu = false;
  std::vector<Point3d> polygone;
  ASSERT_EQ(emprise_calculerPolygone(polygone, pf::enregistrer(plan, dossier())), 0u);
  attendrePolygone(polygone, rectangle(plan.origineCadre, 0.0, {-5, -53.4, 0}, {163.2, 6, 0}));
}

TEST_F(EmprisePolygone, ContentTouchingASideLeavesItAndOnlyTheMasksLevelsCount) {
  const pf::PlanUnique plan = pf::planUnique();
  pf::PlanUniqueConstruit construit = pf::construire(plan);
  fx::DesignBuilder& b = construit.fichier;
  const auto o = [&](double x, double y) { return pf::uor(plan.origineCadre + Point3d{x, y, 0}); };
  // Crosses the bottom of the outline: the bottom stays.
  b.add(fx::line(o(60, -60), o(60, -20)).level(2).colour(5));
  // Near the right side, but on level 5 (outside the mask), in the construction class, or a
  // data element: none counts.
  b.add(fx::line(o(162, -30), o(162, -20)).level(5));
  b.add(fx::line(o(162, -30), o(162, -20)).level(2).elementClass(2));
  // A cell on a mask level is measured by its children, not its range.
  b.add(fx::cell(L"ARBRE", o(158, -30), {fx::line(o(158, -30), o(158, -29)), fx::line(o(150, -10), o(151, -10))}).level(6));
  const std::wstring chemin = dossier() + L"/" + plan.nomFichier;
  ASSERT_TRUE(pf::sauver(b, chemin));
  std::vector<Point3d> polygone;
  ASSERT_EQ(emprise_calculerPolygone(polygone, chemin), 0u);
  attendrePolygone(polygone, rectangle(plan.origineCadre, 0.0, {8, -53.4, 0}, {158, -4, 0}));
}

TEST_F(EmprisePolygone, ThreeFilePlanTakesItsOutlineShape) {
  for (std::uint32_t version : {1u, 2u}) {
    const pf::PlanTroisFichiers plan = pf::planTroisFichiers(version);
    std::vector<Point3d> polygone;
    ASSERT_EQ(emprise_calculerPolygone(polygone, pf::enregistrer(plan, dossier() + std::to_wstring(version)).fp2), 0u);
    std::vector<Point3d> attendu;
    for (const auto& p : plan.contour) attendu.push_back(pf::uor(p));
    attendrePolygone(polygone, attendu);
  }
}

TEST_F(EmprisePolygone, RefusesWhatGivesNoFootprint) {
  pf::PlanTroisFichiers six = pf::planTroisFichiers();
  six.contour.insert(six.contour.begin() + 1, (six.contour[0] + six.contour[1]) * 0.5);
  pf::PlanUnique sansCadre = pf::planUnique();
  sansCadre.nomCadre = L"A4";
  const struct {
    std::wstring chemin;
    const char* pourquoi;
  } cas[] = {
      {pf::enregistrer(six, dossier() + L"/six").fp2, "an outline of six points"},
      {pf::enregistrer(sansCadre, dossier() + L"/sans"), "no frame"},
      {dossier() + L"/absent.dgn", "no file"},
  };
  for (const auto& c : cas) {
    std::vector<Point3d> polygone;
    EXPECT_EQ(emprise_calculerPolygone(polygone, c.chemin), 0x8000u) << c.pourquoi;
  }
  // Units other than the standard's: the frame reads, but its position among the plans is
  // unknown (it would lie far from the others and hide them in a fitted view).
  auto centieme = pf::construire(pf::planUnique());
  centieme.fichier.header().subPerMaster = 100.0;
  const std::wstring chemin = dossier() + L"/six/" + pf::planUnique().nomFichier;
  ASSERT_TRUE(pf::sauver(centieme.fichier, chemin));
  std::vector<Point3d> polygone;
  EXPECT_EQ(emprise_calculerPolygone(polygone, chemin), 0x8000u) << "units other than the standard's";
}

TEST_F(EmprisePolygone, DistanceContenuMeasuresTheNearestElement) {
  fx::DesignBuilder b;
  b.add(fx::line({0, 1000, 0}, {100, 1000, 0}).level(3));
  b.add(fx::shape({{0, 3000, 0}, {10, 3000, 0}, {10, 3010, 0}}).level(70));  // level outside the mask
  ASSERT_TRUE(pf::sauver(b, dossier() + L".dgn"));
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, dossier() + L".dgn", L"", true), host::kSuccess);
  host::Element ligne;
  ligne.type = host::ElementType::Line;
  ligne.points = {{0, 0, 0}, {100, 0, 0}};
  double d = -1;
  EXPECT_EQ(emprise_distanceContenu(d, host::ElementHandle(ligne, modele), modele, emprise_masqueNiveaux()), 0u);
  EXPECT_DOUBLE_EQ(d, 1000.0);
  d = -1;
  EXPECT_EQ(emprise_distanceContenu(d, host::ElementHandle(ligne, modele), modele, host::LevelMask()), 0x8000u);
  EXPECT_EQ(d, -1.0);
  host::closeWorkFile(modele);
}

TEST(EmpriseMasqueNiveaux, HoldsTheFittingLevels) {
  const host::LevelMask m = emprise_masqueNiveaux();
  for (std::uint32_t niveau = 0; niveau <= 64; ++niveau) {
    const bool attendu = (niveau >= 2 && niveau <= 4) || (niveau >= 6 && niveau <= 44) || (niveau >= 46 && niveau <= 56) ||
                         (niveau >= 58 && niveau <= 60);
    EXPECT_EQ(m.testLevel(niveau), attendu) << niveau;
  }
}

TEST(EmpriseRectangle, RunsAlongThenAcross) {
  std::vector<Point3d> r{{7, 7, 7}};
  emprise_rectangle(r, {0, 0, 0}, {10, 5, 0}, 0.0);
  ASSERT_EQ(r.size(), 6u);  // appended
  const std::vector<Point3d> attendu = {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}, {0, 0, 0}};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_LT(r[i + 1].distanceXY(attendu[i]), 1e-9) << i;
}

}  // namespace
