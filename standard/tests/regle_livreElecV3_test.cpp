// The electricity (EL2) rule book: its data against the standard (typed here, not taken from the
// data), one table of cases (level, type, symbology, cell and pairs in; code and category out),
// the PTRL cells on a model, and elements of every kind on every slot.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "standard/element_table.h"
#include "standard/regle_livresV3.h"
#include "standard/tests/harnais_modele.h"
#include "standard/tests/harnais_regles.h"

namespace fx = host::fixture;

namespace {

using enum regle_genreV3;

const regle_slotV3& slotDe(std::wstring_view niveau) { return slotDuLivre(regle_livreElecV3(), niveau); }

// A slot as the standard writes it: its kind, the types its branches admit (B), the raised
// row's colour (D).
struct SlotAttendu {
  std::wstring_view niveau;
  regle_genreV3 genre;
  std::uint32_t masque = 0;
  std::int32_t couleur = 0;
};

constexpr std::uint32_t kTous = 0xFFFF;
constexpr regle_genreV3 B = branches, T = texte, D = cotation;

TEST(RegleLivreElecV3, SlotsInTheirOrderWithTheirKindsAndMasks) {
  const std::vector<SlotAttendu> attendus = {
      // Orders 1 to 31
      {L"CellulesEchanges", B, 33}, {L"Drap+TxtIndiffEle", T}, {L"EncartsIndiffEle", B, kTous},
      {L"EmprisesRésIndif", B, 20 | 64}, {L"CâblesBrancht", B, 4}, {L"AccNonAffBranchtEle", B, 1},
      {L"AccAffBranchtEle", B, 1}, {L"TxtBranchtEle", T}, {L"TxtAccNonAffBrtEle", T}, {L"TxtAccAffBrtEle", T},
      {L"Cote+PtConstBrtEle", D, 0, 7}, {L"CâblesBT", B, 4}, {L"AccNonAffBT", B, 1}, {L"AccAffBT", B, 1},
      {L"TxtCâblesBT", T}, {L"TxtAccNonAffBT", T}, {L"TxtAccAffBT", T}, {L"Cote+PtConstBT", D, 0, 7},
      {L"RésIncertainBT", B, 4}, {L"EncartsBT", B, kTous}, {L"FouillesBT", B, 20 | 64}, {L"CâblesHTA", B, 4},
      {L"AccNonAffHTA", B, 1}, {L"AccAffHTA", B, 1}, {L"TxtCâblesHTA", B, 32 | 1 | 64 | 2}, {L"TxtAccNonAffHTA", T},
      {L"TxtAccAffHTA", T}, {L"Cote+PtConstHTA", D, 0, 3}, {L"RésIncertainHTA", B, 4}, {L"EncartsHTA", B, kTous},
      {L"FouillesHTA", B, 20 | 64},
      // Orders 32 to 63
      {L"CâblesTLCEle", B, 4}, {L"AccNonAffTLCEle", B, 1}, {L"AccAffTLCEle", B, 1}, {L"TxtCâblesTLCEle", T},
      {L"TxtAccNonAffTLCEle", T}, {L"TxtAccAffTLCEle", T}, {L"Cote+PtConstTLCEle", D, 0, 7},
      {L"RésIncertainTLCEle", B, 4}, {L"EncartsTLCEle", B, kTous}, {L"CâblesTLR", B, 4}, {L"AccNonAffTLR", B, 1},
      {L"AccAffTLR", B, 1}, {L"TxtCâblesTLR", T}, {L"TxtAccNonAffTLR", T}, {L"TxtAccAffTLR", T},
      {L"Cote+PtConstTLR", D, 0, 7}, {L"RésIncertainTLR", B, 4}, {L"EncartsTLR", B, kTous},
      {L"ProtectionsIndif", B, 20}, {L"CoteProtecIndiff", D, 0, 6}, {L"TxtProtecIndiff", T},
      {L"RéseauAbandonnéEle", B, 4 | 1 | 32 | 64}, {L"Cote+PtConsAbanEle", B, 96}, {L"ProtectionsBT", B, 20},
      {L"CoteProtecBT", D, 0, 6}, {L"TxtProtecBT", T}, {L"ProtectionsHTA", B, 20}, {L"CoteProtecHTA", D, 0, 6},
      {L"TxtProtecHTA", T}, {L"SansContrôles", B, 117}, {L"PTRC+TxtEle", B, 33}, {L"PTRL+TxtEle", B, 33},
  };
  const auto livre = regle_livreElecV3();
  ASSERT_EQ(livre.size(), 63u);
  ASSERT_EQ(attendus.size(), 63u);
  for (std::size_t i = 0; i < livre.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(livre[i].niveau, attendus[i].niveau);
    EXPECT_EQ(livre[i].genre, attendus[i].genre);
    EXPECT_EQ(masqueDuSlot(livre[i]), attendus[i].masque);
    if (attendus[i].genre == D) {
      EXPECT_EQ(livre[i].couleur, attendus[i].couleur);
    }
  }
  // Every level of the catalogue exactly once.
  std::vector<std::wstring_view> noms, catalogue(niv_catalogueEle().begin(), niv_catalogueEle().end());
  for (const regle_slotV3& s : livre) noms.push_back(s.niveau);
  std::ranges::sort(noms);
  std::ranges::sort(catalogue);
  EXPECT_EQ(noms, catalogue);
}

TEST(RegleLivreElecV3, PatternLabelsAndProtectionMasks) {
  using L = std::array<std::wstring_view, 4>;
  EXPECT_EQ(slotDe(L"Drap+TxtIndiffEle").libelles,
            (L{L"Texte indifférencié", L"Annotation indifférenciée", L"Flèche annotation indiff.", L"Trait de drapeau"}));
  EXPECT_EQ(slotDe(L"TxtCâblesBT").libelles,
            (L{L"Texte câble BT", L"Annotation BT", L"Flèche annotation BT", L"Trait de rappel Drapeau BT"}));
  EXPECT_EQ(slotDe(L"TxtProtecHTA").libelles,
            (L{L"Texte protection HTA", L"Annotation protection HTA", L"Flèche annotation protection HTA", L""}));
  EXPECT_EQ(slotDe(L"CoteProtecIndiff").libelles,
            (L{L"Cote levée protection indifférenciée", L"Cote non levée protection indifférenciée", L"", L""}));
  EXPECT_EQ(slotDe(L"Cote+PtConstBrtEle").libelles,
            (L{L"Cote levée Branchement", L"Cote non levée Branchement", L"", L""}));
  // Protections: mask 4 for "ST_PROT_TERRE" exactly, else 20.
  for (const std::wstring_view niveau : {L"ProtectionsIndif", L"ProtectionsBT", L"ProtectionsHTA"}) {
    const auto& b = slotDe(niveau).branches;
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].masque, 4);
    EXPECT_EQ(b[0].siStyle, regle_siStyle::egal);
    EXPECT_EQ(b[0].nomStyle, L"ST_PROT_TERRE");
    EXPECT_EQ(b[1].masque, 20);
    EXPECT_EQ(b[1].siStyle, regle_siStyle::different);
    EXPECT_EQ(b[1].nomStyle, L"ST_PROT_TERRE");
  }
}

