// Node cells on the plan's limit: the raccord lines of a one-file plan, the useful-area outline of
// a three-file plan, substation nodes left out, and plans without a limit.
#include "networks/noeud_topo_limite.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/fixture/plan_fixture.h"
#include "networks/tests/harnais_fichier.h"
#include "titleblock/cart_zone_utile.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::Trouve;
using host::Point3d;

namespace {

TEST(NoeudTopoLimiteTable, NamesAndDistancesAsTheStandardGivesThem) {
  EXPECT_EQ(std::vector<std::wstring_view>(noeud_cellules.begin(), noeud_cellules.end()),
            (std::vector<std::wstring_view>{L"1BNEUD", L"1RNEUD", L"2RNEUD"}));
  EXPECT_DOUBLE_EQ(noeud_distanceContour, 10.0);
  EXPECT_DOUBLE_EQ(noeud_distanceRaccord, 1.0);
}

class NoeudTopoLimite : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override {
    for (host::ModelRef m : ouverts_) host::closeWorkFile(m);
    EXPECT_EQ(host::openWorkFileCount(), 0u);
  }

  static std::vector<Trouve> trouves(const std::vector<vererreur>& erreurs) {
    std::vector<Trouve> t;
    for (const vererreur& e : erreurs) t.push_back({e.code, e.idElement, e.complement});
    return t;
  }

  // The one-file plan's file set over the file, its table built with the one-file rules.
  static verplanfichiers unFichier(harnais::FichierReseau& f) {
    verplanfichiers p;
    p.type = 1;
    p.version = 1;
    verfichier& v = p.fichiers[0] = f.fichier();
    v.nomFichier = L"RESEAU.DGN";
    v.role = rolePlanUnique;
    element_construireTable(v);
    return p;
  }

  // The clean three-file plan with `dessiner` drawing into its EL2, saved; the file set with the
  // EL2 open and its table built with the electricity rules.
  verplanfichiers troisFichiers(const std::function<void(pf::PlanTroisFichiersConstruit&)>& dessiner) {
    const pf::PlanTroisFichiers p = pf::planTroisFichiers();
    pf::PlanTroisFichiersConstruit c = pf::construire(p);
    dessiner(c);
    const pf::CheminsTroisFichiers chemins = pf::enregistrer(c, p.nom, ModeleOuvert::dossier());
    verplanfichiers v;
    v.type = 2;
    v.version = 1;
    v.fichiers[0].existe = true;
    v.fichiers[0].chemin = chemins.fp2;
    verfichier& el2 = v.fichiers[1];
    el2.existe = true;
    el2.chemin = chemins.el2;
    el2.nomFichier = p.nom + L".EL2";
    el2.role = roleElectricite;
    if (host::openWorkFile(&el2.modele, nullptr, nullptr, chemins.el2, L"", true) != host::kSuccess) {
      ADD_FAILURE() << "EL2 not opened";
      return v;
    }
    ouverts_.push_back(el2.modele);
    element_construireTable(el2);
    return v;
  }

  // The useful-area outline of the clean three-file plan, as the check reads it.
  static std::vector<Point3d> contourTroisFichiers(const verplanfichiers& v) {
    std::vector<Point3d> zone;
    cart_zoneUtileFichier(zone, v.fichiers[0].chemin, 2, 1, true);
    return zone;
  }

  std::vector<host::ModelRef> ouverts_;
};

// RACSEC lines of 20 m eastwards, one every 100 m northwards, each with one node cell placed
// about it; the cells reported in scan order.
TEST_F(NoeudTopoLimite, OneFilePlanByItsRaccordLines) {
  const struct {
    const char* pourquoi;
    const wchar_t* nom;
    Point3d depuisDebut;  // from the line's start, UORs
    bool signale;
  } cas[] = {
      {"0.5 UOR from the line", L"1RNEUD", {5000, 0.5, 0}, true},
      {"1.5 UOR from the line", L"1RNEUD", {5000, 1.5, 0}, false},
      {"0.99 UOR from the line", L"1BNEUD", {5000, -0.99, 0}, true},
      {"1.0 UOR from the line", L"2RNEUD", {5000, 1.0, 0}, false},
      {"0.8 UOR beyond the end", L"2RNEUD", {20000.8, 0, 0}, true},
      {"1.2 UOR beyond the end", L"2RNEUD", {20001.2, 0, 0}, false},
      {"0.8 UOR before the start", L"1RNEUD", {-0.8, 0, 0}, true},
      {"0.6 beyond the end and 0.6 aside", L"1RNEUD", {20000.6, 0.6, 0}, true},
      {"names with case", L"1rneud", {5000, 0, 0}, false},
      {"not a node cell", L"2BNEUD", {5000, 0, 0}, false},
      {"a joint", L"JONBT", {5000, 0, 0}, false},
  };
  harnais::FichierReseau f(1);
  std::vector<Trouve> attendu;
  for (std::size_t i = 0; i < std::size(cas); ++i) {
    const Point3d debut{10000, 10000 + 100000.0 * static_cast<double>(i), 0};
    f.ajouter(fx::cell(L"RACSEC", debut, {fx::line(debut, debut + Point3d{20000, 0, 0})}), L"RaccordsVoies");
    const Point3d o = debut + cas[i].depuisDebut;
    const host::ElementId id =
        f.ajouter(fx::cell(cas[i].nom, o, {fx::rectangle(o - Point3d{300, 300, 0}, o + Point3d{300, 300, 0})}, 2.0),
                  L"R\u00e9seauBT");
    if (cas[i].signale) attendu.push_back({2044, id, L""});
  }
  std::vector<vererreur> erreurs;
  const verplanfichiers v = unFichier(f);
  ctrl_noeudTopoSurLimite(erreurs, v);
  EXPECT_EQ(trouves(erreurs), attendu);
  ASSERT_FALSE(erreurs.empty());
  EXPECT_EQ(erreurs[0].fichier, L"RESEAU.DGN");
  EXPECT_FALSE(erreurs[0].aPosition);
  EXPECT_EQ(erreurs[0].extra, 2u) << "the element type";

  // The file's flag says it does not exist: nothing.
  verplanfichiers absent = v;
  absent.fichiers[0].existe = false;
  erreurs.clear();
  ctrl_noeudTopoSurLimite(erreurs, absent);
  EXPECT_TRUE(erreurs.empty());
}

