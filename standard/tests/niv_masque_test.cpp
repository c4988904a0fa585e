// The network display masks: the rule tables held against the standard and the catalogues, and
// the masks of fixture files with every level of a catalogue or with some missing.
#include "standard/niv_masque.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <type_traits>

#include "engine/fixture/plan_fixture_niveaux.h"
#include "standard/niv_catalogues.h"
#include "standard/niv_classement_table.h"
#include "standard/niv_masques_table.h"
#include "standard/tests/harnais_modele.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;

namespace {

// The groups of the display masks and those of the classifier are two records of one library:
// both headers go into one file, and each record has a name of its own.
static_assert(!std::is_same_v<niv_groupeMasque, niv_groupeClassement>);

using Noms = std::set<std::wstring>;

std::vector<std::wstring> catalogueDe(std::uint32_t theme) {
  if (theme == 62) return pf::niveauxEL2();
  if (theme == 1984) return pf::niveauxGaz();
  return pf::niveauxAR2();
}

// The names of the catalogue whose level (rank + 1) is on in the mask.
Noms allumes(const host::LevelMask& m, const std::vector<std::wstring>& noms) {
  Noms r;
  for (std::size_t i = 0; i < noms.size(); ++i)
    if (m.testLevel(static_cast<std::uint32_t>(i + 1))) r.insert(noms[i]);
  return r;
}

verplaninfo planDe(std::uint32_t type, std::uint32_t theme, host::ModelRef modele) {
  verplaninfo p;
  verplaninfo_construire(p);
  p.type = type;
  p.version = 1;
  p.masqueTheme = theme;
  p.modeleTheme = modele;
  return p;
}

}  // namespace