TEST(RegleLivreElecV3, CellsOfTheSlots) {
  const std::map<std::wstring_view, std::size_t> nombres = {
      {L"AccNonAffBranchtEle", 5}, {L"AccAffBranchtEle", 5}, {L"AccNonAffBT", 5}, {L"AccAffBT", 5},
      {L"AccNonAffHTA", 5},        {L"AccAffHTA", 2},        {L"RéseauAbandonnéEle", 18},
      {L"CellulesEchanges", 3},    {L"PTRL+TxtEle", 2},      {L"PTRC+TxtEle", 1},
  };
  for (const auto& [niveau, n] : nombres) EXPECT_EQ(cellulesDuSlot(slotDe(niveau)).size(), n);
  using P = std::pair<std::wstring, std::wstring>;
  EXPECT_EQ(cellulesDuSlot(slotDe(L"RéseauAbandonnéEle")).back(), (P{L"EAR2AB", L"Detail C2 abandonné"}));
  EXPECT_EQ(cellulesDuSlot(slotDe(L"RéseauAbandonnéEle")).at(5), (P{L"1AREMB", L"REMBT abandonnée"}));
  EXPECT_EQ(cellulesDuSlot(slotDe(L"AccAffBranchtEle")).at(1), (P{L"1BBSTB", L"Boite sous trottoir Branchement"}));
  EXPECT_EQ(cellulesDuSlot(slotDe(L"CellulesEchanges")),
            (std::vector<P>{{L"IDFICH", L"Cartouche - %s"}, {L"IDELE", L"Cartouche - %s"}, {L"ERPTAS", L"PTRL source"}}));
  EXPECT_EQ(cellulesDuSlot(slotDe(L"PTRL+TxtEle")),
            (std::vector<P>{{L"ERPTRL", L"PTRL stock"}, {L"ERPTA", L"PTRL publié"}}));
  EXPECT_EQ(slotDe(L"RéseauAbandonnéEle").branches[1].annotation, L"Annotation Elec abandonnée");
}