// A point-like node cell (no graphics: its range is its origin) by a slanted raccord line: the
// projection counts up to 0.5 UOR past an end, so the node 0.45 past the end and 0.99 aside lies
// on the limit although it is more than 1.0 UOR from the line's range along y.
TEST_F(NoeudTopoLimite, PointLikeNodeBesideTheEndOfASlantedLine) {
  const Point3d debut{10000, 10000, 0}, fin{20000, 20000, 0};
  const Point3d u = (fin - debut) * (1.0 / debut.distanceXY(fin));
  const Point3d n{-u.y, u.x, 0};
  const struct {
    const char* pourquoi;
    Point3d origine;
    bool signale;
  } cas[] = {
      {"0.45 past the end, 0.99 aside", fin + u * 0.45 + n * 0.99, true},
      {"0.45 before the start, 0.99 aside", debut - u * 0.45 - n * 0.99, true},
      {"0.6 past the end, 0.99 aside", fin + u * 0.6 + n * 0.99, false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::resetModels();
    harnais::FichierReseau f(1);
    f.ajouter(fx::cell(L"RACSEC", debut, {fx::line(debut, fin)}), L"RaccordsVoies");
    const host::ElementId id = f.ajouter(fx::cell(L"1RNEUD", c.origine, {}), L"R\u00e9seauBT");
    std::vector<vererreur> erreurs;
    ctrl_noeudTopoSurLimite(erreurs, unFichier(f));
    const std::vector<Trouve> attendu = c.signale ? std::vector<Trouve>{{2044, id, L""}} : std::vector<Trouve>{};
    EXPECT_EQ(trouves(erreurs), attendu);
  }
}

// A node of a substation (within 1.0 UOR of its colour-14 outline) on a raccord line is left out;
// the same node without the substation is not.
TEST_F(NoeudTopoLimite, SubstationNodesAreLeftOut) {
  for (const bool poste : {true, false}) {
    SCOPED_TRACE(poste);
    host::resetModels();
    harnais::FichierReseau f(1);
    const Point3d o{20000, 10000, 0};
    f.ajouter(fx::cell(L"RACRIV", {10000, 10000, 0}, {fx::line({10000, 10000, 0}, {30000, 10000, 0})}),
              L"RaccordsVoies");
    if (poste)
      f.ajouter(fx::rectangle(o, o + Point3d{4000, 6000, 0}).colour(14).weight(2).group(5), L"Fourreaux+Tub_");
    const host::ElementId noeud =
        f.ajouter(fx::cell(L"1BNEUD", o, {fx::rectangle(o - Point3d{300, 300, 0}, o + Point3d{300, 300, 0})}, 2.0),
                  L"R\u00e9seauBT");
    std::vector<vererreur> erreurs;
    ctrl_noeudTopoSurLimite(erreurs, unFichier(f));
    const std::vector<Trouve> attendu = poste ? std::vector<Trouve>{} : std::vector<Trouve>{{2044, noeud, L""}};
    EXPECT_EQ(trouves(erreurs), attendu);
  }
}

// A raccord cell without usable line keeps both ends at the origin: no limit there. A node at
// (0.5, 0) is then no finding.
TEST_F(NoeudTopoLimite, RaccordWithoutLineIsNoLimit) {
  const Point3d o{0.5, 0, 0};
  const struct {
    const char* pourquoi;
    fx::Spec raccord;
  } cas[] = {
      {"no line child", fx::cell(L"RACRIV", {0, 0, 0}, {fx::rectangle({-100, -100, 0}, {100, 100, 0})})},
      {"a line string child", fx::cell(L"RACRIV", {0, 0, 0}, {fx::lineString({{0, 0, 0}, {0, 9000, 0}, {9000, 9000, 0}})})},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::resetModels();
    harnais::FichierReseau f(1);
    f.ajouter(c.raccord, L"RaccordsVoies");
    f.ajouter(fx::cell(L"1RNEUD", o, {fx::rectangle(o - Point3d{300, 300, 0}, o + Point3d{300, 300, 0})}, 2.0),
              L"R\u00e9seauBT");
    std::vector<vererreur> erreurs;
    ctrl_noeudTopoSurLimite(erreurs, unFichier(f));
    EXPECT_TRUE(erreurs.empty());
  }
}

TEST_F(NoeudTopoLimite, ThreeFilePlanByItsUsefulArea) {
  std::vector<Point3d> zone;
  std::vector<Trouve> attendu;
  const verplanfichiers v = troisFichiers([&](pf::PlanTroisFichiersConstruit& c) {
    fx::DesignBuilder& el2 = c.el2;
    // The outline is read from the frame of the FP2 file: build it first.
    {
      const pf::CheminsTroisFichiers chemins = pf::enregistrer(c, L"ZONE", ModeleOuvert::dossier());
      cart_zoneUtileFichier(zone, chemins.fp2, 2, 1, true);
    }
    ASSERT_EQ(zone.size(), 5u);
    // Points along the outline's first side, inwards by `dedans` UORs.
    const Point3d a = zone[0], b = zone[1];
    const Point3d u = (b - a) * (1.0 / a.distanceXY(b));
    const Point3d n{-u.y, u.x, 0};
    const Point3d centre = (zone[0] + zone[2]) * 0.5;
    const double sens = (centre - a).dot(n) > 0 ? 1.0 : -1.0;
    double le_long = 5000;
    auto noeud = [&](const wchar_t* nom, const wchar_t* niveau, double dedans, bool signale) {
      const Point3d o = a + u * le_long + n * (sens * dedans);
      le_long += 5000;
      const host::ElementId id = el2.add(
          fx::cell(nom, o, {fx::rectangle(o - Point3d{300, 300, 0}, o + Point3d{300, 300, 0})}, 2.0).level(el2.level(niveau)));
      if (signale) attendu.push_back({2044, id, L""});
      return o;
    };
    noeud(L"2RNEUD", L"AccNonAffHTA", 9.9, true);
    noeud(L"2RNEUD", L"AccNonAffHTA", 10.0, false);
    noeud(L"1RNEUD", L"AccNonAffBT", -9.9, true);
    noeud(L"1BNEUD", L"AccNonAffBranchtEle", 0.0, true);
    noeud(L"1bneud", L"AccNonAffBranchtEle", 0.0, false);
    noeud(L"2BNEUD", L"AccNonAffHTA", 0.0, false);
    noeud(L"1RNEUD", L"AccNonAffBT", 2000.0, false);
    // A substation's node on the outline.
    const Point3d o = noeud(L"1RNEUD", L"AccNonAffBT", 0.0, false);
    el2.add(fx::rectangle(o, o + Point3d{4000, 4000, 0}).colour(14).weight(4).group(9).level(el2.level(L"ProtectionsIndif")));
  });
  std::vector<vererreur> erreurs;
  ctrl_noeudTopoSurLimite(erreurs, v);
  EXPECT_EQ(trouves(erreurs), attendu);
}

// Plans without a limit or without a file to check: a three-file set whose frame cannot be read
// (its outline would be empty, its nearest point the origin), a missing electricity file, a plan
// of kind 0, a file set without model.
TEST_F(NoeudTopoLimite, NoLimitNoFinding) {
  const verplanfichiers v = troisFichiers([&](pf::PlanTroisFichiersConstruit& c) {
    const Point3d o{5, 5, 0};
    c.el2.add(fx::cell(L"2RNEUD", o, {fx::rectangle(o - Point3d{300, 300, 0}, o + Point3d{300, 300, 0})}, 2.0)
                  .level(c.el2.level(L"AccNonAffHTA")));
  });
  const struct {
    const char* pourquoi;
    std::function<void(verplanfichiers&)> changer;
  } cas[] = {
      {"the frame cannot be read", [](verplanfichiers& p) { p.fichiers[0].chemin += L".ABSENT"; }},
      {"the electricity file is missing", [](verplanfichiers& p) { p.fichiers[1].existe = false; }},
      {"kind 0", [](verplanfichiers& p) { p.type = 0; }},
      {"no theme model", [](verplanfichiers& p) { p.fichiers[1].modele = {}; }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verplanfichiers p = v;
    c.changer(p);
    std::vector<vererreur> erreurs;
    ctrl_noeudTopoSurLimite(erreurs, p);
    EXPECT_TRUE(erreurs.empty());
  }
  // The same plan with its frame found but the node far from the outline: nothing either, so
  // that the case above stands for the missing outline alone.
  std::vector<vererreur> erreurs;
  ctrl_noeudTopoSurLimite(erreurs, v);
  EXPECT_TRUE(erreurs.empty());
  EXPECT_EQ(contourTroisFichiers(v).size(), 5u);
}

}  // namespace