TEST(NivMasqueTable, GroupSlotsNameTheLevelsOfEachNetwork) {
  const struct {
    std::uint32_t theme, reseau;
    std::vector<std::wstring> noms;  // "" where the group has no such level
  } attendus[] = {
      {62, 2, {L"C\u00e2blesBrancht", L"AccNonAffBranchtEle", L"AccAffBranchtEle", L"TxtBranchtEle",
               L"TxtAccNonAffBrtEle", L"TxtAccAffBrtEle", L"Cote+PtConstBrtEle", L""}},
      {62, 2, {L"C\u00e2blesBT", L"AccNonAffBT", L"AccAffBT", L"TxtC\u00e2blesBT", L"TxtAccNonAffBT", L"TxtAccAffBT",
               L"Cote+PtConstBT", L"R\u00e9sIncertainBT"}},
      {62, 4, {L"C\u00e2blesHTA", L"AccNonAffHTA", L"AccAffHTA", L"TxtC\u00e2blesHTA", L"TxtAccNonAffHTA",
               L"TxtAccAffHTA", L"Cote+PtConstHTA", L"R\u00e9sIncertainHTA"}},
      {62, 8, {L"C\u00e2blesTLCEle", L"AccNonAffTLCEle", L"AccAffTLCEle", L"TxtC\u00e2blesTLCEle",
               L"TxtAccNonAffTLCEle", L"TxtAccAffTLCEle", L"Cote+PtConstTLCEle", L"R\u00e9sIncertainTLCEle"}},
      {62, 16, {L"C\u00e2blesTLR", L"AccNonAffTLR", L"AccAffTLR", L"TxtC\u00e2blesTLR", L"TxtAccNonAffTLR",
                L"TxtAccAffTLR", L"Cote+PtConstTLR", L"R\u00e9sIncertainTLR"}},
      {1984, 0, {L"CanaBrancht", L"AccNonAffBranchtGaz", L"AccAffBranchtGaz", L"TxtBranchtGaz",
                 L"TxtAccNonAffBrtGaz", L"TxtAccAffBrtGaz", L"Cote+PtConstBrtGaz", L""}},
      {1984, 64, {L"CanalisationBP", L"AccNonAffBP", L"AccAffBP", L"TxtCanaBP", L"TxtAccNonAffBP", L"TxtAccAffBP",
                  L"Cote+PtConstBP", L"R\u00e9sIncertainBP"}},
      {1984, 128, {L"CanalisationMPB", L"AccNonAffMPB", L"AccAffMPB", L"TxtCanaMPB", L"TxtAccNonAffMPB",
                   L"TxtAccAffMPB", L"Cote+PtConsMPB", L"R\u00e9sIncertainMPB"}},
      {1984, 256, {L"CanalisationMPC", L"AccNonAffMPC", L"AccAffMPC", L"TxtMPC", L"TxtAccNonAffMPC",
                   L"TxtAccAffMPC", L"Cote+PtConstMPC", L"R\u00e9sIncertainMPC"}},
      {1984, 1024, {L"C\u00e2blesPRC", L"AccNonAffPRC", L"AccAffPRC", L"TxtC\u00e2blesPRC", L"TxtAccNonAffPRC",
                    L"TxtAccAffPRC", L"Cote+PtConstPRC", L"R\u00e9sIncertainPRC"}},
      {1984, 512, {L"C\u00e2blesTLCGaz", L"AccNonAffTLCGaz", L"AccAffTLCGaz", L"TxtC\u00e2blesTLCGaz",
                   L"TxtAccNonAffTLCGaz", L"TxtAccAffTLCGaz", L"Cote+PtConstTLCGaz", L"R\u00e9sIncertainTLCGaz"}},
      {6144, 2048, {L"C\u00e2blesEP", L"AccNonAfflEP", L"AccAffEP", L"TxtC\u00e2blesEP", L"TxtAccNonAffEP",
                    L"TxtAccAffEP", L"Cote+PtConstEP", L"R\u00e9sIncertainEP"}},
      {6144, 4096, {L"C\u00e2blesVDC", L"AccNonAffVDC", L"AccAffVDC", L"TxtC\u00e2blesVDC", L"TxtAccNonAffVDC",
                    L"TxtAccAffVDC", L"Cote+PtConstVDC", L"R\u00e9sIncertainVDC"}},
  };
  ASSERT_EQ(std::size(attendus), niv_groupesV3.size());
  for (std::size_t g = 0; g < niv_groupesV3.size(); ++g) {
    const auto& groupe = niv_groupesV3[g];
    EXPECT_EQ(groupe.theme, attendus[g].theme);
    EXPECT_EQ(groupe.reseau, attendus[g].reseau);
    const auto catalogue = catalogueDe(groupe.theme);
    for (std::size_t k = 0; k < 8; ++k)
      EXPECT_EQ(groupe.slots[k] < 0 ? L"" : catalogue.at(static_cast<std::size_t>(groupe.slots[k])),
                attendus[g].noms[k])
          << "group " << g << " member " << k;
  }
}

TEST(NivMasqueTable, OtherThreeFileLevelsStandAtTheSlotsTheStandardGives) {
  const std::pair<std::wstring_view, std::int32_t> attendus[] = {
      {L"Drap+TxtIndiffEle", 54}, {L"ProtectionsIndif", 51}, {L"ProtectionsBT", 17}, {L"ProtectionsHTA", 30},
      {L"TxtProtecIndiff", 53}, {L"TxtProtecBT", 18}, {L"TxtProtecHTA", 31}, {L"CoteProtecIndiff", 52},
      {L"CoteProtecBT", 19}, {L"CoteProtecHTA", 32}, {L"R\u00e9seauAbandonn\u00e9Ele", 57},
      {L"Cote+PtConsAbanEle", 58}, {L"Drap+TxtIndiffGaz", 55}, {L"Protections", 52}, {L"TxtProtections", 54},
      {L"Cote+PtConsProt", 53}, {L"R\u00e9seauAbandonn\u00e9Gaz", 57}, {L"Cote+PtConsAbanGaz", 58},
      {L"Drap+TxtIndiffAut", 18}, {L"R\u00e9seauAbandonn\u00e9Aut", 20}, {L"Cote+PtConsAbanAut", 21}};
  ASSERT_EQ(std::size(attendus), niv_autresNiveauxV3.size());
  for (std::size_t i = 0; i < niv_autresNiveauxV3.size(); ++i) {
    const auto& r = niv_autresNiveauxV3[i];
    EXPECT_EQ(r.niveau, attendus[i].first);
    const auto catalogue = catalogueDe(r.theme);
    const auto it = std::find(catalogue.begin(), catalogue.end(), r.niveau);
    EXPECT_EQ(it - catalogue.begin(), attendus[i].second) << i;
  }
}

