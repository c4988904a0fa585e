// The fixed values of the title-block checks, held against the values of the standard typed here.
#include "titleblock/ctrl_cartouche_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CtrlCartoucheTable, IdentificationCellOffsetsAndTheirTests) {
  const struct {
    const wchar_t* cellule;
    double v1, v2;
    ctrl_testPosition test;
  } attendus[] = {
      {L"IDFICH", 0.0, 0.0, testLesDeux},   {L"IDLOC", 12.2, 30.5, testLesDeux},
      {L"IDVOIE", 71.4, 178.5, testAPartir}, {L"IDFDP", 30.2, 75.5, testLesDeux},
      {L"IDELE", 41.2, 103.0, testLesDeux},  {L"IDAUT", 65.0, 162.5, testLesDeux},
  };
  ASSERT_EQ(ctrl_positionsIdentification.size(), std::size(attendus));
  for (std::size_t i = 0; i < std::size(attendus); ++i) {
    const ctrl_lignePosition& l = ctrl_positionsIdentification[i];
    EXPECT_EQ(std::wstring(l.cellule), attendus[i].cellule);
    EXPECT_EQ(l.decalageVersion1, attendus[i].v1) << i;
    EXPECT_EQ(l.decalageVersion2, attendus[i].v2) << i;
    EXPECT_EQ(l.test, attendus[i].test) << i;
  }
}

TEST(CtrlCartoucheTable, QualityLettersDifferOnlyInTheirFirstLetter) {
  const wchar_t* unique[] = {L"L", L"P", L"D", L"E", L"F", L"G", L"H", L"I", L"J", L"X"};
  const wchar_t* trois[] = {L"C", L"P", L"D", L"E", L"F", L"G", L"H", L"I", L"J", L"X"};
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(std::wstring(ctrl_qualitesPlanUnique[i]), unique[i]) << i;
    EXPECT_EQ(std::wstring(ctrl_qualitesTroisFichiers[i]), trois[i]) << i;
  }
}

TEST(CtrlCartoucheTable, FieldLabels) {
  const wchar_t* attendus[] = {L"Nom du plan",        L"Th\u00e8me du fichier",
                               L"Echelle",            L"Qualit\u00e9 de g\u00e9or\u00e9f\u00e9rencement",
                               L"Type de plan (EGS/BDU)", L"Zone",
                               L"Secteur",            L"Code INSEE",
                               L"Code RIVOLI",        L"Nom de voie"};
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(std::wstring(ctrl_libellesChamps[i]), attendus[i]) << i;
  EXPECT_EQ(std::wstring(ctrl_libellesChamps[libelleQualite]), attendus[3]);
  EXPECT_EQ(std::wstring(ctrl_libellesChamps[libelleVoie]), attendus[9]);
}

TEST(CtrlCartoucheTable, NetworksAndTheirLengthBlocks) {
  // Blocks of the network search: service connections, BT, HTA, TLC, TLR, EP, VDC.
  const struct {
    const wchar_t* libelle;
    int bloc, ajoute;
  } attendus[] = {{L"BT", 1, 0}, {L"HTA", 2, -1}, {L"TLC", 3, -1}, {L"TLR", 4, -1}, {L"EP", 5, -1}, {L"VDC", 6, -1}};
  ASSERT_EQ(ctrl_reseauxDates.size(), std::size(attendus));
  for (std::size_t i = 0; i < std::size(attendus); ++i) {
    EXPECT_EQ(std::wstring(ctrl_reseauxDates[i].libelle), attendus[i].libelle);
    EXPECT_EQ(ctrl_reseauxDates[i].bloc, attendus[i].bloc) << i;
    EXPECT_EQ(ctrl_reseauxDates[i].blocAjoute, attendus[i].ajoute) << i;
  }
}

}  // namespace
