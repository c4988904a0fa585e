// The network records as their readers rely on them: a new record's values (0 for an absent
// element, -1 for no pair), and the declarations of the network checks, which must hold together.
#include <gtest/gtest.h>

#include "networks/drapeaux.h"
#include "networks/groupes_graphiques.h"
#include "networks/groupes_ptrl.h"
#include "networks/noeud_topo_limite.h"
#include "networks/ptr_cellules.h"
#include "networks/recherches_reseau.h"
#include "networks/texte_symbologie.h"
#include "networks/topologie_cables.h"

namespace {

TEST(EnregistrementsReseau, ANewFlagIsValidUndecidedAndEmpty) {
  const verdrapeau d;
  EXPECT_EQ(d.valide, 1);
  EXPECT_EQ(d.nature, natureIndecise);
  EXPECT_EQ(d.reseau, 0u);
  EXPECT_EQ(d.aControler, 0u);
  EXPECT_EQ(d.cellule, 0u);
  EXPECT_EQ(d.cellulePoint, 0u);
  EXPECT_EQ(d.cote, 0u);
  EXPECT_TRUE(d.lignes.empty() && d.autresCellules.empty() && d.traits.empty() && d.textes.empty());
  const vertextereseau t;
  EXPECT_EQ(t.element, 0u);
  EXPECT_EQ(t.reseau, 0u);
  EXPECT_TRUE(t.texte.empty());
}

TEST(EnregistrementsReseau, ANewPtrRecordHoldsNoElementAndNoPair) {
  const verptr p;
  EXPECT_EQ(p.reserve1, -1);
  EXPECT_EQ(p.reserve2, -1);
  EXPECT_EQ(p.reserve9, -1);
  EXPECT_EQ(p.paire, -1);
  EXPECT_EQ(p.classe, classePtrAucune);
  for (std::uint64_t id : {p.idElement, p.texteAltitude, p.texteNumero, p.accessoire, p.ligneSousJacente,
                           p.ligneProtection, p.zoneProtection})
    EXPECT_EQ(id, 0u);
  EXPECT_EQ(p.altitudeDonnee, 0);
  EXPECT_EQ(p.classement.reseau, 0u);
  EXPECT_EQ(p.classement.etat, 0u);
  EXPECT_EQ(p.origine, (host::Point3d{0, 0, 0}));
}

}  // namespace
