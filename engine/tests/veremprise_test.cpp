#include "engine/veremprise.h"

#include <gtest/gtest.h>

TEST(VerempriseConstruire, GivesNoOwnerAndNotSetSymbologies) {
  veremprise e;
  e.idForme = 11;
  e.indexPlan = 0;
  e.libelle = L"ABCD1234.DGN";
  e.symbologieLibelle.hauteurTexte = 2.5;
  e.cree = 1;
  veremprise_construire(e);
  EXPECT_EQ(e.idForme, 0u);
  EXPECT_EQ(e.idLibelle, 0u);
  EXPECT_EQ(e.indexPlan, -1);
  EXPECT_TRUE(e.libelle.empty());
  EXPECT_EQ(e.groupe, 0u);
  EXPECT_EQ(e.cree, 0u);
  EXPECT_EQ(e.symbologieLibelle.hauteurTexte, -9999.0);
  EXPECT_EQ(e.symbologieForme.nomCellule, L"~");
}

TEST(VerempriseDeplacer, MovesTheLabelAndCopiesTheRest) {
  veremprise source;
  source.idForme = 11;
  source.idLibelle = 12;
  source.symbologieForme.couleur = 3;
  source.symbologieLibelle.police = L"WORKING";
  source.indexPlan = 4;
  source.libelle = L"ABCDEFGHIJKLMNOPQRSTUVWXY";
  source.groupe = 8;
  source.cree = 1;
  const veremprise attendu = source;

  veremprise cible;
  veremprise_deplacer(cible, source);
  EXPECT_EQ(cible.idForme, 11u);
  EXPECT_EQ(cible.idLibelle, 12u);
  EXPECT_EQ(cible.symbologieForme, attendu.symbologieForme);
  EXPECT_EQ(cible.symbologieLibelle, attendu.symbologieLibelle);
  EXPECT_EQ(cible.indexPlan, 4);
  EXPECT_EQ(cible.libelle, attendu.libelle);
  EXPECT_EQ(cible.groupe, 8u);
  EXPECT_EQ(cible.cree, 1u);
  EXPECT_EQ(source.symbologieLibelle.police, L"WORKING");  // copied, not moved

  veremprise_deplacer(cible, cible);  // onto itself: unchanged
  EXPECT_EQ(cible.libelle, attendu.libelle);
}
