// Plan names and file kinds from file names.
#include "engine/plan_fichier.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t echec = 0x8000;
const std::wstring racine25 = L"abcdefghijklmnopqrstuvwxy";  // 25 characters

struct casNom {
  std::wstring chemin;
  std::uint32_t resultat;
  std::wstring nomPlan;
  const char* pourquoi;
};

TEST(PlanNomDepuisFichier, FollowsTheNamingRulesOfBothPlanKinds) {
  const casNom cas[] = {
      {L"/d/Livre/ABCDEFGH.DGN", 0, L"ABCDEFGH.DGN", "one-file plan: the whole file name"},
      {L"/d/Livre/abcdefgh.dgn", 0, L"ABCDEFGH.DGN", "one-file plan in lower case: same name"},
      {L"C:\\d\\Livre\\abcdefgh.xyz", 0, L"ABCDEFGH.XYZ", "any other 3-character extension"},
      {L"/d/Livre/ABCDEFG.DGN", echec, L"", "7-character stem"},
      {L"/d/Livre/ABCDEFGHI.DGN", echec, L"", "9-character stem"},
      {L"/d/Livre/ABCDEFGH.DG", echec, L"", "2-character extension"},
      {L"/d/Livre/ABCDEFGH", echec, L"", "no extension"},
      {L"/d/Livre/" + racine25 + L".fp2", 0, L"ABCDEFGHIJKLMNOPQRSTUVWXY", "three-file plan, 25 characters"},
      {L"/d/Livre/" + racine25 + L"z.El2", 0, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "26 characters, mixed-case code"},
      {L"/d/Livre/" + racine25 + L".GZ2", 0, L"ABCDEFGHIJKLMNOPQRSTUVWXY", "a gas file gives its stem too"},
      {L"/d/Livre/" + racine25.substr(1) + L".fp2", echec, L"", "24 characters"},
      {L"/d/Livre/" + racine25 + L"zz.fp2", echec, L"", "27 characters"},
      {L"/d/Livre/ABCDEFGH.FP2", echec, L"", "theme code with an 8-character stem"},
      {L"", echec, L"", "empty path"},
  };
  for (const casNom& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::wstring nom = L"ancien";
    EXPECT_EQ(plan_nomDepuisFichier(nom, c.chemin), c.resultat);
    EXPECT_EQ(nom, c.nomPlan);
  }
}

TEST(PlanThemeFichier, GivesTheKindBitOfTheName) {
  const struct {
    std::wstring nom;
    std::uint32_t theme;
    const char* pourquoi;
  } cas[] = {
      {racine25 + L".FP2", 2, "background"},
      {racine25 + L".el2", 4, "electricity, lower case"},
      {racine25 + L".Gz2", 8, "gas, though never listed as a plan"},
      {racine25 + L".AR2", 16, "other networks"},
      {L"ABCDEFGH.EL2", 4, "the theme code wins over the 8.3 shape"},
      {L"X.AR2", 16, "the theme code needs no stem length"},
      {L"ABCDEFGH.DGN", 1, "one-file plan file"},
      {L"/d/Livre/abcdefgh.dgn", 1, "a path is read by its file name"},
      {L"ABCDEFG.DGN", 0, "7-character stem"},
      {L"ABCDEFGH.DG", 0, "2-character extension"},
      {racine25 + L".DGN", 0, "long stem with another extension"},
      {L"", 0, "empty name"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    EXPECT_EQ(plan_themeFichier(c.nom), c.theme);
  }
}

}  // namespace
