// Raccord cells: their lines, the RACRIV labels on "Topo4Divers" and the RACSEC labels of their
// groups, and the plan codes read from the labels.
#include "networks/raccords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr double kDegre = std::numbers::pi / 180.0;
const std::wstring kTopo4 = L"Topo4Divers";
const std::wstring kRaccords = L"RaccordsVoies";

TEST(Raccords, NewRecordAndToleranceEntries) {
  const verraccord r;
  EXPECT_EQ(r.lie, 0);
  EXPECT_EQ(r.idElement, 0u);
  EXPECT_EQ(r.origine, Point3d{});
  EXPECT_EQ(r.debutLigne, Point3d{});
  EXPECT_EQ(r.finLigne, Point3d{});
  EXPECT_EQ(r.texteEtiquette, 0u);
  EXPECT_TRUE(r.textesCandidats.empty());
  EXPECT_TRUE(r.code.empty());
  EXPECT_EQ(r.type, 0u);
  EXPECT_TRUE(r.fichier.empty());
  EXPECT_EQ(r.reserve1, -1);
  EXPECT_EQ(r.typeCode, 0u);
  EXPECT_TRUE(r.voisin.empty());
  EXPECT_EQ(r.reserve2, -1);
  EXPECT_EQ(r.reserve3, 0u);
  vertolerances t;
  tol_initialiser(t);
  EXPECT_DOUBLE_EQ(t[rac_toleranceDistance], 10000.0);
  EXPECT_DOUBLE_EQ(t[rac_toleranceAngle], 5.0 * kDegre);
}

TEST(Raccords, CodeFromTheFirstTwoLines) {
  const std::wstring case26 = L"QRL-47-00193-01246-03-D-24";
  const struct {
    std::wstring texte;
    std::int32_t resultat;
    std::wstring code;
    std::uint32_t typeCode;
    const char* pourquoi;
  } cas[] = {
      {L"44109045002", 0, L"44109045002", 1, "5 digits, 4 characters and 2 digits"},
      {L"44109 0450 02", 0, L"44109045002", 1, "blanks are dropped"},
      {L"44109045002/BIS", 0, L"44109045002", 1, "cut at the slash"},
      {L"4410904500/2", 0x8000, L"", 0, "10 characters before the slash"},
      {L"4410A045002", 0x8000, L"", 0, "a letter among the first 5"},
      {L"441090450023", 0x8000, L"", 0, "12 characters"},
      {case26, 0, case26, 2, "26 characters"},
      {case26 + L"/X", 0, case26, 2, "26 characters before the slash"},
      {L"VOIR PLAN\r44109045002", 0, L"44109045002", 1, "the second line"},
      {L"VOIR\rPLAN\r44109045002", 0x8000, L"", 0, "the third line is not read"},
      {L"/", 0x8000, L"", 0, "a slash only"},
      {L"", 0x8000, L"", 0, "empty"},
      {L"((", 0x8000, L"", 0, ""},
      {std::wstring(10000, L'4'), 0x8000, L"", 0, "10,000 characters"},
      {std::wstring(50, L'\r') + L"44109045002", 0x8000, L"", 0, "many empty lines first"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    rac_candidat k;
    k.texte = c.texte;
    k.code = L"ancien";
    k.typeCode = 9;
    EXPECT_EQ(rac_analyserCode(k), c.resultat);
    EXPECT_EQ(k.code, c.code);
    EXPECT_EQ(k.typeCode, c.typeCode);
  }
}

// A one-file plan's file with a RACRIV whose line runs 20 m east from (10, 10) m, and whatever the
// case adds.
class RaccordsFichier : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }

  static constexpr Point3d kOrigine{10000, 10000, 0};
  static constexpr Point3d kFin{30000, 10000, 0};

  host::ElementId racriv(harnais::FichierReseau& f, const std::wstring& nom = L"RACRIV") {
    return f.ajouter(fx::cell(nom, kOrigine, {fx::line(kOrigine, kFin)}), kRaccords);
  }
  // A label text on "Topo4Divers" at `o`, turned by `angle` degrees.
  static fx::Spec etiquette(const std::wstring& s, Point3d o, double angle = 0.0) {
    return fx::text(s, o).angle(angle * kDegre);
  }
  // A text node of these lines at `o`, one line every 500 UORs downwards.
  static fx::Spec noeud(const std::vector<std::wstring>& lignes, Point3d o) {
    std::vector<fx::Spec> textes;
    for (const std::wstring& l : lignes) {
      textes.push_back(fx::text(l, o));
      o.y -= 500;
    }
    return fx::textNode(std::move(textes));
  }
  // Adds the element on that level, the texts of a text node too.
  static host::ElementId ajouterSur(harnais::FichierReseau& f, fx::Spec s, const std::wstring& niveau) {
    const host::LevelId id = f.niveau(niveau);
    for (host::Element& enfant : s.element().children) enfant.level = id;
    return f.ajouter(s.level(id));
  }
  static std::vector<verraccord> collecter(harnais::FichierReseau& f) {
    vertolerances t;
    tol_initialiser(t);
    std::vector<verraccord> r{verraccord{}};
    rac_collecterRaccords(r, f.modele(), t);
    return r;
  }
};

