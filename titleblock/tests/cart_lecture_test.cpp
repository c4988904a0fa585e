// Reading the title block and the identification cells of the fixture plans and their variants.
#include "titleblock/cart_lecture.h"

#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture.h"
#include "titleblock/cart_cellules.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;

namespace {

class CartLecture : public ::testing::Test {
 protected:
  void SetUp() override { host::resetModels(); }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), 0u) << "a reader left a file open"; }

  static std::wstring dossier() {
    const std::string nom = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return L"lecture/" + std::wstring(nom.begin(), nom.end());
  }
};

TEST_F(CartLecture, Cart2FillsEverySlotButTheProjectionFromItsTexts) {
  const pf::PlanUnique plan = pf::planUnique();
  const std::wstring chemin = pf::enregistrer(plan, dossier());
  ASSERT_FALSE(chemin.empty());
  vercartouche c;
  ASSERT_EQ(cart_lire(c, {}, chemin), 0u);
  const cart_table table = cart_tableChamps(L"CART2");
  for (int k = 0; k < cart_nombreChamps; ++k)
    if (k != champProjection) {
      EXPECT_EQ(c.champs[k], plan.champs[table[k]]) << "slot " << k;
    }
  EXPECT_EQ(c.champs[champInsee], L"44109");
  EXPECT_EQ(c.champs[champRivoli], L"0450");
  EXPECT_EQ(c.champs[champFolio], L"01/05");
  EXPECT_EQ(c.champs[champEchelleQualite], L"200-P");
  EXPECT_EQ(c.champs[champOrigine], L"QR44");
  EXPECT_EQ(c.champs[champProjection], L"C47");
}

TEST_F(CartLecture, CartLeavesItsLastSlotsEmptyAndOtherNamesAreNoTitleBlock) {
  pf::PlanUnique plan = pf::planUnique();
  plan.nomCartouche = L"CART";
  for (int i = 0; i < 29; ++i) plan.champs[i] = L"t" + std::to_wstring(i);
  vercartouche c;
  ASSERT_EQ(cart_lire(c, {}, pf::enregistrer(plan, dossier() + L"/cart")), 0u);
  const cart_table table = cart_tableChamps(L"CART");
  for (int k = 0; k <= 25; ++k)
    if (k != champProjection) {
      EXPECT_EQ(c.champs[k], L"t" + std::to_wstring(table[k])) << "slot " << k;
    }
  for (int k = 26; k <= 29; ++k) EXPECT_EQ(c.champs[k], L"") << "slot " << k;

  plan.nomCartouche = L"cart2";
  EXPECT_EQ(cart_lire(c, {}, pf::enregistrer(plan, dossier() + L"/minuscules")), 0x8000u);
}

TEST_F(CartLecture, LabelsDoNotShiftTheFieldsAndFieldsAreTrimmed) {
  pf::PlanUnique plan = pf::planUnique();
  plan.etiquettes = false;
  plan.champs[pf::texteInsee] = L"  44109 ";
  vercartouche sans, avec;
  ASSERT_EQ(cart_lire(sans, {}, pf::enregistrer(plan, dossier() + L"/sans")), 0u);
  plan.etiquettes = true;
  ASSERT_EQ(cart_lire(avec, {}, pf::enregistrer(plan, dossier() + L"/avec")), 0u);
  EXPECT_EQ(sans.champs, avec.champs);
  EXPECT_EQ(avec.champs[champInsee], L"44109");
}

TEST_F(CartLecture, FewerTextsThanTheTableLeaveSlotsEmpty) {
  pf::PlanUnique plan = pf::planUnique();
  plan.champs.resize(20);
  vercartouche c;
  ASSERT_EQ(cart_lire(c, {}, pf::enregistrer(plan, dossier())), 0u);
  EXPECT_EQ(c.champs[champEchelleQualite], L"");  // text 24
  EXPECT_EQ(c.champs[champCommune2], L"");        // text 20 is missing
  EXPECT_EQ(c.champs[champInsee2], L"44109");     // text 19
}

