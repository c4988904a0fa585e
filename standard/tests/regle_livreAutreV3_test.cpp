// The other-networks (AR2) rule book: its data against the standard (typed here, not taken from
// the data), one table of cases (level, type, symbology, cell and pairs in; code and category
// out), and the ARPTRL cell on a model.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "standard/element_table.h"
#include "standard/regle_livresV3.h"
#include "standard/tests/harnais_modele.h"
#include "standard/tests/harnais_regles.h"

namespace fx = host::fixture;

namespace {

const regle_slotV3& slotDe(std::wstring_view niveau) { return slotDuLivre(regle_livreAutreV3(), niveau); }

TEST(RegleLivreAutreV3, SlotsInTheirOrderWithTheirMasks) {
  constexpr std::uint32_t kTous = 0xFFFF, kTexte = 0;  // a text slot's pattern (T)
  const std::vector<std::pair<std::wstring_view, std::uint32_t>> attendus = {
      {L"CellulesEchanges", 1},  {L"Drap+TxtIndiffAut", 64 | 2 | 32}, {L"EncartsIndiffAut", kTous},
      {L"CâblesEP", 4},          {L"AccNonAfflEP", 1},                {L"AccAffEP", 1},
      {L"TxtCâblesEP", kTexte},  {L"TxtAccNonAffEP", 32},             {L"TxtAccAffEP", 32},
      {L"Cote+PtConstEP", 64},   {L"RésIncertainEP", 4 | 1},          {L"Encarts EP", kTous},
      {L"CâblesVDC", 4},         {L"AccNonAffVDC", 1},                {L"AccAffVDC", 1},
      {L"TxtCâblesVDC", kTexte}, {L"TxtAccNonAffVDC", 32},            {L"TxtAccAffVDC", 32},
      {L"Cote+PtConstVDC", 64},  {L"RésIncertainVDC", 4},             {L"Encarts VDC", kTous},
      {L"RéseauAbandonnéAut", 4 | 1 | 32 | 64}, {L"Cote+PtConsAbanAut", 96}, {L"SansContrôles", 117},
      {L"PTRC+TxtAut", 33},      {L"PTRL+TxtAut", 33},
  };
  const auto livre = regle_livreAutreV3();
  ASSERT_EQ(livre.size(), 26u);
  ASSERT_EQ(attendus.size(), 26u);
  for (std::size_t i = 0; i < livre.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(livre[i].niveau, attendus[i].first);
    EXPECT_EQ(masqueDuSlot(livre[i]), attendus[i].second);
    EXPECT_EQ(livre[i].genre, attendus[i].second == kTexte ? regle_genreV3::texte : regle_genreV3::branches);
  }
  std::vector<std::wstring_view> noms, catalogue(niv_catalogueAut().begin(), niv_catalogueAut().end());
  for (const regle_slotV3& s : livre) noms.push_back(s.niveau);
  std::ranges::sort(noms);
  std::ranges::sort(catalogue);
  EXPECT_EQ(noms, catalogue);
  using L = std::array<std::wstring_view, 4>;
  EXPECT_EQ(slotDe(L"TxtCâblesVDC").libelles, (L{L"Texte câble VDC", L"Annotation VDC", L"Flèche annotation VDC", L""}));
  EXPECT_EQ(slotDe(L"TxtCâblesEP").libelles, (L{L"Texte câble EP", L"Annotation EP", L"Flèche annotation EP", L""}));
}

TEST(RegleLivreAutreV3, CellsAndRowsOfTheSlots) {
  const std::map<std::wstring_view, std::size_t> nombres = {
      {L"AccNonAffVDC", 2}, {L"AccAffVDC", 6}, {L"RéseauAbandonnéAut", 14}, {L"AccNonAfflEP", 1},
      {L"AccAffEP", 1},     {L"CellulesEchanges", 2}, {L"PTRC+TxtAut", 1},  {L"PTRL+TxtAut", 1},
  };
  for (const auto& [niveau, n] : nombres) EXPECT_EQ(cellulesDuSlot(slotDe(niveau)).size(), n);
  using P = std::pair<std::wstring, std::wstring>;
  EXPECT_EQ(cellulesDuSlot(slotDe(L"AccAffVDC")).front(), (P{L"VRTELE", L"Téléalimentation VDC"}));
  EXPECT_EQ(cellulesDuSlot(slotDe(L"RéseauAbandonnéAut")).back(), (P{L"EAR2AB", L"Detail C2 abandonné"}));
  EXPECT_EQ(cellulesDuSlot(slotDe(L"PTRL+TxtAut")).front(), (P{L"ARPTRL", L"PTRL publié"}));
  EXPECT_EQ(slotDe(L"PTRL+TxtAut").branches[0].cellules[0].enfants.size(), 3u);
  EXPECT_EQ(slotDe(L"RéseauAbandonnéAut").branches[1].annotation, L"Annotation VDC abandonnée");

  EXPECT_EQ(lignesDuSlot(slotDe(L"RéseauAbandonnéAut"), 4).size(), 2u);
  const regle_ligne& l = lignesDuSlot(slotDe(L"Cote+PtConsAbanAut"), 96)[1];
  EXPECT_EQ(l.libelle, L"Cote non levée EP/VDC abandonnée");
  EXPECT_EQ((std::array{l.couleur, l.epaisseur, l.style}), (std::array{0, 0, 0}));
  EXPECT_EQ(l.gabarit, regle_gabarit::petit);
  EXPECT_TRUE(l.italique);
  const regle_ligne& s = lignesDuSlot(slotDe(L"SansContrôles"), 117)[0];
  EXPECT_EQ(s.libelle, L"Sans contrôle EP/VDC");
  EXPECT_EQ((std::array{s.couleur, s.epaisseur, s.style}), (std::array{0, -1, -1}));
  const regle_ligne& a = lignesDuSlot(slotDe(L"RéseauAbandonnéAut"), 1)[0];
  EXPECT_EQ(a.libelle, L"Accessoire EP/VDC abandonné");
  EXPECT_EQ(a.nomStyle, L"");
  const regle_ligne& d = lignesDuSlot(slotDe(L"Drap+TxtIndiffAut"), 2)[0];
  EXPECT_EQ(d.libelle, L"");
  EXPECT_DOUBLE_EQ(d.echelleCellule, -1.0);
}

TEST(RegleLivreAutreV3, EdgeCases) {
  const CasRegle cas[] = {
      {"ARPTRC at 1:500", {L"PTRC+TxtAut", 2, 0, 0, 0, L"~", 0, L"ARPTRC", 5.0}, false, 2, 0, L"PTRC"},
      {"ARPTRC at 2.0 at 1:500", {L"PTRC+TxtAut", 2, 0, 0, 0, L"~", 0, L"ARPTRC", 2.0}, false, 2, 2042, L"PTRC"},
      {"ERPTRC on the other-networks file", {L"PTRC+TxtAut", 2, 0, 0, 0, L"~", 0, L"ERPTRC", 2.0}, false, 1, 2041, L""},
      {"raised EP dimension", {L"Cote+PtConstEP", 33, 7, 0, 0}, false, 1, 0, L"Cote levée EP"},
      {"EP dimension of colour 0: the italic row", {L"Cote+PtConstEP", 33, 0, 0, 0}, false, 1, 0, L"Cote non levée EP"},
      {"cell on RésIncertainEP", {L"RésIncertainEP", 2, 9, 9, 9, L"~", 0, L"XYZ", 7.0}, false, 1, 0, L"Encart EP"},
      {"cell on RésIncertainVDC", {L"RésIncertainVDC", 2, 7, 0, 0, L"~", 0, L"XYZ", 2.0}, false, 1, 2032, L""},
      {"uncertain EP cable", {L"RésIncertainEP", 4, 7, 0, 100, L"ST_EP_INC", 2.0}, false, 1, 0, L"Câble EP incertain"},
      {"unpaired cell on TxtCâblesEP", {L"TxtCâblesEP", 2, 7, 0, 0, L"~", 0, L""}, false, 1, 2032, L""},
      {"paired cell on TxtCâblesEP", {L"TxtCâblesEP", 2, 7, 0, 0, L"~", 0, L""}, true, 1, 0, L"Annotation EP"},
      {"paired cell on TxtCâblesEP of colour 3: the row is compared", {L"TxtCâblesEP", 2, 3, 0, 0, L"~", 0, L""}, true, 1, 2033, L"Annotation EP"},
      {"line on TxtCâblesVDC", {L"TxtCâblesVDC", 3, 7}, false, 1, 2032, L""},
      {"text on TxtCâblesVDC", {L"TxtCâblesVDC", 17, 7}, false, 1, 0, L"Texte câble VDC"},
      {"VRTERR on AccAffVDC", {L"AccAffVDC", 2, 7, 0, 0, L"~", 0, L"VRTERR", 2.0}, false, 1, 2041, L""},
      {"VRTERR on AccNonAffVDC", {L"AccNonAffVDC", 2, 7, 0, 0, L"~", 0, L"VRTERR", 2.0}, false, 1, 0, L"Mise à la terre VDC"},
      {"VRTELE", {L"AccAffVDC", 2, 7, 0, 0, L"~", 0, L"VRTELE", 2.0}, false, 1, 0, L"Téléalimentation VDC"},
      {"ERJONC", {L"AccNonAfflEP", 2, 7, 0, 0, L"~", 0, L"ERJONC", 2.0}, false, 1, 0, L"Jonction EP"},
      {"EP cable", {L"CâblesEP", 4, 7, 0, 100, L"ST_EP", 2.0}, false, 1, 0, L"Câble EP"},
      {"VDC cable in the EP style", {L"CâblesVDC", 4, 7, 0, 100, L"ST_EP", 2.0}, false, 1, 2034, L"Câble VDC"},
      {"dimension on Drap+TxtIndiffAut", {L"Drap+TxtIndiffAut", 33}, false, 1, 0, L"Flèche annotation indiff."},
      {"text on Drap+TxtIndiffAut", {L"Drap+TxtIndiffAut", 17, 3}, false, 1, 2033, L"Texte indifférencié"},
      {"cell on Drap+TxtIndiffAut", {L"Drap+TxtIndiffAut", 2, 0, 0, 0, L"~", 0, L""}, true, 1, 2032, L""},
      {"DRAP3 on Drap+TxtIndiffAut", {L"Drap+TxtIndiffAut", 2, 0, 0, 0, L"~", 0, L"DRAP3", 2.0}, false, 1, 0, L"Drapeau 2 entrées (Indifférencié)"},
      {"IDAUT", {L"CellulesEchanges", 2, 0, 0, 0, L"~", 0, L"IDAUT", 2.0}, false, 1, 0, L"Cartouche - IDAUT"},
      {"text on the exchange level", {L"CellulesEchanges", 17}, false, 1, 2032, L""},
      {"EAR2AB", {L"RéseauAbandonnéAut", 2, 0, 0, 0, L"~", 0, L"EAR2AB", 2.0}, false, 1, 0, L"Detail C2 abandonné"},
      {"EACO of the electricity file", {L"RéseauAbandonnéAut", 2, 0, 0, 0, L"~", 0, L"EACO", 2.0}, false, 1, 2041, L""},
      {"paired cell on RéseauAbandonnéAut", {L"RéseauAbandonnéAut", 2, 0, 0, 0, L"~", 0, L""}, true, 1, 0, L"Annotation VDC abandonnée"},
      {"cut line", {L"RéseauAbandonnéAut", 3, 0, 5, 0}, false, 1, 0, L"Trait de coupe abandonnée"},
      {"abandoned dimension", {L"RéseauAbandonnéAut", 33, 0, 0, 0}, false, 1, 0, L"Flèche annotation EP/VDC abandonnée"},
      {"text on Cote+PtConsAbanAut in ITALICS", {L"Cote+PtConsAbanAut", 17, 0, 0, 0, L"~", 0, L"~", 0, L"ITALICS"}, false, 1, 0, L"Cote non levée EP/VDC abandonnée"},
      {"italic text at 1:500 of 1:200 sizes", {L"Cote+PtConsAbanAut", 17, 0, 0, 0, L"~", 0, L"~", 0, L"ITALICS"}, false, 2, 2052, L"Cote non levée EP/VDC abandonnée"},
      {"cell on SansContrôles", {L"SansContrôles", 2, 0, 9, 9, L"~", 0, L"XYZ"}, false, 1, 0, L"Sans contrôle EP/VDC"},
      {"curve on SansContrôles", {L"SansContrôles", 11}, false, 1, 2032, L""},
      {"PTRL text", {L"PTRL+TxtAut", 17}, false, 1, 0, L"Texte PTRL"},
      {"ERPTA on PTRL+TxtAut", {L"PTRL+TxtAut", 2, 0, 0, 0, L"~", 0, L"ERPTA", 2.0}, false, 1, 2041, L""},
      {"anything on Encarts VDC", {L"Encarts VDC", 35, 1, 1, 1}, false, 1, 0, L"Encart VDC"},
      {"a level of the electricity catalogue", {L"CâblesBT", 3}, false, 1, 2031, L""},
  };
  verifierCasRegle<verniveauxaut>(cas, niv_catalogueAut(), regle_classerElementAutreV3);
}

TEST(RegleLivreAutreV3, TheARPTRLCellHasItsComponentsChecked) {
  host::resetModels();
  fx::DesignBuilder b;
  plan_fixture::definirNiveaux(b, L"plan.AR2");
  const host::LevelId ptrl = *b.file().levelId(L"PTRL+TxtAut");
  const host::Point3d o{0, 0, 0}, p{1000, 0, 0}, q{1000, 1000, 0};
  auto forme = [&] { return fx::complexShape({fx::line(o, p), fx::lineString({p, q, o})}).weight(2); };
  auto trait = [&] { return fx::lineString({o, p, q}); };
  auto chaine = [&] { return fx::chain({fx::line(o, p), fx::line(p, q)}); };
  auto cellule = [&](std::vector<fx::Spec> enfants) { return b.add(fx::cell(L"ARPTRL", o, std::move(enfants)).level(ptrl)); };
  const struct {
    const char* pourquoi;
    host::ElementId id;
    std::uint32_t code;
  } cas[] = {
      {"the three components", cellule({forme(), trait(), chaine()}), 0},
      {"the line string and the chain swapped", cellule({forme(), chaine(), trait()}), 2043},
      {"a fourth component", cellule({forme(), trait(), chaine(), chaine()}), 2043},
      {"the shape of weight 0", cellule({fx::complexShape({fx::line(o, p), fx::lineString({p, q, o})}), trait(), chaine()}), 2043},
  };
  ModeleOuvert ouvert(b, L"plan.AR2");
  verfichier f;
  f.modele = ouvert.modele();
  f.role = roleAutres;
  element_construireTable(f);
  verniveauxaut niveaux;
  niv_tableAutreV3(niveaux, f.modele);
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verelement e = f.elements.at(static_cast<std::size_t>(element_rechercherParId(f.elements, c.id)));
    regle_classerElementAutreV3(e, niveaux, {}, 1, f);
    EXPECT_EQ(e.codeErreur, c.code);
    EXPECT_EQ(e.categorie, L"PTRL publié");
  }
}

}  // namespace
