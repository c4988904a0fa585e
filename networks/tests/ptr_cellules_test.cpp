// The PTR cells of a network file: their names, the texts of their groups, what lies under them
// and the pairing of PTRLA and PTRLAS cells.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/encart.h"
#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/ptr_cellules.h"
#include "networks/ptr_cellules_table.h"
#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using host::Point3d;

namespace {

// A PTR cell at `o` (UORs): a small square about its origin.
fx::Spec ptr(const std::wstring& nom, Point3d o, std::uint32_t groupe = 0) {
  return fx::cell(nom, o, {fx::rectangle(o - Point3d{200, 200, 0}, o + Point3d{200, 200, 0})}).group(groupe);
}

fx::Spec texte(const std::wstring& s, Point3d o, std::uint32_t groupe) { return fx::text(s, o).group(groupe); }

const verptr* trouver(const std::vector<verptr>& ptrs, std::uint64_t id) {
  const auto it = std::find_if(ptrs.begin(), ptrs.end(), [id](const verptr& p) { return p.idElement == id; });
  return it == ptrs.end() ? nullptr : &*it;
}

}  // namespace

TEST(CellulesPTR, NamesAndAccessoryCellsAsTheStandardWritesThem) {
  const std::vector<std::pair<std::wstring, std::uint32_t>> noms = {
      {L"PTRL", 1},   {L"ERPTRL", 1}, {L"GRPTRL", 1}, {L"PTRLA", 2},  {L"ERPTA", 2},
      {L"PTRLAS", 3}, {L"ERPTAS", 3}, {L"EAPTRL", 4}, {L"GAPTRL", 4}, {L"PTRC", 5},
      {L"ERPTRC", 5}, {L"EAPTRC", 6}, {L"PTRD", 7},   {L"GRPTRD", 7}};
  ASSERT_EQ(ptr_nomsCellules.size(), noms.size());
  for (std::size_t i = 0; i < noms.size(); ++i) {
    EXPECT_EQ(ptr_nomsCellules[i].nom, noms[i].first);
    EXPECT_EQ(ptr_nomsCellules[i].classe, noms[i].second);
  }
  EXPECT_EQ(std::vector<std::uint32_t>(ptr_ordreClasses.begin(), ptr_ordreClasses.end()),
            (std::vector<std::uint32_t>{1, 2, 3, 5, 7, 4, 6}));

  std::vector<std::wstring> v2, v3;
  for (const ptr_celluleAccessoire& a : ptr_cellulesAccessoires)
    (a.typePlan == 1 ? v2 : v3).push_back(std::wstring(a.niveau) + L":" + std::wstring(a.cellule));
  EXPECT_EQ(v2, (std::vector<std::wstring>{L"SymbolesFixes:COELEC", L"SymbolesFixes:1RREMB", L"SymbolesFixes:ARELEC",
                                           L"R\u00e9seauBT:1BBSTB", L"R\u00e9seauBT:1RBSTR", L"R\u00e9seauBT:1BREMA",
                                           L"R\u00e9seauBT:1RREMA", L"R\u00e9seauBT:1BJONC", L"R\u00e9seauBT:JONBT",
                                           L"R\u00e9seauHTA:2RREMA", L"R\u00e9seauHTA:JONMT"}));
  EXPECT_EQ(v3, (std::vector<std::wstring>{L"AccAffBranchtEle:", L"AccAffBT:", L"AccAffHTA:", L"AccNonAffBranchtEle:",
                                           L"AccNonAffBT:", L"AccNonAffHTA:", L"R\u00e9seauAbandonn\u00e9Ele:"}));
}

