// Matching with the previous version: what a new or deleted cable or a deleted cell marks in the
// element table of the network file (status 3 and the end at the change), on small EL2 files.
#include "networks/associer_extremites.h"

#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/passe_reseau.h"
#include "networks/tests/harnais_fichier.h"
#include "standard/element_table.h"

namespace {

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;
using N = pf::NatureCable;

// A point of the files, UORs.
Point3d p(double x) { return {x, 0, 0}; }

// The status and end marker of an element of the table.
struct Marque {
  std::uint32_t etat;
  std::uint32_t extremite;
  friend bool operator==(const Marque&, const Marque&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Marque& m) { return o << m.etat << "/" << m.extremite; }
};

class Association : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open"; }

  // The network file's table, every element unchanged (status 1), and its graph.
  struct Reseau {
    verfichier fichier;
    verreseau reseau;
  };
  static Reseau construire(harnais::FichierReseau& f) {
    Reseau r;
    r.fichier = f.fichier();
    r.fichier.nomFichier = L"RESEAU.EL2";
    for (verelement& e : r.fichier.elements) e.etatControle = 1;
    r.reseau.catalogueV2 = cable_listeAccessoires(1);
    r.reseau.catalogueV3 = cable_listeAccessoires(2);
    drap_verifierDrapeaux(r.reseau, {}, f.ouvrir());
    return r;
  }
  static Marque marque(const verfichier& f, host::ElementId id) {
    const std::int32_t i = element_rechercherParId(f.elements, id);
    EXPECT_GE(i, 0) << id;
    if (i < 0) return {0, 0};
    return {f.elements[static_cast<std::size_t>(i)].etatControle, f.elements[static_cast<std::size_t>(i)].marqueExtremite};
  }
  static void nouveau(verfichier& f, host::ElementId id) {
    f.elements[static_cast<std::size_t>(element_rechercherParId(f.elements, id))].etatControle = 2;
  }
  static verecart ecart(std::uint32_t statut, std::uint32_t type, std::uint64_t livre, std::uint64_t origine,
                        const std::wstring& fichier = L"RESEAU.EL2") {
    verecart e;
    e.fichier = fichier;
    e.statut = statut;
    e.type = type;
    e.idLivre = livre;
    e.idOrigine = origine;
    return e;
  }
};

constexpr std::uint32_t kLigne = host::ElementType::Line;

// A new cable in the delivered network: what it marks at each of its ends.
TEST_F(Association, NewCableMarksWhatTouchesItsEnds) {
  harnais::FichierReseau f;
  pf::CrayonReseau c(f.b, 2, 1.0);
  // A joint at 10000 between the new cable and an unchanged one; a cell-less node at 0 where the
  // new cable's start meets the end of an unchanged cable, and at 30000 the start of another.
  const auto nouveauCable = c.cable(fx::line(p(0), p(10000)), N::BT);
  const auto jonction = c.cellule(L"1RJONC", p(10000), 300, 300);
  const auto auDela = c.cable(fx::line(p(10000), p(15000)), N::BT);
  const auto avant = c.cable(fx::line(p(-10000), p(0)), N::BT);
  const auto neuf = c.cable(fx::line(p(20000), p(30000)), N::BT);
  const auto apres = c.cable(fx::line(p(30000.5), p(40000)), N::BT);
  Reseau r = construire(f);
  nouveau(r.fichier, nouveauCable);
  nouveau(r.fichier, neuf);
  // The same ids in another file of the plan are no business of the network file.
  const std::vector<verecart> ecarts = {
      ecart(3, kLigne, 0, apres, L"RESEAU.FP2"), ecart(2, kLigne, avant, 0, L"RESEAU.FP2"),
      ecart(2, kLigne, nouveauCable, 0), ecart(2, kLigne, neuf, 0), ecart(2, 14, jonction, 0)};
  verreseau precedent;
  cable_associerExtremites(r.fichier, ecarts, r.reseau, precedent, {});

  const struct {
    const char* pourquoi;
    host::ElementId id;
    Marque attendu;
  } cas[] = {
      {"the joint at its end (cells get no end marker)", jonction, {3, 0}},
      {"a cable beyond the joint", auDela, {1, 0}},
      {"the cable whose end lies at the new cable's start", avant, {3, 2}},
      {"a new cable is never marked, though it meets another new one", neuf, {2, 0}},
      {"the cable whose start lies 0.5 from a new cable's end", apres, {3, 1}},
      {"the new cable", nouveauCable, {2, 0}},
  };
  for (const auto& k : cas) EXPECT_EQ(marque(r.fichier, k.id), k.attendu) << k.pourquoi;
}