TEST_F(RaccordsFichier, RacrivLabels) {
  const std::wstring case26 = L"QRL-47-00193-01246-03-D-24";
  const Point3d pres{15000, 11000, 0};
  std::vector<std::wstring> beaucoup(40, L"LIGNE");
  beaucoup[1] = L"44109045002";
  const struct {
    const char* pourquoi;
    std::vector<std::pair<fx::Spec, std::wstring>> textes;  // with their levels
    std::int32_t lie;
    std::wstring code, voisin;
    std::uint32_t typeCode;
    std::size_t etiquette;   // index + 1 of the chosen text among those added; 0 none
    std::size_t candidats;
  } cas[] = {
      {"a plan code gives the one-file plan's name", {{etiquette(L"44109045002", pres), kTopo4}}, 1, L"44109045002",
       L"44020450.109", 1, 1, 1},
      {"26 characters: the code is the neighbour", {{etiquette(case26, pres), kTopo4}}, 1, case26, case26, 2, 1, 1},
      {"lower case with a suffix", {{etiquette(L"qrl-47-00193-01246-03-d-24/bis", pres), kTopo4}}, 1, case26, case26,
       2, 1, 1},
      {"turned 180 degrees", {{etiquette(L"44109045002", pres, 180), kTopo4}}, 1, L"44109045002", L"44020450.109", 1,
       1, 1},
      {"turned 4 degrees", {{etiquette(L"44109045002", pres, 4), kTopo4}}, 1, L"44109045002", L"44020450.109", 1, 1,
       1},
      {"turned 10 degrees", {{etiquette(L"44109045002", pres, 10), kTopo4}}, 0, L"", L"", 0, 0, 0},
      {"on another level", {{etiquette(L"44109045002", pres), L"TxtR\u00e9seauBT"}}, 0, L"", L"", 0, 0, 0},
      {"beyond the search distance", {{etiquette(L"44109045002", {15000, 20500, 0}), kTopo4}}, 0, L"", L"", 0, 0, 0},
      {"a third line is not read", {{noeud({L"A", L"B", L"44109045002"}, pres), kTopo4}},
       0, L"", L"", 0, 0, 1},
      {"a slash only", {{etiquette(L"/", pres), kTopo4}}, 0, L"", L"", 0, 0, 1},
      {"a label of many lines, the code on the second", {{noeud(beaucoup, pres), kTopo4}}, 1, L"44109045002",
       L"44020450.109", 1, 1, 1},
      {"the nearer of two labels",
       {{etiquette(L"44109045003", {12000, 13000, 0}), kTopo4}, {etiquette(L"44109045002", {12000, 11000, 0}), kTopo4}},
       1, L"44109045002", L"44020450.109", 1, 2, 2},
      {"at equal distance the first scanned",
       {{etiquette(L"44109045003", {11000, 11000, 0}), kTopo4}, {etiquette(L"44109045002", {11000, 11000, 0}), kTopo4}},
       1, L"44109045003", L"44030450.109", 1, 1, 2},
      {"a text without code beside a label", {{etiquette(L"RUE", pres), kTopo4}, {etiquette(L"44109045002", pres), kTopo4}},
       1, L"44109045002", L"44020450.109", 1, 2, 2},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::resetModels();
    harnais::FichierReseau f(1);
    const host::ElementId cellule = racriv(f);
    std::vector<host::ElementId> textes;
    for (const auto& [spec, niveau] : c.textes) textes.push_back(ajouterSur(f, spec, niveau));
    const std::vector<verraccord> r = collecter(f);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].idElement, cellule);
    EXPECT_EQ(r[0].type, 1u);
    EXPECT_EQ(r[0].origine, kOrigine);
    EXPECT_EQ(r[0].debutLigne, kOrigine);
    EXPECT_EQ(r[0].finLigne, kFin);
    EXPECT_EQ(r[0].fichier, L"RESEAU.DGN");
    EXPECT_EQ(r[0].lie, c.lie);
    EXPECT_EQ(r[0].code, c.code);
    EXPECT_EQ(r[0].voisin, c.voisin);
    EXPECT_EQ(r[0].typeCode, c.typeCode);
    EXPECT_EQ(r[0].texteEtiquette, c.etiquette == 0 ? 0u : textes[c.etiquette - 1]);
    EXPECT_EQ(r[0].textesCandidats.size(), c.candidats);
  }
}

