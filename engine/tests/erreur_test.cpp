// Adding errors: the file name stored, the level chosen by the file's kind, the optional position.
#include "engine/erreur.h"

#include <gtest/gtest.h>

namespace {

struct casAjout {
  const wchar_t* chemin;
  std::uint32_t code;
  const wchar_t* fichierAttendu;
  std::uint32_t niveauAttendu;
  const char* pourquoi;
};

TEST(ErreurAjouter, StoresTheUpperCasedFileNameAndTheLevelOfItsKind) {
  const casAjout cas[] = {
      {L"/data/Livre/12345678.DGN", 1108, L"12345678.DGN", 0, "one-file plan file: level 0"},
      {L"/data/Livre/ABCDEFGHIJKLMNOPQRSTUVWXY.FP2", 1108, L"ABCDEFGHIJKLMNOPQRSTUVWXY.FP2", 1,
       "three-file plan's FP2 file: level 1"},
      {L"/data/Livre/abcd1234.dgn", 1103, L"ABCD1234.DGN", 0, "lower case name is stored upper-cased"},
      {L"C:\\Dossier\\Livre\\abcd1234.dgn", 1104, L"ABCD1234.DGN", 0, "backslashes separate too"},
      {L"/data/Livre/ABCDEFGH.EL2", 1104, L"ABCDEFGH.EL2", 1, "a theme extension wins over the 8.3 shape"},
      {L"/data/Livre/ABCDEFGH.dgn.bak", 1103, L"ABCDEFGH.DGN.BAK", 1, "not a plan file: layout 2"},
      {L"/data/Livre/élément.dgn", 1001, L"ÉLÉMENT.DGN", 0, "Latin-1 letters upper-cased; fixed level"},
      {L"", 2011, L"", 0, "empty path: empty file name"},
  };
  for (const casAjout& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<vererreur> erreurs;
    erreur_ajouter(erreurs, c.chemin, 0, 0, c.code, nullptr, L"", L"");
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0].fichier, c.fichierAttendu);
    EXPECT_EQ(erreurs[0].niveau, c.niveauAttendu);
  }
}

TEST(ErreurAjouter, CopiesEveryArgumentToItsFieldAndAppendsAtTheEnd) {
  std::vector<vererreur> erreurs(1);
  const host::Point3d position{1500.0, -250.5, 0.0};
  erreur_ajouter(erreurs, L"/x/ABCDEFGH.DGN", 0x1234567890ULL, 17, 2052, &position, L"Texte BT", L"hauteur 1.2");
  ASSERT_EQ(erreurs.size(), 2u);
  const vererreur& e = erreurs[1];
  EXPECT_EQ(e.code, 2052u);
  EXPECT_EQ(e.message, L"Erreur sur la taille du texte");
  EXPECT_EQ(e.niveau, 2u);
  EXPECT_EQ(e.idElement, 0x1234567890ULL);
  EXPECT_EQ(e.extra, 17u);
  EXPECT_TRUE(e.aPosition);
  EXPECT_EQ(e.position, position);
  EXPECT_EQ(e.objet, L"Texte BT");
  EXPECT_EQ(e.complement, L"hauteur 1.2");
}

TEST(ErreurAjouter, WithoutPositionTheRecordHoldsTheOrigin) {
  std::vector<vererreur> erreurs;
  erreur_ajouter(erreurs, L"/x/ABCDEFGH.DGN", 0, 0, 1004, nullptr, L"", L"");
  ASSERT_EQ(erreurs.size(), 1u);
  EXPECT_FALSE(erreurs[0].aPosition);
  EXPECT_EQ(erreurs[0].position, (host::Point3d{0, 0, 0}));
}

}  // namespace
