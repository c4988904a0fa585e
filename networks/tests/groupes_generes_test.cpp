// The network groups generated for the benchmarks are the clean ones the checks meet most: every
// group valid and of its nature, every substation with its text and nodes, and no finding.
#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture_groupes.h"
#include "networks/drapeaux.h"
#include "networks/groupes_graphiques.h"
#include "networks/postes.h"
#include "networks/recherches_reseau.h"
#include "networks/texte_symbologie.h"
#include "networks/tests/harnais_fichier.h"

namespace {

TEST(GroupesGeneres, TwoBlocksOfCleanGroups) {
  harnais::FichierReseau f(2);
  plan_fixture::ajouterGroupesGeneres(f.b, 45, {0, 0, 0}, 10);
  EXPECT_EQ(f.b.file().models.front().size(), 40u) << "whole blocks of 20";
  const verplaninfo& plan = f.ouvrir();
  verfichier fichier = f.fichier();

  std::vector<verdrapeau> d = drap_collecterDrapeaux(plan);
  ASSERT_EQ(d.size(), 8u);
  const std::uint32_t natures[] = {natureDrapeauSimple, natureLignes, natureProtection, natureLignes};
  const std::uint32_t reseaux[] = {2, 2, 0, 8192};
  for (std::size_t i = 0; i < d.size(); ++i) {
    SCOPED_TRACE(d[i].groupe);
    EXPECT_EQ(d[i].groupe, 10 + i);
    EXPECT_EQ(d[i].valide, 1);
    EXPECT_EQ(d[i].nature, natures[i % 4]);
    EXPECT_EQ(d[i].reseau, reseaux[i % 4]);
  }
  drap_marquerAControler(d, fichier);
  std::vector<vererreur> erreurs;
  ctrl_groupesGraphiques(erreurs, d, fichier, plan);
  ctrl_texteSymbologie(erreurs, vercontexte(), d, fichier);
  EXPECT_TRUE(erreurs.empty());

  std::vector<verposte> postes;
  poste_collecterPostes(postes, plan);
  ASSERT_EQ(postes.size(), 2u);
  for (const verposte& p : postes) {
    EXPECT_EQ(p.nom, L"LYON");
    EXPECT_EQ(p.numero, L"12345");
    EXPECT_EQ(p.noeudsBT.size(), 1u);
    EXPECT_EQ(p.noeudsHTA.size(), 1u);
    EXPECT_NE(p.lignesBT.at(0), 0u) << "the BT cable under the node";
    EXPECT_NE(p.lignesHTA.at(0), 0u);
  }
  // BT, HTA, service connections and the abandoned lines are all measured.
  const verlongueurs l = res_elementsDansClip(plan, host::ElementHandle());
  for (const std::size_t i : {4u, 9u, 14u, 35u}) EXPECT_GT(l[i], 0.0) << i;
}

}  // namespace
