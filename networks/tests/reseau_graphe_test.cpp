// The network graph: the clean network plans with their east neighbours, the ends that join a
// node or a cell, what lies inside an inset, the questions asked of the neighbours, and bad input.
#include "networks/reseau_graphe.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/fixture/plan_fixture_generes.h"
#include "engine/fixture/plan_fixture_reseau.h"
#include "engine/plan_verifier.h"
#include "networks/tests/harnais_fichier.h"
#include "networks/tests/harnais_reseau.h"
#include "standard/tests/harnais_plan.h"

namespace {

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::noeud;
using harnais::troncon;
using host::Point3d;

class GrapheReseau : public harnais::Graphe {
 protected:
  // The one-file network plan changed by `changer`, opened, and its graph without neighbours.
  struct Variante {
    verplaninfo plan;
    verreseau reseau;
  };
  template <typename Changer>
  Variante varianteUnique(const Changer& changer, const std::vector<host::ModelRef>& voisins = {}) {
    const pf::PlanUnique description = pf::planReseau();
    pf::PlanUniqueConstruit c = pf::construire(description);
    changer(c, description);
    Variante v;
    v.plan = plan(ouvrir(c.fichier, description.nomFichier), 1);
    v.reseau = graphe(v.plan, voisins);
    return v;
  }
};

TEST_F(GrapheReseau, CleanOneFilePlansHoldWithTheirEastNeighbour) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanUnique description = pf::planReseau(version);
    const pf::PlanUniqueConstruit c = pf::construire(description);
    const pf::VoisinUnique voisin = pf::voisinEstUnique(description, L"C47", L"RGF93.CC47");
    const verplaninfo p = plan(ouvrir(c.fichier, description.nomFichier), 1);
    res_remettreCompteurs();
    const verreseau r = graphe(p, {ouvrir(voisin.construit.fichier, voisin.plan.nomFichier)});
    harnais::tenirPropre(r, p);

    const pf::IdsReseau& ids = c.reseau;
    EXPECT_EQ(r.troncons.size(), ids.cables.size());
    EXPECT_EQ(r.noeuds.size(), ids.cellules.size() + 5) << "two nodes without cell and three border ends";
    EXPECT_EQ(noeud(r, ids.surCoffret, true).idCellule, ids.coffret) << "an end on the cabinet's side, 0.5 m from its origin";
    EXPECT_EQ(noeud(r, ids.surCoffret, false).idCellule, ids.jonctionBT);
    const vernoeud& suite = noeud(r, ids.arc, false);
    EXPECT_EQ(suite.idCellule, 0u);
    EXPECT_EQ(suite.changement, 0);
    EXPECT_EQ(suite.troncons, (std::vector<std::int32_t>{troncon(r, ids.arc), troncon(r, ids.continuation)}));
    EXPECT_EQ(noeud(r, ids.classeC, true).changement, 1) << "class A meets class C";
    EXPECT_EQ(noeud(r, ids.chaine, false).idCellule, ids.remonteeBT);
    for (std::size_t i = 0; i < ids.bordure.size(); ++i) {
      const vernoeud& n = noeud(r, ids.bordure[i], false);
      EXPECT_EQ(n.traverse, 1);
      EXPECT_EQ(n.planVoisin, L"44020450.109");
      EXPECT_EQ(n.idVoisin, voisin.continuations.troncons[i]);
    }
    // Only the five new nodes asked the one neighbour: never a cell's node, which no piece had
    // reached before (its list was empty).
    EXPECT_EQ(res_lireCompteurs().questionsVoisins, 5u);
    EXPECT_EQ(res_lireCompteurs().recherchesNoeud, 2 * ids.cables.size());
  }
}