// Records of the other files of the plan, whose ids collide with the network file's, mark nothing.
TEST_F(Association, OtherFilesRecordsMarkNothing) {
  harnais::FichierReseau f;
  pf::CrayonReseau c(f.b, 2, 1.0);
  const auto a = c.cable(fx::line(p(0), p(10000)), N::BT);
  const auto b = c.cable(fx::line(p(10000), p(20000)), N::BT);
  Reseau r = construire(f);
  verreseau precedent;
  for (const wchar_t* autre : {L"RESEAU.FP2", L"RESEAU.AR2"})
    cable_associerExtremites(r.fichier, {ecart(2, kLigne, a, 0, autre), ecart(3, 2, 0, 0, autre)}, r.reseau,
                             precedent, {});
  EXPECT_EQ(marque(r.fichier, a), (Marque{1, 0}));
  EXPECT_EQ(marque(r.fichier, b), (Marque{1, 0}));
}

// The previous version: a cable deleted between two unchanged ones, a deleted joint, a deleted
// complex shape; the unchanged elements carry other ids in the delivered file.
TEST_F(Association, DeletedElementsMarkTheirUnchangedNeighbours) {
  harnais::FichierReseau avant(2, L"AVANT");
  pf::CrayonReseau ca(avant.b, 2, 1.0);
  const auto gaucheAvant = ca.cable(fx::line(p(0), p(10000)), N::BT);
  const auto supprime = ca.cable(fx::line(p(10000), p(20000)), N::BT);
  const auto droiteAvant = ca.cable(fx::line(p(30000), p(20000)), N::BT);
  const auto jonctionAvant = ca.cellule(L"1RJONC", p(40000), 300, 300);
  const auto hautAvant = ca.cable(fx::line(p(30000), p(40000)), N::BT);
  const auto basAvant = ca.cable(fx::line(p(40000), p(50000)), N::BT);
  const verplaninfo& planAvant = avant.ouvrir();
  verreseau precedent;
  precedent.catalogueV3 = cable_listeAccessoires(2);
  drap_verifierDrapeaux(precedent, {}, planAvant);

  harnais::FichierReseau f;
  pf::CrayonReseau c(f.b, 2, 1.0);
  c.cable(fx::line(p(-5000), p(-4000)), N::BT);  // shifts the delivered ids
  const auto gauche = c.cable(fx::line(p(0), p(10000)), N::BT);
  const auto droite = c.cable(fx::line(p(30000), p(20000)), N::BT);
  const auto haut = c.cable(fx::line(p(30000), p(40000)), N::BT);
  const auto bas = c.cable(fx::line(p(40000), p(50000)), N::BT);
  Reseau r = construire(f);
  ASSERT_NE(gauche, gaucheAvant);

  std::vector<verecart> ecarts = {ecart(1, kLigne, gauche, gaucheAvant), ecart(1, kLigne, droite, droiteAvant),
                                  ecart(1, kLigne, haut, hautAvant), ecart(1, kLigne, bas, basAvant),
                                  ecart(3, 14, 0, supprime), ecart(3, 2, 0, jonctionAvant)};
  ecarts.back().position = p(40000.5);
  // A deleted complex shape marks nothing, nor does a deleted joint without the previous graph.
  verreseau vide;
  cable_associerExtremites(r.fichier, ecarts, r.reseau, vide, {});
  for (const auto id : {gauche, droite, haut, bas}) EXPECT_EQ(marque(r.fichier, id), (Marque{1, 0}));

  ecarts[4].type = kLigne;
  cable_associerExtremites(r.fichier, ecarts, r.reseau, precedent, avant.modele());
  EXPECT_EQ(marque(r.fichier, gauche), (Marque{3, 2})) << "its end met the deleted cable's start";
  EXPECT_EQ(marque(r.fichier, droite), (Marque{3, 2}));
  EXPECT_EQ(marque(r.fichier, haut), (Marque{3, 2})) << "at the deleted joint";
  EXPECT_EQ(marque(r.fichier, bas), (Marque{3, 1}));
}