TEST(NivMasqueTable, EveryThreeFileSlotHasOneRuleOrIsNeverSwitchedOn) {
  for (std::uint32_t theme : {62u, 1984u, 6144u}) {
    const auto catalogue = catalogueDe(theme);
    std::vector<int> regles(catalogue.size(), 0);
    for (const auto& g : niv_groupesV3)
      if (g.theme == theme)
        for (auto s : g.slots)
          if (s >= 0) ++regles.at(static_cast<std::size_t>(s));
    for (const auto& r : niv_autresNiveauxV3)
      if (r.theme == theme) ++regles.at(static_cast<std::size_t>(std::find(catalogue.begin(), catalogue.end(), r.niveau) - catalogue.begin()));
    for (auto n : niv_jamaisAffichesV3) {
      const auto it = std::find(catalogue.begin(), catalogue.end(), n);
      if (it != catalogue.end()) ++regles[static_cast<std::size_t>(it - catalogue.begin())];
    }
    for (std::size_t s = 0; s < catalogue.size(); ++s) EXPECT_EQ(regles[s], 1) << theme << " " << catalogue[s];
  }
  // Every one-file rule names a level of the one-file catalogue.
  for (const auto& r : niv_reglesV2) EXPECT_GE(niv_slot(niv_catalogueV2(), r.niveau), 0);
}

