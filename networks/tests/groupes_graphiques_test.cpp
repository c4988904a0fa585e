// The graphic-group checks over groups collected from files written in code: each group gives
// its one finding or none, on the element the rules name, and only groups holding an examined
// element are checked.
#include "networks/groupes_graphiques.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "networks/drapeaux.h"
#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

using harnais::kTxtBT;
using harnais::groupe;
using harnais::kTxtHTA;
using harnais::Trouve;
using harnais::kCablesBT;

// Draws the elements of group `g` away from the other groups (cut lines of different groups
// must not lie on one another).
class Dessin {
 public:
  Dessin(harnais::FichierReseau& f, std::uint32_t g) : f_(f), g_(g), o_{g * 10000.0, 0, 0} {}
  host::ElementId cellule(const std::wstring& nom, const std::wstring& niveau) {
    return f_.ajouter(fx::cell(nom, o_, {fx::rectangle(o_, o_ + Point3d{500, 500, 0})}).group(g_), niveau);
  }
  host::ElementId ligne(const std::wstring& niveau, double y = 0, fx::Spec (*style)(fx::Spec) = nullptr) {
    fx::Spec s = fx::line(o_ + Point3d{0, y, 0}, o_ + Point3d{1000, y, 0}).group(g_);
    return f_.ajouter(style ? style(s) : s, niveau);
  }
  host::ElementId texte(const std::wstring& s, const std::wstring& niveau, std::uint32_t couleur = 0) {
    return f_.ajouter(fx::text(s, o_).colour(couleur).group(g_), niveau);
  }
  // A flag: its cell, point cell, cut line and text, each when its level is given.
  struct Drapeau {
    host::ElementId cellule = 0, point = 0, trait = 0, texte = 0;
  };
  Drapeau drapeau(const std::wstring& nom, const std::wstring& niveauCellule, const std::wstring& niveauPoint,
                  const std::wstring& niveauTrait, const std::wstring& niveauTexte) {
    Drapeau d;
    d.cellule = cellule(nom, niveauCellule);
    if (!niveauPoint.empty()) d.point = cellule(L"PTDRAP", niveauPoint);
    if (!niveauTrait.empty()) d.trait = ligne(niveauTrait);
    if (!niveauTexte.empty()) d.texte = texte(L"BT 3x150", niveauTexte);
    return d;
  }

 private:
  harnais::FichierReseau& f_;
  std::uint32_t g_;
  Point3d o_;
};

fx::Spec abandonneBT(fx::Spec s) { return s.weight(2); }
fx::Spec hta(fx::Spec s) { return s.colour(3).weight(4); }
fx::Spec protection(fx::Spec s) { return s.colour(14); }

// Collects, marks and checks the file's groups; the findings in order, each checked to carry the
// element's type, no position and no object.
std::vector<Trouve> verifier(harnais::FichierReseau& f, std::vector<verdrapeau>* groupes = nullptr,
                             const std::function<void(verfichier&)>& changerTable = {}) {
  verfichier fichier = f.fichier();
  if (changerTable) changerTable(fichier);
  const verplaninfo& plan = f.ouvrir();
  std::vector<verdrapeau> d = drap_collecterDrapeaux(plan);
  drap_marquerAControler(d, fichier);
  std::vector<vererreur> erreurs;
  ctrl_groupesGraphiques(erreurs, d, fichier, plan);
  std::vector<Trouve> t;
  for (const vererreur& e : erreurs) {
    t.push_back({e.code, e.idElement, e.complement});
    EXPECT_EQ(e.extra, static_cast<std::uint32_t>(host::readElement(plan.modeleTheme, e.idElement)->type));
    EXPECT_FALSE(e.aPosition);
    EXPECT_TRUE(e.objet.empty());
  }
  if (groupes) *groupes = std::move(d);
  return t;
}

