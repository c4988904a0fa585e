// Trace defects of the drawn cables: turn backs (2064), confused vertices (2066) and cables drawn
// over each other (2067), on a table of cables drawn new beside the clean network; the rows'
// contents and positions; a three-file plan; bad input.
#include "networks/defauts_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/tests/harnais_cables.h"

namespace {

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::Ligne;
using harnais::lignes;
using harnais::trier;
using host::Point3d;
using N = pf::NatureCable;

class DefautsTrace : public harnais::Cables {
 protected:
  static std::vector<vererreur> tracer(const Fichier& f) {
    std::vector<vererreur> erreurs;
    controlerTraces(erreurs, f);
    return erreurs;
  }
};

// The point `longueur` UORs from `p` at `degres` from the x axis.
Point3d vers(const Point3d& p, double degres, double longueur) {
  const double a = degres * std::numbers::pi / 180.0;
  return p + Point3d{longueur * std::cos(a), longueur * std::sin(a), 0};
}

TEST_F(DefautsTrace, CablesGiveExactlyTheirRows) {
  const pf::PlanUnique d = pf::planReseau();
  pf::PlanUniqueConstruit c = pf::construire(d);
  pf::CrayonReseau crayon(c.fichier, 1, d.echelleCadre);
  // Each case on a row of its own, 5 m apart, west of the clean network.
  int rang = 0;
  auto origine = [&] { return pf::uor(d.origineCadre + Point3d{10, -50.0 - 5.0 * rang++, 0}); };

  struct Attendu {
    std::uint32_t code;
    std::size_t sommet;  // index of the vertex of the drawn points where the row is; none for 2067
  };
  struct Cas {
    const char* pourquoi;
    host::ElementId id;
    std::vector<Point3d> points;
    std::vector<Attendu> attendus;
  };
  std::vector<Cas> cas;
  auto ligne = [&](const char* pourquoi, std::vector<Point3d> points, std::vector<Attendu> attendus, N nature = N::BT) {
    cas.push_back({pourquoi, crayon.cable(fx::lineString(points), nature), points, std::move(attendus)});
  };
  // Out 10.0 UORs, back 10.0 at `degres` from the way out (to the right when negative); a first
  // leg `aller` long.
  auto retour = [&](double degres, double aller = 10.0) {
    const Point3d a = origine(), b = a + Point3d{aller, 0, 0};
    return std::vector<Point3d>{a, b, vers(b, 180.0 - degres, 10.0)};
  };
  ligne("a turn back at 20 degrees", retour(20), {{2064, 1}});
  ligne("a turn back at 20 degrees to the right", retour(-20), {{2064, 1}});
  ligne("a turn back at 29.9 degrees", retour(29.9), {{2064, 1}});
  ligne("a turn at 30.1 degrees", retour(30.1), {});
  ligne("a turn back at 20 degrees after a leg of 1.9, a confused vertex", retour(20, 1.9), {{2066, 1}});
  {
    const Point3d a = origine();
    ligne("vertices 0.5 apart in the middle",
          {a, a + Point3d{10, 0, 0}, a + Point3d{10.5, 0, 0}, a + Point3d{11, 0, 0}, a + Point3d{20, 0, 0}},
          {{2066, 2}, {2066, 3}});
  }
  {
    const Point3d a = origine();
    ligne("a last segment of 1.5", {a, a + Point3d{10, 0, 0}, a + Point3d{20, 0, 0}, a + Point3d{21.5, 0, 0}}, {});
  }
  {
    std::vector<Point3d> p = retour(20);
    p.push_back(vers(p.back(), 160, 0.5));
    p.push_back(vers(p.back(), 160, 10.0));
    ligne("an abandoned cable turning back, with a confused vertex", p, {{2064, 1}}, N::BTAbandonne);
  }

  // A complex chain whose second component starts a few units of rounding from the first one's end.
  const Point3d a = origine(), b = a + Point3d{5000, 0, 0}, joint = b + Point3d{4e-6, 0, 0};
  const host::ElementId chaine =
      crayon.cable(fx::chain({fx::line(a, b), fx::lineString({joint, b + Point3d{5000, 3000, 0}, b + Point3d{9000, 3000, 0}})}),
                   N::BT);
  // Two BT cables between two joints, drawn the same; a longer BT cable along a shorter one; a BT
  // cable over an HTA one.
  const Point3d j1 = origine(), j2 = j1 + Point3d{10000, 0, 0};
  std::vector<host::ElementId> nouveaux{crayon.cellule(L"JONBT", j1, 300, 300), crayon.cellule(L"JONBT", j2, 300, 300)};
  const host::ElementId double1 = crayon.cable(fx::line(j1, j2), N::BT);
  const host::ElementId double2 = crayon.cable(fx::line(j1, j2), N::BT);
  const Point3d l = origine();
  const host::ElementId court = crayon.cable(fx::line(l, l + Point3d{10000, 0, 0}), N::BT);
  const host::ElementId long_ = crayon.cable(fx::line(l, l + Point3d{10003, 0, 0}), N::BT);
  const Point3d h = origine();
  const host::ElementId surHta = crayon.cable(fx::line(h, h + Point3d{10000, 0, 0}), N::BT);
  const host::ElementId hta = crayon.cable(fx::line(h, h + Point3d{10000, 0, 0}), N::HTA);
  // A BT cable over an abandoned one, which the one-file standard draws on the same level: none.
  const Point3d z = origine();
  const host::ElementId surAbandonne = crayon.cable(fx::line(z, z + Point3d{10000, 0, 0}), N::BT);
  crayon.cable(fx::line(z, z + Point3d{10000, 0, 0}), N::BTAbandonne);

  for (const Cas& k : cas) nouveaux.push_back(k.id);
  for (host::ElementId id : {chaine, double1, double2, court, long_, surHta, hta, surAbandonne}) nouveaux.push_back(id);
  Fichier f = preparer(c.fichier, d.nomFichier, 1, nouveaux);
  {
    Point3d fin, debut;
    const host::Element* e = host::readElement(f.fichier.modele, chaine);
    ASSERT_TRUE(e && e->children.size() == 2u && host::curveOfElement(e->children[0])->getStartEnd(debut, fin));
    ASSERT_NE(fin, e->children[1].points.front()) << "the joint's two points stay apart in the file";
  }
  for (const Cas& k : cas) f.element(k.id).categorie = L"Câble BT";  // as the rule books label them
  const std::vector<vererreur> erreurs = tracer(f);

  std::vector<Ligne> attendues{{2067, double1}, {2067, double2}, {2067, court}};
  for (const Cas& k : cas)
    for (const Attendu& a : k.attendus) attendues.push_back({a.code, k.id});
  EXPECT_EQ(lignes(erreurs), trier(attendues));

  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    std::size_t i = 0;
    for (const vererreur& e : erreurs) {
      if (e.idElement != k.id) continue;
      ASSERT_LT(i, k.attendus.size());
      EXPECT_EQ(e.code, k.attendus[i].code);
      ASSERT_TRUE(e.aPosition);
      EXPECT_LT(e.position.distanceXY(k.points[k.attendus[i].sommet]), 1e-6);
      EXPECT_EQ(e.extra, static_cast<std::uint32_t>(host::ElementType::LineString));
      EXPECT_EQ(e.objet, L"Câble BT");
      EXPECT_EQ(e.fichier, d.nomFichier);
      ++i;
    }
  }
  for (const vererreur& e : erreurs)
    if (e.code == 2067) {
      EXPECT_FALSE(e.aPosition);
      EXPECT_EQ(e.extra, static_cast<std::uint32_t>(host::ElementType::Line));
    }
}

