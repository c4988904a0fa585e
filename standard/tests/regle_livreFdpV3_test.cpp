// The background (FP2) rule book: its data against the standard (typed here, not taken from the
// data), and one table of cases (level, type, symbology, cell and pairs in; code and category
// out), the "Elément BDU" rule among them.
#include <gtest/gtest.h>

#include <map>

#include "standard/ctrl_elementsV3.h"
#include "standard/regle_livresV3.h"
#include "standard/tests/harnais_regles.h"

namespace {

verniveauxfdp niveauxRangs() { return ::niveauxRangs<verniveauxfdp>(); }

const regle_slotV3& slotDe(std::wstring_view niveau) {
  for (const regle_slotV3& s : regle_livreFdpV3())
    if (s.niveau == niveau) return s;
  throw std::runtime_error("no such slot");
}

// The element types of a slot, as the standard writes its mask; "every type" as 0xFFFF.
std::uint32_t masqueDe(const regle_slotV3& s) {
  std::uint32_t m = 0;
  for (const regle_brancheV3& b : s.branches) m |= b.tousTypes ? 0xFFFFu : b.masque;
  return m;
}

TEST(RegleLivreFdpV3, SlotsInTheirOrderWithTheirMasks) {
  const std::vector<std::pair<std::wstring_view, std::uint32_t>> attendus = {
      {L"CellulesEchanges", 1},  {L"RACSEC+txt", 33},         {L"PolygoneDécoupe", 20}, {L"Limites et Hydro", 1 | 64 | 20},
      {L"Bois-Taillis", 21},     {L"Bâtiments", 20},          {L"Routes", 20},          {L"Divers", 0xFFFF},
      {L"Spits+txt", 1},         {L"Axe de voie", 20},        {L"PtLambert+coord_", 33}, {L"SymbolesFixes", 1},
      {L"RéseauEau+txt", 52},    {L"RésAssain+txt", 52},      {L"RésTélécom+txt", 52},  {L"RéseauElec+txt", 52},
      {L"RéseauGaz+txt", 52},    {L"AutresRés+txt", 52},      {L"AccAffleurElec", 1},   {L"TxtAccAffElec", 32},
      {L"AccAffleurGaz", 1},     {L"TxtAccAffGaz", 32},       {L"AccAffleurAutRes", 1}, {L"TxtAccAffAutRes", 32},
      {L"SansContrôles", 0xFFFF}, {L"TxtPropFdp", 32},
  };
  const auto livre = regle_livreFdpV3();
  ASSERT_EQ(livre.size(), attendus.size());
  for (std::size_t i = 0; i < livre.size(); ++i) {
    EXPECT_EQ(livre[i].niveau, attendus[i].first) << i;
    EXPECT_EQ(masqueDe(livre[i]), attendus[i].second) << i;
    EXPECT_GE(niv_slot(niv_catalogueFdp(), livre[i].niveau), 0) << "a name of the catalogue";
  }
  for (const std::wstring_view reserve : {L"Réservé_2", L"Réservé_4", L"Réservé_5"})
    for (const regle_slotV3& s : livre) EXPECT_NE(s.niveau, reserve);
}

TEST(RegleLivreFdpV3, CellsOfTheSlots) {
  auto cellules = [](std::wstring_view niveau) {
    std::vector<std::pair<std::wstring, std::wstring>> r;
    for (const regle_brancheV3& b : slotDe(niveau).branches)
      for (const regle_celluleV3& c : b.cellules) r.push_back({std::wstring(c.nom), std::wstring(c.categorie)});
    return r;
  };
  const std::map<std::wstring_view, std::size_t> nombres = {
      {L"CellulesEchanges", 5}, {L"Spits+txt", 3},     {L"SymbolesFixes", 31},   {L"AccAffleurElec", 7},
      {L"AccAffleurGaz", 8},    {L"AccAffleurAutRes", 2}, {L"RACSEC+txt", 1}, {L"Bois-Taillis", 1},
  };
  for (const auto& [niveau, n] : nombres) EXPECT_EQ(cellules(niveau).size(), n) << n;
  const std::vector<std::pair<std::wstring, std::wstring>> symboles = {
      {L"FPOPTT", L"Poteau PTT"}, {L"FPOKRV", L"Poteau KRV"}, {L"FPOECA", L"Poteau KRV candélabre"},
      {L"FPOCAN", L"Poteau candélabre"}, {L"FPYKRV", L"Pylone KRV"}, {L"FINCEN", L"Borne incendie"},
      {L"FARBRE", L"Arbre"}, {L"FAVASI", L"Avaloir simple"}, {L"FAVAVI", L"Avaloir visitable"},
      {L"FGRIAV", L"Grille avaloir"}, {L"FEGOUT", L"Plaque égout"}, {L"FREGRE", L"Regard rectangulaire"},
      {L"FREGRO", L"Regard rond"}, {L"FEAU", L"Bouche eau"}, {L"FPLPT1", L"Plaque PTT simple"},
      {L"FPLPT2", L"Plaque PTT double"}, {L"FPLPT3", L"Plaque PTT triple"}, {L"FPLPT4", L"Plaque PTT quadruple"},
      {L"FBOREP", L"Borne repérage"}, {L"FBOPRO", L"Borne propriété"}, {L"FBODIV", L"Borne diverse"},
      {L"FCOPTT", L"Coffret PTT"}, {L"FTEL", L"Cabine téléphonique"}, {L"FFEUX", L"Panneau de signalisation"},
      {L"FINDIC", L"Panneau indicateur"}, {L"FAFFIC", L"Colonne affichage"}, {L"FINFO", L"Panneau information"},
      {L"FBALIS", L"Balise routière"}, {L"FBANC", L"Banc"}, {L"FBUS", L"Abri bus"},
      {L"FPOTV2", L"V2 Poteau candélabre PTT"},
  };
  EXPECT_EQ(cellules(L"SymbolesFixes"), symboles);
  const auto gaz = cellules(L"AccAffleurGaz");
  EXPECT_EQ(gaz.at(6), (std::pair<std::wstring, std::wstring>{L"RFCLE", L"Bouche à clé"}));
  EXPECT_EQ(cellules(L"CellulesEchanges").back(), (std::pair<std::wstring, std::wstring>{L"CADA1C", L"Cadre"}));
}

TEST(RegleLivreFdpV3, RowsOfTheSlots) {
  auto lignes = [](std::wstring_view niveau, std::uint8_t masque) {
    for (const regle_brancheV3& b : slotDe(niveau).branches)
      if (b.masque == masque) return b.lignes;
    return std::span<const regle_ligne>{};
  };
  EXPECT_EQ(lignes(L"Routes", 20).size(), 5u);
  EXPECT_EQ(lignes(L"Bâtiments", 20).size(), 2u);
  EXPECT_EQ(lignes(L"Limites et Hydro", 20).size(), 10u);
  EXPECT_EQ(lignes(L"AutresRés+txt", 20).size(), 2u);
  EXPECT_EQ(lignes(L"AutresRés+txt", 32).size(), 1u);

  auto verbatim = [](const regle_ligne& l, std::wstring_view libelle, std::int32_t couleur, std::int32_t epaisseur,
                     std::int32_t style, std::wstring_view nomStyle, double echelle) {
    EXPECT_EQ(l.libelle, libelle);
    EXPECT_EQ(l.couleur, couleur);
    EXPECT_EQ(l.epaisseur, epaisseur);
    EXPECT_EQ(l.style, style);
    EXPECT_EQ(l.nomStyle, nomStyle);
    EXPECT_DOUBLE_EQ(l.echelleCellule, echelle);
    EXPECT_EQ(l.gabarit, regle_gabarit::simple);
    EXPECT_FALSE(l.italique);
  };
  verbatim(lignes(L"Limites et Hydro", 20).back(), L"Limite département", 5, 0, -1, L"ST_FDP_LDEP", 0.0);
  verbatim(lignes(L"RACSEC+txt", 33).front(), L"Raccord", 0, 0, -1, L"~", 1.0);
  verbatim(lignes(L"AutresRés+txt", 20).back(), L"Réseau vidéo", 0, 4, -1, L"ST_VDC", 0.0);
  verbatim(lignes(L"Routes", 20).front(), L"Route", 5, 0, 1, L"~", 0.0);
  verbatim(lignes(L"CellulesEchanges", 1).front(), L"Cartouche", 0, 0, -1, L"~", -1.0);
}

using Element = ElementRegle;

verelement construire(const Element& d, const verniveauxfdp& niveaux) {
  return construireElement(d, niveaux, niv_catalogueFdp());
}

TEST(RegleLivreFdpV3, EdgeCases) {
  const std::vector<vercouple> paire = {{50, 51}};
  const std::vector<vercouple> aucune;
  const struct {
    const char* pourquoi;
    Element element;
    bool apparie;
    bool bdu;
    std::int32_t classe;
    std::uint32_t code;
    std::wstring categorie;
  } cas[] = {
      // Background book
      {"building", {L"Bâtiments", 3, 14, 4, 0}, false, false, 1, 0, L"Bâtiment"},
      {"building of weight 0: second row", {L"Bâtiments", 3, 14, 0, 0}, false, false, 1, 0, L"Bâti souterrain"},
      {"building of colour 3: the first row has more matches", {L"Bâtiments", 3, 3, 4, 0}, false, false, 1, 2033, L"Bâtiment"},
      {"limit: later rows not built", {L"Limites et Hydro", 3, 5, 0, 0}, false, false, 1, 0, L"Limite"},
      {"department limit", {L"Limites et Hydro", 4, 5, 0, 100, L"ST_FDP_LDEP", 2.0}, false, false, 1, 0, L"Limite département"},
      {"department limit at 1:500", {L"Limites et Hydro", 4, 5, 0, 100, L"ST_FDP_LDEP", 5.0}, false, false, 2, 0, L"Limite département"},
      {"department limit at scale 1.0", {L"Limites et Hydro", 4, 5, 0, 100, L"ST_FDP_LDEP", 1.0}, false, false, 1, 2035, L"Limite département"},
      {"text on Limites et Hydro", {L"Limites et Hydro", 17}, false, false, 1, 2032, L""},
      {"paired cell on Limites et Hydro", {L"Limites et Hydro", 2, 9, 9, 9, L"~", 0, L""}, true, false, 1, 0, L"Annotation fond de plan"},
      {"FBOIS on Limites et Hydro", {L"Limites et Hydro", 2, 9, 9, 9, L"~", 0, L"FBOIS"}, false, false, 1, 0, L"Symbole taillis"},
      {"unpaired unnamed cell on Limites et Hydro", {L"Limites et Hydro", 2, 0, 0, 0, L"~", 0, L""}, false, false, 1, 2041, L""},
      {"dimension on Limites et Hydro", {L"Limites et Hydro", 33, 9}, false, false, 1, 0, L"Flèche annotation fond de plan"},
      {"text on Spits+txt", {L"Spits+txt", 17}, false, false, 1, 2032, L""},
      {"FSPIT on SymbolesFixes", {L"SymbolesFixes", 2, 4, 0, 0, L"~", 0, L"FSPIT"}, false, false, 1, 2041, L""},
      {"FPOTV2 on SymbolesFixes", {L"SymbolesFixes", 2, 4, 0, 0, L"~", 0, L"FPOTV2"}, false, false, 1, 0, L"V2 Poteau candélabre PTT"},
      {"a cell of a very long name", {L"SymbolesFixes", 2, 4, 0, 0, L"~", 0, std::wstring(5000, L'F')}, false, false, 1, 2041, L""},
      {"a flag name on a background level", {L"Divers", 2, 0, 0, 0, L"~", 0, L"DRAP3"}, false, false, 1, 2041, L""},
      {"FSPIT on Spits+txt", {L"Spits+txt", 2, 0, 0, 0, L"~", 0, L"FSPIT"}, false, false, 1, 0, L"Spit"},
      {"element on Réservé_4", {L"Réservé_4", 3}, false, false, 1, 2031, L""},
      {"element on Réservé_2", {L"Réservé_2", 17}, false, false, 1, 2031, L""},
      {"level in no slot", {L"Inexistant", 3}, false, false, 1, 2031, L""},
      {"RACSEC at scale 2.0", {L"RACSEC+txt", 2, 0, 0, 0, L"~", 0, L"RACSEC", 2.0}, false, false, 1, 2042, L"Raccord de plans"},
      {"RACSEC at 1.0 at 1:500", {L"RACSEC+txt", 2, 0, 0, 0, L"~", 0, L"RACSEC", 1.0}, false, false, 2, 0, L"Raccord de plans"},
      {"text on RACSEC+txt", {L"RACSEC+txt", 17}, false, false, 1, 0, L"Raccord"},
      {"another cell on RACSEC+txt", {L"RACSEC+txt", 2, 0, 0, 0, L"~", 0, L"RACRIV", 1.0}, false, false, 1, 2041, L""},
      {"unnamed cell on Divers", {L"Divers", 2, 5, 5, 5, L"~", 0, L""}, false, false, 1, 0, L"Objet inconnu"},
      {"paired cell on Divers", {L"Divers", 2, 5, 5, 5, L"~", 0, L""}, true, false, 1, 0, L"Annotation diverse"},
      {"FACCE3 on Divers", {L"Divers", 2, 0, 0, 0, L"~", 0, L"FACCE3"}, false, false, 1, 2041, L""},
      {"FACCE2 on Divers", {L"Divers", 2, 0, 0, 0, L"~", 0, L"FACCE2"}, false, false, 1, 0, L"Repère d'accès"},
      {"text on Divers of colour 3", {L"Divers", 17, 3}, false, false, 1, 2033, L"Grand texte divers"},
      {"text on Divers", {L"Divers", 17}, false, false, 1, 0, L"Petit texte divers"},
      {"text node on Divers", {L"Divers", 7, 0, 2}, false, false, 1, 2037, L"Grand texte divers"},
      {"dimension on Divers", {L"Divers", 33, 6, 6, 6}, false, false, 1, 0, L"Flèche annotation diverse"},
      {"curve on Divers", {L"Divers", 11, 0, 0, 0}, false, false, 1, 0, L"Trait divers"},
      {"shape on Divers of colour 2", {L"Divers", 6, 2}, false, false, 1, 2033, L"Trait divers"},
      {"FARBRE on Divers", {L"Divers", 2, 4, 0, 0, L"~", 0, L"FARBRE"}, false, false, 1, 2041, L""},
      {"exchange cell", {L"CellulesEchanges", 2, 0, 0, 5, L"~", 0, L"IDFDP", 2.0}, false, false, 1, 0, L"Cartouche - IDFDP"},
      {"frame at 1:500", {L"CellulesEchanges", 2, 0, 0, 0, L"~", 0, L"CADA1C", 5.0}, false, false, 2, 0, L"Cadre"},
      {"frame at 2.0 at 1:500", {L"CellulesEchanges", 2, 0, 0, 0, L"~", 0, L"CADA1C", 2.0}, false, false, 2, 2042, L"Cadre"},
      {"text on CellulesEchanges", {L"CellulesEchanges", 17}, false, false, 1, 2032, L""},
      {"axis", {L"Axe de voie", 3, 5, 0, 100, L"ST_FDP_AXEVOIE", 2.0}, false, false, 1, 0, L"Axe de voie"},
      {"axis in the road-edge style", {L"Axe de voie", 3, 5, 0, 100, L"ST_FDP_LCHAUS", 2.0}, false, false, 1, 2034, L"Axe de voie"},
      {"axis at scale 1.0", {L"Axe de voie", 3, 5, 0, 100, L"ST_FDP_AXEVOIE", 1.0}, false, false, 1, 2035, L"Axe de voie"},
      {"road", {L"Routes", 4, 5, 0, 1}, false, false, 1, 0, L"Route"},
      {"road of weight 2", {L"Routes", 4, 5, 2, 1}, false, false, 1, 2037, L"Route"},
      {"road-edge line", {L"Routes", 4, 5, 0, 100, L"ST_FDP_LCHAUS", 2.0}, false, false, 1, 0, L"Limite chaussée"},
      {"Lambert text", {L"PtLambert+coord_", 17}, false, false, 1, 0, L"Coordonnée Lambert"},
      {"Lambert cell", {L"PtLambert+coord_", 2, 0, 0, 0, L"~", 0, L"FLAMBE"}, false, false, 1, 0, L"Point Lambert"},
      {"another cell on PtLambert+coord_", {L"PtLambert+coord_", 2, 0, 0, 0, L"~", 0, L"FSPIT"}, false, false, 1, 2041, L""},
      {"line on PtLambert+coord_", {L"PtLambert+coord_", 3}, false, false, 1, 2032, L""},
      {"video network", {L"AutresRés+txt", 4, 0, 4, 100, L"ST_VDC", 2.0}, false, false, 1, 0, L"Réseau vidéo"},
      {"other network text", {L"AutresRés+txt", 17, 0, 3, 3}, false, false, 1, 0, L"Texte autre réseau"},
      {"cell on a network level", {L"RéseauGaz+txt", 2, 0, 0, 0, L"~", 0, L"FARBRE"}, false, false, 1, 2032, L""},
      {"dimension on a network level", {L"RéseauEau+txt", 33}, false, false, 1, 2032, L""},
      {"RFCLE", {L"AccAffleurGaz", 2, 0, 0, 7, L"~", 0, L"RFCLE"}, false, false, 1, 0, L"Bouche à clé"},
      {"curve without check", {L"SansContrôles", 11, 0, 9, 9}, false, false, 1, 0, L"Elément sans contrôle"},
      {"owner text", {L"TxtPropFdp", 17, 0, 3, 3}, false, false, 1, 0, L"Texte propriétaire de fond de plan"},
      {"common cells first", {L"Routes", 2, 0, 0, 0, L"~", 0, L"PT", 2.0}, false, false, 1, 0, L"Point de construction (Inconnu)"},
      {"north arrow", {L"Bâtiments", 2, 0, 0, 0, L"~", 0, L"FNORD", 2.0}, false, false, 1, 0, L"Flèche nord"},
      // Elément BDU
      {"BDU: road of a wrong colour", {L"Routes", 3, 2, 0, 1}, false, true, 1, 0, L"Elément BDU"},
      {"BDU: curve on Routes", {L"Routes", 11, 5, 0, 1}, false, true, 1, 2032, L"Elément BDU"},
      {"BDU: wrong owner text keeps its code", {L"TxtPropFdp", 17, 3}, false, true, 1, 2033, L"Texte propriétaire de fond de plan"},
      {"BDU: element on Réservé_4 keeps 2031", {L"Réservé_4", 3}, false, true, 1, 2031, L""},
      {"BDU: element on an unknown level", {L"Inexistant", 16}, false, true, 1, 0, L"Elément BDU"},
      {"BDU: wrong cell", {L"SymbolesFixes", 2, 4, 0, 0, L"~", 0, L"XYZ"}, false, true, 1, 0, L"Elément BDU"},
      {"BDU: a conforming element keeps its category", {L"Routes", 3, 5, 0, 1}, false, true, 1, 0, L"Route"},
      {"BDU: a shared cell", {L"Divers", 35, 3}, false, true, 1, 2032, L"Elément BDU"},
      {"BDU: a wrong PT", {L"Divers", 2, 0, 3, 0, L"~", 0, L"PT", 2.0}, false, true, 1, 0, L"Elément BDU"},
  };
  const verniveauxfdp niveaux = niveauxRangs();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verelement e = construire(c.element, niveaux);
    regle_classerElementFdpV3(e, niveaux, c.apparie ? paire : aucune, c.classe);
    if (c.bdu) regle_elementBDU(e, niveaux);
    EXPECT_EQ(e.codeErreur, c.code);
    EXPECT_EQ(e.categorie, c.categorie);
  }
}

TEST(RegleLivreFdpV3, LevelsMissingFromTheFileNeverMatch) {
  // A file without levels: every slot holds 0, and an element of level 0 (or unreadable) matches none,
  // the BDU exemptions included.
  const verniveauxfdp vide;
  for (const std::uint32_t niveau : {0u, 0xFFFFFFFFu}) {
    verelement e;
    e.symbologie.idNiveau = niveau;
    e.symbologie.type = 3;
    regle_classerElementFdpV3(e, vide, {}, 1);
    EXPECT_EQ(e.codeErreur, 2031u);
    regle_elementBDU(e, vide);
    EXPECT_EQ(e.categorie, L"Elément BDU");
    EXPECT_EQ(e.codeErreur, 0u);
  }
  verelement illisible;  // symbology that could not be read: no type, no level
  regle_classerElementFdpV3(illisible, niveauxRangs(), {}, 1);
  EXPECT_EQ(illisible.codeErreur, 2031u);
  regle_elementBDU(illisible, niveauxRangs());
  EXPECT_EQ(illisible.codeErreur, 2032u);
  EXPECT_EQ(illisible.categorie, L"Elément BDU");
}

}  // namespace