TEST(RegleLivreElecV3, RowsOfTheSlots) {
  const struct {
    std::wstring_view niveau;
    std::uint8_t masque;
    std::size_t n;
  } nombres[] = {
      {L"CâblesBT", 4, 4},           {L"CâblesHTA", 4, 12},       {L"RésIncertainHTA", 4, 6},
      {L"TxtCâblesHTA", 32, 5},      {L"ProtectionsIndif", 20, 12}, {L"ProtectionsBT", 20, 11},
      {L"ProtectionsHTA", 4, 11},    {L"RéseauAbandonnéEle", 4, 5}, {L"CâblesBrancht", 4, 3},
      {L"TxtProtecIndiff", 0, 2},    {L"Cote+PtConsAbanEle", 96, 2},
  };
  for (const auto& c : nombres) EXPECT_EQ(lignesDuSlot(slotDe(c.niveau), c.masque).size(), c.n) << c.n;

  auto verbatim = [](const regle_ligne& l, std::wstring_view libelle, std::int32_t couleur, std::int32_t epaisseur,
                     std::int32_t style, std::wstring_view nomStyle, regle_gabarit gabarit = regle_gabarit::simple,
                     double echelle = 0.0, bool italique = false) {
    SCOPED_TRACE(std::string(libelle.begin(), libelle.end()));
    EXPECT_EQ(l.libelle, libelle);
    EXPECT_EQ(l.couleur, couleur);
    EXPECT_EQ(l.epaisseur, epaisseur);
    EXPECT_EQ(l.style, style);
    EXPECT_EQ(l.nomStyle, nomStyle);
    EXPECT_EQ(l.gabarit, gabarit);
    EXPECT_DOUBLE_EQ(l.echelleCellule, echelle);
    EXPECT_EQ(l.italique, italique);
  };
  using enum regle_gabarit;
  verbatim(lignesDuSlot(slotDe(L"CâblesHTA"), 4)[7], L"Câble HTB 90KV Classe B", 38, 4, -1, L"ST_HTA");
  verbatim(lignesDuSlot(slotDe(L"RésIncertainBT"), 4)[1], L"Câble BT nappe inférieure Classe C", 7, 2, -1, L"ST_BT_NI_INC");
  verbatim(lignesDuSlot(slotDe(L"ProtectionsHTA"), 20)[10], L"Plaque verticale HTA", 6, 8, -1, L"ST_PROT_PLAQV");
  verbatim(lignesDuSlot(slotDe(L"ProtectionsIndif"), 20)[1], L"Poste", 14, 4, 0, L"~");
  verbatim(lignesDuSlot(slotDe(L"ProtectionsIndif"), 20)[10], L"Plaque dessus câble indifférenciée", 6, 0, 0, L"~");
  verbatim(lignesDuSlot(slotDe(L"RéseauAbandonnéEle"), 4)[3], L"Câble abandonné Terre", 0, 0, -1, L"ST_PROT_TERRE");
  verbatim(lignesDuSlot(slotDe(L"RéseauAbandonnéEle"), 1)[0], L"Accessoire abandonné", 0, 0, 0, L"");
  verbatim(lignesDuSlot(slotDe(L"RésIncertainTLCEle"), 4)[0], L"Câble TLC incertain", 7, 0, -1, L"ST_TLC_E_INC");
  verbatim(lignesDuSlot(slotDe(L"CellulesEchanges"), 32)[0], L"Texte PTRL source", 2, 0, -1, L"~", petit, -1.0);
  verbatim(lignesDuSlot(slotDe(L"CellulesEchanges"), 1)[0], L"Cartouche", 0, 0, -1, L"~", simple, -1.0);
  verbatim(lignesDuSlot(slotDe(L"FouillesHTA"), 64)[1], L"Cote non levée fouille HTA", 0, 0, 0, L"~", petit, 0.0, true);
  verbatim(lignesDuSlot(slotDe(L"Cote+PtConsAbanEle"), 96)[1], L"Cote non levée abandonnée", 0, 0, 0, L"~", petit, 0.0, true);
  verbatim(lignesDuSlot(slotDe(L"PTRC+TxtEle"), 33)[0], L"PTRC", 0, 0, 0, L"~", petit, -1.0);
  verbatim(lignesDuSlot(slotDe(L"PTRL+TxtEle"), 33)[0], L"Texte PTRL", 0, 0, 0, L"~", petit, -1.0);
  verbatim(lignesDuSlot(slotDe(L"SansContrôles"), 117)[0], L"Sans contrôle", 0, -1, -1, L"~");
  verbatim(lignesDuSlot(slotDe(L"TxtCâblesHTA"), 32)[4], L"Texte câble HTB 200KV", 146, 0, 0, L"~");
  verbatim(lignesDuSlot(slotDe(L"TxtProtecIndiff"), 0)[1], L"Texte poste", 14, 0, 0, L"~");
  verbatim(lignesDuSlot(slotDe(L"CâblesBrancht"), 4)[2], L"Câble Branchement Classe C", 7, 0, -1, L"ST_BT_BRANCH_INC");
}