// An empty text that passes the angle and distance tests ends the search: the raccord is linked,
// with no label and an empty neighbour, even though a good label follows it.
TEST_F(RaccordsFichier, EmptyTextEndsTheRacrivSearch) {
  harnais::FichierReseau f(1);
  racriv(f);
  f.ajouter(etiquette(L"", {15000, 11000, 0}), kTopo4);
  f.ajouter(etiquette(L"44109045002", {15000, 12000, 0}), kTopo4);
  const std::vector<verraccord> r = collecter(f);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].lie, 1);
  EXPECT_EQ(r[0].texteEtiquette, 0u);
  EXPECT_TRUE(r[0].code.empty());
  EXPECT_TRUE(r[0].voisin.empty());
  EXPECT_TRUE(r[0].textesCandidats.empty());
}

// Cells by name without case; a cell's line only when its first line child strokes to two points.
TEST_F(RaccordsFichier, CellsAndTheirLines) {
  harnais::FichierReseau f(1);
  const host::ElementId minuscules = racriv(f, L"racriv");
  const Point3d o{50000, 10000, 0};
  const host::ElementId chaine = f.ajouter(
      fx::cell(L"RACRIV", o, {fx::lineString({o, o + Point3d{5000, 0, 0}, o + Point3d{5000, 5000, 0}})}), kRaccords);
  const host::ElementId sansEnfant = f.ajouter(fx::cell(L"RACSEC", o, {fx::text(L"X", o)}), kRaccords);
  f.ajouter(fx::cell(L"", o, {fx::line(o, o + Point3d{10, 0, 0})}), kRaccords);
  f.ajouter(fx::cell(std::wstring(512, L'R'), o, {fx::line(o, o + Point3d{10, 0, 0})}), kRaccords);
  f.ajouter(fx::cell(L"RACRIV2", o, {fx::line(o, o + Point3d{10, 0, 0})}), kRaccords);
  const std::vector<verraccord> r = collecter(f);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].idElement, minuscules);
  EXPECT_EQ(r[0].type, 1u);
  EXPECT_EQ(r[0].finLigne, kFin);
  for (std::size_t i : {1u, 2u}) {
    EXPECT_EQ(r[i].lie, 0);
    EXPECT_EQ(r[i].debutLigne, Point3d{});
    EXPECT_EQ(r[i].finLigne, Point3d{});
  }
  EXPECT_EQ(r[1].idElement, chaine);
  EXPECT_EQ(r[2].idElement, sansEnfant);
  EXPECT_EQ(r[2].type, 2u);
  EXPECT_EQ(r[2].fichier, L"RESEAU");
}