TEST(CellulesPTR, ClassOfAName) {
  const struct {
    std::wstring nom;
    std::uint32_t classe;
    const char* pourquoi;
  } cas[] = {
      {L"ptrl", 1, "case does not count"},
      {L"ErPtAs", 3, "case does not count"},
      {L"PTRL2", 0, "compared whole"},
      {L"PTR", 0, "a prefix is no name"},
      {L" PTRL", 0, "blanks count"},
      {L"", 0, "empty"},
      {std::wstring(512, L'P'), 0, "512 characters"},
      {L"GRPTRD", 7, "last class"},
  };
  for (const auto& c : cas) EXPECT_EQ(ptr_typeCellule(c.nom), c.classe) << c.pourquoi;
}

TEST(CellulesPTR, AltitudeTexts) {
  const struct {
    std::wstring texte;
    std::int32_t resultat;
    double altitude;
    std::uint8_t donnee;
  } cas[] = {
      {L"Z = 12.50", 0, 12.5, 1},   {L"zd=7", 0, 7.0, 1},          {L"ZD = -3.5", 0, -3.5, 1},
      {L"Z=-0", 0, 0.0, 0},         {L"Z=-0.0", 0, 0.0, 0},        {L"Z=-0.0005", 0, -0.0005, 0},
      {L"Z=-0.002", 0, -0.002, 1},  {L"Z=--", 0, 0.0, 0},          {L"Z=12m", 0x8000, 99.0, 9},
      {L"Z=", 0x8000, 99.0, 9},     {L"Z=1e5", 0x8000, 99.0, 9},   {L"((", 0x8000, 99.0, 9},
      {L"12.5", 0x8000, 99.0, 9},   {L"Zd", 0x8000, 99.0, 9},      {L"", 0x8000, 99.0, 9},
      {L"Z=12.5" + std::wstring(9994, L'0'), 0, 12.5, 1},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::PrintToString(c.texte.substr(0, 20)));
    verptr p;
    p.altitude = 99.0;  // left alone on a refusal
    p.altitudeDonnee = 9;
    EXPECT_EQ(ptr_lireAltitude(p, c.texte), c.resultat);
    EXPECT_DOUBLE_EQ(p.altitude, c.altitude);
    EXPECT_EQ(p.altitudeDonnee, c.donnee);
  }
}

