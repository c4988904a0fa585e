// The network searches: where each line's length goes in the lengths by network and state, the
// sums over a file with insets and clips, and the lines near a point.
#include "networks/recherches_reseau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "host/views.h"
#include "networks/recherches_reseau_table.h"
#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

// The entries that hold a length.
std::set<std::size_t> remplies(const verlongueurs& l) {
  std::set<std::size_t> r;
  for (std::size_t i = 0; i < l.size(); ++i)
    if (l[i] != 0.0) r.insert(i);
  return r;
}

TEST(RecherchesReseau, EachLineCountsInItsGroupAndState) {
  EXPECT_EQ(res_reseauxGroupes, (std::array<std::uint32_t, 6>{2, 4, 8, 16, 2048, 4096}));
  EXPECT_EQ(res_etatsGroupe, (std::array<std::uint32_t, 4>{1, 2, 4, 8}));
  const struct {
    const char* pourquoi;
    std::uint8_t branchement;
    std::uint32_t reseau, etat;
    std::set<std::size_t> entrees;
  } cas[] = {
      {"service connection, abandoned", 1, 2, 8, {3, 4, 35}},
      {"service connection of any network", 1, 64, 1, {0, 4, 35}},
      {"BT uncertain", 0, 2, 4, {7, 9, 35}},
      {"BT of state 0: all states only", 0, 2, 0, {9, 35}},
      {"BT of another state value", 0, 2, 1024, {9, 35}},
      {"HTA class A", 0, 4, 1, {10, 14, 35}},
      {"TLC", 0, 8, 2, {16, 19, 35}},
      {"TLR abandoned", 0, 16, 8, {23, 24, 35}},
      {"EP", 0, 2048, 1, {25, 29, 35}},
      {"VDC", 0, 4096, 4, {32, 34, 35}},
      {"gas counts nowhere", 0, 64, 1, {}},
      {"protections count nowhere", 0, 8192, 1, {}},
      {"not classified", 0, 0, 0, {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verlongueurs l{};
    verclassement k;
    k.branchement = c.branchement;
    k.reseau = c.reseau;
    k.etat = c.etat;
    res_ajouterLongueur(l, k, 12.5);
    res_totaliserLongueurs(l);
    EXPECT_EQ(remplies(l), c.entrees);
    for (const std::size_t i : c.entrees) EXPECT_DOUBLE_EQ(l[i], 12.5);
  }
}

class RecherchesReseauFichier : public ::testing::Test {
 protected:
  void SetUp() override { host::views::reset(); }
  void TearDown() override { host::views::reset(); }

  // A line of `metres` along x from (x, y) metres on a level, in a style.
  host::ElementId ligne(const std::wstring& niveau, double x, double y, double metres, const std::wstring& style = L"",
                        std::uint32_t epaisseur = 0) {
    fx::Spec s = fx::line({x * 1000, y * 1000, 0}, {(x + metres) * 1000, y * 1000, 0});
    s.weight(epaisseur);
    if (!style.empty()) s.style(f.style(style));
    return f.ajouter(s, niveau);
  }

  harnais::FichierReseau f;
};

TEST_F(RecherchesReseauFichier, SumsByNetworkAndStateOutsideInsets) {
  ligne(L"C\u00e2blesBT", 0, 0, 3.0, L"ST_BT_CLA_V3");
  ligne(L"R\u00e9sIncertainBT", 0, 10, 3.0);
  ligne(L"R\u00e9seauAbandonn\u00e9Ele", 0, 20, 12.5);  // weight 0: an abandoned service connection
  ligne(L"C\u00e2blesHTA", 0, 30, 2.0, L"ST_HTA_CLA_V3");
  ligne(L"C\u00e2blesTLCEle", 0, 40, 1.5);
  // An arc of a quarter circle of radius 2 m on CâblesBT (state 2).
  f.ajouter(fx::arc({0, 60000, 0}, 2000, 0, 3.141592653589793 / 2), L"C\u00e2blesBT");
  ligne(L"EncartsBT", 0, 50, 4.0);  // no network line
  f.ajouter(fx::text(L"BT", {0, 0, 0}), L"TxtC\u00e2blesBT");
  // An inset around a BT line.
  const host::ElementId encart =
      f.ajouter(fx::rectangle({100000, 0, 0}, {110000, 10000, 0}).colour(0).weight(0).style(0), L"EncartsIndiffEle");
  ligne(L"C\u00e2blesBT", 102, 5, 4.0, L"ST_BT_CLA_V3");
  verplaninfo plan = f.ouvrir();
  plan.encarts = {encart};

  const verlongueurs l = res_elementsDansClip(plan, host::ElementHandle());
  EXPECT_NEAR(l[5], 3.0, 1e-9);
  EXPECT_NEAR(l[6], 3.1415926535 , 1e-6);
  EXPECT_NEAR(l[7], 3.0, 1e-9);
  EXPECT_NEAR(l[9], 6.0 + 3.1415926535, 1e-6);
  EXPECT_NEAR(l[3], 12.5, 1e-9);
  EXPECT_NEAR(l[4], 12.5, 1e-9);
  EXPECT_NEAR(l[10], 2.0, 1e-9);
  EXPECT_NEAR(l[14], 2.0, 1e-9);
  EXPECT_NEAR(l[16], 1.5, 1e-9);
  EXPECT_NEAR(l[19], 1.5, 1e-9);
  EXPECT_NEAR(l[35], 3.0 + 3.0 + 3.1415926535 + 12.5 + 2.0 + 1.5, 1e-6);
  EXPECT_EQ(remplies(l), (std::set<std::size_t>{3, 4, 5, 6, 7, 9, 10, 14, 16, 19, 35}));

  // The network set chooses the levels searched: HTA alone.
  plan.masqueReseau = 4;
  // The abandoned levels hold every network.
  EXPECT_EQ(remplies(res_elementsDansClip(plan, host::ElementHandle())), (std::set<std::size_t>{3, 4, 10, 14, 35}));
}

TEST_F(RecherchesReseauFichier, AClipKeepsTheInsidePartsOnly) {
  ligne(L"C\u00e2blesBT", -5, 0, 10.0, L"ST_BT_CLA_V3");  // crosses the clip's border at x = 0
  ligne(L"C\u00e2blesBT", 20, 0, 10.0, L"ST_BT_CLA_V3");  // outside
  const host::ElementId carre = f.ajouter(fx::rectangle({0, -5000, 0}, {10000, 5000, 0}), L"EncartsBT");
  const host::ElementId cercle = f.ajouter(fx::ellipse({0, 0, 0}, 2000, 2000), L"EncartsBT");
  const host::ElementId trait = f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}), L"EncartsBT");
  const host::ElementId texte = f.ajouter(fx::text(L"BT", {0, 0, 0}), L"EncartsBT");
  const verplaninfo& plan = f.ouvrir();
  const host::ModelRef m = plan.modeleTheme;

  verlongueurs l = res_elementsDansClip(plan, host::ElementHandle(carre, m));
  EXPECT_NEAR(l[5], 5.0, 1e-6);
  EXPECT_NEAR(l[35], 5.0, 1e-6);
  l = res_elementsDansClip(plan, host::ElementHandle(cercle, m));
  EXPECT_NEAR(l[9], 4.0, 1e-3);
  // No clip can be made of an open line, a text or an element that is gone: all zeros.
  for (const host::ElementId id : {trait, texte, host::ElementId{999999}})
    EXPECT_EQ(remplies(res_elementsDansClip(plan, host::ElementHandle(id, m))), std::set<std::size_t>{}) << id;
}

