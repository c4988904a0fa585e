// The title-block stage on three-file plans: the clean plan, then one change each, with the
// findings (none stops the plan but the counts); the fields left in the file set; the place of
// the identification cells against the frame.
#include "titleblock/ctrl_cartouche_v3.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "harnais_cartouche.h"
#include "host/paths.h"
#include "titleblock/ctrl_cartouche_table.h"
#include "titleblock/ctrl_position_cellules.h"
#include "toolbox/stb_dgn.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;
using host::Point3d;

namespace {

constexpr std::int32_t arret = 0x8000;

using Changement = std::function<void(pf::PlanTroisFichiers&)>;
using Edition = std::function<void(pf::PlanTroisFichiersConstruit&)>;

const std::array<std::wstring, 11> voie = {L"NANTES", L"RUE NATIONALE", L"44109", L"0450", L"", L"", L"", L"", L"", L"", L""};

// A street cell's texts in the cell's order: 1 the street, 2 the INSEE code, 3 the RIVOLI code.
Changement rue(std::size_t texte, const std::wstring& valeur) {
  return [=](pf::PlanTroisFichiers& p) { p.idVoies[0][texte] = valeur; };
}

void renommer(fx::DesignBuilder& fichier, host::ElementId id, const std::wstring& nom) {
  host::Element e = *fichier.file().models[0].find(id);
  e.cell->name = nom;
  fichier.file().models[0].replace(e);
}

// The cell keeps its box, its texts are gone.
void sansTextes(fx::DesignBuilder& fichier, host::ElementId id) {
  host::Element e = *fichier.file().models[0].find(id);
  e.children.resize(1);
  fichier.file().models[0].replace(e);
}

class CtrlCartoucheV3 : public harnais::Cartouche {
 protected:
  harnais::Passage passer(const pf::PlanTroisFichiers& plan, const Edition& edition = {}) {
    pf::PlanTroisFichiersConstruit construit = pf::construire(plan);
    if (edition) edition(construit);
    const std::wstring rep = dossier(std::to_wstring(n_++));
    EXPECT_TRUE(pf::sauver(construit.fp2, rep + L"/" + plan.nom + L".FP2"));
    EXPECT_TRUE(pf::sauver(construit.el2, rep + L"/" + plan.nom + L".EL2"));
    EXPECT_TRUE(pf::sauver(construit.ar2, rep + L"/" + plan.nom + L".AR2"));
    return harnais::passer(contexte, rep, plan.nom, 2, static_cast<std::int32_t>(plan.version));
  }
  int n_ = 0;
};

TEST_F(CtrlCartoucheV3, CleanPlansPassAndLeaveTheirFieldsInTheFileSet) {
  for (std::uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    const pf::PlanTroisFichiers plan = pf::planTroisFichiers(version);
    const harnais::Passage p = passer(plan);
    EXPECT_EQ(p.resultat, 0);
    EXPECT_EQ(p.codes(), std::vector<std::uint32_t>{});
    EXPECT_EQ(p.fichiers.origineCadre, pf::uor(plan.origineCadre));
    EXPECT_EQ(p.fichiers.projection.codeCourt, L"C47");
    EXPECT_EQ(p.fichiers.qualite, L"P");
    EXPECT_FALSE(p.fichiers.fondBDU);
    EXPECT_EQ(p.fichiers.codeLivre, L"QR44");
  }
  // What the cells say goes into the file set as written.
  pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  plan.idFdp[1] = L"bdu";
  plan.idLoc[3] = L"c47";
  plan.idLoc[4] = L"C";
  plan.idFichEL2[3] = L"QR35";
  const harnais::Passage p = passer(plan);
  EXPECT_EQ(p.codes(), std::vector<std::uint32_t>{});
  EXPECT_TRUE(p.fichiers.fondBDU);
  EXPECT_EQ(p.fichiers.projection.codeCourt, L"c47");
  EXPECT_EQ(p.fichiers.qualite, L"C");
  EXPECT_EQ(p.fichiers.codeLivre, L"QR35");
}

TEST_F(CtrlCartoucheV3, EachChangeGivesItsFindingAndOnlyTheCountsStop) {
  const std::wstring nom = pf::planTroisFichiers().nom;
  const struct {
    const char* pourquoi;
    Changement changer;
    Edition editer;
    std::int32_t resultat;
    std::vector<std::uint32_t> codes;
    std::vector<std::wstring> complements;
  } cas[] = {
      // Counts.
      {"no IDLOC", {}, [](pf::PlanTroisFichiersConstruit& c) { c.fp2.file().models[0].remove(c.idLoc); }, arret, {1116}, {L""}},
      {"two IDLOC", {}, [](pf::PlanTroisFichiersConstruit& c) { c.fp2.add(fx::cell(L"IDLOC", {0, 0, 0}, {})); }, arret, {1116}, {L""}},
      {"no IDFICH nor IDFDP", {}, [](pf::PlanTroisFichiersConstruit& c) { c.fp2.file().models[0].remove(c.idFichFP2); c.fp2.file().models[0].remove(c.idFdp); }, arret, {1111, 1112}, {L"", L""}},
      {"two IDFICH in EL2", {}, [](pf::PlanTroisFichiersConstruit& c) { c.el2.add(fx::cell(L"IDFICH", {0, 0, 0}, {})); }, arret, {1111}, {nom + L".EL2"}},
      {"no IDELE, no IDAUT", {}, [](pf::PlanTroisFichiersConstruit& c) { c.el2.file().models[0].remove(c.idEle); c.ar2.file().models[0].remove(c.idAut); }, arret, {1113, 1115}, {nom + L".EL2", nom + L".AR2"}},
      {"no IDVOIE", [](pf::PlanTroisFichiers& p) { p.idVoies.clear(); }, {}, arret, {1117}, {L""}},
      {"no CADA1C", {}, [](pf::PlanTroisFichiersConstruit& c) { c.fp2.file().models[0].remove(c.idCadre); }, arret, {1100}, {L""}},
      {"two CADA1C", {}, [](pf::PlanTroisFichiersConstruit& c) { c.fp2.add(fx::cell(L"CADA1C", {0, 0, 0}, {})); }, arret, {1101}, {L""}},
      {"an IDFICH nested in another cell is not counted", {}, [](pf::PlanTroisFichiersConstruit& c) { c.fp2.add(fx::cell(L"GROUPE", {0, 0, 0}, {fx::cell(L"IDFICH", {0, 0, 0}, {})})); }, 0, {}, {}},
      {"IDLOCV3 is not counted as IDLOC", {}, [](pf::PlanTroisFichiersConstruit& c) { renommer(c.fp2, c.idLoc, L"IDLOCV3"); }, arret, {1116}, {L""}},
      // IDFICH.
      {"IDFICH text 0 empty", [](pf::PlanTroisFichiers& p) { p.idFichFP2[0] = L""; }, {}, 0, {1107, 1120}, {L"Nom du plan", L"Nom du plan"}},
      {"IDFICH text 0 in lower case", [](pf::PlanTroisFichiers& p) { p.idFichFP2[0] = L"qrl-47-00193-01246-03-d-24"; }, {}, 0, {}, {}},
      {"IDFICH of EL2 naming another plan", [](pf::PlanTroisFichiers& p) { p.idFichEL2[0] = L"QRL-47-00193-01246-03-D-25"; }, {}, 0, {1120}, {L"Nom du plan"}},
      {"IDFICH of AR2 with the EL2 theme", [](pf::PlanTroisFichiers& p) { p.idFichAR2[1] = L"EL2"; }, {}, 0, {1120}, {L"Th\u00e8me du fichier"}},
      {"IDFICH theme empty", [](pf::PlanTroisFichiers& p) { p.idFichFP2[1] = L""; }, {}, 0, {1107, 1120}, {L"Th\u00e8me du fichier", L"Th\u00e8me du fichier"}},
      // IDLOC.
      {"IDLOC scale 500 on a 1:200 plan", [](pf::PlanTroisFichiers& p) { p.idLoc[2] = L"500"; }, {}, 0, {}, {}},
      {"IDLOC scale 300", [](pf::PlanTroisFichiers& p) { p.idLoc[2] = L"300"; }, {}, 0, {1120}, {L"Echelle"}},
      {"IDLOC without projection", [](pf::PlanTroisFichiers& p) { p.idLoc[3] = L""; }, {}, 0, {1123}, {L""}},
      {"IDLOC with an unknown projection", [](pf::PlanTroisFichiers& p) { p.idLoc[3] = L"C99"; }, {}, 0, {1124}, {L"C99"}},
      {"IDLOC in the wrong zone", [](pf::PlanTroisFichiers& p) { p.idLoc[3] = L"C46"; }, {}, 0, {1129}, {L"C46"}},
      {"IDLOC quality L (a one-file letter)", [](pf::PlanTroisFichiers& p) { p.idLoc[4] = L"L"; }, {}, 0, {1133}, {L""}},
      {"IDLOC quality empty", [](pf::PlanTroisFichiers& p) { p.idLoc[4] = L""; }, {}, 0, {1107, 1133}, {L"Qualit\u00e9 de g\u00e9or\u00e9f\u00e9rencement", L""}},
      {"IDLOC without any text", [](pf::PlanTroisFichiers& p) { p.idLoc = {}; }, {}, 0, {1107, 1120, 1123, 1107, 1133}, {L"Echelle", L"Echelle", L"", L"Qualit\u00e9 de g\u00e9or\u00e9f\u00e9rencement", L""}},
      // IDFDP.
      {"IDFDP type BDU", [](pf::PlanTroisFichiers& p) { p.idFdp[1] = L"BDU"; }, {}, 0, {}, {}},
      {"IDFDP type XYZ", [](pf::PlanTroisFichiers& p) { p.idFdp[1] = L"XYZ"; }, {}, 0, {1120}, {L"Type de plan (EGS/BDU)"}},
      {"IDFDP type empty", [](pf::PlanTroisFichiers& p) { p.idFdp[1] = L""; }, {}, 0, {1107}, {L"Type de plan (EGS/BDU)"}},
      {"IDFDP zone and sector empty", [](pf::PlanTroisFichiers& p) { p.idFdp[4] = p.idFdp[5] = L""; }, {}, 0, {1107, 1107}, {L"Zone", L"Secteur"}},
      {"IDFDP without texts", {}, [](pf::PlanTroisFichiersConstruit& c) { sansTextes(c.fp2, c.idFdp); }, 0, {1107, 1107, 1107, 1107},
       {L"Type de plan (EGS/BDU)", L"Zone", L"Secteur", L"Date de fond de plan non sp\u00e9cifi\u00e9e ou incorrecte"}},
      {"IDFDP future date", [](pf::PlanTroisFichiers& p) { p.idFdp[3] = L"15/03/2099"; }, {}, 0, {1120}, {L"Date de fond de plan post\u00e9rieure \u00e0 la date du jour"}},
      {"IDFDP unreadable date", [](pf::PlanTroisFichiers& p) { p.idFdp[3] = L"mars 2024"; }, {}, 0, {1107}, {L"Date de fond de plan non sp\u00e9cifi\u00e9e ou incorrecte"}},
      // IDVOIE.
      {"IDVOIE INSEE empty", rue(2, L""), {}, 0, {1107, 1134}, {L"Code INSEE", L"C47-"}},
      {"IDVOIE INSEE of 4 characters", rue(2, L"4410"), {}, 0, {1120, 1134}, {L"Code INSEE", L"C47-"}},
      {"IDVOIE RIVOLI empty", rue(3, L""), {}, 0, {1107}, {L"Code RIVOLI"}},
      {"IDVOIE RIVOLI of 3 characters", rue(3, L"045"), {}, 0, {1120}, {L"Code RIVOLI"}},
      {"IDVOIE street empty", rue(1, L""), {}, 0, {1107}, {L"Nom de voie"}},
      {"two duplicate streets", [](pf::PlanTroisFichiers& p) { p.idVoies = {voie, voie}; }, {}, 0, {1107}, {L""}},
      {"three duplicate streets", [](pf::PlanTroisFichiers& p) { p.idVoies = {voie, voie, voie}; }, {}, 0, {1107, 1107, 1107}, {L"", L"", L""}},
      {"duplicates without case", [](pf::PlanTroisFichiers& p) { auto v = voie; v[1] = L"AUTRE RUE"; v[3] = L"0450"; p.idVoies = {voie, v}; }, {}, 0, {1107}, {L""}},
      {"two streets of one commune", [](pf::PlanTroisFichiers& p) { auto v = voie; v[3] = L"0451"; p.idVoies = {voie, v}; }, {}, 0, {}, {}},
      {"first street in another department", rue(2, L"33063"), {}, 0, {1134}, {L"C47-33"}},
      // Places.
      {"an IDVOIE 200 master units right of its point", {}, [](pf::PlanTroisFichiersConstruit& c) { harnais::deplacer(c.fp2, c.idVoies[0], {200000.0, 0, 0}); }, 0, {}, {}},
      {"an IDVOIE 2 UORs left of its point", {}, [](pf::PlanTroisFichiersConstruit& c) { harnais::deplacer(c.fp2, c.idVoies[0], {-2.0, 0, 0}); }, 0, {1135}, {L"IDVOIE"}},
      {"an IDFICH 0.9 UOR off", {}, [](pf::PlanTroisFichiersConstruit& c) { harnais::deplacer(c.fp2, c.idFichFP2, {0.9, -0.9, 0}); }, 0, {}, {}},
      {"an IDFDP 1 UOR off", {}, [](pf::PlanTroisFichiersConstruit& c) { harnais::deplacer(c.fp2, c.idFdp, {0, 1.0, 0}); }, 0, {1135}, {L"IDFDP"}},
      {"IDELE and IDAUT off", {}, [](pf::PlanTroisFichiersConstruit& c) { harnais::deplacer(c.el2, c.idEle, {5.0, 0, 0}); harnais::deplacer(c.ar2, c.idAut, {0, -5.0, 0}); }, 0, {1135, 1135}, {L"IDELE", L"IDAUT"}},
      {"frame at (0, 0): the cells are then all away from it but the streets", {}, [](pf::PlanTroisFichiersConstruit& c) { const host::Element* e = c.fp2.file().models[0].find(c.idCadre); harnais::deplacer(c.fp2, c.idCadre, e->cell->origin * -1.0); }, 0,
       {1102, 1135, 1135, 1135, 1135, 1135, 1135, 1135}, {L"", L"IDFICH", L"IDLOC", L"IDFDP", L"IDFICH", L"IDELE", L"IDFICH", L"IDAUT"}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    pf::PlanTroisFichiers plan = pf::planTroisFichiers();
    if (c.changer) c.changer(plan);
    const harnais::Passage p = passer(plan, c.editer);
    EXPECT_EQ(p.resultat, c.resultat);
    EXPECT_EQ(p.codes(), c.codes);
    EXPECT_EQ(p.complements(), c.complements);
  }
}

// In the driver only the counts stop a three-file plan; the fields' findings let it go on.
TEST_F(CtrlCartoucheV3, TheDriverStopsOnlyOnTheCounts) {
  contexte.repLivre = dossier() + L"/";
  const struct {
    const char* pourquoi;
    Changement changer;
    std::array<std::int32_t, 6> statuts;
  } cas[] = {
      {"clean", {}, {0, 2, -1, 1, 1, 1}},
      {"no IDVOIE", [](pf::PlanTroisFichiers& p) { p.idVoies.clear(); }, {1, 0, -1, 1, 1, 1}},
      {"fields empty or wrong in every file",
       [](pf::PlanTroisFichiers& p) {
         p.idFichFP2[0] = p.idFichEL2[1] = p.idFichAR2[1] = L"";
         p.idLoc[3] = L"C99";
       },
       {1, 2, -1, 1, 1, 1}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    pf::PlanTroisFichiers plan = pf::planTroisFichiers();
    if (c.changer) c.changer(plan);
    ASSERT_FALSE(pf::enregistrer(plan, dossier()).fp2.empty());
    EXPECT_EQ(harnais::piloter(contexte, plan.nom, 2), c.statuts);
  }
}

TEST_F(CtrlCartoucheV3, AtOneToFiveHundredTheOffsetsAreTwoAndAHalfTimesLonger) {
  // The IDLOC cell placed at its 1:200 offset on a 1:500 plan.
  const pf::PlanTroisFichiers plan = pf::planTroisFichiers(2);
  const harnais::Passage p = passer(plan, [&](pf::PlanTroisFichiersConstruit& c) {
    harnais::deplacer(c.fp2, c.idLoc, {pf::uorParMetre * (12.2 - 30.5), 0, 0});
  });
  EXPECT_EQ(p.codes(), std::vector<std::uint32_t>{1135});
  EXPECT_EQ(p.complements(), std::vector<std::wstring>{L"IDLOC"});
}

TEST_F(CtrlCartoucheV3, FindingsCarryTheirFileAndCell) {
  pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  plan.idFichFP2[0] = L"";
  plan.idFichEL2[1] = L"FP2";
  plan.idFichAR2[1] = L"FP2";
  plan.idLoc[4] = L"Z";
  plan.idFdp[1] = L"XYZ";
  plan.idVoies = {voie, voie};
  pf::PlanTroisFichiersConstruit construit = pf::construire(plan);
  const std::wstring rep = dossier();
  ASSERT_TRUE(pf::sauver(construit.fp2, rep + L"/" + plan.nom + L".FP2"));
  ASSERT_TRUE(pf::sauver(construit.el2, rep + L"/" + plan.nom + L".EL2"));
  ASSERT_TRUE(pf::sauver(construit.ar2, rep + L"/" + plan.nom + L".AR2"));
  const harnais::Passage p = harnais::passer(contexte, rep, plan.nom, 2, 1);
  const struct {
    std::uint32_t code;
    const wchar_t* fichier;
    std::uint64_t id;
    const wchar_t* objet;
  } attendus[] = {
      {1107, L".FP2", construit.idFichFP2, L""}, {1120, L".FP2", construit.idFichFP2, L""},
      {1133, L".FP2", construit.idLoc, L"Cartouche"}, {1120, L".FP2", construit.idFdp, L""},
      {1107, L".FP2", construit.idVoies[1], L""}, {1120, L".EL2", construit.idFichEL2, L""},
      {1120, L".AR2", construit.idFichAR2, L""},
  };
  ASSERT_EQ(p.erreurs.size(), std::size(attendus));
  for (std::size_t i = 0; i < std::size(attendus); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p.erreurs[i].code, attendus[i].code);
    EXPECT_EQ(p.erreurs[i].fichier, plan.nom + attendus[i].fichier);
    EXPECT_EQ(p.erreurs[i].idElement, attendus[i].id);
    EXPECT_EQ(p.erreurs[i].extra, 2u);
    EXPECT_EQ(p.erreurs[i].objet, attendus[i].objet);
  }
}

TEST_F(CtrlCartoucheV3, MissingOrUnreadableNetworkFilesAreLeftOut) {
  const pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  const pf::CheminsTroisFichiers chemins = pf::enregistrer(plan, dossier());
  ASSERT_FALSE(chemins.fp2.empty());
  std::ofstream(host::paths::toNative(chemins.el2).string(), std::ios::trunc) << "{ pas un dessin";
  std::remove(host::paths::toNative(chemins.ar2).string().c_str());
  const harnais::Passage p = harnais::passer(contexte, dossier(), plan.nom, 2, 1);
  EXPECT_EQ(p.resultat, 0);
  EXPECT_EQ(p.codes(), std::vector<std::uint32_t>{});
  EXPECT_EQ(p.fichiers.codeLivre, L"");  // only the EL2 file gives it

  // Called on their own, the two checks pass over files that are not open.
  verplanfichiers fichiers = p.fichiers;
  std::vector<vererreur> erreurs;
  EXPECT_EQ(ctrl_cartoucheElecV3(erreurs, fichiers), 0u);
  EXPECT_EQ(ctrl_cartoucheAutreV3(erreurs, fichiers), 0u);
  EXPECT_TRUE(erreurs.empty());
}

TEST_F(CtrlCartoucheV3, PositionTestsBothAndFrom) {
  // One cell of each name at a chosen place from a frame origin at (1000, 2000) metres, version 1.
  const Point3d o{1000.0, 2000.0, 0.0};
  const struct {
    const wchar_t* nom;
    Point3d decalage;  // UORs from the expected point
    bool bien;
  } cas[] = {
      {L"IDFICH", {0.999, -0.999, 0}, true},   {L"IDFICH", {1.0, 0, 0}, false},  {L"IDFICH", {0, -1.0, 0}, false},
      {L"IDLOC", {-0.5, 0.5, 0}, true},        {L"IDLOC", {0, 2.0, 0}, false},   {L"IDVOIE", {-1.0, -1.0, 0}, true},
      {L"IDVOIE", {1e6, 1e6, 0}, true},        {L"IDVOIE", {-1.001, 0, 0}, false}, {L"IDVOIE", {0, -1.5, 0}, false},
      {L"IDFDP", {0, 0, 0}, true},             {L"IDELE", {0.5, 0, 0}, true},    {L"IDAUT", {-3, 0, 0}, false},
  };
  fx::DesignBuilder b;
  std::vector<std::uint64_t> ids;
  for (const auto& c : cas) {
    double x = 0.0;
    for (const ctrl_lignePosition& l : ctrl_positionsIdentification)
      if (std::wstring(l.cellule) == c.nom) x = l.decalageVersion1;
    ids.push_back(b.add(fx::cell(c.nom, pf::uor(o + Point3d{x, 0, 0}) + c.decalage, {})));
  }
  verfichier f;
  f.chemin = dossier(L"POSITIONS.FP2");
  ASSERT_TRUE(pf::sauver(b, f.chemin));
  ASSERT_EQ(stbDgn_ouvrirFichier(&f.modele, nullptr, nullptr, f.chemin, L"", true), 0);
  for (std::size_t i = 0; i < std::size(cas); ++i) {
    SCOPED_TRACE(i);
    const std::wstring nom = cas[i].nom;
    const std::uint64_t id = ids[i];
    std::vector<vererreur> erreurs;
    ctrl_positionCellulesId(erreurs, f, pf::uor(o), 1, nom == L"IDFICH" ? id : 0, nom == L"IDLOC" ? id : 0,
                            nom == L"IDVOIE" ? std::vector<std::uint64_t>{id} : std::vector<std::uint64_t>{},
                            nom == L"IDFDP" ? id : 0, nom == L"IDELE" ? id : 0, nom == L"IDAUT" ? id : 0);
    EXPECT_EQ(erreurs.empty(), cas[i].bien);
    for (const vererreur& e : erreurs) {
      EXPECT_EQ(e.code, 1135u);
      EXPECT_EQ(e.complement, nom);
      EXPECT_EQ(e.idElement, id);
    }
  }
  stbDgn_fermerFichier(f.modele);
}

}  // namespace