TEST_F(CartLecture, ProjectionTextIsFoundOnlyOnItsLevelAtItsPlace) {
  struct Cas {
    std::wstring texte, niveau;
    host::Point3d decalage;  // metres
    double angle;
    std::uint32_t version;
    std::wstring code;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"PRJ=C47", L"Cart+habillage", {}, 0.0, 1, L"C47", "the clean plan"},
      {L"PRJ=C47", L"Cart+habillage", {}, 0.0, 2, L"C47", "at 1:500 the point is 2.5 times farther"},
      {L"PRJ=C47", L"Cart+habillage", {}, 0.7, 1, L"C47", "the point turns with the title block"},
      {L"prj= C47 ", L"Cart+habillage", {}, 0.0, 1, L" C47 ", "prefix in lower case; the code is not trimmed"},
      {L"PRJ=C47", L"Topo4Divers", {}, 0.0, 1, L"", "another level"},
      {L"PRJ=C47", L"Cart+habillage", {0.002, 0, 0}, 0.0, 1, L"", "starts 2 UORs past the point"},
      {L"PRJ=C47", L"Cart+habillage", {0.0009, 0, 0}, 0.0, 1, L"C47", "starts within 1 UOR of the point"},
      {L"PRJ=C47", L"Cart+habillage", {0, 0.5, 0}, 0.0, 1, L"", "above the point"},
      {L"PROJ=C47", L"Cart+habillage", {}, 0.0, 1, L"", "another prefix"},
  };
  int n = 0;
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    pf::PlanUnique plan = pf::planUnique(c.version);
    plan.texteProjection = c.texte;
    plan.niveauProjection = c.niveau;
    plan.decalageProjection = c.decalage;
    plan.angle = c.angle;
    const pf::PlanUniqueConstruit construit = pf::construire(plan);
    const std::wstring chemin = dossier() + L"/" + std::to_wstring(n++) + L".dgn";
    ASSERT_TRUE(pf::sauver(construit.fichier, chemin));
    std::wstring code = L"ancien";
    std::uint64_t id = 99;
    EXPECT_EQ(cart_lireProjection(code, &id, 0, {}, chemin), c.code);
    EXPECT_EQ(id, c.code.empty() ? 0u : construit.idProjection);
    // The title block named by its id gives the same.
    EXPECT_EQ(cart_lireProjection(code, nullptr, construit.idCartouche, {}, chemin), c.code);
  }
}

TEST_F(CartLecture, ReadersRefuseNothingToRead) {
  vercartouche c;
  EXPECT_EQ(cart_lire(c, {}, L""), 0x8000u);
  EXPECT_EQ(cart_lire(c, {}, L"absent.dgn"), 0x8000u);
  std::wstring code = L"x";
  EXPECT_EQ(cart_lireProjection(code, nullptr, 0, {}, L""), L"");
  veridfich f;
  EXPECT_EQ(cart_lireIdFich(f, 0, {}, L"absent.FP2"), 0x8000u);
  veridvoie v;
  EXPECT_EQ(cart_lireIdVoie(v, 0, {}, L"absent.FP2"), 0x8000u);
  // A one-file plan has no identification cells.
  const std::wstring plan = pf::enregistrer(pf::planUnique(), dossier());
  EXPECT_EQ(cart_lireIdFich(f, 0, {}, plan), 0x8000u);
  EXPECT_EQ(cart_cellulesIdentification(nullptr, nullptr, nullptr, nullptr, {}, plan), 0x8000u);
  EXPECT_EQ(cart_lireIdVoie(v, 0, {}, plan), 0u);  // the file opened: 0, nothing read
  EXPECT_EQ(v.textes[0], L"");
}

TEST_F(CartLecture, ThreeFilePlanIdentificationCells) {
  const pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  const pf::PlanTroisFichiersConstruit construit = pf::construire(plan);
  const pf::CheminsTroisFichiers chemins = pf::enregistrer(plan, dossier());
  ASSERT_FALSE(chemins.fp2.empty());

  std::uint64_t fich = 0, theme = 0, loc = 0;
  std::vector<std::uint64_t> voies;
  ASSERT_EQ(cart_cellulesIdentification(&fich, &theme, &loc, &voies, {}, chemins.fp2), 0u);
  EXPECT_EQ(fich, construit.idFichFP2);
  EXPECT_EQ(theme, construit.idFdp);
  EXPECT_EQ(loc, construit.idLoc);
  EXPECT_EQ(voies, construit.idVoies);

  veridfich f;
  ASSERT_EQ(cart_lireIdFich(f, 0, {}, chemins.fp2), 0u);
  EXPECT_EQ(f.textes, plan.idFichFP2);
  veridloc l;
  ASSERT_EQ(cart_lireIdLoc(l, 0, {}, chemins.fp2), 0u);
  EXPECT_EQ(l.textes, plan.idLoc);
  veridfdp d;
  ASSERT_EQ(cart_lireIdFdp(d, 0, {}, chemins.fp2), 0u);
  EXPECT_EQ(d.textes, plan.idFdp);
  veridvoie v;
  ASSERT_EQ(cart_lireIdVoie(v, voies.at(0), {}, chemins.fp2), 0u);
  EXPECT_EQ(v.textes[0], L"44109");
  EXPECT_EQ(v.textes[1], L"NANTES");
  EXPECT_EQ(v.textes[2], L"0450");
  EXPECT_EQ(v.textes[3], L"RUE NATIONALE");

  veridele e;
  ASSERT_EQ(cart_lireIdEle(e, 0, {}, chemins.el2), 0u);
  EXPECT_EQ(e.textes, plan.idEle);
  veridfich el2;
  ASSERT_EQ(cart_lireIdFich(el2, 0, {}, chemins.el2), 0u);
  EXPECT_EQ(el2.textes[1], L"EL2");
  veridaut a;
  ASSERT_EQ(cart_lireIdAut(a, 0, {}, chemins.ar2), 0u);
  EXPECT_EQ(a.textes, plan.idAut);
  // The theme cell is read whatever its name: the IDELE reader on AR2 reads IDAUT.
  ASSERT_EQ(cart_lireIdEle(e, 0, {}, chemins.ar2), 0u);
  EXPECT_EQ(e.textes[0], L"VDC");
}