TEST(RegleLivreElecV3, EdgeCases) {
  const CasRegle cas[] = {
      // Service connections, BT, HTA
      {"HTB 90KV cable of style ST_HTA", {L"CâblesHTA", 4, 38, 4, 100, L"ST_HTA", 2.0}, false, 1, 0, L"Câble HTB 90KV Classe B"},
      {"BT cable styled ST_HTA: the first row stays", {L"CâblesBT", 4, 7, 2, 100, L"ST_HTA", 2.0}, false, 1, 2034, L"Câble BT Classe A"},
      {"BT cable at style scale 1.0", {L"CâblesBT", 4, 7, 2, 100, L"ST_BT_CLA_V3", 1.0}, false, 1, 2035, L"Câble BT Classe A"},
      {"BT cable at 1:500", {L"CâblesBT", 4, 7, 2, 100, L"ST_BT_NI", 5.0}, false, 2, 0, L"Câble BT nappe inférieure Classe B"},
      {"BT cable of weight 0", {L"CâblesBT", 3, 7, 0, 100, L"ST_BT_CLA_V3", 2.0}, false, 1, 2037, L"Câble BT Classe A"},
      {"service cable of style number 0", {L"CâblesBrancht", 4, 7, 0, 0}, false, 1, 0, L"Câble Branchement Classe B"},
      {"service arc: the style name is not compared on arcs", {L"CâblesBrancht", 16, 7, 0, 0}, false, 1, 0, L"Câble Branchement Classe A"},
      {"shape on CâblesBT", {L"CâblesBT", 6, 7, 2, 0}, false, 1, 2032, L""},
      {"raised dimension on Cote+PtConstBT", {L"Cote+PtConstBT", 33, 7}, false, 1, 0, L"Cote levée BT"},
      {"dimension of colour 0: the italic row", {L"Cote+PtConstBT", 33, 0}, false, 1, 0, L"Cote non levée BT"},
      {"dimension of colour 5: the raised row stays", {L"Cote+PtConstHTA", 33, 5}, false, 1, 2033, L"Cote levée HTA"},
      {"text on a dimension level", {L"Cote+PtConstBrtEle", 17, 7}, false, 1, 2032, L""},
      {"ERPTAS is not compared without its components", {L"CellulesEchanges", 2, 0, 0, 0, L"~", 0, L"ERPTAS", 2.0}, false, 1, 2043, L"PTRL source"},
      {"text on CellulesEchanges at 1:500", {L"CellulesEchanges", 17, 2, 0, 5, L"~", 0, L"~", 0, L"INTL_ENGINEERING", 1.0, 0.7}, false, 2, 0, L"Texte PTRL source"},
      {"text on CellulesEchanges in another font", {L"CellulesEchanges", 17, 2, 0, 0, L"~", 0, L"~", 0, L"WORKING"}, false, 1, 2051, L"Texte PTRL source"},
      {"line on CellulesEchanges", {L"CellulesEchanges", 3}, false, 1, 2032, L""},
      {"IDELE", {L"CellulesEchanges", 2, 0, 0, 0, L"~", 0, L"IDELE", 5.0}, false, 2, 0, L"Cartouche - IDELE"},
      {"IDAUT on the electricity file", {L"CellulesEchanges", 2, 0, 0, 0, L"~", 0, L"IDAUT", 2.0}, false, 1, 2041, L""},
      {"unpaired cell on TxtCâblesBT", {L"TxtCâblesBT", 2, 7, 0, 0, L"~", 0, L""}, false, 1, 2032, L""},
      {"paired cell on TxtCâblesBT", {L"TxtCâblesBT", 2, 7, 0, 0, L"~", 0, L""}, true, 1, 0, L"Annotation BT"},
      {"text on TxtCâblesBT", {L"TxtCâblesBT", 17, 7}, false, 1, 0, L"Texte câble BT"},
      {"text on TxtCâblesBT of colour 3", {L"TxtCâblesBT", 17, 3}, false, 1, 2033, L"Texte câble BT"},
      {"line on TxtCâblesBT", {L"TxtCâblesBT", 4, 7}, false, 1, 0, L"Trait de rappel Drapeau BT"},
      {"arc on TxtCâblesBT (mask 2)", {L"TxtCâblesBT", 16, 7}, false, 1, 2032, L""},
      {"line on TxtAccAffBT (three labels)", {L"TxtAccAffBT", 3, 7}, false, 1, 2032, L""},
      {"dimension on TxtAccAffBT", {L"TxtAccAffBT", 33, 7}, false, 1, 0, L"Flèche annotation accessoire affleurant BT"},
      {"DRAP3 on TxtCâblesBT: the common cells", {L"TxtCâblesBT", 2, 7, 0, 0, L"~", 0, L"DRAP3", 2.0}, false, 1, 0, L"Drapeau 2 entrées (BT)"},
      {"DRAP on TxtCâblesBT: the slot", {L"TxtCâblesBT", 2, 7, 0, 0, L"~", 0, L"DRAP", 2.0}, false, 1, 2032, L""},
      {"1RCO on AccNonAffBT", {L"AccNonAffBT", 2, 7, 0, 0, L"~", 0, L"1RCO", 2.0}, false, 1, 2041, L""},
      {"1RJONC", {L"AccNonAffBT", 2, 7, 0, 3, L"~", 0, L"1RJONC", 2.0}, false, 1, 0, L"Jonction BT"},
      {"1RJONC of colour 3", {L"AccNonAffBT", 2, 3, 0, 3, L"~", 0, L"1RJONC", 2.0}, false, 1, 2033, L"Jonction BT"},
      {"2RREMA", {L"AccAffHTA", 2, 3, 0, 0, L"~", 0, L"2RREMA", 2.0}, false, 1, 0, L"Remontée aérienne HTA"},
      {"HTB text on TxtCâblesHTA", {L"TxtCâblesHTA", 17, 63}, false, 1, 0, L"Texte câble HTB 150KV"},
      {"paired cell on TxtCâblesHTA: its row", {L"TxtCâblesHTA", 2, 3, 0, 0, L"~", 0, L""}, true, 1, 0, L"Annotation HTA"},
      {"paired cell on TxtCâblesHTA of colour 7", {L"TxtCâblesHTA", 2, 7, 0, 0, L"~", 0, L""}, true, 1, 2033, L"Annotation HTA"},
      {"unpaired cell on TxtCâblesHTA", {L"TxtCâblesHTA", 2, 3, 0, 0, L"~", 0, L""}, false, 1, 2032, L""},
      {"DRAP3 on TxtCâblesHTA of colour 7", {L"TxtCâblesHTA", 2, 7, 0, 0, L"~", 0, L"DRAP3", 2.0}, false, 1, 2033, L"Drapeau 2 entrées (HTA)"},
      {"line on TxtCâblesHTA", {L"TxtCâblesHTA", 12, 3}, false, 1, 0, L"Trait de rappel Drapeau HTA"},
      {"emprise shape", {L"EmprisesRésIndif", 6, 4}, false, 1, 2033, L"Emprise de réseaux"},
      {"emprise dimension", {L"EmprisesRésIndif", 33}, false, 1, 0, L"Cote d'emprise de réseaux"},
      {"text on EmprisesRésIndif", {L"EmprisesRésIndif", 17}, false, 1, 2032, L""},
      {"anything on EncartsBT", {L"EncartsBT", 11, 9, 9, 9}, false, 1, 0, L"Encart BT"},
      {"trench dimension not raised", {L"FouillesBT", 33, 0}, false, 1, 0, L"Cote non levée fouille BT"},
      {"trench shape", {L"FouillesHTA", 14, 3}, false, 1, 0, L"Emprise de fouille HTA"},
      {"text on Drap+TxtIndiffEle", {L"Drap+TxtIndiffEle", 7, 0}, false, 1, 0, L"Texte indifférencié"},
      // TLC, TLR, protections, abandoned networks, PTR levels
      {"shape on ProtectionsBT: the third row", {L"ProtectionsBT", 6, 6, 4, 0, L""}, false, 1, 0, L"Maçonnerie enterrée BT"},
      {"shape styled ST_PROT_TERRE on ProtectionsHTA", {L"ProtectionsHTA", 6, 6, 0, 100, L"ST_PROT_TERRE", 2.0}, false, 1, 2032, L""},
      {"earth cable on ProtectionsHTA", {L"ProtectionsHTA", 4, 6, 0, 100, L"ST_PROT_TERRE", 2.0}, false, 1, 0, L"Câble terre HTA"},
      {"protection without a style name", {L"ProtectionsIndif", 3, 6, 0, 0, L""}, false, 1, 0, L"Fourreau indifférencié"},
      {"post on ProtectionsIndif", {L"ProtectionsIndif", 6, 14, 4, 0}, false, 1, 0, L"Poste"},
      {"post on ProtectionsBT", {L"ProtectionsBT", 6, 14, 4, 0}, false, 1, 2033, L"Maçonnerie enterrée BT"},
      {"text on ProtectionsBT", {L"ProtectionsBT", 17, 6}, false, 1, 2032, L""},
      {"post text on TxtProtecIndiff", {L"TxtProtecIndiff", 17, 14}, false, 1, 0, L"Texte protection indifférenciée"},
      {"TLR cable", {L"CâblesTLR", 4, 7, 0, 100, L"ST_TLR", 2.0}, false, 1, 0, L"Câble TLR"},
      {"uncertain TLC cable", {L"RésIncertainTLCEle", 4, 7, 0, 100, L"ST_TLC_E_INC", 2.0}, false, 1, 0, L"Câble TLC incertain"},
      {"CRCO", {L"AccAffTLCEle", 2, 7, 0, 0, L"~", 0, L"CRCO", 2.0}, false, 1, 0, L"Coffret TLC"},
      {"EAR2AB", {L"RéseauAbandonnéEle", 2, 0, 0, 0, L"~", 0, L"EAR2AB", 2.0}, false, 1, 0, L"Detail C2 abandonné"},
      {"paired cell on RéseauAbandonnéEle", {L"RéseauAbandonnéEle", 2, 0, 0, 0, L"~", 0, L""}, true, 1, 0, L"Annotation Elec abandonnée"},
      {"unpaired cell on RéseauAbandonnéEle", {L"RéseauAbandonnéEle", 2, 0, 0, 0, L"~", 0, L""}, false, 1, 2041, L""},
      {"abandoned earth cable", {L"RéseauAbandonnéEle", 4, 0, 0, 100, L"ST_PROT_TERRE", 2.0}, false, 1, 0, L"Câble abandonné Terre"},
      {"abandoned HTA cable at 1:500", {L"RéseauAbandonnéEle", 16, 0, 4, 100, L"ST_ABAND", 5.0}, false, 2, 0, L"Câble abandonné HTA"},
      {"abandoned text", {L"RéseauAbandonnéEle", 17}, false, 1, 0, L"Texte abandonné"},
      {"abandoned dimension", {L"RéseauAbandonnéEle", 33}, false, 1, 0, L"Flèche annotation abandonnée"},
      {"shape on RéseauAbandonnéEle", {L"RéseauAbandonnéEle", 6}, false, 1, 2032, L""},
      {"text on Cote+PtConsAbanEle", {L"Cote+PtConsAbanEle", 17, 0, 0, 0, L"~", 0, L"~", 0, L"INTL_ENGINEERING"}, false, 1, 0, L"Cote levée abandonnée"},
      {"italic text on Cote+PtConsAbanEle", {L"Cote+PtConsAbanEle", 17, 0, 0, 0, L"~", 0, L"~", 0, L"ITALICS"}, false, 1, 0, L"Cote non levée abandonnée"},
      {"curve on SansContrôles", {L"SansContrôles", 11}, false, 1, 2032, L""},
      {"shape on SansContrôles", {L"SansContrôles", 6, 0, 9, 9}, false, 1, 0, L"Sans contrôle"},
      {"ERPTRC at 1:500", {L"PTRC+TxtEle", 2, 0, 0, 0, L"~", 0, L"ERPTRC", 5.0}, false, 2, 0, L"PTRC"},
      {"ARPTRC on the electricity file", {L"PTRC+TxtEle", 2, 0, 0, 0, L"~", 0, L"ARPTRC", 5.0}, false, 2, 2041, L""},
      {"ARPTRL on PTRL+TxtEle", {L"PTRL+TxtEle", 2, 0, 0, 0, L"~", 0, L"ARPTRL", 2.0}, false, 1, 2041, L""},
      {"PTRL text", {L"PTRL+TxtEle", 17}, false, 1, 0, L"Texte PTRL"},
      {"line on PTRL+TxtEle", {L"PTRL+TxtEle", 3}, false, 1, 2032, L""},
      // Levels
      {"level in no slot", {L"FouillesGaz", 3}, false, 1, 2031, L""},
      {"a level of the other-networks catalogue", {L"CâblesEP", 3}, false, 1, 2031, L""},
      {"north arrow", {L"CâblesBT", 2, 0, 0, 0, L"~", 0, L"FNORD", 2.0}, false, 1, 0, L"Flèche nord"},
      {"construction point", {L"Cote+PtConstTLR", 2, 4, 0, 0, L"~", 0, L"PT", 2.0}, false, 1, 0, L"Point de construction (TLR)"},
  };
  verifierCasRegle<verniveauxele>(cas, niv_catalogueEle(), regle_classerElementElecV3);
}

