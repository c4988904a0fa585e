// Flags and other graphic groups: the flag elements and flag-text levels of each standard, and
// the groups a file's elements make, with their nature, network and validity.
#include "networks/drapeaux.h"

#include <gtest/gtest.h>

#include "networks/drapeaux_table.h"
#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

using harnais::kDrapEle;
using harnais::kTxtBT;
using harnais::kTxtHTA;

fx::Spec cellule(const std::wstring& nom, Point3d o = {0, 0, 0}) {
  return fx::cell(nom, o, {fx::rectangle(o, o + Point3d{500, 500, 0})});
}
fx::Spec trait(double y = 0) { return fx::line({0, y, 0}, {1000, y, 0}); }
fx::Spec texte(const std::wstring& s) { return fx::text(s, {0, 0, 0}); }

TEST(Drapeaux, FlagElementsAndLevelsAsTheStandardWritesThem) {
  std::vector<std::wstring> v2;
  for (const auto& c : drap_cellulesV2) {
    v2.push_back(std::wstring(c.nom));
    EXPECT_EQ(c.differencie, 0);
    EXPECT_EQ(c.classe, c.nom == L"PTDRAP" ? 1u : c.nom == L"TRAIT" ? 2u : 3u);
  }
  std::vector<std::wstring> attenduV2 = {L"PTDRAP", L"TRAIT"};
  for (int i = 2; i <= 10; ++i) attenduV2.push_back(L"DRAP" + std::to_wstring(i));
  EXPECT_EQ(v2, attenduV2);

  std::vector<std::wstring> v3;
  for (const auto& c : drap_cellulesV3) {
    v3.push_back(std::wstring(c.nom));
    EXPECT_EQ(c.classe, c.nom == L"PTDRAP" ? 1u : 3u);
    const bool cpt5a9 = c.nom.size() == 4 && c.nom.substr(0, 3) == L"CPT" && c.nom[3] >= L'5';
    EXPECT_EQ(c.differencie, cpt5a9 ? 1 : 0) << std::wstring(c.nom);
  }
  std::vector<std::wstring> attenduV3 = {L"PTDRAP"};
  for (int i = 2; i <= 16; ++i) attenduV3.push_back(L"DRAP" + std::to_wstring(i));
  for (int i = 1; i <= 9; ++i) attenduV3.push_back(L"CPT" + std::to_wstring(i));
  EXPECT_EQ(v3, attenduV3);

  ASSERT_EQ(drap_niveauxTexte.size(), 2u);
  EXPECT_EQ(drap_niveauxTexte[0].theme, 62u);
  EXPECT_EQ(drap_niveauxTexte[0].principal, kDrapEle);
  EXPECT_EQ(drap_niveauxTexte[0].bt, kTxtBT);
  EXPECT_EQ(drap_niveauxTexte[0].hta, kTxtHTA);
  EXPECT_EQ(drap_niveauxTexte[0].branchement, L"TxtBranchtEle");
  EXPECT_EQ(drap_niveauxTexte[1].theme, 1984u);
  EXPECT_EQ(drap_niveauxTexte[1].principal, L"Drap+TxtIndiffGaz");
  EXPECT_TRUE(drap_niveauxTexte[1].bt.empty() && drap_niveauxTexte[1].hta.empty() && drap_niveauxTexte[1].branchement.empty());
  EXPECT_EQ(drap_niveauxSymbolesV2, (std::array<std::wstring_view, 2>{L"SymbolesFixes", L"Topo4Divers"}));
}