TEST_F(GrapheReseau, CleanThreeFilePlanHoldsWithItsEastGridCell) {
  const pf::PlanTroisFichiers description = pf::planTroisFichiersReseau();
  const pf::PlanTroisFichiersConstruit c = pf::construire(description);
  const pf::VoisinTroisFichiers voisin = pf::voisinEstTroisFichiers(description);
  const verplaninfo p = plan(ouvrir(c.el2, description.nom + L".EL2"), 2);
  const verreseau r = graphe(p, {ouvrir(voisin.construit.el2, voisin.plan.nom + L".EL2")});
  harnais::tenirPropre(r, p);

  const pf::IdsReseau& ids = c.reseau;
  EXPECT_EQ(r.troncons.size(), ids.cables.size());
  EXPECT_EQ(noeud(r, ids.surCoffret, true).idCellule, ids.coffret);
  EXPECT_EQ(noeud(r, ids.branchement, true).idCellule, ids.coffret);
  EXPECT_EQ(noeud(r, ids.branchement, false).idCellule, ids.coffretBranchement);
  EXPECT_EQ(noeud(r, ids.arc, false).troncons,
            (std::vector<std::int32_t>{troncon(r, ids.arc), troncon(r, ids.chaine)}));
  EXPECT_EQ(noeud(r, ids.classeC, true).changement, 1);
  for (std::size_t i = 0; i < ids.bordure.size(); ++i) {
    const vernoeud& n = noeud(r, ids.bordure[i], false);
    EXPECT_EQ(n.planVoisin, L"QRL-47-00193-01246-03-D-25");
    EXPECT_EQ(n.idVoisin, voisin.continuations.troncons[i]);
  }
}

TEST_F(GrapheReseau, EndsJoinNodesOnlyStrictlyWithinOne) {
  for (const auto& [ecart, joint] : {std::pair{0.99, true}, std::pair{1.0, false}}) {
    SCOPED_TRACE(ecart);
    std::vector<host::ElementId> ids;
    const Variante v = varianteUnique([&](auto& c, const auto& d) { ids = pf::ajouterBoutsEcartes(c, d, ecart); });
    EXPECT_EQ(&noeud(v.reseau, ids[0], false) == &noeud(v.reseau, ids[1], true), joint);
  }
}

// Family 2 joins an end that touches the shape (an end exactly 1.0 from its outline only when the
// last segment meets it); family 1 only an end within 1.0 of the origin. Square cells of side 10
// UORs about their origin; ends in UORs from it, the piece coming from the west or the east.
TEST_F(GrapheReseau, EndsJoinCabinetsByTheirShapeAndJointsByTheirOrigin) {
  struct Cas {
    const char* pourquoi;
    const wchar_t* cellule;
    Point3d debut, fin;
    bool joint;
  };
  const std::vector<Cas> cas = {
      {"on the cabinet's side, 5.0 from its origin", L"COELEC", {-50, 0, 0}, {-5, 0, 0}, true},
      {"0.99 outside the side", L"COELEC", {-50, 0, 0}, {-5.99, 0, 0}, true},
      {"1.0 outside, not crossing", L"COELEC", {-50, 0, 0}, {-6, 0, 0}, false},
      {"1.0 beyond the side it crossed", L"COELEC", {50, 0, 0}, {-6, 0, 0}, true},
      {"inside, 1.0 from the outline it crossed", L"COELEC", {-50, 0, 0}, {-4, 0, 0}, true},
      {"inside, 3.0 from the outline and 2.0 from the origin", L"COELEC", {-50, 0, 0}, {-2, 0, 0}, false},
      {"on a joint's side, 5.0 from its origin", L"JONBT", {-50, 0, 0}, {-5, 0, 0}, false},
      {"0.99 from a joint's origin", L"JONBT", {-50, 0, 0}, {-0.99, 0, 0}, true},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    std::vector<host::ElementId> ids;
    const Variante v = varianteUnique(
        [&](auto& c, const auto& d) { ids = pf::ajouterCelluleVariante(c, d, k.cellule, k.debut, k.fin); });
    EXPECT_EQ(noeud(v.reseau, ids[1], false).idCellule == ids[0], k.joint);
  }
}