TEST_F(RecherchesReseauFichier, NothingWithoutViewOrModel) {
  ligne(L"C\u00e2blesBT", 0, 0, 3.0, L"ST_BT_CLA_V3");
  verplaninfo plan = f.ouvrir();
  EXPECT_NEAR(res_elementsDansClip(plan, host::ElementHandle())[35], 3.0, 1e-9);
  host::views::close(0);
  EXPECT_EQ(remplies(res_elementsDansClip(plan, host::ElementHandle())), std::set<std::size_t>{});
  host::views::open(5);
  EXPECT_NEAR(res_elementsDansClip(plan, host::ElementHandle())[35], 3.0, 1e-9) << "any view will do";
  plan.modeleTheme = host::ModelRef();
  EXPECT_EQ(remplies(res_elementsDansClip(plan, host::ElementHandle())), std::set<std::size_t>{});
  plan = f.ouvrir();
  plan.type = 0;
  EXPECT_EQ(remplies(res_elementsDansClip(plan, host::ElementHandle())), std::set<std::size_t>{});
}

TEST_F(RecherchesReseauFichier, LinesNearAPointNearestFirst) {
  const host::ElementId diagonale = f.ajouter(fx::line({0, 0, 0}, {10, 10, 0}), L"C\u00e2blesBT");
  const host::ElementId horizontale = f.ajouter(fx::line({0, 100, 0}, {100, 100, 0}), L"C\u00e2blesHTA");
  const host::ElementId loin = f.ajouter(fx::line({200, 0, 0}, {1200, 1000, 0}), L"C\u00e2blesBT");
  const host::ElementId arc = f.ajouter(fx::arc({50, 50, 0}, 52, 0, 3.141592653589793), L"C\u00e2blesBT");
  f.ajouter(fx::line({0, 97, 0}, {100, 97, 0}), L"EncartsBT");  // no network level
  const verplaninfo& plan = f.ouvrir();

  // The ids found, nearest first; each distance checked against `distances`.
  auto chercher = [&](Point3d p, double d, std::vector<double> distances = {}, std::uint32_t reseaux = 62) {
    std::vector<verproximite> r;
    res_elementsLeLongChemin(r, p, d, reseaux, plan);
    std::vector<host::ElementId> ids;
    for (std::size_t i = 0; i < r.size(); ++i) {
      EXPECT_EQ(r[i].idSecond, -1);
      EXPECT_EQ(r[i].indice, -1);
      if (i < distances.size()) {
        EXPECT_NEAR(r[i].distance, distances[i], 1e-6);
      }
      ids.push_back(r[i].idElement);
    }
    return ids;
  };
  using V = std::vector<host::ElementId>;
  // The ends are not extended: (11, 11) lies 1.41 from the diagonal's end.
  EXPECT_EQ(chercher({11, 11, 0}, 1.0), V{});
  EXPECT_EQ(chercher({11, 11, 0}, 1.5, {std::sqrt(2.0)}), V{diagonale});
  // Exactly at the distance counts; z is ignored; nearest first.
  EXPECT_EQ(chercher({50, 103, 500}, 3.0, {1.0, 3.0}), (V{arc, horizontale}));
  EXPECT_EQ(chercher({50, 103, 0}, 2.999), V{arc});
  // In the scan range of the long line but farther than the distance from it.
  EXPECT_EQ(chercher({800, 200, 0}, 10.0), V{});
  EXPECT_EQ(chercher({800, 600, 0}, 10.0, {0.0}), V{loin});
  // The network bits choose the levels.
  EXPECT_EQ(chercher({50, 103, 0}, 3.0, {3.0}, 4), V{horizontale});
  // Bad distances find nothing.
  EXPECT_EQ(chercher({50, 103, 0}, -1.0), V{});
  EXPECT_EQ(chercher({50, 103, 0}, std::nan("")), V{});
}

}  // namespace