TEST(CellulesPTR, TextsOfTheGroupGiveAltitudeAndNumber) {
  harnais::FichierReseau f(1, L"TEXTES");
  const std::wstring niveau = L"PTRL+Txt";
  const host::ElementId a = f.ajouter(ptr(L"PTRLA", {1000, 1000, 0}, 5), niveau);
  const host::ElementId za = f.ajouter(texte(L"Z = 12.50", {1500, 1000, 0}, 5), niveau);
  const host::ElementId na = f.ajouter(texte(L"(12)", {1500, 600, 0}, 5), niveau);
  // Two altitude texts: the later one wins; empty parentheses give 0 with their text; (A1) is no number.
  const host::ElementId b = f.ajouter(ptr(L"PTRLA", {5000, 1000, 0}, 6), niveau);
  f.ajouter(texte(L"Z=3", {5500, 1000, 0}, 6), niveau);
  const host::ElementId zb = f.ajouter(texte(L"zd=7", {5500, 800, 0}, 6), niveau);
  const host::ElementId nb = f.ajouter(texte(L"()", {5500, 600, 0}, 6), niveau);
  f.ajouter(texte(L"(A1)", {5500, 400, 0}, 6), niveau);
  // Group 0 reads no text, even one lying on it.
  const host::ElementId c = f.ajouter(ptr(L"PTRL", {9000, 1000, 0}), niveau);
  f.ajouter(texte(L"Z=1", {9000, 1000, 0}, 0), niveau);
  // A negative zero is an altitude text without value.
  const host::ElementId d = f.ajouter(ptr(L"PTRD", {13000, 1000, 0}, 8), niveau);
  const host::ElementId zd = f.ajouter(texte(L"Z=-0", {13500, 1000, 0}, 8), niveau);
  f.ajouter(texte(L"((", {13500, 800, 0}, 8), niveau);

  std::vector<verptr> ptrs;
  ptr_collecterCellules(ptrs, f.ouvrir(), 0.002);
  ASSERT_EQ(ptrs.size(), 4u);
  const verptr* pa = trouver(ptrs, a);
  ASSERT_NE(pa, nullptr);
  EXPECT_EQ(pa->texteAltitude, za);
  EXPECT_EQ(pa->altitudeDonnee, 1);
  EXPECT_DOUBLE_EQ(pa->altitude, 12.5);
  EXPECT_EQ(pa->texteNumero, na);
  EXPECT_DOUBLE_EQ(pa->numero, 12.0);
  const verptr* pb = trouver(ptrs, b);
  ASSERT_NE(pb, nullptr);
  EXPECT_EQ(pb->texteAltitude, zb);
  EXPECT_DOUBLE_EQ(pb->altitude, 7.0);
  EXPECT_EQ(pb->texteNumero, nb);
  EXPECT_DOUBLE_EQ(pb->numero, 0.0);
  const verptr* pc = trouver(ptrs, c);
  ASSERT_NE(pc, nullptr);
  EXPECT_EQ(pc->texteAltitude, 0u);
  EXPECT_EQ(pc->altitudeDonnee, 0);
  const verptr* pd = trouver(ptrs, d);
  ASSERT_NE(pd, nullptr);
  EXPECT_EQ(pd->texteAltitude, zd);
  EXPECT_EQ(pd->altitudeDonnee, 0);
  EXPECT_EQ(pd->texteNumero, 0u);

  // The record: its fields and the list sorted by group.
  EXPECT_EQ(pa->typePlan, 1u);
  EXPECT_EQ(pa->classe, classePtrla);
  EXPECT_EQ(pa->nomCellule, L"PTRLA");
  EXPECT_DOUBLE_EQ(pa->origine.x, 1.0);
  EXPECT_DOUBLE_EQ(pa->origine.y, 1.0);
  EXPECT_TRUE(std::is_sorted(ptrs.begin(), ptrs.end(), [](const verptr& x, const verptr& y) { return x.groupe < y.groupe; }));
  EXPECT_EQ(ptrs.front().idElement, c);
}

TEST(CellulesPTR, PairsAPtrlaWithTheFirstPtrlasOnItsSpot) {
  harnais::FichierReseau f(2, L"PAIRES");
  const std::wstring niveau = L"CellulesEchanges";
  const host::ElementId a = f.ajouter(ptr(L"PTRLA", {1000, 1000, 0}, 1), niveau);
  const host::ElementId s = f.ajouter(ptr(L"ERPTAS", {1000.5, 1000, 0}, 2), niveau);  // 0.0005 m away
  const host::ElementId s2 = f.ajouter(ptr(L"PTRLAS", {1000, 1000, 0}, 3), niveau);   // a second on the spot
  const host::ElementId loin = f.ajouter(ptr(L"ERPTA", {5000, 1000, 0}, 4), niveau);
  const host::ElementId s3 = f.ajouter(ptr(L"PTRLAS", {5002, 1000, 0}, 5), niveau);  // 0.002 m away
  const host::ElementId juste = f.ajouter(ptr(L"PTRLA", {9000, 1000, 0}, 6), niveau);
  const host::ElementId s4 = f.ajouter(ptr(L"PTRLAS", {9001, 1000, 0}, 7), niveau);  // 0.001 m: at most

  std::vector<verptr> ptrs;
  ptr_collecterCellules(ptrs, f.ouvrir(), -1.0);
  ASSERT_EQ(ptrs.size(), 7u);
  auto paire = [&](std::uint64_t id) {
    const verptr* p = trouver(ptrs, id);
    return p && p->paire >= 0 ? ptrs[static_cast<std::size_t>(p->paire)].idElement : 0;
  };
  EXPECT_EQ(paire(a), s);
  EXPECT_EQ(paire(s), a);
  EXPECT_EQ(paire(s2), 0u);
  EXPECT_EQ(paire(loin), 0u);
  EXPECT_EQ(paire(s3), 0u);
  EXPECT_EQ(paire(juste), s4);
}

