// The one-file rule book's data held against the standard: chain order, masks, cells, rows and
// children rows, typed here from the standard's tables (not derived from the data).
#include "standard/regle_v2_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "standard/niv_catalogues.h"

namespace {

std::wstring nomSlot(const regle_slotV2& s) { return std::wstring(niv_catalogueV2().at(s.slot)); }

const regle_slotV2& slotNomme(const std::wstring& nom) {
  for (const regle_slotV2& s : regle_chaineV2())
    if (nomSlot(s) == nom) return s;
  throw std::runtime_error("no slot");
}

TEST(RegleV2Table, ChainHoldsTheThirtySlotsInOrderAndLeavesTheOtherLevelsEmpty) {
  const std::vector<std::wstring> chaine = {
      L"Cart+habillage", L"TxtPropFdp",     L"PtConstruction", L"RaccordsVoies",    L"Topo1Limites",
      L"Topo2Bâtis",     L"Topo3Routes",    L"Topo4Divers",    L"SymbolesFixes",    L"Fourreaux+Tub_",
      L"TxtFourreaux",   L"CotesFourreaux", L"Drap+CoupeTranch", L"PTRC+Txt",       L"PTRL+Txt",
      L"RéseauBT",       L"TxtRéseauBT",    L"CotesRéseauBT",  L"RéseauHTA",        L"TxtRéseauHTA",
      L"CotesRéseauHTA", L"RéseauTLR",      L"TxtRéseauTLR",   L"CotesRéseauTLR",   L"RéseauEP",
      L"TxtRéseauEP",    L"CotesRéseauEP",  L"RéseauVDC",      L"TxtRéseauVDC",     L"CotesRéseauVDC"};
  const std::vector<int> masques = {53, 32, 1, 1, 20, 20, 20, 53, 1, 21, 32, 64, 1, 33, 33,
                                    5,  32, 64, 5, 32, 64, 5, 32, 64, 5, 32, 64, 5, 32, 64};
  ASSERT_EQ(regle_chaineV2().size(), chaine.size());
  std::set<std::wstring> dansLaChaine;
  for (std::size_t i = 0; i < chaine.size(); ++i) {
    EXPECT_EQ(nomSlot(regle_chaineV2()[i]), chaine[i]) << i;
    EXPECT_EQ(regle_chaineV2()[i].masque, masques[i]) << i;
    dansLaChaine.insert(nomSlot(regle_chaineV2()[i]));
  }
  EXPECT_EQ(dansLaChaine.size(), 30u) << "no slot twice";

  std::set<std::wstring> refuses = {
      L"TxtInvisible", L"PrjElecBT", L"PrjElecHTA", L"RéseauBP", L"TxtRéseauBP", L"PrjGazBP", L"CotesRéseauBP",
      L"RéseauMPB", L"TxtRéseauMPB", L"PrjGazMPB", L"CotesRéseauMPB", L"RéseauMPC", L"TxtRéseauMPC", L"PrjGazMPC",
      L"CotesRéseauMPC", L"RéseauPRC", L"TxtRéseauPRC", L"CotesRéseauPRC", L"PrjPtConstruct_", L"PrjCotation",
      L"PrjTopo1", L"PrjTopo2", L"PrjTopo3", L"PrjTopo4", L"PrjSymb+Drap+Com", L"PrjElecBTAérien",
      L"PrjElecHTAAérien", L"PrjAutresReseaux", L"Axe de voie", L"CanaBrancht", L"AccNonAffBranchtGaz",
      L"AccAffBranchtGaz", L"TxtBranchtGaz", L"AccNonAffBP", L"AccAffBP", L"AccNonAffMPB", L"AccAffMPB",
      L"AccNonAffMPC", L"AccAffMPC", L"RésIncertainPRC", L"CâblesTLCGaz", L"AccNonAffTLCGaz", L"AccAffTLCGaz",
      L"TxtCâblesTLCGaz", L"CotesRéseauTLC", L"RésIncertainTLCGaz", L"RéseauAbandonnéGaz"};
  ASSERT_EQ(refuses.size(), 47u);
  std::set<std::wstring> horsChaine;
  for (const std::wstring_view n : niv_catalogueV2())
    if (!dansLaChaine.count(std::wstring(n))) horsChaine.insert(std::wstring(n));
  EXPECT_EQ(horsChaine, refuses);
}

TEST(RegleV2Table, CellsAndRowsPerSlot) {
  const std::map<std::wstring, std::size_t> cellules = {
      {L"Cart+habillage", 8}, {L"Topo4Divers", 5},      {L"SymbolesFixes", 41}, {L"Fourreaux+Tub_", 6},
      {L"Drap+CoupeTranch", 12}, {L"RéseauBT", 6},     {L"RéseauHTA", 4},      {L"RéseauVDC", 9},
      {L"PtConstruction", 1}, {L"RaccordsVoies", 1},    {L"PTRC+Txt", 1},       {L"PTRL+Txt", 2},
      {L"RéseauTLR", 2},      {L"RéseauEP", 2}};
  for (const regle_slotV2& s : regle_chaineV2()) {
    const auto c = cellules.find(nomSlot(s));
    EXPECT_EQ(s.cellules.size(), c == cellules.end() ? 0u : c->second) << "slot " << s.slot;
    EXPECT_EQ(s.cellules.empty(), (s.masque & 1) == 0) << "a slot lists cells exactly when it accepts them";
  }
  const std::map<std::wstring, std::size_t> lignes = {
      {L"Cart+habillage", 3}, {L"Fourreaux+Tub_", 3}, {L"Topo3Routes", 2}, {L"TxtRéseauHTA", 6}};
  for (const auto& [nom, n] : lignes) EXPECT_EQ(slotNomme(nom).lignes.size(), n);
  // The network slots of mask 5: one accessory row for cells, then the cable rows for the rest.
  for (const auto& [nom, cables] : std::map<std::wstring, std::size_t>{
           {L"RéseauBT", 8}, {L"RéseauHTA", 16}, {L"RéseauTLR", 1}, {L"RéseauEP", 1}, {L"RéseauVDC", 1}}) {
    const regle_slotV2& s = slotNomme(nom);
    ASSERT_EQ(s.lignes.size(), 1 + cables);
    EXPECT_TRUE(regle_ligneEssayee(s.lignes[0], 2));
    for (const std::int32_t type : {3, 4, 12, 16}) EXPECT_FALSE(regle_ligneEssayee(s.lignes[0], type));
    for (std::size_t i = 1; i < s.lignes.size(); ++i) {
      EXPECT_FALSE(regle_ligneEssayee(s.lignes[i], 2));
      for (const std::int32_t type : {3, 4, 12, 16}) EXPECT_TRUE(regle_ligneEssayee(s.lignes[i], type));
    }
  }
}

TEST(RegleV2Table, ChildrenRows) {
  struct Enfants {
    std::wstring slot, cellule;
    std::vector<std::array<std::int32_t, 4>> lignes;  // type, colour, weight, line-style number
  };
  const std::vector<std::array<std::int32_t, 4>> ptrl = {{14, 0, 2, 0}, {4, 0, 0, 0}, {12, 0, 0, 0}};
  const Enfants cas[] = {
      {L"Cart+habillage", L"PTRLAS", {{14, 4, 2, 0}, {4, 0, 0, 0}, {12, 0, 0, 0}}},
      {L"Topo4Divers", L"SPIT", {{12, 4, 0, 0}, {12, 4, 0, 0}, {12, 4, 0, 0}, {12, 4, 0, 0}, {3, 4, 0, 0}, {17, 0, 0, 0}}},
      {L"PTRL+Txt", L"PTRL", ptrl},
      {L"PTRL+Txt", L"PTRLA", ptrl},
  };
  std::size_t avecEnfants = 0;
  for (const regle_slotV2& s : regle_chaineV2())
    for (const regle_celluleV2& c : s.cellules) avecEnfants += c.enfants.empty() ? 0 : 1;
  EXPECT_EQ(avecEnfants, 4u);
  for (const Enfants& e : cas) {
    const regle_slotV2& s = slotNomme(e.slot);
    const auto c = std::find_if(s.cellules.begin(), s.cellules.end(), [&](const auto& c) { return c.nom == e.cellule; });
    ASSERT_NE(c, s.cellules.end());
    ASSERT_EQ(c->enfants.size(), e.lignes.size());
    for (std::size_t i = 0; i < e.lignes.size(); ++i) {
      const regle_enfant& r = c->enfants[i];
      EXPECT_EQ((std::array<std::int32_t, 4>{r.type, r.couleur, r.epaisseur, r.style}), e.lignes[i]) << i;
    }
  }
}

// A row as the standard writes it, for the spot checks.
struct Ligne {
  std::wstring libelle;
  std::int32_t couleur, epaisseur, style;
  std::wstring nomStyle;
  bool petit = false;
  double echelleCellule = 0.0;
};

Ligne lire(const regle_ligne& l) {
  return {std::wstring(l.libelle), l.couleur, l.epaisseur, l.style, std::wstring(l.nomStyle),
          l.gabarit == regle_gabarit::petit, l.echelleCellule};
}

void attendreLigne(const std::wstring& slot, std::size_t indice, const Ligne& attendue) {
  SCOPED_TRACE(std::string(attendue.libelle.begin(), attendue.libelle.end()));
  const regle_slotV2& s = slotNomme(slot);
  ASSERT_LT(indice, s.lignes.size());
  const Ligne l = lire(s.lignes[indice]);
  EXPECT_EQ(l.libelle, attendue.libelle);
  EXPECT_EQ(l.couleur, attendue.couleur);
  EXPECT_EQ(l.epaisseur, attendue.epaisseur);
  EXPECT_EQ(l.style, attendue.style);
  EXPECT_EQ(l.nomStyle, attendue.nomStyle);
  EXPECT_EQ(l.petit, attendue.petit);
  EXPECT_DOUBLE_EQ(l.echelleCellule, attendue.echelleCellule);
}

TEST(RegleV2Table, SpotRowsAndCellsVerbatim) {
  attendreLigne(L"Cart+habillage", 0, {L"Habillage", 0, 0, 0, L"~", false, -1.0});
  attendreLigne(L"Cart+habillage", 1, {L"Texte PTRL source", 2, -1, -1, L"~", true});
  attendreLigne(L"Cart+habillage", 2, {L"Axe de voie facturée", 5, 0, -1, L"ST_FDP_AXEVOIE"});
  attendreLigne(L"RaccordsVoies", 0, {L"Raccord de voie", 0, 0, 0, L"~", false, 1.0});
  attendreLigne(L"Topo3Routes", 0, {L"Route", 5, 0, 1, L"~"});
  attendreLigne(L"Fourreaux+Tub_", 1, {L"Câble de mise à la terre", 6, 0, -1, L"ST_PROT_TERRE"});
  attendreLigne(L"Fourreaux+Tub_", 2, {L"Poste électricité", 14, 2, 0, L"~"});
  attendreLigne(L"PTRL+Txt", 0, {L"Texte PTRL", 0, 0, 0, L"~", true, -1.0});
  attendreLigne(L"RéseauBT", 6, {L"Câble Branchement Classe C", 7, 0, -1, L"ST_BRANCH_INC"});
  attendreLigne(L"RéseauBT", 7, {L"Câble BT abandonné", 0, 2, -1, L"ST_ABAND"});
  // Held as listed, weight 4, though the standard calls the sixteen cable rows "all weight 2".
  attendreLigne(L"RéseauHTA", 4, {L"Câble HTA abandonné", 0, 4, -1, L"ST_ABAND"});
  attendreLigne(L"RéseauHTA", 12, {L"Câble HTB 150KV Classe B", 63, 2, 3, L"~"});
  attendreLigne(L"TxtRéseauHTA", 5, {L"Texte HTB 200KV", 146, 0, 0, L"~"});
  attendreLigne(L"CotesRéseauVDC", 1, {L"Cote non levée VDC", 0, 0, 0, L"~", true});
  attendreLigne(L"RéseauVDC", 1, {L"Câble VDC", 7, 0, 4, L"~"});

  // The mask-4 row of Fourreaux+Tub_ is tried only for lines; the last one for all but cells.
  const regle_slotV2& f = slotNomme(L"Fourreaux+Tub_");
  EXPECT_TRUE(regle_ligneEssayee(f.lignes[1], 16));
  EXPECT_FALSE(regle_ligneEssayee(f.lignes[1], 6));
  EXPECT_TRUE(regle_ligneEssayee(f.lignes[2], 15));
  EXPECT_FALSE(regle_ligneEssayee(f.lignes[2], 2));
  const regle_slotV2& h = slotNomme(L"Cart+habillage");
  EXPECT_TRUE(regle_ligneEssayee(h.lignes[1], 7));
  EXPECT_FALSE(regle_ligneEssayee(h.lignes[1], 2));
  EXPECT_TRUE(regle_ligneEssayee(h.lignes[2], 15));
  EXPECT_FALSE(regle_ligneEssayee(h.lignes[2], 17));

  const std::map<std::pair<std::wstring, std::wstring>, std::wstring> libelles = {
      {{L"SymbolesFixes", L"GFCOFD"}, L"Coffret en facade avec détente et organe de coupure"},
      {{L"SymbolesFixes", L"ARBRE"}, L"Arbre"},
      {{L"SymbolesFixes", L"1RREMB"}, L"Coffret RemBT"},
      {{L"RéseauVDC", L"TERRE"}, L"Mise à la terre VDC"},
      {{L"Drap+CoupeTranch", L"DRAP10"}, L"Drapeau (9 entrées)"},
      {{L"Drap+CoupeTranch", L"COUPET"}, L"Coupe de tranchée"},
      {{L"PtConstruction", L"PT"}, L""},
      {{L"RaccordsVoies", L"RACRIV"}, L""},
      {{L"Cart+habillage", L"NORD"}, L"Flèche Nord"},
      {{L"RéseauBT", L"1BBSTB"}, L"Boîte sous trottoir Branchement"},
  };
  for (const auto& [cle, libelle] : libelles) {
    const regle_slotV2& s = slotNomme(cle.first);
    const auto c = std::find_if(s.cellules.begin(), s.cellules.end(), [&](const auto& c) { return c.nom == cle.second; });
    ASSERT_NE(c, s.cellules.end());
    EXPECT_EQ(std::wstring(c->libelle), libelle);
  }
  // The symbol cells in the standard's test order: first and last.
  const regle_slotV2& symboles = slotNomme(L"SymbolesFixes");
  EXPECT_EQ(symboles.cellules.front().nom, L"ARBRE");
  EXPECT_EQ(symboles.cellules.back().nom, L"GFCOFD");
  // The trench cut alone has a row of its own: anything, at cell scale 1.0.
  const regle_slotV2& d = slotNomme(L"Drap+CoupeTranch");
  ASSERT_EQ(d.cellules[0].lignes.size(), 1u);
  const Ligne coupe = lire(d.cellules[0].lignes[0]);
  EXPECT_EQ(coupe.couleur, -1);
  EXPECT_EQ(coupe.epaisseur, -1);
  EXPECT_EQ(coupe.style, -1);
  EXPECT_DOUBLE_EQ(coupe.echelleCellule, 1.0);
  for (std::size_t i = 1; i < d.cellules.size(); ++i) EXPECT_TRUE(d.cellules[i].lignes.empty());
}

TEST(RegleV2Table, LocalCells) {
  std::map<std::wstring, std::int32_t> attendues;
  for (int i = 1; i <= 14; ++i) attendues[L"CEL" + std::to_wstring(i)] = 4;
  for (const wchar_t* n : {L"EP1", L"EP2", L"TLR1", L"TLR2", L"VDC1", L"VDC2", L"PRC1", L"PRC2"}) attendues[n] = 7;
  std::map<std::wstring, std::int32_t> lues;
  for (const regle_celluleLocale& c : regle_cellulesLocalesV2()) lues[std::wstring(c.nom)] = c.couleur;
  EXPECT_EQ(lues, attendues);
}

}  // namespace
