#pragma once
// The network graph's tests: plan files built in code, saved under the test's own folder and
// opened read-only for the length of a test, the plan record of the electricity theme on them,
// the graph built on it, and the properties every clean network holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "engine/encart.h"
#include "engine/fixture/plan_fixture.h"
#include "host/curve_element.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "networks/reseau_compteurs.h"
#include "networks/reseau_graphe.h"
#include "toolbox/stb_geom.h"

namespace harnais {

class Graphe : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dossier_ = boost::filesystem::current_path() / test->test_suite_name() / test->name();
    boost::filesystem::remove_all(dossier_);
    boost::filesystem::create_directories(dossier_);
  }
  void TearDown() override {
    for (host::ModelRef m : ouverts_) host::closeWorkFile(m);
    EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open";
    boost::filesystem::remove_all(dossier_);
  }

  // Saves the file under `nom` (a plan file name tells the neighbour's kind) and opens it read-only.
  host::ModelRef ouvrir(const host::fixture::DesignBuilder& fichier, const std::wstring& nom) {
    const std::wstring chemin = host::paths::fromNative(dossier_) + L"/" + nom;
    host::ModelRef m;
    if (!plan_fixture::sauver(fichier, chemin) ||
        host::openWorkFile(&m, nullptr, nullptr, chemin, L"", true) != host::kSuccess) {
      ADD_FAILURE() << "cannot save or open the file";
      return {};
    }
    ouverts_.push_back(m);
    return m;
  }

  // The plan record of theme 62 on an open network file, its insets collected.
  static verplaninfo plan(host::ModelRef modele, std::uint32_t type, const std::wstring& systeme = L"RGF93.CC47") {
    verplaninfo p;
    p.type = type;
    p.masqueTheme = 62;
    p.masqueReseau = 62;
    p.modelePrincipal = modele;
    p.modeleTheme = modele;
    p.projection.cleSysteme = systeme;
    encart_collecter(p);
    return p;
  }

  // The graph of the plan's network file with both catalogues, in the building order.
  static verreseau graphe(const verplaninfo& p, const std::vector<host::ModelRef>& voisins = {}) {
    verreseau r;
    tol_initialiser(r.tolerances);
    r.catalogueV2 = cable_listeAccessoires(1);
    r.catalogueV3 = cable_listeAccessoires(2);
    res_collecterCellulesReseau(r, p);
    res_collecterTroncons(r, p);
    res_relierTroncons(r, voisins, p);
    return r;
  }

  boost::filesystem::path dossier_;
  std::vector<host::ModelRef> ouverts_;
};

// Index of the piece of that element, or -1.
inline std::int32_t troncon(const verreseau& r, std::uint64_t id) {
  for (std::size_t i = 0; i < r.troncons.size(); ++i)
    if (r.troncons[i].idElement == id) return static_cast<std::int32_t>(i);
  return -1;
}

// The node of a piece's start or end; fails the test when the piece is missing.
inline const vernoeud& noeud(const verreseau& r, std::uint64_t id, bool debut) {
  static const vernoeud aucun;
  const std::int32_t t = troncon(r, id);
  EXPECT_NE(t, -1) << "piece of element " << id;
  if (t < 0) return aucun;
  const std::int32_t n = debut ? r.troncons[static_cast<std::size_t>(t)].noeudDebut : r.troncons[static_cast<std::size_t>(t)].noeudFin;
  EXPECT_NE(n, -1);
  return n < 0 ? aucun : r.noeuds[static_cast<std::size_t>(n)];
}

// What every clean network holds: each piece is connected at both ends; a cell's node receives
// pieces of the kinds and in a number its row admits; a node without cell joins two similar
// pieces or marks a change of characteristics, or holds one piece that continues across the
// border; no trace turns back under 30 degrees or has two vertices within 2.0 UORs, and no two
// cables of one network run along each other.
inline void tenirPropre(const verreseau& r, const verplaninfo& p) {
  const std::vector<veraccessoire>& catalogue = res_catalogue(r, p.type);
  for (const vertroncon& t : r.troncons) EXPECT_TRUE(t.noeudDebut >= 0 && t.noeudFin >= 0) << t.idElement;
  for (const vernoeud& n : r.noeuds) {
    SCOPED_TRACE(testing::Message() << "node at " << n.point.x << ", " << n.point.y << " cell " << n.idCellule);
    if (n.idCellule != 0) {
      const veraccessoire& a = catalogue[static_cast<std::size_t>(n.indexCatalogue)];
      const auto nombre = static_cast<std::int32_t>(n.troncons.size());
      EXPECT_NE(std::find(a.nombresAdmis.begin(), a.nombresAdmis.end(), nombre), a.nombresAdmis.end()) << nombre;
      for (std::int32_t i : n.troncons) {
        const vertroncon& t = r.troncons[static_cast<std::size_t>(i)];
        const std::uint32_t bit = t.reseau == 2 && t.branchement ? 1u : t.reseau;
        EXPECT_NE(a.cablesAdmis & bit, 0u) << a.code << " refuses " << t.idElement;
      }
    } else if (n.troncons.size() == 1) {
      EXPECT_EQ(n.traverse, 1) << "a free end that does not continue across the border";
    } else {
      ASSERT_EQ(n.troncons.size(), 2u);
      const vertroncon& a = r.troncons[static_cast<std::size_t>(n.troncons[0])];
      const vertroncon& b = r.troncons[static_cast<std::size_t>(n.troncons[1])];
      EXPECT_TRUE(a.reseau == b.reseau && a.branchement == b.branchement && a.protection == b.protection);
      EXPECT_TRUE(n.changement == 1 || (a.etat == b.etat && a.ni == b.ni));
    }
  }
  std::vector<std::pair<std::uint32_t, host::CurveVector>> courbes;
  for (const vertroncon& t : r.troncons) {
    const auto courbe = host::curveOfElement(*host::readElement(p.modeleTheme, t.idElement));
    ASSERT_TRUE(courbe);
    std::vector<host::Point3d> s;
    stbGeom_discretiserCourbe(s, &*courbe, 1.0, false);
    for (std::size_t i = 1; i < s.size(); ++i) EXPECT_GE(s[i].distanceXY(s[i - 1]), 2.0) << t.idElement;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
      const host::Point3d u = s[i - 1] - s[i], v = s[i + 1] - s[i];
      const double angle = std::acos(std::clamp(u.dot(v) / (u.magnitude() * v.magnitude()), -1.0, 1.0));
      EXPECT_GE(angle, 30.0 * std::numbers::pi / 180.0) << t.idElement;
    }
    for (const auto& [reseau, autre] : courbes) {
      if (reseau == t.reseau) {
        EXPECT_NE(stbGeom_raccordExtremites(&*courbe, &autre, 2.0), 0) << t.idElement;
      }
    }
    courbes.emplace_back(t.reseau, *courbe);
  }
}

}  // namespace harnais