TEST(Drapeaux, ClassOfAFlagElementByStandard) {
  harnais::FichierReseau v2(1, L"UN"), v3(2, L"TROIS");
  struct Cas {
    const char* pourquoi;
    harnais::FichierReseau* f;
    fx::Spec element;
    std::wstring niveau;
    std::uint32_t classe, reseau;
    std::uint8_t differencie;
    host::ElementId id = 0;
  };
  constexpr std::uint32_t rien = 99, inconnu = 0xFFFF;
  std::vector<Cas> cas = {
      {"one-file point cell", &v2, cellule(L"PTDRAP"), L"Drap+CoupeTranch", 1, inconnu, 0},
      {"one-file cut line cell", &v2, cellule(L"TRAIT"), L"Drap+CoupeTranch", 2, inconnu, 0},
      {"one-file DRAP2", &v2, cellule(L"DRAP2"), L"Drap+CoupeTranch", 3, inconnu, 0},
      {"one-file DRAP10", &v2, cellule(L"DRAP10"), L"TxtR\u00e9seauBT", 3, inconnu, 0},
      {"no DRAP11 in a one-file plan", &v2, cellule(L"DRAP11"), L"Drap+CoupeTranch", rien, rien, rien},
      {"no CPT cell in a one-file plan", &v2, cellule(L"CPT5"), L"Drap+CoupeTranch", rien, rien, rien},
      {"names compared with case", &v2, cellule(L"drap5"), L"Drap+CoupeTranch", rien, rien, rien},
      {"no one-file line", &v2, trait(), L"Drap+CoupeTranch", rien, rien, rien},
      {"three-file point cell on BT", &v3, cellule(L"PTDRAP"), kTxtBT, 1, 2, 0},
      {"DRAP16 on HTA", &v3, cellule(L"DRAP16"), kTxtHTA, 3, 4, 0},
      {"CPT7 on service connections", &v3, cellule(L"CPT7"), L"TxtBranchtEle", 3, 2, 1},
      {"CPT4 is not differentiated", &v3, cellule(L"CPT4"), kTxtBT, 3, 2, 0},
      {"a flag cell on a level of no network", &v3, cellule(L"DRAP5"), L"C\u00e2blesBT", 3, inconnu, 0},
      {"no TRAIT cell in a three-file plan", &v3, cellule(L"TRAIT"), kTxtBT, rien, rien, rien},
      {"a cut line on BT", &v3, trait(), kTxtBT, 2, 2, 0},
      {"a cut line on the flag level", &v3, trait(), kDrapEle, 2, inconnu, 0},
      {"a line on a cable level", &v3, trait(), L"C\u00e2blesBT", rien, rien, rien},
      {"a line string is no cut line", &v3, fx::lineString({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}), kTxtBT, rien, rien, rien},
      {"a text", &v3, texte(L"BT"), kTxtBT, rien, rien, rien},
  };
  for (Cas& c : cas) c.id = c.f->ajouter(c.element, c.niveau);
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::uint32_t classe = rien, reseau = rien;
    std::uint8_t differencie = rien;
    const verplaninfo& plan = c.f->ouvrir();
    const host::ElementHandle h(c.id, plan.modeleTheme);
    drap_typeCelluleDrapeau(&classe, &reseau, &differencie, h, plan);
    EXPECT_EQ(classe, c.classe);
    EXPECT_EQ(reseau, c.reseau);
    EXPECT_EQ(differencie, c.differencie);
    drap_typeCelluleDrapeau(nullptr, nullptr, nullptr, h, plan);  // every output optional
    verplaninfo autre = plan;
    autre.type = 3;
    classe = rien;
    drap_typeCelluleDrapeau(&classe, nullptr, nullptr, h, autre);
    EXPECT_EQ(classe, rien) << "no other plan kind";
  }
}