// What lies under a PTR: the nearest network line within the tolerance, an accessory cell, a
// protection line and a protection area.
TEST(CellulesPTR, WhatLiesUnderAPtr) {
  for (const std::uint32_t type : {1u, 2u}) {
    SCOPED_TRACE(type);
    harnais::FichierReseau f(type, type == 1 ? L"DESSOUS" : L"DESSOUS3");
    pf::CrayonReseau c(f.b, type, 1.0);
    const std::wstring niveau = type == 1 ? L"PTRL+Txt" : L"PTRL+TxtEle";
    const std::wstring protection = type == 1 ? L"Fourreaux+Tub_" : L"ProtectionsIndif";
    const host::ElementId cable = c.cable(fx::line({0, 1001.5, 0}, {4000, 1001.5, 0}), pf::NatureCable::BT);
    const host::ElementId surLigne = f.ajouter(ptr(L"PTRL", {1000, 1000, 0}), niveau);  // 1.5 UOR from the cable
    const host::ElementId aCote = f.ajouter(ptr(L"PTRL", {3000, 997, 0}), niveau);      // 4.5 UOR from it
    // An accessory 1 UOR away; the same name on a level that holds none.
    const host::ElementId jonction =
        type == 1 ? c.cellule(L"JONBT", {6001, 1000, 0}, 100, 100) : c.cellule(L"1RJONC", {6001, 1000, 0}, 100, 100);
    const host::ElementId surAccessoire = f.ajouter(ptr(L"PTRL", {6000, 1000, 0}), niveau);
    c.cellule(type == 1 ? L"JONBT" : L"1RJONC", niveau, 7, {8001, 1000, 0}, 100, 100);
    const host::ElementId surAutre = f.ajouter(ptr(L"PTRL", {8000, 1000, 0}), niveau);
    // A protection line of colour 14 1 UOR away, and one of colour 7.
    const host::ElementId fourreau =
        f.ajouter(fx::line({10000, 1001, 0}, {12000, 1001, 0}).colour(14).weight(2), protection);
    const host::ElementId surFourreau = f.ajouter(ptr(L"PTRL", {11000, 1000, 0}), niveau);
    f.ajouter(fx::line({13000, 1001, 0}, {15000, 1001, 0}).colour(7).weight(2), protection);
    const host::ElementId surGris = f.ajouter(ptr(L"PTRL", {14000, 1000, 0}), niveau);
    // Past a protection line's end: within the scan range, 2.2 UOR from its end.
    f.ajouter(fx::line({16000, 1000, 0}, {17000, 1000, 0}).colour(14).weight(2), protection);
    const host::ElementId auBout = f.ajouter(ptr(L"PTRL", {17001.9, 1001, 0}), niveau);
    // A protection area, not a substation outline; and a substation outline.
    const host::ElementId zone = f.ajouter(fx::rectangle({19000, 0, 0}, {21000, 2000, 0}).colour(7), protection);
    const host::ElementId dansZone = f.ajouter(ptr(L"PTRL", {20000, 1000, 0}), niveau);
    f.ajouter(fx::rectangle({22000, 0, 0}, {24000, 2000, 0}).colour(14), protection);
    const host::ElementId dansPoste = f.ajouter(ptr(L"PTRL", {23000, 1000, 0}), niveau);

    const verplaninfo& plan = f.ouvrir();
    std::vector<verptr> ptrs;
    ptr_collecterCellules(ptrs, plan, -1.0);
    const verptr* p = trouver(ptrs, surLigne);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ligneSousJacente, cable);
    EXPECT_EQ(p->classement.reseau, 2u);
    EXPECT_EQ(p->classement.etat, 1u);
    p = trouver(ptrs, aCote);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ligneSousJacente, 0u);
    EXPECT_EQ(p->classement.reseau, 0u);
    ptr_collecterCellules(ptrs, plan, 0.005);
    EXPECT_EQ(trouver(ptrs, aCote)->ligneSousJacente, cable) << "a wider tolerance reaches it";

    EXPECT_EQ(trouver(ptrs, surAccessoire)->accessoire, jonction);
    EXPECT_EQ(trouver(ptrs, surAutre)->accessoire, 0u);
    EXPECT_EQ(trouver(ptrs, surFourreau)->ligneProtection, fourreau);
    EXPECT_EQ(trouver(ptrs, surGris)->ligneProtection, 0u);
    EXPECT_EQ(trouver(ptrs, auBout)->ligneProtection, 0u);
    EXPECT_EQ(trouver(ptrs, dansZone)->zoneProtection, zone);
    EXPECT_EQ(trouver(ptrs, dansPoste)->zoneProtection, 0u);
    EXPECT_EQ(trouver(ptrs, surFourreau)->zoneProtection, 0u);

    // The helpers alone, and a plan kind outside the standards.
    EXPECT_EQ(ptr_accessoiresProches({6000, 1000, 0}, plan), jonction);
    EXPECT_EQ(ptr_accessoiresProches({6000, 1002.5, 0}, plan), 0u) << "2.7 UOR away";
    EXPECT_EQ(ptr_ligneProtection({11000, 1000, 0}, plan), fourreau);
    EXPECT_EQ(ptr_zoneProtection({20000, 1000, 0}, plan), zone);
    verplaninfo autre = plan;
    autre.type = 0;
    EXPECT_EQ(ptr_accessoiresProches({6000, 1000, 0}, autre), 0u);
    EXPECT_EQ(ptr_ligneProtection({11000, 1000, 0}, autre), 0u);
  }
}

