// The PTRL group checks called directly on network files built in code: each case lies apart
// from the others, and a check's whole list of findings is compared.
#include <gtest/gtest.h>

#include <functional>

#include "engine/fixture/plan_fixture_reseau.h"
#include "networks/groupes_ptrl.h"
#include "networks/ptr_cellules.h"
#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
namespace pf = plan_fixture;
using harnais::Trouve;
using harnais::groupe;
using host::Point3d;

namespace {

fx::Spec ptr(const std::wstring& nom, Point3d o, std::uint32_t groupe = 0) {
  return fx::cell(nom, o, {fx::rectangle(o - Point3d{200, 200, 0}, o + Point3d{200, 200, 0})}).group(groupe);
}

// The file set of a plan of that kind whose electricity file is `f`'s.
verplanfichiers fichiers(harnais::FichierReseau& f, std::int32_t type) {
  verplanfichiers fs;
  fs.type = type;
  fs.version = 1;
  fs.fichiers[type == 1 ? 0 : 1] = f.fichier();
  return fs;
}

std::vector<Trouve> verifier(const verplanfichiers& fs, std::int32_t mode) {
  std::vector<vererreur> erreurs;
  ctrl_groupesPTRL(erreurs, fs, mode);
  std::vector<Trouve> t;
  for (const vererreur& e : erreurs) {
    EXPECT_FALSE(e.aPosition);
    EXPECT_TRUE(e.objet.empty());
    t.push_back({e.code, e.idElement, e.complement});
  }
  return t;
}

}  // namespace

TEST(GroupesPTRL, TextLevelsAsTheStandardWritesThem) {
  std::vector<std::wstring> niveaux;
  for (const ptrl_niveauTexte& n : ptrl_niveauxTextes) niveaux.push_back(std::to_wstring(n.typePlan) + std::wstring(n.niveau));
  EXPECT_EQ(niveaux, (std::vector<std::wstring>{L"1PTRL+Txt", L"2PTRL+TxtEle", L"2CellulesEchanges"}));
}

TEST(GroupesPTRL, TextsNotGroupedWithAPtrCell) {
  harnais::FichierReseau v2(1, L"TEXTES");
  pf::CrayonReseau c2(v2.b, 1, 1.0);
  c2.cable(fx::line({0, 1000, 0}, {20000, 1000, 0}), pf::NatureCable::BT);
  v2.ajouter(ptr(L"PTRL", {1000, 1000, 0}, 3), L"PTRL+Txt");
  v2.ajouter(fx::text(L"12", {1500, 1000, 0}).group(3), L"PTRL+Txt");
  v2.ajouter(ptr(L"PTRL", {5000, 1000, 0}), L"PTRL+Txt");
  const host::ElementId seul = v2.ajouter(fx::text(L"PTRL 5", {5000, 1000, 0}), L"PTRL+Txt");
  const host::ElementId ligne = v2.ajouter(fx::text(L"PTRL 6", {9000, 1000, 0}).group(9), L"PTRL+Txt");
  v2.ajouter(fx::line({9000, 2000, 0}, {9500, 2000, 0}).group(9), L"PTRL+Txt");
  v2.ajouter(fx::text(L"PTRL 7", {12000, 1000, 0}), L"CellulesEchanges");  // no PTR level of a one-file plan
  EXPECT_EQ(verifier(fichiers(v2, 1), 1),
            (std::vector<Trouve>{{2085, seul, L"PTRL 5"}, {2085, ligne, L"PTRL 6"}}));

  harnais::FichierReseau v3(2, L"TEXTES");
  pf::CrayonReseau c3(v3.b, 2, 1.0);
  c3.cable(fx::line({0, 1000, 0}, {20000, 1000, 0}), pf::NatureCable::BT);
  v3.ajouter(ptr(L"PTRC", {1000, 1000, 0}, 4), L"PTRC+TxtEle");
  v3.ajouter(fx::text(L"(3)", {1500, 1000, 0}).group(4), L"CellulesEchanges");  // any PTR class will do
  const host::ElementId seul3 = v3.ajouter(fx::text(L"Z=3", {5000, 1000, 0}), L"PTRL+TxtEle");
  v3.ajouter(fx::text(L"Z=3", {9000, 1000, 0}), L"PTRL+Txt");
  const std::wstring long10000 = L"Z=" + std::wstring(9998, L'9');
  const host::ElementId long3 = v3.ajouter(fx::text(long10000, {12000, 1000, 0}), L"CellulesEchanges");
  EXPECT_EQ(verifier(fichiers(v3, 2), 1), (std::vector<Trouve>{{2085, seul3, L"Z=3"}, {2085, long3, long10000}}));
  EXPECT_EQ(verifier(fichiers(v3, 0), 1), std::vector<Trouve>{}) << "plan kind 0 checks no text";
}

