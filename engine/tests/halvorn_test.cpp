// Defaults of the public records that callers read as meaningful values.
#include "engine/halvorn.h"

#include <gtest/gtest.h>

TEST(Verplan, FreshPlanIsNotVerifiedAndHasNoFootprint) {
  const verplan plan;
  for (std::int32_t s : plan.statuts) EXPECT_EQ(s, -1);
  EXPECT_EQ(plan.type, 0);
  EXPECT_EQ(plan.version, 0);
  EXPECT_TRUE(plan.emprise.isNull());
  EXPECT_FALSE(plan.lectureSeule);
  EXPECT_TRUE(plan.erreurs.empty());
  EXPECT_TRUE(plan.ecarts.empty());
}

TEST(Verdossier, FreshFolderIsNotInitialised) {
  const verdossier dossier;
  EXPECT_FALSE(dossier.initialise);
  EXPECT_TRUE(dossier.plans.empty());
}

TEST(Vererreur, FreshErrorHasNoPosition) {
  const vererreur erreur;
  EXPECT_FALSE(erreur.aPosition);
  EXPECT_EQ(erreur.position, (host::Point3d{0, 0, 0}));
  EXPECT_EQ(erreur.idElement, 0u);
}