// Records naming ids that no table or graph holds, ids 0, duplicates, a deleted cell where the
// previous graph has no node, and a previous model that cannot read the pieces: nothing marked.
TEST_F(Association, BadRecordsMarkNothing) {
  harnais::FichierReseau f;
  pf::CrayonReseau c(f.b, 2, 1.0);
  const auto a = c.cable(fx::line(p(0), p(10000)), N::BT);
  const auto b = c.cable(fx::line(p(10000), p(20000)), N::BT);
  Reseau r = construire(f);
  verreseau precedent;
  precedent.catalogueV3 = cable_listeAccessoires(2);
  drap_verifierDrapeaux(precedent, {}, f.ouvrir());  // the same drawing as the previous version
  harnais::FichierReseau vide(2, L"VIDE");
  std::vector<verecart> ecarts = {ecart(2, kLigne, 999999, 0), ecart(2, kLigne, 0, 0),    ecart(3, kLigne, 0, 0),
                                  ecart(3, kLigne, 0, 999999), ecart(3, 2, 0, 999999),    ecart(1, kLigne, a, 0),
                                  ecart(1, kLigne, b, 0),      ecart(1, kLigne, 0, a),    ecart(1, kLigne, b, b)};
  ecarts[4].position = p(50000);
  // Deleted between unchanged records of ids no table holds, read in a model without them.
  ecarts.push_back(ecart(3, kLigne, 0, a));
  ecarts.push_back(ecart(3, kLigne, 0, a));
  cable_associerExtremites(r.fichier, ecarts, r.reseau, precedent, vide.modele());
  EXPECT_EQ(marque(r.fichier, a), (Marque{1, 0}));
  EXPECT_EQ(marque(r.fichier, b), (Marque{1, 0}));
  cable_associerExtremites(r.fichier, ecarts, r.reseau, precedent, f.modele());
  EXPECT_EQ(marque(r.fichier, b), (Marque{3, 1})) << "read where the pieces are, the deleted cable marks";
}

// The network pass gives the same graph run twice, and clears a graph built from another file.
TEST_F(Association, NetworkPassRebuildsFromEmpty) {
  harnais::FichierReseau f;
  pf::CrayonReseau c(f.b, 2, 1.0);
  c.cable(fx::line(p(0), p(10000)), N::BT);
  c.cellule(L"1RJONC", p(10000), 300, 300);
  c.cable(fx::line(p(10000), p(20000)), N::BT);
  harnais::FichierReseau vide(2, L"VIDE");
  verreseau r;
  r.catalogueV3 = cable_listeAccessoires(2);
  drap_verifierDrapeaux(r, {}, f.ouvrir());
  const std::size_t noeuds = r.noeuds.size();
  EXPECT_EQ(r.troncons.size(), 2u);
  EXPECT_EQ(noeuds, 3u);
  drap_verifierDrapeaux(r, {}, f.ouvrir());
  EXPECT_EQ(r.troncons.size(), 2u);
  EXPECT_EQ(r.noeuds.size(), noeuds);
  EXPECT_EQ(r.noeuds[0].troncons, (std::vector<std::int32_t>{0, 1})) << "the joint's node";
  drap_verifierDrapeaux(r, {}, vide.ouvrir());
  EXPECT_TRUE(r.troncons.empty());
  EXPECT_TRUE(r.noeuds.empty());
  EXPECT_EQ(res_noeudAuPoint(r, p(10000)), -1) << "the look-up went with the nodes";
}

}  // namespace