// Superposed cells, cells over nothing, cells over a network that is not classé.
TEST(GroupesPTRL, PtrCellsAndWhatLiesUnderThem) {
  harnais::FichierReseau f(2, L"CELLULES");
  pf::CrayonReseau c(f.b, 2, 1.0);
  const std::wstring n = L"PTRL+TxtEle";
  c.cable(fx::line({0, 1000, 0}, {30000, 1000, 0}), pf::NatureCable::BT);
  // Two PTRL 0.5 UOR apart: one 2082, on the lower id.
  const host::ElementId double1 = f.ajouter(ptr(L"PTRL", {1000, 1000, 0}, 1), n);
  f.ajouter(ptr(L"PTRL", {1000.5, 1000, 0}, 2), n);
  // A PTRL and a PTRD on one spot; a PTRLA and a PTRLAS.
  f.ajouter(ptr(L"PTRL", {4000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRD", {4000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRLA", {6000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRLAS", {6000, 1000, 0}), n);
  // A PTRL before a PTRC: 2082; a PTRC before a PTRL: nothing.
  const host::ElementId avantPtrc = f.ajouter(ptr(L"PTRL", {8000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRC", {8000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRC", {10000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRL", {10000, 1000, 0}), n);
  // 2.5 UOR apart: not superposed.
  f.ajouter(ptr(L"PTRL", {12000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRL", {12002.5, 1000, 0}), n);
  // Over nothing: a PTRL, a PTRC (not examined), a PTRL on an accessory.
  const host::ElementId vide = f.ajouter(ptr(L"PTRL", {1000, 5000, 0}, 7), n);
  f.ajouter(ptr(L"PTRC", {3000, 5000, 0}), n);
  c.cellule(L"1RJONC", {5000, 5000, 0}, 100, 100);
  f.ajouter(ptr(L"PTRL", {5000, 5000, 0}), n);
  // Over a class C line: a PTRLA gives 2084, a PTRL nothing; with a classé line beside it, nothing.
  c.cable(fx::line({0, 9000, 0}, {10000, 9000, 0}), pf::NatureCable::BTClasseC);
  const host::ElementId nonClasse = f.ajouter(ptr(L"PTRLA", {1000, 9000, 0}, 8), n);
  f.ajouter(ptr(L"PTRL", {3000, 9000, 0}), n);
  c.cable(fx::line({4000, 9001.5, 0}, {6000, 9001.5, 0}), pf::NatureCable::BT);
  f.ajouter(ptr(L"PTRLA", {5000, 9000, 0}), n);
  // A PTRL in an inset: the check's plan record has no insets, so it is examined.
  f.ajouter(fx::shape({{20000, 20000, 0}, {25000, 20000, 0}, {25000, 25000, 0}, {20000, 25000, 0}}).colour(0).weight(0).style(0),
            L"EncartsIndiffEle");
  const host::ElementId dansEncart = f.ajouter(ptr(L"PTRL", {22000, 22000, 0}), n);

  const verplanfichiers fs = fichiers(f, 2);
  EXPECT_EQ(verifier(fs, 1), (std::vector<Trouve>{{2082, avantPtrc, groupe(0)},
                                                  {2083, dansEncart, groupe(0)},
                                                  {2082, double1, groupe(1)},
                                                  {2083, vide, groupe(7)},
                                                  {2084, nonClasse, groupe(8)}}));
  EXPECT_EQ(verifier(fs, 3), std::vector<Trouve>{}) << "another mode reports nothing";

  // A cell that the element table lacks is not reported.
  verplanfichiers sansVide = fs;
  std::erase_if(sansVide.fichiers[1].elements, [&](const verelement& e) { return e.idElement == vide; });
  EXPECT_EQ(verifier(sansVide, 1).size(), 4u);
}

TEST(GroupesPTRL, UnderlyingNetworkStates) {
  harnais::FichierReseau f(1, L"ETATS");
  pf::CrayonReseau c(f.b, 1, 1.0);
  const host::ElementId incertain = c.cable(fx::line({0, 1000, 0}, {10000, 1000, 0}), pf::NatureCable::BTClasseC);
  c.cable(fx::line({0, 1001.5, 0}, {10000, 1001.5, 0}), pf::NatureCable::BT);
  const verplaninfo& plan = f.ouvrir();
  verptr base;
  base.classe = classePtrla;
  base.origine = {1.0, 1.0, 0};
  base.ligneSousJacente = incertain;
  base.classement.reseau = 2;
  base.classement.etat = 4;
  const struct {
    const char* pourquoi;
    std::function<void(verptr&)> changer;
    double distance;
    std::int32_t etat;
  } cas[] = {
      {"a classé line within the distance", [](verptr&) {}, 2.0, 1},
      {"the classé line out of reach", [](verptr&) {}, 1.0, 7},
      {"a PTRL", [](verptr& p) { p.classe = classePtrl; }, 1.0, 1},
      {"a PTRLAS", [](verptr& p) { p.classe = classePtrlas; }, 1.0, 7},
      {"an accessory on it", [](verptr& p) { p.accessoire = 9; }, 1.0, 1},
      {"a protection line on it", [](verptr& p) { p.ligneProtection = 9; }, 1.0, 1},
      {"a protection area only", [](verptr& p) { p.zoneProtection = 9; }, 1.0, 7},
      {"a classé line under it", [](verptr& p) { p.classement.etat = 1; }, 1.0, 1},
      {"an abandoned line", [](verptr& p) { p.classement.etat = 8; }, 1.0, 1},
      {"a line of another network", [](verptr& p) { p.classement.reseau = 16; }, 1.0, 1},
      {"nothing under it", [](verptr& p) { p = verptr(); }, 1.0, 6},
      {"only a protection area", [](verptr& p) { p = verptr(); p.zoneProtection = 9; }, 1.0, 1},
  };
  for (const auto& c : cas) {
    verptr p = base;
    c.changer(p);
    EXPECT_EQ(ptr_etatReseauSousJacent(p, c.distance, plan), c.etat) << c.pourquoi;
  }
}

TEST(GroupesPTRL, ContentOfPtrGroups) {
  harnais::FichierReseau f(1, L"CONTENU");
  const std::wstring n = L"PTRL+Txt";
  auto texte = [&](const std::wstring& s, Point3d o, std::uint32_t g) { return f.ajouter(fx::text(s, o).group(g), n); };
  // The cell, its altitude and number texts and a line: 2075 and no 2081.
  const host::ElementId trop = f.ajouter(ptr(L"PTRLA", {1000, 1000, 0}, 1), n);
  texte(L"Z=1.5", {1500, 1000, 0}, 1);
  texte(L"(4)", {1500, 800, 0}, 1);
  f.ajouter(fx::line({1000, 2000, 0}, {1500, 2000, 0}).group(1), n);
  // The cell alone: 2081. Group 0: 2075. A PTRL alone: not examined. A negative zero: in order.
  const host::ElementId seul = f.ajouter(ptr(L"PTRLAS", {3000, 1000, 0}, 2), n);
  const host::ElementId sansGroupe = f.ajouter(ptr(L"PTRD", {5000, 1000, 0}), n);
  f.ajouter(ptr(L"PTRL", {7000, 1000, 0}, 4), n);
  f.ajouter(ptr(L"PTRLA", {9000, 1000, 0}, 5), n);
  texte(L"Z=-0", {9500, 1000, 0}, 5);
  // A second number text: the first is a foreign member.
  const host::ElementId deuxNumeros = f.ajouter(ptr(L"ERPTA", {11000, 1000, 0}, 6), n);
  texte(L"Z=2", {11500, 1000, 0}, 6);
  texte(L"(1)", {11500, 800, 0}, 6);
  texte(L"(2)", {11500, 600, 0}, 6);
  const host::ElementId complet = f.ajouter(ptr(L"PTRLA", {13000, 1000, 0}, 7), n);
  texte(L"Z = 12.50", {13500, 1000, 0}, 7);
  texte(L"(12)", {13500, 800, 0}, 7);

  verplanfichiers fs = fichiers(f, 1);
  EXPECT_EQ(verifier(fs, 2), (std::vector<Trouve>{{2075, sansGroupe, groupe(0)},
                                                  {2075, trop, groupe(1)},
                                                  {2081, seul, groupe(2)},
                                                  {2075, deuxNumeros, groupe(6)}}));
  // Only the cells that the verification examines.
  for (verelement& e : fs.fichiers[0].elements) e.etatControle = e.idElement == complet || e.idElement == seul ? 3 : 1;
  EXPECT_EQ(verifier(fs, 2), (std::vector<Trouve>{{2081, seul, groupe(2)}}));
}

TEST(GroupesPTRL, MissingFilesAndModelsReportNothing) {
  harnais::FichierReseau f(2, L"MANQUE");
  f.ajouter(ptr(L"PTRLA", {1000, 1000, 0}), L"PTRL+TxtEle");
  const host::ElementId texte = f.ajouter(fx::text(L"Z=1", {1000, 3000, 0}), L"PTRL+TxtEle");
  verplanfichiers fs = fichiers(f, 2);
  verplanfichiers sansModele = fs;
  sansModele.fichiers[1].modele = {};
  // Without model no PTR cell is found: the text is reported, nothing else.
  EXPECT_EQ(verifier(sansModele, 1), (std::vector<Trouve>{{2085, texte, L"Z=1"}}));
  EXPECT_EQ(verifier(sansModele, 2), std::vector<Trouve>{});
  verplanfichiers sansFichier;
  sansFichier.type = 2;
  for (const std::int32_t mode : {1, 2}) EXPECT_EQ(verifier(sansFichier, mode), std::vector<Trouve>{});
}