TEST(NivMasque, SelectionsSwitchOnTheLevelsOfTheirFile) {
  host::resetModels();
  ModeleOuvert unique(fichierNiveaux(pf::niveauxPlanUnique()), L"unique.dgn");
  ModeleOuvert el2(fichierNiveaux(pf::niveauxEL2()), L"plan.EL2");
  ModeleOuvert gz2(fichierNiveaux(pf::niveauxGaz()), L"plan.GZ2");
  ModeleOuvert ar2(fichierNiveaux(pf::niveauxAR2()), L"plan.AR2");
  const struct {
    const char* cas;
    std::uint32_t type, theme, n, e, c;
    std::uint8_t f;
    Noms attendu;
  } cas[] = {
      {"nothing asked, electricity", 2, 62, 0, 0, 15, 0, {}},
      {"nothing asked, gas: branchement by C", 2, 1984, 0, 0, 15, 0, {L"CanaBrancht", L"Cote+PtConstBrtGaz"}},
      {"nothing asked, other networks", 2, 6144, 0, 0, 15, 0, {}},
      {"nothing asked, one-file gas", 1, 1984, 0, 0, 15, 0,
       {L"CanaBrancht", L"AccAffBranchtGaz", L"AccNonAffBranchtGaz", L"TxtBranchtGaz"}},
      {"nothing asked, one-file electricity", 1, 62, 0, 0, 15, 0, {}},
      {"BT and HTA, C 7, E 7", 2, 62, 6, 7, 7, 0,
       {L"C\u00e2blesBrancht", L"C\u00e2blesBT", L"R\u00e9sIncertainBT", L"C\u00e2blesHTA", L"R\u00e9sIncertainHTA"}},
      {"BT, C 7, E 65535", 2, 62, 2, 65535, 7, 0,
       {L"C\u00e2blesBrancht", L"AccNonAffBranchtEle", L"AccAffBranchtEle", L"TxtBranchtEle", L"TxtAccNonAffBrtEle",
        L"TxtAccAffBrtEle", L"C\u00e2blesBT", L"AccNonAffBT", L"AccAffBT", L"TxtC\u00e2blesBT", L"TxtAccNonAffBT",
        L"TxtAccAffBT", L"R\u00e9sIncertainBT", L"R\u00e9seauAbandonn\u00e9Ele"}},
      {"TLR dimensions", 2, 62, 16, 0, 8, 0, {L"Cote+PtConstTLR"}},
      {"earthing in the electricity file", 2, 62, 32, 65535, 15, 0,
       {L"ProtectionsIndif", L"ProtectionsBT", L"ProtectionsHTA", L"R\u00e9seauAbandonn\u00e9Ele",
        L"Cote+PtConsAbanEle"}},
      {"protections, texts and dimensions", 2, 62, 8192, 0, 12, 0,
       {L"TxtProtecIndiff", L"TxtProtecBT", L"TxtProtecHTA", L"CoteProtecIndiff", L"CoteProtecBT", L"CoteProtecHTA"}},
      {"gas protections, accessories", 2, 1984, 8192, 0, 2, 0, {L"Protections"}},
      {"MPB flush accessories", 2, 1984, 128, 0x800, 6, 0,
       {L"AccAffBranchtGaz", L"TxtAccAffBrtGaz", L"AccAffMPB", L"TxtAccAffMPB"}},
      {"EP uncertain, no lines", 2, 6144, 2048, 4, 2, 0, {}},
      {"VDC lines and uncertain", 2, 6144, 4096, 4, 1, 0, {L"C\u00e2blesVDC", L"R\u00e9sIncertainVDC"}},
      {"EP is not in the electricity file", 2, 62, 2048, 7 | 0x1c00, 15, 0, {}},
      {"one-file TLC electricity", 1, 62, 8, 7, 15, 1, {L"Drap+CoupeTranch"}},
      {"one-file protections, lines", 1, 62, 8192, 0, 1, 0, {L"Fourreaux+Tub_"}},
      {"one-file earthing, accessories", 1, 62, 32, 0, 2, 0, {}},
      {"one-file protections", 1, 62, 8192, 0, 14, 0, {L"Fourreaux+Tub_", L"TxtFourreaux", L"CotesFourreaux"}},
      {"one-file BT", 1, 62, 2, 65535, 15, 0,
       {L"R\u00e9seauBT", L"TxtR\u00e9seauBT", L"CotesR\u00e9seauBT", L"R\u00e9seauAbandonn\u00e9Gaz"}},
      {"one-file BP accessories", 1, 62, 64, 0, 2, 0, {L"R\u00e9seauBP", L"AccAffBP", L"AccNonAffBP"}},
      {"one-file PRC uncertain, no contents", 1, 62, 1024, 4, 0, 0, {L"R\u00e9sIncertainPRC"}},
      {"one-file TLC gas", 1, 62, 512, 4, 8, 0, {L"CotesR\u00e9seauTLC", L"R\u00e9sIncertainTLCGaz"}},
      {"flags, electricity", 2, 62, 0, 0, 0, 1, {L"Drap+TxtIndiffEle"}},
      {"flags, gas", 2, 1984, 0, 0, 0, 0x80, {L"Drap+TxtIndiffGaz"}},
      {"flags, other networks", 2, 6144, 0, 0, 0, 1, {L"Drap+TxtIndiffAut"}},
      {"flags, one-file", 1, 6144, 0, 0, 0, 1, {L"Drap+CoupeTranch"}},
      {"abandoned, electricity", 2, 62, 0, 8, 15, 0, {L"R\u00e9seauAbandonn\u00e9Ele", L"Cote+PtConsAbanEle"}},
      {"abandoned, gas", 2, 1984, 0, 8, 15, 0,
       {L"CanaBrancht", L"Cote+PtConstBrtGaz", L"R\u00e9seauAbandonn\u00e9Gaz", L"Cote+PtConsAbanGaz"}},
      {"abandoned, other networks", 2, 6144, 0, 8, 4, 0, {L"R\u00e9seauAbandonn\u00e9Aut"}},
      {"abandoned, one-file", 1, 62, 0, 8, 0, 0, {L"R\u00e9seauAbandonn\u00e9Gaz"}},
      {"unknown plan kind", 3, 62, 65535, 65535, 15, 1, {}},
      {"unknown theme", 2, 63, 65535, 65535, 15, 1, {}},
  };
  for (const auto& c : cas) {
    host::ModelRef modele = c.type == 1 ? unique.modele() : c.theme == 1984 ? gz2.modele()
                            : c.theme == 6144 ? ar2.modele() : el2.modele();
    const auto& noms = c.type == 1 ? pf::niveauxPlanUnique() : catalogueDe(c.theme == 63 ? 62 : c.theme);
    const host::LevelMask m = niv_masqueAffichage(c.n, c.e, c.c, c.f, planDe(c.type, c.theme, modele));
    EXPECT_EQ(allumes(m, noms), c.attendu) << c.cas;
    EXPECT_FALSE(m.test(0xFFFFFFFF)) << c.cas;  // no bit for a level id 0
  }
}