TEST_F(GrapheReseau, InsetsLoopsAndTheQuestionsAskedOfNeighbours) {
  const pf::PlanUnique description = pf::planReseau();
  const pf::VoisinUnique voisin = pf::voisinEstUnique(description, L"C47", L"RGF93.CC47");
  const host::ModelRef mv = ouvrir(voisin.construit.fichier, voisin.plan.nomFichier);
  std::vector<host::ElementId> encart;
  host::ElementId boucle = 0, abandonne = 0, vivant = 0;
  res_remettreCompteurs();
  const Variante v = varianteUnique(
      [&](pf::PlanUniqueConstruit& c, const pf::PlanUnique& d) {
        encart = pf::ajouterReseauDansEncart(c, d);
        boucle = pf::ajouterBoucle(c, d);
        // An abandoned piece, then a live one from where it ends: that node's first piece is
        // abandoned, so the live piece asks the neighbours again.
        pf::CrayonReseau crayon(c.fichier, 1, d.echelleCadre);
        const Point3d a = pf::uor(d.origineCadre + Point3d{50, -6, 0}), b = a + Point3d{5000, 0, 0};
        abandonne = crayon.cable(fx::line(a, b), pf::NatureCable::BTAbandonne);
        vivant = crayon.cable(fx::line(b, b + Point3d{5000, 0, 0}), pf::NatureCable::BT);
      },
      {mv});

  for (const vernoeud& n : v.reseau.noeuds) EXPECT_NE(n.idCellule, encart[0]) << "a cell inside an inset";
  EXPECT_EQ(troncon(v.reseau, encart[1]), -1) << "a cable inside an inset";
  const std::int32_t t = troncon(v.reseau, boucle);
  EXPECT_EQ(noeud(v.reseau, boucle, true).troncons, (std::vector<std::int32_t>{t, t}));
  EXPECT_EQ(&noeud(v.reseau, abandonne, false), &noeud(v.reseau, vivant, true));
  // The clean network's five new nodes, the loop's one (its end finds the node its start made,
  // which lists no piece yet), three for the two pieces' new nodes and one more where the live
  // piece meets the abandoned one.
  EXPECT_EQ(res_lireCompteurs().questionsVoisins, 5u + 1u + 3u + 1u);
}

TEST_F(GrapheReseau, BadInputNeverStopsTheGraph) {
  host::ElementId sansCourbe = 0, nulle = 0, sansForme = 0, surSansForme = 0, loinA = 0, loinB = 0;
  std::vector<host::ElementId> sansNom;
  const Variante v = varianteUnique([&](pf::PlanUniqueConstruit& c, const pf::PlanUnique& d) {
    pf::CrayonReseau crayon(c.fichier, 1, d.echelleCadre);
    const Point3d o = pf::uor(d.origineCadre + Point3d{60, -5, 0});
    sansCourbe = crayon.cable(fx::arc(o, 500, 0, 0), pf::NatureCable::BT);
    nulle = crayon.cable(fx::line(o + Point3d{0, 3000, 0}, o + Point3d{0, 3000, 0}), pf::NatureCable::BT);
    // A cabinet whose only child is an ellipse: an end on it joins nothing.
    const host::LevelId symboles = c.fichier.level(L"SymbolesFixes");
    sansForme = c.fichier.add(fx::cell(L"COELEC", o, {fx::ellipse(o, 500, 500)}, 2.0).level(symboles).colour(4));
    surSansForme = crayon.cable(fx::line(o + Point3d{5000, 0, 0}, o + Point3d{500, 0, 0}), pf::NatureCable::BT);
    sansNom.push_back(crayon.cellule(L"", o + Point3d{10000, 0, 0}, 300, 300));
    sansNom.push_back(crayon.cellule(std::wstring(5000, L'J'), o + Point3d{12000, 0, 0}, 300, 300));
    // The largest coordinates the loader takes.
    const Point3d loin{1e15 - 100000, 1e15 - 100000, 0};
    loinA = crayon.cable(fx::line(loin, loin + Point3d{50000, 0, 0}), pf::NatureCable::BT);
    loinB = crayon.cable(fx::line(loin + Point3d{50000, 0, 0}, loin + Point3d{99000, 1000, 0}), pf::NatureCable::BT);
  });
  EXPECT_EQ(troncon(v.reseau, sansCourbe), -1) << "an arc of no sweep has no curve";
  EXPECT_EQ(noeud(v.reseau, nulle, true).troncons.size(), 2u) << "a piece of zero length";
  EXPECT_EQ(noeud(v.reseau, surSansForme, false).idCellule, 0u);
  EXPECT_NE(noeud(v.reseau, surSansForme, false).idCellule, sansForme);
  for (const vernoeud& n : v.reseau.noeuds) EXPECT_TRUE(n.idCellule != sansNom[0] && n.idCellule != sansNom[1]);
  EXPECT_EQ(&noeud(v.reseau, loinA, false), &noeud(v.reseau, loinB, true));

  // A piece whose element cannot be read stays unconnected and in no node's list; a null and an
  // unknown neighbour model are passed over.
  verreseau r;
  r.catalogueV2 = cable_listeAccessoires(1);
  vertroncon fantome;
  fantome.idElement = 999999;
  r.troncons.push_back(fantome);
  res_collecterTroncons(r, v.plan);
  res_relierTroncons(r, {host::ModelRef{}, host::ModelRef{123456}}, v.plan);
  EXPECT_EQ(r.troncons[0].noeudDebut, -1);
  EXPECT_EQ(r.troncons[0].noeudFin, -1);
  for (const vernoeud& n : r.noeuds) EXPECT_EQ(std::count(n.troncons.begin(), n.troncons.end(), 0), 0);
  EXPECT_EQ(r.troncons.size(), v.reseau.troncons.size() + 1);
}