TEST(Drapeaux, FlagTextLevelsOfTheTheme) {
  harnais::FichierReseau f(2);
  const host::LevelId gaz = f.niveau(L"Drap+TxtIndiffGaz");
  const verplaninfo& plan = f.ouvrir();
  auto niveau = [&](const std::wstring& nom) { return *host::levelIdFromName(plan.modeleTheme, nom); };
  std::uint32_t bt = 7, hta = 7, branchement = 7;
  EXPECT_EQ(drap_niveauTexteDrapeau(&bt, &hta, &branchement, plan), niveau(kDrapEle));
  EXPECT_EQ(bt, niveau(kTxtBT));
  EXPECT_EQ(hta, niveau(kTxtHTA));
  EXPECT_EQ(branchement, niveau(L"TxtBranchtEle"));
  EXPECT_EQ(drap_niveauTexteDrapeau(nullptr, nullptr, nullptr, plan), niveau(kDrapEle));

  verplaninfo p = plan;
  p.masqueTheme = 1984;
  EXPECT_EQ(drap_niveauTexteDrapeau(&bt, &hta, &branchement, p), gaz);
  EXPECT_EQ(bt + hta + branchement, 0u);
  p.masqueTheme = 6144;
  bt = 7;
  EXPECT_EQ(drap_niveauTexteDrapeau(&bt, nullptr, nullptr, p), 0u);
  EXPECT_EQ(bt, 0u);
  // No model, no kind, no theme: 0 and the outputs left alone.
  for (auto changer : {+[](verplaninfo& x) { x.modeleTheme = host::ModelRef(); }, +[](verplaninfo& x) { x.type = 0; },
                       +[](verplaninfo& x) { x.masqueTheme = 0; }}) {
    p = plan;
    changer(p);
    bt = hta = branchement = 7;
    EXPECT_EQ(drap_niveauTexteDrapeau(&bt, &hta, &branchement, p), 0u);
    EXPECT_EQ(bt + hta + branchement, 21u);
  }
}

TEST(Drapeaux, AThreeFileFlagWithItsCellsCutLinesAndTexts) {
  harnais::FichierReseau f(2);
  const host::ElementId drap = f.ajouter(cellule(L"DRAP5").group(4), kTxtBT);
  const host::ElementId point = f.ajouter(cellule(L"PTDRAP").group(4), kTxtBT);
  const host::ElementId trait1 = f.ajouter(trait(0).group(4), kTxtBT);
  const host::ElementId trait2 = f.ajouter(trait(100).group(4), kTxtBT);
  const host::ElementId t1 = f.ajouter(texte(L"BT 3x150").group(4), kTxtBT);
  const host::ElementId t2 = f.ajouter(texte(L"150").group(4), kTxtBT);
  const std::vector<verdrapeau> d = drap_collecterDrapeaux(f.ouvrir());
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].groupe, 4u);
  EXPECT_EQ(d[0].nature, natureDrapeauSimple);
  EXPECT_EQ(d[0].reseau, 2u);
  EXPECT_EQ(d[0].reseauCellule, 1);
  EXPECT_EQ(d[0].valide, 1);
  EXPECT_EQ(d[0].cellule, drap);
  EXPECT_EQ(d[0].cellulePoint, point);
  EXPECT_EQ(d[0].traits, (std::vector<std::uint64_t>{trait1, trait2}));
  ASSERT_EQ(d[0].textes.size(), 2u);
  EXPECT_EQ(d[0].textes[0].element, t1);
  EXPECT_EQ(d[0].textes[0].reseau, 2u);
  EXPECT_EQ(d[0].textes[0].utilisable, 1u);
  EXPECT_EQ(d[0].textes[0].texte, L"BT 3x150");
  EXPECT_EQ(d[0].textes[1].element, t2);
  EXPECT_EQ(d[0].textes[1].utilisable, 2u);
  EXPECT_TRUE(d[0].lignes.empty() && d[0].autresCellules.empty());
}

