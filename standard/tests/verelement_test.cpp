#include "standard/verelement.h"

#include <gtest/gtest.h>

TEST(Verelement, FreshElementIsUnmatchedUncheckedAndHasNotCheckedSymbology) {
  const verelement e;
  EXPECT_EQ(e.idElement, 0u);
  EXPECT_EQ(e.symbologie, versymbologie{});
  EXPECT_EQ(e.symbologie.nomCellule, L"~");
  EXPECT_EQ(e.symbologie.hauteurTexte, -9999.0);
  EXPECT_EQ(e.classement.un, 1u);
  EXPECT_EQ(e.classement.reseau, 0u);
  EXPECT_EQ(e.longueur, 0.0);
  EXPECT_EQ(e.codeErreur, 0u);
  EXPECT_EQ(e.etatComparaison, 0u);
  EXPECT_EQ(e.etatControle, 1u);
  EXPECT_TRUE(e.categorie.empty());
  EXPECT_EQ(e.indexOrigine, -1);
  EXPECT_EQ(e.marqueExtremite, 0u);
}