TEST(RegleLivreElecV3, LevelsMissingFromTheFileNeverMatch) {
  const verniveauxele vide;
  const verfichier sansModele;
  for (const std::uint32_t niveau : {0u, 0xFFFFFFFFu}) {
    verelement e;
    e.symbologie.idNiveau = niveau;
    e.symbologie.type = 3;
    regle_classerElementElecV3(e, vide, {}, 1, sansModele);
    EXPECT_EQ(e.codeErreur, 2031u);
  }
  verelement illisible;  // symbology that could not be read: no type, no level
  regle_classerElementElecV3(illisible, niveauxRangs<verniveauxele>(), {}, 1, sansModele);
  EXPECT_EQ(illisible.codeErreur, 2031u);
}

// The PTRL cells of the electricity file, their components read in the file's model.
TEST(RegleLivreElecV3, PTRLCellsHaveTheirComponentsChecked) {
  host::resetModels();
  fx::DesignBuilder b;
  plan_fixture::definirNiveaux(b, L"plan.EL2");
  const host::LevelId echanges = *b.file().levelId(L"CellulesEchanges");
  const host::LevelId ptrl = *b.file().levelId(L"PTRL+TxtEle");
  const host::Point3d o{0, 0, 0}, p{1000, 0, 0}, q{1000, 1000, 0};
  auto forme = [&] { return fx::complexShape({fx::line(o, p), fx::lineString({p, q, o})}).weight(2); };
  auto trait = [&] { return fx::lineString({o, p, q}); };
  auto chaine = [&] { return fx::chain({fx::line(o, p), fx::line(p, q)}); };
  auto cellule = [&](const wchar_t* nom, host::LevelId niveau, std::vector<fx::Spec> enfants) {
    return b.add(fx::cell(nom, o, std::move(enfants), 3.0).level(niveau).colour(9));
  };
  const struct {
    const char* pourquoi;
    host::ElementId id;
    std::uint32_t code;
    std::wstring categorie;
  } cas[] = {
      {"ERPTAS, its own symbology aside", cellule(L"ERPTAS", echanges, {forme(), trait(), chaine()}), 0, L"PTRL source"},
      {"ERPTAS with the line string and chain swapped", cellule(L"ERPTAS", echanges, {forme(), chaine(), trait()}), 2043, L"PTRL source"},
      {"ERPTA", cellule(L"ERPTA", ptrl, {forme(), trait(), chaine()}), 0, L"PTRL publié"},
      {"ERPTRL", cellule(L"ERPTRL", ptrl, {forme(), trait(), chaine()}), 0, L"PTRL stock"},
      {"ERPTRL with a fourth component", cellule(L"ERPTRL", ptrl, {forme(), trait(), chaine(), trait()}), 2043, L"PTRL stock"},
      {"ERPTA with a nested component", cellule(L"ERPTA", ptrl, {fx::cell(L"", o, {forme()}), trait(), chaine()}), 2043, L"PTRL publié"},
      {"ERPTA without components", cellule(L"ERPTA", ptrl, {}), 2043, L"PTRL publié"},
      {"ARPTRL", cellule(L"ARPTRL", ptrl, {forme(), trait(), chaine()}), 2041, L""},
  };
  ModeleOuvert ouvert(b, L"plan.EL2");
  verfichier f;
  f.modele = ouvert.modele();
  f.role = roleElectricite;
  element_construireTable(f);
  verniveauxele niveaux;
  niv_tableElecV3(niveaux, f.modele);
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verelement e = f.elements.at(static_cast<std::size_t>(element_rechercherParId(f.elements, c.id)));
    regle_classerElementElecV3(e, niveaux, {}, 1, f);
    EXPECT_EQ(e.codeErreur, c.code);
    EXPECT_EQ(e.categorie, c.categorie);
  }
}