TEST(Drapeaux, NatureNetworkAndValidityOfGroups) {
  harnais::FichierReseau f(2);
  const std::wstring bt = L"C\u00e2blesBT", hta = L"C\u00e2blesHTA";
  // Group 9 drawn first: the list comes sorted all the same.
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).group(9), bt);
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).colour(3).weight(4).group(9), hta);
  // A CPT7 in a new group: differentiated; after a network line: a group of lines made invalid.
  const host::ElementId cpt = f.ajouter(cellule(L"CPT7").group(1), kTxtBT);
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).group(2), bt);
  f.ajouter(cellule(L"CPT7").group(2), kTxtBT);
  // A second dimension (dimensions count on the levels collected: here a text level).
  const host::ElementId cote = f.ajouter(fx::dimension({{0, 0, 0}, {1000, 0, 0}}).group(3), kTxtBT);
  f.ajouter(fx::dimension({{0, 0, 0}, {1000, 0, 0}}).group(3), kTxtBT);
  // Texts alone: their networks merged; an abandoned text of a three-file plan changes nothing.
  f.ajouter(texte(L"BT").group(5), kTxtBT);
  f.ajouter(texte(L"BT").group(5), kTxtBT);
  f.ajouter(texte(L"HTA").group(6), kTxtBT);
  f.ajouter(texte(L"HTA").group(6), kTxtHTA);
  f.ajouter(texte(L"ABANDON").weight(4).group(7), L"R\u00e9seauAbandonn\u00e9Ele");
  f.ajouter(texte(L"BT").group(7), kTxtBT);
  // Graphic group 0 forms no group, nor does level 0; a text node counts only as a protection text.
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}), bt);
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).group(13));
  f.ajouter(f.noeudTexte({L"BT", L"3x150"}, kTxtBT, 0).group(8));
  const host::ElementId noeud = f.ajouter(f.noeudTexte({L"P"}, L"TxtProtecIndiff", 14).group(10));
  const host::ElementId contour = f.ajouter(fx::rectangle({0, 0, 0}, {1000, 1000, 0}).colour(14).group(10), L"ProtectionsIndif");
  // Earthing taken as protections, in a group of lines.
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).colour(6).style(f.style(L"ST_PROT_TERRE")).group(11), L"ProtectionsIndif");
  // A cell that is no flag cell, then a dimension.
  const host::ElementId jonction = f.ajouter(cellule(L"1RJONC").colour(7).group(12), L"AccNonAffBT");
  const host::ElementId cote12 = f.ajouter(fx::dimension({{0, 0, 0}, {1000, 0, 0}}).group(12), kTxtBT);

  const std::vector<verdrapeau> d = drap_collecterDrapeaux(f.ouvrir());
  std::vector<std::uint32_t> groupes;
  for (const verdrapeau& x : d) groupes.push_back(x.groupe);
  ASSERT_EQ(groupes, (std::vector<std::uint32_t>{1, 2, 3, 5, 6, 7, 9, 10, 11, 12}));
  const struct {
    std::uint32_t nature, reseau;
    std::uint8_t valide;
  } attendus[] = {
      {natureDrapeauDifferencie, 2, 1}, {natureLignes, 2, 0}, {natureCote, 2, 0}, {natureIndecise, 2, 1},
      {natureIndecise, 0xFFFF, 1},      {natureIndecise, 2, 1}, {natureLignes, 0xFFFF, 1}, {natureProtection, 0, 1},
      {natureLignes, 8192, 1},          {natureCote, 2, 1},
  };
  for (std::size_t i = 0; i < d.size(); ++i) {
    SCOPED_TRACE(d[i].groupe);
    EXPECT_EQ(d[i].nature, attendus[i].nature);
    EXPECT_EQ(d[i].reseau, attendus[i].reseau);
    EXPECT_EQ(d[i].valide, attendus[i].valide);
  }
  EXPECT_EQ(d[0].cellule, cpt);
  EXPECT_EQ(d[2].cote, cote);
  EXPECT_EQ(d[3].textes.size(), 2u);
  EXPECT_EQ(d[5].textes.size(), 2u);
  ASSERT_EQ(d[7].textes.size(), 1u);
  EXPECT_EQ(d[7].textes[0].element, noeud);
  ASSERT_EQ(d[7].lignes.size(), 1u);
  EXPECT_EQ(d[7].lignes[0].idElement, contour) << "the classifier leaves a colour-14 outline out";
  EXPECT_EQ(d[7].lignes[0].reseau, 0u);
  EXPECT_EQ(d[8].lignes.at(0).reseau, 8192u);
  EXPECT_EQ(d[9].autresCellules, std::vector<std::uint64_t>{jonction});
  EXPECT_EQ(d[9].cote, cote12);
}

TEST(Drapeaux, ACutLineOnTheFlagLevelJoinsItsFlag) {
  harnais::FichierReseau f(2);
  f.ajouter(cellule(L"DRAP5").group(4), kTxtBT);
  const host::ElementId t = f.ajouter(trait().group(4), kDrapEle);
  f.ajouter(texte(L"NS 150 BT").group(4), kDrapEle);
  const std::vector<verdrapeau> d = drap_collecterDrapeaux(f.ouvrir());
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].traits, std::vector<std::uint64_t>{t});
  ASSERT_EQ(d[0].textes.size(), 1u);
  EXPECT_EQ(d[0].textes[0].reseau, 62u);
  EXPECT_EQ(d[0].nature, natureDrapeauSimple);
}

