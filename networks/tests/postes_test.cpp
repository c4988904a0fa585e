// Substations: their texts read, their outlines and node cells collected; and the protection
// levels that tell a protection line or text.
#include "networks/postes.h"

#include <gtest/gtest.h>

#include "networks/niveaux_protection.h"
#include "networks/postes_table.h"
#include "networks/tests/harnais_fichier.h"

namespace fx = host::fixture;
using host::Point3d;

namespace {

TEST(Postes, PrefixesAndNodeCellsAsTheStandardWritesThem) {
  ASSERT_EQ(poste_prefixes.size(), 3u);
  EXPECT_EQ(poste_prefixes[0].prefixe, L"POSTE SOURCE");
  EXPECT_EQ(poste_prefixes[0].type, 2u);
  EXPECT_EQ(poste_prefixes[1].prefixe, L"AUTO-TRANSFO");
  EXPECT_EQ(poste_prefixes[1].type, 3u);
  EXPECT_EQ(poste_prefixes[2].prefixe, L"POSTE");
  EXPECT_EQ(poste_prefixes[2].type, 1u);
  const std::vector<std::pair<std::wstring, std::uint32_t>> noeuds = {
      {L"1BNEUD", 2}, {L"1RNEUD", 2}, {L"1BREMA", 2}, {L"1RREMA", 2}, {L"2RNEUD", 4}, {L"2RREMA", 4}};
  ASSERT_EQ(poste_cellulesNoeud.size(), noeuds.size());
  for (std::size_t i = 0; i < noeuds.size(); ++i) {
    EXPECT_EQ(poste_cellulesNoeud[i].nom, noeuds[i].first);
    EXPECT_EQ(poste_cellulesNoeud[i].reseau, noeuds[i].second);
  }
  ASSERT_EQ(niv_protections.size(), 2u);
  EXPECT_EQ(niv_protections[0].typePlan, 1u);
  EXPECT_EQ(niv_protections[0].ligne, L"Fourreaux+Tub_");
  EXPECT_EQ(niv_protections[0].texte, L"TxtFourreaux");
  EXPECT_EQ(niv_protections[0].epaisseur, 2u);
  EXPECT_EQ(niv_protections[1].typePlan, 2u);
  EXPECT_EQ(niv_protections[1].ligne, L"ProtectionsIndif");
  EXPECT_EQ(niv_protections[1].texte, L"TxtProtecIndiff");
  EXPECT_EQ(niv_protections[1].epaisseur, 4u);
  EXPECT_EQ(niv_couleurProtection, 14u);
}

TEST(Postes, TextGivesKindNameAndNumber) {
  const struct {
    std::wstring texte;
    std::int32_t resultat;
    std::uint32_t type;
    std::wstring nom, numero;
    const char* pourquoi;
  } cas[] = {
      {L"POSTE SOURCE LYON EST 12345", 0, 2, L"LYON EST", L"12345", "a source with a 5-character number"},
      {L"POSTE SOURCE LYON 12345ABCDE", 0, 1, L"SOURCE LYON", L"12345ABCDE", "a full number makes a plain substation"},
      {L"POSTE SOURCE LYON 1234", 0, 2, L"LYON 1234", L"", "4 characters are no number"},
      {L"AUTO-TRANSFO MARTIN", 0, 3, L"MARTIN", L"", "one word"},
      {L"auto-transfo MARTIN 67890WXYZ_", 0, 3, L"MARTIN", L"67890WXYZ_", "without case"},
      {L"poste des lilas", 0, 1, L"des lilas", L"", "a plain substation without case"},
      {L"POSTE LILAS 12345ABCDE", 0, 1, L"LILAS", L"12345ABCDE", ""},
      {L"POSTE LILAS 1234567890", 0, 1, L"LILAS 1234567890", L"", "more than the first 5 are digits"},
      {L"POSTE LILAS 1234ABCDEF", 0, 1, L"LILAS 1234ABCDEF", L"", "fewer than 5 digits"},
      {L"POSTE", 0, 1, L"", L"", "the prefix alone"},
      {L"POSTE SOURCE LYON\r12345", 0, 2, L"LYON", L"12345", "two lines of a text node"},
      {L"POSTE SOURCE LYON\r\n12345", 0, 2, L"LYON", L"12345", "CR LF is one line break"},
      {L"POSTE SOURCE\rLYON 12345", 0, 2, L"LYON", L"12345", "a line break after the prefix"},
      {L"POSTE SOURCE\r\nLYON 12345", 0, 2, L"LYON", L"12345", "CR LF after the prefix"},
      {L"TRANSFO 12", 0x8000, 0, L"", L"", "no prefix"},
      {L"", 0x8000, 0, L"", L"", "empty"},
      {L"(", 0x8000, 0, L"", L"", ""},
      {L"POSTE SOURCE " + std::wstring(10000, L'A'), 0, 2, std::wstring(10000, L'A'), L"", "10,000 characters"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verposte p;
    p.nom = L"ancien";
    p.numero = L"ancien";
    p.reserve1 = p.reserve2 = 7;
    EXPECT_EQ(poste_analyserTexte(p, c.texte), c.resultat);
    EXPECT_EQ(p.type, c.type);
    EXPECT_EQ(p.nom, c.nom);
    EXPECT_EQ(p.numero, c.numero);
    EXPECT_EQ(p.reserve1, -1);
    EXPECT_EQ(p.reserve2, -1);
    if (c.resultat == 0 && c.texte.size() > 5) {
      EXPECT_EQ(p.chaine, c.texte);
    }
  }
}

// A node cell: a small square, on the accessory level of its network.
fx::Spec noeud(const std::wstring& nom, Point3d origine) {
  return fx::cell(nom, origine, {fx::rectangle(origine - Point3d{300, 300, 0}, origine + Point3d{300, 300, 0})});
}

TEST(Postes, OutlinesOfColour14WithTheirTextsAndNodes) {
  harnais::FichierReseau f;
  const std::wstring contour = L"ProtectionsIndif", texte = L"TxtProtecIndiff";
  const host::ElementId carre = f.ajouter(fx::rectangle({0, 0, 0}, {10000, 10000, 0}).colour(14).group(5), contour);
  const host::ElementId nomCarre = f.ajouter(fx::text(L"POSTE SOURCE LYON 12345", {1000, 1000, 0}).colour(14).group(5), texte);
  // Under the BT node: an HTA line nearer than the BT line.
  const host::ElementId ligneBT = f.ajouter(fx::line({-10000, 5000.8, 0}, {0, 5000.8, 0}).style(f.style(L"ST_BT_CLA_V3")),
                                            L"C\u00e2blesBT");
  f.ajouter(fx::line({-10000, 5000.3, 0}, {0, 5000.3, 0}).colour(3).weight(4), L"C\u00e2blesHTA");
  const host::ElementId noeudBT = f.ajouter(noeud(L"1BNEUD", {0, 5000, 0}), L"AccNonAffBT");
  const host::ElementId noeudHTA = f.ajouter(noeud(L"2RNEUD", {5000, -0.5, 0}), L"AccNonAffHTA");
  f.ajouter(noeud(L"2RNEUD", {7000, -1.5, 0}), L"AccNonAffHTA");         // 1.5 from the outline
  f.ajouter(noeud(L"1bneud", {10000, 3000, 0}), L"AccNonAffBT");         // names compared exactly
  f.ajouter(noeud(L"1RJONC", {10000, 4000, 0}), L"AccNonAffBT");         // no node cell
  f.ajouter(noeud(L"1RNEUD", {5000, 5000, 0}), L"AccNonAffBT");          // inside, away from the outline
  f.ajouter(fx::rectangle({0, 20000, 0}, {10000, 30000, 0}).colour(3), contour);  // colour 3: no substation
  // A substation whose text is a text node of two lines.
  const host::ElementId second = f.ajouter(fx::rectangle({40000, 0, 0}, {50000, 10000, 0}).colour(14).group(6), contour);
  f.ajouter(fx::text(L"AUTRE", {41000, 2000, 0}).group(6), L"EncartsBT");  // not drawn as a text: still the first text
  // An L-shaped open outline: a node 2.5 beyond its end, on its prolongation, is not on it.
  const host::ElementId equerre =
      f.ajouter(fx::lineString({{20000, 0, 0}, {30000, 0, 0}, {30000, 10000, 0}}).colour(14), contour);
  f.ajouter(noeud(L"1BNEUD", {30000, 10002.5, 0}), L"AccNonAffBT");
  // An outline of no length: the node on its point is on it.
  const host::ElementId point = f.ajouter(fx::line({90000, 0, 0}, {90000, 0, 0}).colour(14), contour);
  f.ajouter(noeud(L"1BNEUD", {90000, 0, 0}), L"AccNonAffBT");
  // An outline inside an inset.
  const host::ElementId encart = f.ajouter(fx::rectangle({60000, 0, 0}, {80000, 20000, 0}), L"EncartsIndiffEle");
  f.ajouter(fx::rectangle({65000, 5000, 0}, {70000, 10000, 0}).colour(14), contour);
  verplaninfo plan = f.ouvrir();
  plan.encarts = {encart};

  std::vector<verposte> postes;
  poste_collecterPostes(postes, plan);
  ASSERT_EQ(postes.size(), 4u);
  const verposte& p = postes[0];
  EXPECT_EQ(p.idElement, carre);
  EXPECT_EQ(p.groupe, 5u);
  EXPECT_EQ(p.texte, nomCarre);
  EXPECT_EQ(p.type, 2u);
  EXPECT_EQ(p.nom, L"LYON");
  EXPECT_EQ(p.numero, L"12345");
  EXPECT_EQ(p.chaine, L"POSTE SOURCE LYON 12345");
  EXPECT_EQ(p.noeudsBT, std::vector<std::uint64_t>{noeudBT});
  EXPECT_EQ(p.lignesBT, std::vector<std::uint64_t>{ligneBT});
  EXPECT_EQ(p.noeudsHTA, std::vector<std::uint64_t>{noeudHTA});
  EXPECT_EQ(p.lignesHTA, std::vector<std::uint64_t>{0});
  EXPECT_EQ(postes[1].idElement, second);
  EXPECT_EQ(postes[1].chaine, L"AUTRE");
  EXPECT_EQ(postes[1].type, 0u);
  EXPECT_EQ(postes[2].idElement, equerre);
  EXPECT_EQ(postes[2].groupe, 0u);
  EXPECT_EQ(postes[2].texte, 0u);
  EXPECT_TRUE(postes[2].noeudsBT.empty());
  EXPECT_EQ(postes[3].idElement, point);
  EXPECT_EQ(postes[3].noeudsBT.size(), 1u);

  // Nothing without a theme model.
  plan.modeleTheme = host::ModelRef();
  poste_collecterPostes(postes, plan);
  EXPECT_TRUE(postes.empty());
}

TEST(Postes, ATwoLineTextNodeGivesItsNumber) {
  harnais::FichierReseau f;
  f.ajouter(fx::rectangle({0, 0, 0}, {10000, 10000, 0}).colour(14).group(3), L"ProtectionsIndif");
  const host::ElementId texte = f.ajouter(
      f.noeudTexte({L"POSTE SOURCE LYON", L"12345"}, L"TxtProtecIndiff", 14).group(3));
  std::vector<verposte> postes;
  poste_collecterPostes(postes, f.ouvrir());
  ASSERT_EQ(postes.size(), 1u);
  EXPECT_EQ(postes[0].texte, texte);
  EXPECT_EQ(postes[0].nom, L"LYON");
  EXPECT_EQ(postes[0].numero, L"12345");
}

TEST(Postes, ProtectionLinesAndTexts) {
  harnais::FichierReseau v3(2, L"TROIS");
  harnais::FichierReseau v2(1, L"UN");
  struct Cas {
    const char* pourquoi;
    harnais::FichierReseau* f;
    fx::Spec element;
    std::wstring niveau;
    std::int32_t resultat;
    std::uint32_t contenu;
    host::ElementId id = 0;
  };
  const fx::Spec ligne = fx::line({0, 0, 0}, {1000, 0, 0}).colour(14);
  const fx::Spec texte = fx::text(L"PROT", {0, 0, 0}).colour(14);
  std::vector<Cas> cas = {
      {"a three-file protection line", &v3, ligne, L"ProtectionsIndif", 0, 1},
      {"a three-file protection outline", &v3, fx::rectangle({0, 0, 0}, {10, 10, 0}).colour(14), L"ProtectionsIndif", 0, 1},
      {"a three-file protection text", &v3, texte, L"TxtProtecIndiff", 0, 4},
      {"a three-file protection text node", &v3, v3.noeudTexte({L"A"}, L"TxtProtecIndiff", 14), L"TxtProtecIndiff", 0, 4},
      {"a text on the one-file text level", &v3, texte, L"TxtFourreaux", 0x8000, 0},
      {"a text on the line level", &v3, texte, L"ProtectionsIndif", 0x8000, 0},
      {"a line of colour 6", &v3, fx::line({0, 0, 0}, {1000, 0, 0}).colour(6), L"ProtectionsIndif", 0x8000, 0},
      {"a line on ProtectionsBT", &v3, ligne, L"ProtectionsBT", 0x8000, 0},
      {"a one-file protection line", &v2, ligne, L"Fourreaux+Tub_", 0, 1},
      {"a one-file protection text", &v2, texte, L"TxtFourreaux", 0, 4},
      {"a one-file text on the three-file level", &v2, texte, L"TxtProtecIndiff", 0x8000, 0},
  };
  for (Cas& c : cas) c.id = c.f->ajouter(c.element, c.niveau);
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::uint32_t contenu = 0;
    const verplaninfo& plan = c.f->ouvrir();
    EXPECT_EQ(niv_texteProtection(&contenu, host::ElementHandle(c.id, plan.modeleTheme), plan), c.resultat);
    EXPECT_EQ(contenu, c.contenu);
    EXPECT_EQ(niv_texteProtection(nullptr, host::ElementHandle(c.id, plan.modeleTheme), plan), c.resultat);
    verplaninfo sansType = plan;
    sansType.type = 0;
    EXPECT_EQ(niv_texteProtection(nullptr, host::ElementHandle(c.id, plan.modeleTheme), sansType), 0x8000);
  }
  EXPECT_EQ(niv_texteProtection(nullptr, host::ElementHandle(999999, v3.modele()), v3.ouvrir()), 0x8000);

  for (const std::uint32_t type : {0u, 1u, 2u, 3u}) {
    verplaninfo plan;
    plan.type = type;
    versymbologie s;
    s.couleur = 5;
    niv_symbologieProtection(s, plan);
    versymbologie attendu;
    if (type == 1 || type == 2) {
      attendu.nomNiveau = type == 1 ? L"Fourreaux+Tub_" : L"ProtectionsIndif";
      attendu.epaisseur = type == 1 ? 2 : 4;
      attendu.couleur = 14;
    }
    EXPECT_EQ(s, attendu) << type;
  }
}

}  // namespace