TEST_F(DefautsTrace, ThreeFilePlanCablesDrawnTwice) {
  const pf::PlanTroisFichiers d = pf::planTroisFichiersReseau();
  pf::PlanTroisFichiersConstruit c = pf::construire(d);
  pf::CrayonReseau crayon(c.el2, 2, d.echelleCadre);
  Point3d coin = d.contour.front();
  for (const Point3d& p : d.contour) coin = {std::min(coin.x, p.x), std::min(coin.y, p.y), 0};
  const Point3d a = pf::uor(coin + Point3d{20, 70, 0}), b = a + Point3d{10000, 0, 0};
  const std::vector<host::ElementId> bt = {crayon.cable(fx::line(a, b), N::BT), crayon.cable(fx::line(b, a), N::BTClasseC)};
  const Point3d e = a + Point3d{0, 5000, 0};
  const std::vector<host::ElementId> branchements = {crayon.cable(fx::line(e, e + Point3d{8000, 0, 0}), N::Branchement),
                                                     crayon.cable(fx::line(e, e + Point3d{8000, 0, 0}), N::BT)};
  std::vector<host::ElementId> nouveaux = bt;
  nouveaux.insert(nouveaux.end(), branchements.begin(), branchements.end());
  Fichier f = preparer(c.el2, d.nom + L".EL2", 2, nouveaux);
  EXPECT_EQ(lignes(tracer(f)), trier({{2067, bt[0]}, {2067, bt[1]}}))
      << "class A and class C BT the other way round; a service connection over a BT cable is no pair";
}

TEST_F(DefautsTrace, BadInputNeverStopsTheChecks) {
  // Rows of cables that no file holds, one of them with the id 0; no model.
  verfichier fichier;
  for (std::uint64_t id : {0u, 5u, 6u}) {
    verelement e;
    e.idElement = id;
    e.etatControle = 2;
    e.classement.contenu = cn_Lignes;
    e.classement.reseau = nr_BT;
    fichier.elements.push_back(e);
  }
  std::vector<vererreur> erreurs;
  EXPECT_EQ(cable_controlerAllerRetour(erreurs, 0.5, 2.0, fichier), 0);
  EXPECT_EQ(cable_controlerSommetsConfondus(erreurs, 2.0, fichier), 0);
  for (const verelement& e : fichier.elements)
    EXPECT_EQ(cable_controlerCablesSuperposes(erreurs, e, 2.0, fichier, verplaninfo{}), 0);
  EXPECT_TRUE(erreurs.empty());

  // A closed file: its model is no longer valid.
  const pf::PlanUnique d = pf::planReseau();
  const pf::PlanUniqueConstruit c = pf::construire(d);
  Fichier f = preparer(c.fichier, d.nomFichier, 1, {});
  toutNouveau(f);
  host::closeWorkFile(f.fichier.modele);
  ouverts_.clear();
  EXPECT_TRUE(tracer(f).empty());
}

}  // namespace
