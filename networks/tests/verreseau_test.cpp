// The tolerances, the network record and its node look-up, and the end key of a cable.
#include "networks/verreseau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "host/fixture/design_builder.h"

namespace {

namespace fx = host::fixture;
using host::Point3d;

TEST(Tolerances, TheTwentyFourDefaultsAnglesInRadians) {
  constexpr double deg = std::numbers::pi / 180.0;
  const std::array<double, 24> attendu = {100.0,  1000.0, 50.0,   3 * deg, 5 * deg, 10.0,    50.0,     1.0,
                                          10.0,   5.0,    100.0,  1.0,     2.0,     300.0,   5 * deg,  2.0,
                                          1000.0, 5.0,    20.0,   5 * deg, 100.0,   30 * deg, 10000.0, 5 * deg};
  vertolerances t;
  t.fill(-1.0);
  EXPECT_EQ(&tol_initialiser(t), &t);
  for (std::size_t i = 0; i < attendu.size(); ++i) EXPECT_DOUBLE_EQ(t[i], attendu[i]) << "index " << i;
}

TEST(Reseau, CopyCarriesEverythingAndDestroyEmpties) {
  verreseau source;
  EXPECT_TRUE(source.noeuds.empty() && source.troncons.empty() && source.catalogueV2.empty() &&
              source.catalogueV3.empty());
  tol_initialiser(source.tolerances);
  source.catalogueV2 = cable_listeAccessoires(1);
  source.catalogueV3 = cable_listeAccessoires(2);
  res_ajouterNoeud(source, {10, 10, 0}, 3, 77, 1);
  source.troncons.push_back({});

  verreseau copie;
  verreseau_copier(copie, source);
  EXPECT_EQ(copie.catalogueV3.size(), 27u);
  EXPECT_EQ(&res_catalogue(copie, 1), &copie.catalogueV2);
  EXPECT_EQ(&res_catalogue(copie, 2), &copie.catalogueV3);
  EXPECT_EQ(copie.tolerances, source.tolerances);
  ASSERT_EQ(copie.noeuds.size(), 1u);
  EXPECT_EQ(copie.noeuds[0].idCellule, 77u);
  EXPECT_EQ(copie.noeuds[0].abandonne, 1);
  EXPECT_EQ(copie.noeuds[0].indexCatalogue, 3);
  EXPECT_TRUE(copie.noeuds[0].troncons.empty() && copie.noeuds[0].planVoisin.empty());
  EXPECT_EQ(res_noeudAuPoint(copie, {10.5, 10, 0}), 0) << "the copy's look-up finds its own nodes";

  verreseau_detruire(copie);
  EXPECT_TRUE(copie.noeuds.empty() && copie.troncons.empty() && copie.catalogueV2.empty());
  EXPECT_EQ(res_noeudAuPoint(copie, {10, 10, 0}), -1);
}

TEST(Reseau, NodeLookUpTakesTheFirstNodeStrictlyWithinOne) {
  verreseau r;
  const Point3d p{1354950000.5, 6234050000.5, 0};
  res_ajouterNoeud(r, p + Point3d{1.0, 0, 0}, -1, 0, 0);     // 0: exactly 1.0 away
  res_ajouterNoeud(r, p + Point3d{0.6, 0.6, 0}, -1, 0, 0);   // 1: 0.85 away, in a diagonal grid cell
  res_ajouterNoeud(r, p + Point3d{0, -0.99, 0}, -1, 11, 0);  // 2: 0.99 away
  res_ajouterNoeud(r, p, -1, 11, 0);                         // 3: on the point, later in the list
  EXPECT_EQ(res_noeudAuPoint(r, p), 1);
  EXPECT_EQ(res_noeudAuPoint(r, p + Point3d{0, 0, 500}), 1) << "z is ignored";
  EXPECT_EQ(res_noeudAuPoint(r, p + Point3d{2.0, 0, 0}), -1) << "1.0 from node 0: not within";
  EXPECT_EQ(res_noeudDeCellule(r, 11), 2) << "the first node of the cell";
  EXPECT_EQ(res_noeudDeCellule(r, 12), -1);

  // Nodes emptied or appended other than through res_ajouterNoeud: the look-up follows the list.
  r.noeuds.erase(r.noeuds.begin() + 1, r.noeuds.end());
  EXPECT_EQ(res_noeudAuPoint(r, p), -1);
  EXPECT_EQ(res_noeudDeCellule(r, 11), -1);
  r.noeuds.clear();
  EXPECT_EQ(res_ajouterNoeud(r, p, -1, 0, 0), 0);
  EXPECT_EQ(res_noeudAuPoint(r, p + Point3d{0.5, 0, 0}), 0);
}

TEST(Reseau, NodesAtTheLimitsOfTheCoordinates) {
  verreseau r;
  const double max = std::numeric_limits<double>::max();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  res_ajouterNoeud(r, {max, -max, 0}, -1, 0, 0);
  res_ajouterNoeud(r, {nan, 0, 0}, -1, 0, 0);
  res_ajouterNoeud(r, {1e300, 1e300, 0}, -1, 0, 0);
  EXPECT_EQ(res_noeudAuPoint(r, {max, -max, 0}), 0);
  EXPECT_EQ(res_noeudAuPoint(r, {1e300, 1e300, 0}), 2);
  EXPECT_EQ(res_noeudAuPoint(r, {1e299, 1e300, 0}), -1) << "same grid cell past the clamp, far apart";
  EXPECT_EQ(res_noeudAuPoint(r, {nan, 0, 0}), -1);
  EXPECT_EQ(res_noeudAuPoint(r, {0, 0, 0}), -1);
}

TEST(Segment, EndsDirectionsAndDefaults) {
  const verplaninfo sansModele;
  const fx::Spec arc = fx::arc({0, 0, 0}, 10.0, 0.0, std::numbers::pi / 2);  // (10, 0) to (0, 10), anticlockwise
  const versegment s = geo_creerSegment(host::ElementHandle(arc.element(), {}), sansModele);
  EXPECT_NEAR(s.debut.x, 10.0, 1e-9);
  EXPECT_NEAR(s.fin.y, 10.0, 1e-9);
  EXPECT_NEAR(s.directionDebut, std::numbers::pi / 2, 1e-9) << "tangent at the start points north";
  EXPECT_NEAR(std::remainder(s.directionFin, 2 * std::numbers::pi), 0.0, 1e-9) << "end tangent west, plus pi: east";
  EXPECT_EQ(s.extremiteDebut, 1);
  EXPECT_EQ(s.portee, 1.0);
  EXPECT_EQ(s.porteeCellule, 1.0);
  EXPECT_EQ(s.toleranceContact, 0.1);
  EXPECT_EQ(s.classement.reseau, 0u) << "no theme model: not classified";

  const versegment texte = geo_creerSegment(host::ElementHandle(fx::text(L"BT", {5, 5, 0}).element(), {}), sansModele);
  EXPECT_EQ(texte.debut, (Point3d{}));
  EXPECT_EQ(texte.fin, (Point3d{}));
  EXPECT_EQ(texte.toleranceContact, 0.1);
}

}  // namespace