TEST(GroupesGraphiques, EachThreeFileGroupGivesItsFinding) {
  harnais::FichierReseau f(2);
  std::vector<Trouve> attendu;
  {
    Dessin g(f, 1);  // texts alone
    attendu.push_back({2074, g.texte(L"BT", kTxtBT), groupe(1)});
    g.texte(L"150", kTxtBT);
  }
  {
    Dessin g(f, 2);  // texts alone, of the protections network: allowed
    g.texte(L"FOURREAU", L"TxtProtecIndiff", 6);
    g.texte(L"2x160", L"TxtProtecIndiff", 6);
  }
  {
    Dessin g(f, 3);  // two flag cells: an invalid flag, reported on its cut line
    g.cellule(L"DRAP5", kTxtBT);
    g.cellule(L"DRAP6", kTxtBT);
    attendu.push_back({2071, g.ligne(kTxtBT), groupe(3)});
    g.cellule(L"PTDRAP", kTxtBT);
    g.texte(L"BT", kTxtBT);
  }
  {
    Dessin g(f, 4);  // BT lines, one abandoned
    attendu.push_back({2073, g.ligne(kCablesBT), groupe(4)});
    g.ligne(L"R\u00e9seauAbandonn\u00e9Ele", 100, abandonneBT);
  }
  {
    Dessin g(f, 5);  // abandoned lines with a text in service
    attendu.push_back({2073, g.ligne(L"R\u00e9seauAbandonn\u00e9Ele", 0, abandonneBT), groupe(5)});
    g.texte(L"BT", kTxtBT);
  }
  {
    Dessin g(f, 6);  // BT and HTA lines
    attendu.push_back({2072, g.ligne(kCablesBT), groupe(6)});
    g.ligne(L"C\u00e2blesHTA", 100, hta);
  }
  {
    Dessin g(f, 7);  // a cell with texts of two networks
    attendu.push_back({2072, g.cellule(L"1RJONC", L"AccNonAffBT"), groupe(7)});
    g.texte(L"BT", kTxtBT);
    g.texte(L"HTA", kTxtHTA);
  }
  {
    Dessin g(f, 8);  // a substation outline without its text
    attendu.push_back({2091, g.ligne(L"ProtectionsIndif", 0, protection), groupe(8)});
  }
  {
    Dessin g(f, 9);  // a substation text with a cell and no outline
    attendu.push_back({2091, g.texte(L"POSTE LILAS", L"TxtProtecIndiff", 14), groupe(9)});
    g.cellule(L"1RJONC", L"AccNonAffBT");
  }
  {
    Dessin g(f, 10);  // a substation: outline and text
    g.ligne(L"ProtectionsIndif", 0, protection);
    g.texte(L"POSTE LILAS", L"TxtProtecIndiff", 14);
  }
  Dessin(f, 11).drapeau(L"DRAP5", kTxtBT, kTxtBT, kTxtBT, kTxtBT);  // complete
  attendu.push_back({2102, Dessin(f, 12).drapeau(L"DRAP5", kTxtBT, L"", kTxtBT, kTxtBT).trait, L""});  // no point cell
  Dessin(f, 13).drapeau(L"CPT7", kTxtBT, L"", kTxtBT, kTxtBT);  // a differentiated flag needs no point cell
  Dessin(f, 14).drapeau(L"DRAP5", kTxtBT, kTxtBT, kTxtHTA, kTxtBT);  // cut line of HTA under a BT cell
  attendu.push_back({2103, Dessin(f, 15).drapeau(L"DRAP5", kTxtBT, kTxtBT, L"Drap+TxtIndiffEle", kTxtBT).trait, L""});
  Dessin(f, 16).drapeau(L"DRAP5", L"Drap+TxtIndiffEle", kTxtBT, kTxtBT, kTxtBT);  // the cell tells no network
  attendu.push_back({2102, Dessin(f, 17).drapeau(L"DRAP5", kTxtBT, kTxtBT, kTxtBT, L"").trait, L""});  // no text
  attendu.push_back({2102, Dessin(f, 18).drapeau(L"DRAP5", kTxtBT, kTxtBT, L"", kTxtBT).cellule, L""});  // no cut line
  {
    Dessin g(f, 19);  // two cut lines on one another, drawn opposite ways
    g.cellule(L"DRAP5", kTxtBT);
    g.cellule(L"PTDRAP", kTxtBT);
    const host::ElementId premier = g.ligne(kTxtBT);
    f.ajouter(fx::line({191000.5, 0, 0}, {190000, 0.5, 0}).group(19), kTxtBT);
    g.texte(L"BT", kTxtBT);
    attendu.push_back({2072, premier, groupe(19)});
  }
  {
    Dessin(f, 20).drapeau(L"DRAP5", kTxtBT, kTxtBT, kTxtBT, kTxtBT);  // a line touching its cut line at one end
    f.ajouter(fx::line({201000, 0, 0}, {202000, 0, 0}), kTxtBT);
    f.ajouter(fx::line({200000, 0, 0}, {201000, 3, 0}), kTxtBT);  // 3 UOR off at one end: not on it
  }
  f.ajouter(fx::dimension({{210000, 0, 0}, {211000, 0, 0}}).group(21), kTxtBT);  // a dimension alone
  {
    Dessin g(f, 22);  // dimension then a network line: invalid, on the dimension
    const host::ElementId cote = f.ajouter(fx::dimension({{220000, 0, 0}, {221000, 0, 0}}).group(22), kTxtBT);
    g.ligne(kCablesBT);
    attendu.push_back({2071, cote, groupe(22)});
  }

  std::vector<verdrapeau> groupes;
  EXPECT_EQ(verifier(f, &groupes), attendu);
  for (const verdrapeau& d : groupes) EXPECT_EQ(d.aControler, 1u) << d.groupe;
  auto de = [&](std::uint32_t g) -> const verdrapeau& {
    return *std::find_if(groupes.begin(), groupes.end(), [g](const verdrapeau& d) { return d.groupe == g; });
  };
  EXPECT_EQ(de(3).nature, natureIndecise) << "an invalid flag is no flag";
  EXPECT_EQ(de(14).reseau, 4u) << "the network of the first cut line";
  EXPECT_EQ(de(15).valide, 0);
  EXPECT_EQ(de(16).reseau, 0xFFFFu);
  EXPECT_EQ(de(8).valide, 0);
}