TEST(CellulesPTR, CellsInAnInsetAndOddInputAreLeftOut) {
  harnais::FichierReseau f(2, L"ENCART");
  f.ajouter(fx::shape({{0, 0, 0}, {5000, 0, 0}, {5000, 5000, 0}, {0, 5000, 0}}).colour(0).weight(0).style(0),
            L"EncartsIndiffEle");
  f.ajouter(ptr(L"PTRL", {1000, 1000, 0}), L"PTRL+TxtEle");
  const host::ElementId dehors = f.ajouter(ptr(L"PTRL", {8000, 1000, 0}), L"PTRL+TxtEle");
  f.ajouter(ptr(L"PTRL2", {9000, 1000, 0}), L"PTRL+TxtEle");
  f.ajouter(ptr(L"", {9500, 1000, 0}), L"PTRL+TxtEle");
  f.ajouter(ptr(std::wstring(512, L'X'), {9700, 1000, 0}), L"PTRL+TxtEle");
  verplaninfo plan = f.ouvrir();
  std::vector<verptr> ptrs;
  ptr_collecterCellules(ptrs, plan, 0.002);
  EXPECT_EQ(ptrs.size(), 2u) << "without its insets the record keeps every PTR cell";
  encart_collecter(plan);
  ASSERT_EQ(plan.encarts.size(), 1u);
  ptr_collecterCellules(ptrs, plan, 0.002);
  ASSERT_EQ(ptrs.size(), 1u);
  EXPECT_EQ(ptrs.front().idElement, dehors);

  // No theme model: an empty list, never a crash.
  plan.modeleTheme = {};
  ptrs.resize(3);
  ptr_collecterCellules(ptrs, plan, 0.002);
  EXPECT_TRUE(ptrs.empty());
  verptr p;
  p.groupe = 4;
  ptr_lireNombres(p, {});
  EXPECT_EQ(p.texteAltitude, 0u);
  EXPECT_EQ(ptr_zoneProtection({1000, 1000, 0}, plan), 0u);
}
