#include "engine/verplaninfo.h"

#include <gtest/gtest.h>

TEST(VerplaninfoConstruire, ResetsAUsedRecordToTheDefaults) {
  verplaninfo p;
  p.chemin = L"/D/LIVRE/ABCD1234.DGN";
  p.nomPlan = L"ABCD1234.DGN";
  p.emprise.indexPlan = 3;
  p.emprise.symbologieForme.couleur = 4;
  p.type = 1;
  p.version = 2;
  p.masqueTheme = p.masqueReseau = 62;
  p.index = 5;
  p.lectureSeule = p.georeference = true;
  p.projection.identifiant = 2;
  p.origineCadre = {1, 2, 3};
  p.etendue.extend(host::Point3d{1, 1, 0});
  p.encarts.push_back(9);
  p.modelePrincipal = p.modeleTheme = host::ModelRef{7};

  verplaninfo_construire(p);
  EXPECT_TRUE(p.chemin.empty());
  EXPECT_TRUE(p.nomPlan.empty());
  EXPECT_EQ(p.emprise.indexPlan, -1);
  EXPECT_EQ(p.emprise.symbologieForme, versymbologie{});
  EXPECT_EQ(p.type, 0u);
  EXPECT_EQ(p.version, 0u);
  EXPECT_EQ(p.masqueTheme, 0u);
  EXPECT_EQ(p.masqueReseau, 0u);
  EXPECT_EQ(p.index, -1);
  EXPECT_FALSE(p.lectureSeule);
  EXPECT_FALSE(p.georeference);
  EXPECT_EQ(p.projection.identifiant, -1);
  EXPECT_EQ(p.projection.type, 1);
  EXPECT_EQ(p.origineCadre, (host::Point3d{0, 0, 0}));
  EXPECT_TRUE(p.etendue.isNull());
  EXPECT_TRUE(p.encarts.empty());
  EXPECT_FALSE(p.modelePrincipal);
  EXPECT_FALSE(p.modeleTheme);
}