TEST_F(RaccordsFichier, RacsecLabelOfItsGroup) {
  const Point3d o{10000, 10000, 0};
  const std::wstring niveau = kRaccords;
  const struct {
    const char* pourquoi;
    std::uint32_t groupe;
    std::vector<std::pair<fx::Spec, std::wstring>> membres;
    std::int32_t lie;
    std::wstring code;
    std::uint32_t typeCode;
    std::size_t etiquette;  // index + 1 among the members; 0 none
  } cas[] = {
      {"12 characters", 7, {{fx::text(L"44020450.109", o), niveau}}, 1, L"44020450.109", 1, 1},
      {"upper-cased, another length", 7, {{fx::text(L"plan voisin", o), niveau}}, 1, L"PLAN VOISIN", 2, 1},
      {"the first two lines joined", 7, {{noeud({L"4402", L"0450.109", L"X"}, o), niveau}},
       1, L"44020450.109", 1, 1},
      {"a text on another level is skipped",
       7, {{fx::text(L"AUTRE", o), kTopo4}, {fx::text(L"44020450.109", o), niveau}}, 1, L"44020450.109", 1, 2},
      {"a line of the group is skipped", 7, {{fx::line(o, o + Point3d{5, 0, 0}), niveau}}, 0, L"", 0, 0},
      {"group 0", 0, {{fx::text(L"44020450.109", o), niveau}}, 0, L"", 0, 0},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    host::resetModels();
    harnais::FichierReseau f(1);
    f.ajouter(fx::cell(L"RACSEC", o, {fx::line(o, o + Point3d{2000, 0, 0})}).group(c.groupe), niveau);
    std::vector<host::ElementId> membres;
    for (const auto& [spec, n] : c.membres) membres.push_back(ajouterSur(f, fx::Spec(spec).group(c.groupe), n));
    const std::vector<verraccord> r = collecter(f);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].type, 2u);
    EXPECT_EQ(r[0].lie, c.lie);
    EXPECT_EQ(r[0].code, c.code);
    EXPECT_EQ(r[0].voisin, c.code) << "the neighbour of a RACSEC is its code";
    EXPECT_EQ(r[0].typeCode, c.typeCode);
    const std::uint64_t id = c.etiquette == 0 ? 0u : membres[c.etiquette - 1];
    EXPECT_EQ(r[0].texteEtiquette, id);
    EXPECT_EQ(r[0].textesCandidats, id == 0 ? std::vector<std::uint64_t>{} : std::vector<std::uint64_t>{id});
  }
}

TEST_F(RaccordsFichier, BadInputGivesNoLabelAndNoCrash) {
  harnais::FichierReseau f(1);
  const host::ElementId ligne = f.ajouter(fx::line({0, 0, 0}, {10, 0, 0}), kRaccords);
  const host::ElementId texte = f.ajouter(etiquette(L"44109045002", {0, 0, 0}, 30), kTopo4);
  double angle = 0.0;
  std::vector<Point3d> boite;
  EXPECT_EQ(rac_boiteTexte(angle, boite, host::ElementHandle(ligne, f.modele())), 0x8000);
  EXPECT_EQ(rac_boiteTexte(angle, boite, host::ElementHandle()), 0x8000);
  ASSERT_EQ(rac_boiteTexte(angle, boite, host::ElementHandle(texte, f.modele())), 0);
  EXPECT_NEAR(angle, 30 * kDegre, 1e-9);
  ASSERT_EQ(boite.size(), 5u);
  EXPECT_EQ(boite.front(), boite.back());

  vertolerances t;
  tol_initialiser(t);
  verraccord r;
  r.idElement = 999999;
  r.type = 3;
  EXPECT_EQ(rac_lierTexte(r, f.modele(), t), 0x8000) << "an unknown kind";
  r.type = 1;
  EXPECT_EQ(rac_lierTexte(r, f.modele(), t), 0x8000) << "a cell that is not there";
  EXPECT_EQ(rac_texteRaccordSec(r, host::ModelRef{}), 0x8000);
  std::vector<verraccord> aucun{verraccord{}};
  rac_collecterRaccords(aucun, host::ModelRef{}, t);
  EXPECT_TRUE(aucun.empty());
}

}  // namespace