TEST(NivMasque, AbsentLevelsSetNoBit) {
  host::resetModels();
  ModeleOuvert unique(fichierNiveaux(pf::niveauxPlanUnique(), {L"CanaBrancht", L"AccAffBranchtGaz"}), L"unique.dgn");
  ModeleOuvert el2(fichierNiveaux(pf::niveauxEL2(), {L"C\u00e2blesHTA"}), L"plan.EL2");

  host::LevelMask m = niv_masqueAffichage(0, 0, 3, 0, planDe(1, 1984, unique.modele()));
  EXPECT_EQ(allumes(m, pf::niveauxPlanUnique()), (Noms{L"AccNonAffBranchtGaz"}));
  m = niv_masqueAffichage(0, 0, 1, 0, planDe(1, 1984, unique.modele()));
  EXPECT_TRUE(m.none());

  m = niv_masqueAffichage(4, 4, 1, 0, planDe(2, 62, el2.modele()));
  EXPECT_EQ(allumes(m, pf::niveauxEL2()), (Noms{L"R\u00e9sIncertainHTA"}));
}

TEST(NivMasque, ExtremeLevelIdsAndNamesBeyondLatin1) {
  host::resetModels();
  fx::DesignBuilder b;
  b.level(L"R\u00e9seauBT", 0xFFFFFFFF);
  b.level(L"TxtR\u00e9seauBT", 1);
  b.level(L"R\u00e9seau\u20acBT", 2);
  ModeleOuvert f(b, L"extremes.dgn");
  const host::LevelMask m = niv_masqueAffichage(2, 0, 5, 0, planDe(1, 62, f.modele()));
  EXPECT_TRUE(m.testLevel(0xFFFFFFFF));
  EXPECT_TRUE(m.testLevel(1));
  EXPECT_FALSE(m.testLevel(2));
}

TEST(NivMasque, NoThemeModelGivesAnEmptyMaskOfItsOwn) {
  // A three-file plan whose EL2 file is missing has no theme model.
  host::LevelMask m = niv_masqueAffichage(65535, 65535, 15, 1, planDe(2, 62, host::ModelRef{}));
  EXPECT_TRUE(m.none());
  m.setLevel(3);  // the caller's own mask
  EXPECT_TRUE(niv_masqueAffichage(65535, 65535, 15, 1, planDe(1, 1984, host::ModelRef{})).none());

  // A scan of a plan file with that mask finds nothing.
  host::resetModels();
  fx::DesignBuilder b = fichierNiveaux(pf::niveauxEL2());
  b.add(fx::line({0, 0, 0}, {100, 0, 0}).level(8));
  ModeleOuvert el2(b, L"plan.EL2");
  host::ScanCriteria critere;
  critere.levelMask = niv_masqueAffichage(2, 7, 1, 0, planDe(2, 62, host::ModelRef{}));
  EXPECT_TRUE(host::scan(el2.modele(), critere).empty());
  critere.levelMask = niv_masqueAffichage(2, 7, 1, 0, planDe(2, 62, el2.modele()));
  EXPECT_EQ(host::scan(el2.modele(), critere).size(), 1u) << "CâblesBT";
}