// Elements of every kind, the odd ones too, on every slot of both network books: each ends with
// a code of the books and never a crash.
TEST(RegleLivreElecV3, AnyElementOnAnySlotOfBothBooks) {
  const std::vector<ElementRegle> modeles = {
      {L"", 2, 0, 0, 0, L"~", 0, L""},           {L"", 2, 0, 0, 0, L"~", 0, L"DRAP"},
      {L"", 2, 0, 0, 0, L"~", 0, L"DRAP99"},     {L"", 2, 0, 0, 0, L"~", 0, L"CPT10"},
      {L"", 2, 0, 0, 0, L"~", 0, L"ERPTAS"},     {L"", 2, 0, 0, 0, L"~", 0, L"ARPTRL"},
      {L"", 17, 0, 0, 0, L"~", 0, L"~", 0, L""}, {L"", 7, 0, 0, 0, L"~", 0, L"~", 0, L"", -9999.0, -9999.0},
      {L"", 6, 6, 0, 0, L""},                    {L"", 3, 0, 0, 0, L"ST_PROT_TERRE", 1.0},
      {L"", 33},                                 {L"", 0},
      {L"", 11},                                 {L"", 35},
  };
  const std::set<std::uint32_t> codes = {0, 2031, 2032, 2033, 2034, 2035, 2037, 2041, 2042, 2043, 2051, 2052};
  const std::vector<vercouple> paire = {{50, 0}};
  const verfichier sansModele;
  for (const bool apparie : {false, true}) {
    for (const std::wstring_view niveau : niv_catalogueEle()) {
      for (ElementRegle m : modeles) {
        m.niveau = niveau;
        verelement e = construireElement(m, niveauxRangs<verniveauxele>(), niv_catalogueEle());
        regle_classerElementElecV3(e, niveauxRangs<verniveauxele>(), apparie ? paire : std::vector<vercouple>{}, 1, sansModele);
        EXPECT_TRUE(codes.contains(e.codeErreur)) << e.codeErreur;
      }
    }
    for (const std::wstring_view niveau : niv_catalogueAut()) {
      for (ElementRegle m : modeles) {
        m.niveau = niveau;
        verelement e = construireElement(m, niveauxRangs<verniveauxaut>(), niv_catalogueAut());
        regle_classerElementAutreV3(e, niveauxRangs<verniveauxaut>(), apparie ? paire : std::vector<vercouple>{}, 2, sansModele);
        EXPECT_TRUE(codes.contains(e.codeErreur)) << e.codeErreur;
      }
    }
  }
}

}  // namespace
