#include "standard/verclassement.h"

#include <gtest/gtest.h>

TEST(Verclassement, FreshRecordIsUnclassifiedWithItsConstantAtOne) {
  const verclassement c;
  EXPECT_EQ(c.idElement, 0u);
  EXPECT_EQ(c.reseau, 0u);
  EXPECT_EQ(c.contenu, 0u);
  EXPECT_EQ(c.branchement, 0u);
  EXPECT_EQ(c.ni, 0u);
  EXPECT_EQ(c.protection, 0u);
  EXPECT_EQ(c.un, 1u);
  EXPECT_EQ(c.classeHta, 0u);
  EXPECT_EQ(c.etat, 0u);
}