TEST_F(CartLecture, LaterCellOfARoleWinsAndIdvoieCellsKeepTheirOrder) {
  const pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  pf::PlanTroisFichiersConstruit construit = pf::construire(plan);
  const std::wstring echanges = L"CellulesEchanges";
  const host::LevelId niveau = *construit.fp2.file().levelId(echanges);
  const host::ElementId second = construit.fp2.add(
      fx::cell(L"IDLOCV3", pf::uor(plan.origineCadre), {fx::fieldText(L"a", {}), fx::fieldText(L"b", {}),
                                                        fx::fieldText(L"500", {}), fx::fieldText(L"C46", {}),
                                                        fx::fieldText(L"F", {})})
          .level(niveau));
  const host::ElementId voie2 = construit.fp2.add(fx::cell(L"IDVOIE", pf::uor(plan.origineCadre), {}).level(niveau));
  construit.fp2.add(fx::cell(L"IDVOIE2", pf::uor(plan.origineCadre), {}).level(niveau));  // not an IDVOIE
  const std::wstring chemin = dossier() + L"/" + plan.nom + L".FP2";
  ASSERT_TRUE(pf::sauver(construit.fp2, chemin));

  std::uint64_t loc = 0;
  std::vector<std::uint64_t> voies;
  ASSERT_EQ(cart_cellulesIdentification(nullptr, nullptr, &loc, &voies, {}, chemin), 0u);
  EXPECT_EQ(loc, second);
  EXPECT_EQ(voies, (std::vector<std::uint64_t>{construit.idVoies.at(0), voie2}));
  veridloc l;
  ASSERT_EQ(cart_lireIdLoc(l, 0, {}, chemin), 0u);
  EXPECT_EQ(l.textes[3], L"C46");
  // Named by its id, the first IDLOC cell is read.
  ASSERT_EQ(cart_lireIdLoc(l, construit.idLoc, {}, chemin), 0u);
  EXPECT_EQ(l.textes[3], L"C47");
}

TEST_F(CartLecture, AnOpenModelIsUsedAndLeftOpen) {
  const std::wstring chemin = pf::enregistrer(pf::planUnique(), dossier());
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true), host::kSuccess);
  vercartouche c;
  EXPECT_EQ(cart_lire(c, modele, L"ignored.dgn"), 0u);
  EXPECT_EQ(c.champs[champProjection], L"C47");
  EXPECT_TRUE(host::isValid(modele));
  host::closeWorkFile(modele);
  // The host's active file is read and never closed.
  ASSERT_EQ(host::openActiveFile(chemin), host::kSuccess);
  EXPECT_EQ(cart_lire(c, {}, chemin), 0u);
  EXPECT_TRUE(host::isValid(host::activeModel()));
  host::closeActiveFile();
}

TEST_F(CartLecture, TrouverCelluleIdBySortAndId) {
  const pf::PlanTroisFichiers plan = pf::planTroisFichiers();
  const pf::PlanTroisFichiersConstruit construit = pf::construire(plan);
  const pf::CheminsTroisFichiers chemins = pf::enregistrer(plan, dossier());
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, chemins.fp2, L"", true), host::kSuccess);
  struct Cas {
    std::uint64_t id;
    int sorte, sousSorte;
    std::uint32_t resultat;
    std::uint64_t trouve;
  };
  const Cas cas[] = {
      {0, 2, 1, 0, construit.idFichFP2}, {0, 2, 2, 0, construit.idFdp}, {0, 2, 3, 0, construit.idLoc},
      {0, 2, 4, 0x8000, 0},              {0, 1, 1, 0x8000, 0},           {0, 3, 1, 0x8000, 0},
      {construit.idCadre, 7, 7, 0, construit.idCadre},  // an id is used as it is
  };
  for (const auto& c : cas) {
    host::ElementHandle h;
    EXPECT_EQ(cart_trouverCelluleId(h, c.id, modele, c.sorte, c.sousSorte), c.resultat) << c.sorte << c.sousSorte;
    if (c.resultat == 0) {
      EXPECT_EQ(h.id(), c.trouve);
    }
  }
  host::closeWorkFile(modele);
}

}  // namespace
