#include "engine/verprojection.h"

#include <gtest/gtest.h>

TEST(VerprojectionConstruire, ResetsAUsedRecordToTheDefaults) {
  verprojection p;
  p.identifiant = 7;
  p.codeCourt = L"C47";
  p.cleSysteme = L"RGF93.CC47";
  p.epsg = 3947;
  p.type = 3;
  p.domaine.extend(host::Point3d{1.0, 2.0, 0.0});
  verprojection_construire(p);
  EXPECT_EQ(p.identifiant, -1);
  EXPECT_TRUE(p.libelle.empty());
  EXPECT_TRUE(p.codeZone.empty());
  EXPECT_TRUE(p.codeCourt.empty());
  EXPECT_TRUE(p.cleSysteme.empty());
  EXPECT_EQ(p.epsg, 0);
  EXPECT_EQ(p.type, 1);
  EXPECT_TRUE(p.domaine.isNull());
}
