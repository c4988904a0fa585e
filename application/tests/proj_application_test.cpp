#include "application/proj_application.h"

#include <gtest/gtest.h>

#include "application/verapplication.h"

namespace {

struct Ligne {
  std::int32_t identifiant;
  const wchar_t* libelle;
  const wchar_t* codeZone;
  const wchar_t* codeCourt;
  const wchar_t* cle;
  std::int32_t epsg;
  std::int32_t type;
};

// The table as users choose from it, row by row.
const Ligne attendues[] = {
    {1, L"NTF-Zone Lambert 1", L"01", L"LZ1", L"NTF.Lambert-1", 27561, 1},
    {2, L"NTF-Zone Lambert 2", L"02", L"LZ2", L"NTF.Lambert-2", 27562, 1},
    {3, L"NTF-Zone Lambert 3", L"03", L"LZ3", L"NTF.Lambert-3", 27563, 1},
    {4, L"NTF-Zone Lambert 4", L"04", L"LZ4", L"NTF.Lambert-4", 27564, 1},
    {20, L"NTF-Zone Lambert 2 \u00e9tendue", L"", L"", L"NTF.Lambert-E", 27572, 1},  // no zone code
    {40, L"RGF93-Lambert 93", L"93", L"L93", L"IGN-RGF93", 2154, 1},
    {42, L"RGF93-Conique conforme 42", L"42", L"C42", L"RGF93.CC42", 3942, 1},
    {43, L"RGF93-Conique conforme 43", L"43", L"C43", L"RGF93.CC43", 3943, 1},
    {44, L"RGF93-Conique conforme 44", L"44", L"C44", L"RGF93.CC44", 3944, 1},
    {45, L"RGF93-Conique conforme 45", L"45", L"C45", L"RGF93.CC45", 3945, 1},
    {46, L"RGF93-Conique conforme 46", L"46", L"C46", L"RGF93.CC46", 3946, 1},
    {47, L"RGF93-Conique conforme 47", L"47", L"C47", L"RGF93.CC47", 3947, 1},
    {48, L"RGF93-Conique conforme 48", L"48", L"C48", L"RGF93.CC48", 3948, 1},
    {49, L"RGF93-Conique conforme 49", L"49", L"C49", L"RGF93.CC49", 3949, 1},
    {50, L"RGF93-Conique conforme 50", L"50", L"C50", L"RGF93.CC50", 3950, 1},
    {60, L"WGS84 UTM 20N-GUADELOUPE-MARTINIQUE", L"20", L"U20", L"EPSG:32620", 32620, 1},
    {70, L"RGFG95-GUYANE", L"22", L"U22", L"EPSG:2972", 2972, 1},
    {80, L"RGR92-REUNION", L"40", L"U40", L"EPSG:2975", 2975, 1},
    {999, L"WGS84", L"", L"", L"EPSG:4326", 4326, 2},  // geographic, always last
};

class ProjApplication : public ::testing::Test {
 protected:
  void SetUp() override { appTolvek.projections.clear(); }
  void TearDown() override { appTolvek.projections.clear(); }
};

TEST_F(ProjApplication, TheTableHoldsTheNineteenRowsInOrder) {
  proj_remplirTable();
  const auto& table = appTolvek.projections;
  ASSERT_EQ(table.size(), std::size(attendues));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& a = attendues[i];
    const auto& p = table[i];
    EXPECT_EQ(p.identifiant, a.identifiant) << i;
    EXPECT_EQ(p.libelle, a.libelle) << i;
    EXPECT_EQ(p.codeZone, a.codeZone) << i;
    EXPECT_EQ(p.codeCourt, a.codeCourt) << i;
    EXPECT_EQ(p.cleSysteme, a.cle) << i;
    EXPECT_EQ(p.epsg, a.epsg) << i;
    EXPECT_EQ(p.type, a.type) << i;
    EXPECT_TRUE(p.domaine.isNull()) << i;
  }
  proj_remplirTable();  // filled again, not appended to
  EXPECT_EQ(appTolvek.projections.size(), std::size(attendues));
}

TEST_F(ProjApplication, ARowNeedsExactlyFiveFields) {
  const struct {
    const wchar_t* ligne;
    std::int32_t resultat;
  } cas[] = {
      {L"7;Essai;47;RGF93.CC47;3947", 0},
      {L"7;Essai;;;", 0},                           // empty fields count
      {L"7;Essai;47;RGF93.CC47", 0x8000},           // four fields
      {L"7;Essai;47;RGF93.CC47;3947;x", 0x8000},    // six fields
      {L"", 0x8000},
  };
  std::size_t ajoutees = 0;
  for (const auto& c : cas) {
    EXPECT_EQ(proj_ajouterProjection(c.ligne, 1), c.resultat) << c.ligne;
    if (c.resultat == 0) ++ajoutees;
    EXPECT_EQ(appTolvek.projections.size(), ajoutees) << c.ligne;
  }
  EXPECT_EQ(appTolvek.projections[1].identifiant, 7);
  EXPECT_EQ(appTolvek.projections[1].epsg, 0);  // an empty number reads as 0
}

TEST_F(ProjApplication, LookupsCompareExactlyFromTheFirstRow) {
  EXPECT_EQ(proj_indiceParCle(appTolvek.projections, L"EPSG:4326"), -1);  // empty table
  EXPECT_EQ(proj_indiceParLibelle(appTolvek.projections, L"WGS84"), -1);
  proj_remplirTable();
  const auto& t = appTolvek.projections;
  EXPECT_EQ(proj_indiceParCle(t, L"EPSG:4326"), 18);
  EXPECT_EQ(proj_indiceParCle(t, L"epsg:4326"), -1);  // case counts
  EXPECT_EQ(proj_indiceParCle(t, L"RGF93.CC47"), 11);
  EXPECT_EQ(proj_indiceParCle(t, L""), -1);
  EXPECT_EQ(proj_indiceParLibelle(t, L"RGF93-Lambert 93"), 5);
  EXPECT_EQ(proj_indiceParLibelle(t, L"NTF-Zone Lambert 2 \u00e9tendue"), 4);
  EXPECT_EQ(proj_indiceParLibelle(t, L"rgf93-lambert 93"), -1);
  EXPECT_EQ(proj_indiceParLibelle(t, L""), -1);
  appTolvek.projections.push_back(t[18]);  // a duplicate: the first row wins
  EXPECT_EQ(proj_indiceParCle(appTolvek.projections, L"EPSG:4326"), 18);
}

}  // namespace