// A street grid of 64 pieces: 16 joints, 24 nodes between two pieces, 16 ends on the sides that
// continue in the four side neighbours, two of them drawn and carried in Lambert 93.
TEST_F(GrapheReseau, GeneratedNetworksHoldWithTheirEightNeighbours) {
  for (const std::uint32_t type : {1u, 2u}) {
    SCOPED_TRACE(type);
    auto nom = [&](int i) {
      return type == 1 ? L"4409045" + std::to_wstring(i) + L".109" : L"QRL-47-00193-01246-03-D-0" + std::to_wstring(i) + L".EL2";
    };
    fx::DesignBuilder b;
    pf::definirNiveaux(b, nom(9));
    b.header().coordinateSystem = L"RGF93.CC47";
    const pf::ReseauGenere g = pf::ajouterReseauGenere(b, type, 64, pf::uor({1354950, 6234000, 0}), 400000.0, 7);
    EXPECT_EQ(g.troncons, 64);
    EXPECT_EQ(g.cellules, 16);
    EXPECT_EQ(g.bordure.size(), 16u);
    std::vector<host::fixture::DesignBuilder> voisins = pf::voisinsReseauGenere(type, g);
    ASSERT_EQ(voisins.size(), 8u);
    std::vector<host::ModelRef> modeles;
    for (std::size_t i = 0; i < voisins.size(); ++i) modeles.push_back(ouvrir(voisins[i], nom(static_cast<int>(i))));
    EXPECT_EQ(*voisins[0].header().coordinateSystem, L"IGN-RGF93");
    EXPECT_EQ(*voisins[1].header().coordinateSystem, L"RGF93.CC47");

    const verplaninfo p = plan(ouvrir(b, nom(9)), type);
    const verreseau r = graphe(p, modeles);
    harnais::tenirPropre(r, p);
    EXPECT_EQ(r.troncons.size(), 64u);
    EXPECT_EQ(r.noeuds.size(), 16u + 24u + 16u);
    std::size_t changements = 0;
    for (const vernoeud& n : r.noeuds) changements += n.changement;
    EXPECT_GT(changements, 0u);
  }
}

class PlanReseauLivre : public harnais::PlanLivre {};

TEST_F(PlanReseauLivre, NetworkPlansVerifyWithoutFinding) {
  for (const std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    for (const verplan& plan : {livrer(pf::planReseau(version)), livrer(pf::planTroisFichiersReseau(version))}) {
      SCOPED_TRACE(std::string(plan.nom.begin(), plan.nom.end()));
      EXPECT_EQ(plan.statuts[1], 2) << "the element checks ran";
      // Delivered without their neighbours, their border cables end in the open: the cable
      // topology's findings are left to its own tests, which deliver the neighbours too.
      for (const vererreur& e : plan.erreurs)
        if (!harnais::ligneTopologieCables(e.code)) ADD_FAILURE() << e.code << " on " << e.idElement;
    }
  }
}

}  // namespace