TEST(GroupesGraphiques, OnlyGroupsWithAnExaminedMemberAndElementsOfTheTable) {
  harnais::FichierReseau f(2);
  Dessin a(f, 1);
  const host::ElementId ligne = a.ligne(kCablesBT);
  const host::ElementId ligneHTA = a.ligne(L"C\u00e2blesHTA", 100, hta);
  Dessin b(f, 2);
  const host::ElementId texte = b.texte(L"BT", kTxtBT);
  b.texte(L"BT", kTxtBT);
  auto etat = [](verfichier& fichier, host::ElementId id, std::uint32_t e) {
    for (verelement& x : fichier.elements)
      if (x.idElement == id) x.etatControle = e;
  };
  // Nothing examined: nothing checked, nothing marked.
  std::vector<verdrapeau> groupes;
  EXPECT_EQ(verifier(f, &groupes, [](verfichier& x) { for (verelement& e : x.elements) e.etatControle = 1; }),
            std::vector<Trouve>{});
  for (const verdrapeau& d : groupes) EXPECT_EQ(d.aControler, 0u);
  // One member marked by the cable check (status 3) is enough.
  EXPECT_EQ(verifier(f, nullptr,
                     [&](verfichier& x) {
                       for (verelement& e : x.elements) e.etatControle = 1;
                       etat(x, ligneHTA, 3);
                     }),
            (std::vector<Trouve>{{2072, ligne, groupe(1)}}));
  // The element to report not in the table: no finding.
  EXPECT_EQ(verifier(f, nullptr,
                     [&](verfichier& x) {
                       std::erase_if(x.elements,
                                     [&](const verelement& e) { return e.idElement == ligne || e.idElement == texte; });
                     }),
            std::vector<Trouve>{});
}

TEST(GroupesGraphiques, OneFileGroups) {
  harnais::FichierReseau f(1);
  const std::wstring drap = L"Drap+CoupeTranch", txt = L"TxtR\u00e9seauBT";
  Dessin g1(f, 1);  // texts of symbols
  g1.texte(L"S1", L"Topo4Divers");
  g1.texte(L"S2", L"Topo4Divers");
  Dessin g2(f, 2);  // network texts alone
  const host::ElementId premier = g2.texte(L"BT", txt, 22);
  g2.texte(L"150", txt, 22);
  Dessin(f, 3).drapeau(L"DRAP5", drap, drap, L"", txt);  // cut lines are TRAIT cells
  Dessin(f, 3).cellule(L"TRAIT", drap);
  Dessin g4(f, 4);  // no point cell
  const host::ElementId trait4 = g4.cellule(L"TRAIT", drap);
  g4.cellule(L"DRAP5", drap);
  g4.texte(L"BT", txt, 22);
  Dessin g5(f, 5);  // two cut lines: an invalid flag, reported on its first cut line
  const host::ElementId trait5 = g5.cellule(L"TRAIT", drap);
  g5.cellule(L"TRAIT", drap);
  g5.cellule(L"DRAP5", drap);
  g5.cellule(L"PTDRAP", drap);
  g5.texte(L"BT", txt, 22);
  std::vector<verdrapeau> groupes;
  EXPECT_EQ(verifier(f, &groupes),
            (std::vector<Trouve>{{2074, premier, groupe(2)}, {2102, trait4, L""}, {2071, trait5, groupe(5)}}));
  ASSERT_EQ(groupes.size(), 5u);
  EXPECT_EQ(groupes[2].nature, natureDrapeauSimple);
  EXPECT_EQ(groupes[2].reseau, 0xFFFFu);
}

}  // namespace