TEST(Drapeaux, OneFileFlagsAreCollected) {
  harnais::FichierReseau f(1);
  const std::wstring drap = L"Drap+CoupeTranch", txt = L"TxtR\u00e9seauBT";
  const host::ElementId cellule5 = f.ajouter(cellule(L"DRAP5").group(4), drap);
  const host::ElementId point = f.ajouter(cellule(L"PTDRAP").group(4), drap);
  const host::ElementId coupe = f.ajouter(cellule(L"TRAIT").group(4), drap);
  f.ajouter(texte(L"BT 3x150").colour(22).group(4), txt);
  f.ajouter(texte(L"150").colour(22).group(4), txt);
  // Two cut lines: the second makes the flag invalid and is not recorded.
  const host::ElementId premier = f.ajouter(cellule(L"TRAIT").group(5), drap);
  f.ajouter(cellule(L"TRAIT").group(5), drap);
  // Texts on the symbol levels are collected too.
  f.ajouter(texte(L"S1").group(6), L"Topo4Divers");
  const std::vector<verdrapeau> d = drap_collecterDrapeaux(f.ouvrir());
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].nature, natureDrapeauSimple);
  EXPECT_EQ(d[0].valide, 1);
  EXPECT_EQ(d[0].reseau, 0xFFFFu);
  EXPECT_EQ(d[0].reseauCellule, 0);
  EXPECT_EQ(d[0].cellule, cellule5);
  EXPECT_EQ(d[0].cellulePoint, point);
  EXPECT_EQ(d[0].traits, std::vector<std::uint64_t>{coupe});
  EXPECT_EQ(d[0].textes.size(), 2u);
  EXPECT_EQ(d[1].valide, 0);
  EXPECT_EQ(d[1].traits, std::vector<std::uint64_t>{premier});
  EXPECT_EQ(d[2].textes.size(), 1u);
  EXPECT_EQ(d[2].reseau, 2u);
}

TEST(Drapeaux, NoGroupsWithoutKindThemeOrModel) {
  harnais::FichierReseau f(2);
  f.ajouter(fx::line({0, 0, 0}, {1000, 0, 0}).group(3), L"C\u00e2blesBT");
  verplaninfo plan = f.ouvrir();
  EXPECT_EQ(drap_collecterDrapeaux(plan).size(), 1u);
  for (auto changer : {+[](verplaninfo& x) { x.modeleTheme = host::ModelRef(); }, +[](verplaninfo& x) { x.type = 0; },
                       +[](verplaninfo& x) { x.masqueTheme = 0; }}) {
    verplaninfo p = plan;
    changer(p);
    EXPECT_TRUE(drap_collecterDrapeaux(p).empty());
  }
}

TEST(Drapeaux, ReadingOneText) {
  harnais::FichierReseau f(2);
  const host::ElementId valeur = f.ajouter(texte(L"(ABC)"), kTxtHTA);
  const host::ElementId rien = f.ajouter(texte(L"PROFONDEUR"), kTxtHTA);
  const host::ElementId ligne = f.ajouter(trait(), kTxtHTA);
  const verplaninfo& plan = f.ouvrir();
  verdrapeau d;
  EXPECT_EQ(drap_lireTexteDrapeau(d, valeur, plan), 0);
  EXPECT_EQ(drap_lireTexteDrapeau(d, rien, plan), 0);
  EXPECT_EQ(drap_lireTexteDrapeau(d, ligne, plan), 0x8000);
  EXPECT_EQ(drap_lireTexteDrapeau(d, 999999, plan), 0x8000);
  ASSERT_EQ(d.textes.size(), 2u);
  EXPECT_EQ(d.textes[0].utilisable, 2u);
  EXPECT_EQ(d.textes[0].reseau, 4u);
  EXPECT_EQ(d.textes[0].etat, 1024u);
  EXPECT_EQ(d.textes[1].utilisable, 0u);
}

}  // namespace
