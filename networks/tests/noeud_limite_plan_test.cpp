// The node check on the plan's limit through plan_verifier: the network plans' raccords, and the
// one-change variants that put a node on the limit, each giving exactly its one row.
#include <gtest/gtest.h>

#include <functional>

#include "engine/fixture/plan_fixture.h"
#include "engine/fixture/plan_fixture_raccords.h"
#include "networks/raccords.h"
#include "networks/tests/harnais_fichier.h"
#include "standard/tests/harnais_plan.h"

namespace pf = plan_fixture;
using harnais::Trouve;
using host::Point3d;

namespace {

class NoeudLimitePlan : public harnais::PlanLivre {
 protected:
  // The plan's rows but those of the cable topology, once it reached the network stage.
  static std::vector<Trouve> trouves(const verplan& plan) {
    EXPECT_EQ(plan.statuts[1], 2) << "the plan reached the network stage";
    std::vector<Trouve> t;
    for (const vererreur& e : plan.erreurs)
      if (!harnais::ligneTopologieCables(e.code)) t.push_back({e.code, e.idElement, e.complement});
    return t;
  }
  // The row 2044 of the node when it is on the limit, else none.
  static std::vector<Trouve> rang(bool signale, host::ElementId noeud) {
    if (!signale) return {};
    return {{2044, noeud, L""}};
  }
  static std::wstring objet(const verplan& plan) {
    for (const vererreur& e : plan.erreurs)
      if (!harnais::ligneTopologieCables(e.code)) return e.objet;
    return L"";
  }
};

// The one-file network plan's RACRIV finds its label and names the neighbour; with the groups the
// second RACRIV, on the substation, has none.
TEST_F(NoeudLimitePlan, OneFileRaccordsAndTheirLabels) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    host::resetModels();
    const pf::PlanUniqueConstruit c = pf::construire(pf::planReseauGroupes(version));
    const ModeleOuvert m(c.fichier, L"44010450.109");
    vertolerances t;
    tol_initialiser(t);
    std::vector<verraccord> r;
    rac_collecterRaccords(r, m.modele(), t);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].idElement, c.raccords.raccord);
    EXPECT_EQ(r[0].lie, 1);
    EXPECT_EQ(r[0].texteEtiquette, c.raccords.etiquette);
    EXPECT_EQ(r[0].voisin, L"44020450.109");
    EXPECT_EQ(r[0].fichier, L"44010450.109");
    EXPECT_EQ(r[1].idElement, c.raccords.raccordPoste);
    EXPECT_EQ(r[1].lie, 0);
    EXPECT_NE(r[1].debutLigne, Point3d{});
  }
}

TEST_F(NoeudLimitePlan, NodeOnTheLimitGivesItsOneRow) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const double f = version == 2 ? 2.5 : 1.0;
    // The east RACRIV brought over the network's 1RNEUD at (140, -30): 12 m west, and so far down.
    const struct {
      const char* pourquoi;
      Point3d decalage;  // UORs
      bool signale;
    } unFichier[] = {
        {"0.5 UOR aside the line", pf::uor({-12 * f, 0, 0}) + Point3d{0.5, 0, 0}, true},
        {"0.8 UOR beyond the line's end", pf::uor({-12 * f, -4 * f, 0}) + Point3d{0, -0.8, 0}, true},
        {"1.2 UOR beyond the line's end", pf::uor({-12 * f, -4 * f, 0}) + Point3d{0, -1.2, 0}, false},
    };
    for (const auto& c : unFichier) {
      SCOPED_TRACE(c.pourquoi);
      host::ElementId noeud = 0;
      const verplan plan = livrer(pf::planReseau(version), [&](pf::PlanUniqueConstruit& k) {
        noeud = k.reseau.noeudBT;
        pf::deplacerRaccord(k, c.decalage);
      });
      EXPECT_EQ(trouves(plan), rang(c.signale, noeud));
      EXPECT_EQ(objet(plan), c.signale ? L"Noeud de d\u00e9part BT" : L"");
    }
    // The HTA cable that reached the sheet's east side ends at a node inside the useful area.
    for (const auto& [dedans, signale] : {std::pair{9.9, true}, std::pair{10.0, false}}) {
      SCOPED_TRACE(dedans);
      const pf::PlanTroisFichiers p = pf::planTroisFichiersReseau(version);
      host::ElementId noeud = 0;
      const verplan plan = livrer(p, [&](pf::PlanTroisFichiersConstruit& k) { noeud = pf::terminerHTASurNoeud(k, p, dedans); });
      EXPECT_EQ(trouves(plan), rang(signale, noeud));
      EXPECT_EQ(objet(plan), signale ? L"Noeud topo HTA" : L"");
    }
  }
}

}  // namespace
