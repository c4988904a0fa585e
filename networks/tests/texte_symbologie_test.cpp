// Texts of network groups against their symbology: the word read, the texts compared and the
// texts left alone.
#include "networks/texte_symbologie.h"

#include <gtest/gtest.h>

namespace {

TEST(TexteSymbologie, TheWordReadAgainstTheTextsNetwork) {
  const struct {
    const char* pourquoi;
    std::wstring texte;
    std::uint32_t reseau;  // of the text's level and symbology
    bool erreur;
    std::uint32_t nature = natureLignes, utilisable = 1, etat = 1024, controle = 2;
    bool dansTable = true, aControler = true;
  } cas[] = {
      {"HTA words on a BT level", L"HTA 3x150", 2, true},
      {"HTA words on an HTA level", L"HTA 3x150", 4, false},
      {"HTB names HTA", L"HTB 20 kV", 2, true},
      {"the comparison keeps case", L"bt 3x150", 4, false},
      {"BT words on an HTA level", L"BT 3x150", 4, true},
      {"a word beginning with BT", L"BTA", 4, true},
      {"NS then a value: the third word", L"NS 120 BT", 4, true},
      {"NS then too short a value: the second word", L"NS 12 BT", 4, false},
      {"NS then the network", L"NS BT", 4, true},
      {"NS alone", L"NS", 4, false},
      {"NI then a value", L"NI 150 HTA", 2, true},
      {"NI then no value", L"NI 3x150 HTA", 2, false},
      {"ns keeps case", L"ns BT", 2, false},
      {"a leading blank: an empty first word", L" HTA", 2, false},
      {"an empty text", L"", 2, false},
      {"a long text", L"HTA " + std::wstring(10000, L'x'), 2, true},
      {"a prefix exempts, without case", L"ex-HTA 3x150", 2, false},
      {"a network other than BT and HTA", L"HTA", 8, false},
      {"no network", L"HTA", 0, false},
      {"a flag's text", L"HTA", 2, true, natureDrapeauSimple},
      {"a differentiated flag's text", L"HTA", 2, true, natureDrapeauDifferencie},
      {"a group turned to nature 0", L"HTA", 2, false, natureIndecise},
      {"a cell's group", L"HTA", 2, false, natureCellule},
      {"a dimension's group", L"HTA", 2, false, natureCote},
      {"a protection group", L"HTA", 2, false, natureProtection},
      {"a value text", L"HTA", 2, false, natureLignes, 2},
      {"an abandoned text", L"HTA", 2, false, natureLignes, 1, 8},
      {"an unchanged text", L"HTA", 2, false, natureLignes, 1, 1024, 1},
      {"a text marked by the cable check", L"HTA", 2, true, natureLignes, 1, 1024, 3},
      {"a text the table lacks", L"HTA", 2, false, natureLignes, 1, 1024, 2, false},
      {"a group not examined", L"HTA", 2, false, natureLignes, 1, 1024, 2, true, false},
  };
  vercontexte contexte;
  contexte.prefixesTexte = {L"", L"EX-"};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verdrapeau d;
    d.groupe = 12;
    d.nature = c.nature;
    d.aControler = c.aControler ? 1 : 0;
    vertextereseau t;
    t.element = 77;
    t.reseau = c.reseau;
    t.utilisable = c.utilisable;
    t.texte = c.texte;
    t.etat = c.etat;
    d.textes = {t};
    verfichier fichier;
    fichier.chemin = L"/LIVRE/PLAN.EL2";
    for (const std::uint64_t id : {std::uint64_t{5}, std::uint64_t{77}, std::uint64_t{90}}) {
      if (id == 77 && !c.dansTable) continue;
      verelement e;
      e.idElement = id;
      e.symbologie.type = 17;
      e.etatControle = c.controle;
      e.categorie = L"Texte";
      fichier.elements.push_back(e);
    }
    std::vector<vererreur> erreurs;
    ctrl_texteSymbologie(erreurs, contexte, {d}, fichier);
    ASSERT_EQ(erreurs.size(), c.erreur ? 1u : 0u);
    if (!c.erreur) continue;
    EXPECT_EQ(erreurs[0].code, 2112u);
    EXPECT_EQ(erreurs[0].fichier, L"PLAN.EL2");
    EXPECT_EQ(erreurs[0].idElement, 77u);
    EXPECT_EQ(erreurs[0].extra, 17u);
    EXPECT_EQ(erreurs[0].complement, c.texte);
    EXPECT_TRUE(erreurs[0].objet.empty());
    EXPECT_FALSE(erreurs[0].aPosition);
  }
}

TEST(TexteSymbologie, AnEmptyPrefixListExemptsNothing) {
  verdrapeau d;
  d.nature = natureLignes;
  d.aControler = 1;
  vertextereseau t;
  t.element = 3;
  t.reseau = 4;
  t.utilisable = 1;
  t.texte = L"BT 3x150";
  d.textes = {t, t};
  d.textes[1].element = 4;
  verfichier fichier;
  for (const std::uint64_t id : {3, 4}) {
    verelement e;
    e.idElement = id;
    e.etatControle = 2;
    fichier.elements.push_back(e);
  }
  std::vector<vererreur> erreurs;
  ctrl_texteSymbologie(erreurs, vercontexte(), {d}, fichier);
  ASSERT_EQ(erreurs.size(), 2u);
  EXPECT_EQ(erreurs[1].idElement, 4u);
}

}  // namespace
