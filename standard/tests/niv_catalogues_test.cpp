// The level catalogues against names typed from the standard (the fixture's lists and, for the
// gas file, the list below), and their slot tables resolved against files.
#include "standard/niv_catalogues.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/fixture/plan_fixture_niveaux.h"
#include "standard/tests/harnais_modele.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;

namespace {

const std::vector<std::wstring>& gazAttendu = pf::niveauxGaz();

template <std::size_t N>
std::vector<std::wstring> noms(const std::array<std::wstring_view, N>& catalogue) {
  return {catalogue.begin(), catalogue.end()};
}

template <std::size_t N>
std::array<std::uint32_t, N> rangs() {
  std::array<std::uint32_t, N> ids{};
  for (std::size_t i = 0; i < N; ++i) ids[i] = static_cast<std::uint32_t>(i + 1);
  return ids;
}

TEST(NivCatalogues, NamesSlotBySlotAsTheStandardWritesThem) {
  EXPECT_EQ(noms(niv_catalogueV2()), pf::niveauxPlanUnique());
  EXPECT_EQ(noms(niv_catalogueFdp()), pf::niveauxFP2());
  EXPECT_EQ(noms(niv_catalogueEle()), pf::niveauxEL2());
  EXPECT_EQ(noms(niv_catalogueGaz()), gazAttendu);
  EXPECT_EQ(noms(niv_catalogueAut()), pf::niveauxAR2());
  for (const auto& liste : {noms(niv_catalogueV2()), noms(niv_catalogueFdp()), noms(niv_catalogueEle()),
                            noms(niv_catalogueGaz()), noms(niv_catalogueAut())})
    EXPECT_EQ(std::set<std::wstring>(liste.begin(), liste.end()).size(), liste.size()) << "a name twice";
}

TEST(NivCatalogues, IrregularNamesStandAtTheirSlots) {
  const struct {
    std::vector<std::wstring> catalogue;
    std::size_t slot;
    std::wstring nom;
  } cas[] = {
      {noms(niv_catalogueAut()), 1, L"AccNonAfflEP"},
      {noms(niv_catalogueAut()), 8, L"Encarts EP"},
      {noms(niv_catalogueAut()), 17, L"Encarts VDC"},
      {noms(niv_catalogueGaz()), 42, L"Encarts PRC"},
      {noms(niv_catalogueGaz()), 22, L"Cote+PtConsMPB"},
      {noms(niv_catalogueGaz()), 53, L"Cote+PtConsProt"},
      {noms(niv_catalogueEle()), 58, L"Cote+PtConsAbanEle"},
      {noms(niv_catalogueGaz()), 58, L"Cote+PtConsAbanGaz"},
      {noms(niv_catalogueAut()), 21, L"Cote+PtConsAbanAut"},
      {noms(niv_catalogueGaz()), 28, L"TxtMPC"},
      {noms(niv_catalogueEle()), 52, L"CoteProtecIndiff"},
      {noms(niv_catalogueEle()), 53, L"TxtProtecIndiff"},
      {noms(niv_catalogueEle()), 51, L"ProtectionsIndif"},
      {noms(niv_catalogueEle()), 56, L"EmprisesR\u00e9sIndif"},
  };
  for (const auto& c : cas) EXPECT_EQ(c.catalogue.at(c.slot), c.nom);
}

TEST(NivCatalogues, SlotTablesTakeTheFileIdsAndZeroForWhatItLacks) {
  host::resetModels();
  ModeleOuvert vide(fx::DesignBuilder{}, L"vide.dgn");
  ModeleOuvert unique(fichierNiveaux(pf::niveauxPlanUnique()), L"unique.dgn");
  ModeleOuvert fp2(fichierNiveaux(pf::niveauxFP2()), L"plan.FP2");
  ModeleOuvert el2(fichierNiveaux(pf::niveauxEL2()), L"plan.EL2");
  ModeleOuvert gz2(fichierNiveaux(gazAttendu), L"plan.GZ2");
  ModeleOuvert ar2(fichierNiveaux(pf::niveauxAR2()), L"plan.AR2");

  verniveauxv2 v2;
  verniveauxfdp fdp;
  verniveauxele ele;
  verniveauxgaz gaz;
  verniveauxaut aut;
  niv_tableV2(v2, unique.modele());
  niv_tableFdpV3(fdp, fp2.modele());
  niv_tableElecV3(ele, el2.modele());
  niv_tableGazV3(gaz, gz2.modele());
  niv_tableAutreV3(aut, ar2.modele());
  EXPECT_EQ(v2.id, rangs<77>());
  EXPECT_EQ(fdp.id, rangs<29>());
  EXPECT_EQ(ele.id, rangs<63>());
  EXPECT_EQ(gaz.id, rangs<63>());
  EXPECT_EQ(aut.id, rangs<26>());

  // Shared names resolve in each table against its own file, at its own slot.
  niv_tableFdpV3(fdp, unique.modele());
  EXPECT_EQ(fdp.id[5], 6u) << "SymbolesFixes";
  EXPECT_EQ(fdp.id[25], 12u) << "TxtPropFdp";
  EXPECT_EQ(fdp.id[20], 59u) << "Axe de voie";
  EXPECT_EQ(fdp.id[0], 0u);
  niv_tableGazV3(gaz, unique.modele());
  EXPECT_EQ(gaz.id[0], 60u) << "CanaBrancht";
  EXPECT_EQ(gaz.id[57], 77u) << "R\u00e9seauAbandonn\u00e9Gaz";

  // None of the levels, or no model: zeros.
  niv_tableV2(v2, vide.modele());
  EXPECT_EQ(v2.id, (std::array<std::uint32_t, 77>{}));
  niv_tableAutreV3(aut, host::ModelRef{});
  EXPECT_EQ(aut.id, (std::array<std::uint32_t, 26>{}));
}

TEST(NivCatalogues, OnlyTheOneFileDimensionSlotFallsBackToLevel58) {
  host::resetModels();
  const struct {
    const char* pourquoi;
    bool cotes, n58;
    std::uint32_t attendu;
  } cas[] = {
      {"58 alone", false, true, 500},
      {"both: CotesFourreaux wins", true, true, 9},
      {"neither", false, false, 0},
  };
  int n = 0;
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::vector<std::wstring> liste = pf::niveauxPlanUnique();
    if (!c.cotes) liste[8] = L"CotesFourreaux_";
    fx::DesignBuilder b = fichierNiveaux(liste);
    if (c.n58) b.level(L"58", 500);
    ModeleOuvert m(b, std::to_wstring(n++) + L".dgn");
    verniveauxv2 t;
    niv_tableV2(t, m.modele());
    EXPECT_EQ(t.id[8], c.attendu);
    // No fallback elsewhere, no slot filled from a number.
    verniveauxfdp fdp;
    niv_tableFdpV3(fdp, m.modele());
    EXPECT_EQ(fdp.id[8], 0u);
  }
}

TEST(NivCatalogues, ANameOffByOneCharacterLeavesItsSlotEmpty) {
  host::resetModels();
  std::vector<std::wstring> aut = pf::niveauxAR2();
  aut[8] = L"EncartsEP";
  aut[1] = L"AccNonAffEP";
  std::vector<std::wstring> gaz = gazAttendu;
  gaz[28] = L"TxtCanaMPC";
  gaz[0] = L"canabrancht";  // no case folding
  ModeleOuvert ar2(fichierNiveaux(aut), L"plan.AR2");
  ModeleOuvert gz2(fichierNiveaux(gaz), L"plan.GZ2");
  verniveauxaut ta;
  verniveauxgaz tg;
  niv_tableAutreV3(ta, ar2.modele());
  niv_tableGazV3(tg, gz2.modele());
  EXPECT_EQ(ta.id[8], 0u);
  EXPECT_EQ(ta.id[1], 0u);
  EXPECT_EQ(ta.id[2], 3u);
  EXPECT_EQ(tg.id[28], 0u);
  EXPECT_EQ(tg.id[0], 0u);
}

}  // namespace
