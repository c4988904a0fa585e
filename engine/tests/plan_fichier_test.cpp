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

verplaninfo planDeType(std::uint32_t type, const std::wstring& chemin) {
  verplaninfo plan;
  plan.type = type;
  plan.chemin = chemin;
  return plan;
}

TEST(PlanFichierTheme, NamesTheSiblingOfAThreeFilePlanAndTheOwnFileOfAOneFilePlan) {
  const std::wstring fp2 = L"/D/LIVRE/ABCDEFGHIJKLMNOPQRSTUVWXY.FP2";
  const std::wstring racine = L"/D/LIVRE/ABCDEFGHIJKLMNOPQRSTUVWXY";
  const std::wstring v2 = L"/D/LIVRE/ABCDEFGH.DGN";
  const struct {
    std::uint32_t type;
    std::wstring chemin;
    std::uint32_t theme;
    std::wstring attendu;
    const char* pourquoi;
  } cas[] = {
      {2, fp2, 2, racine + L".FP2", "background: the main path"},
      {2, fp2, 4, racine + L".EL2", "electricity"},
      {2, fp2, 8, racine + L".GZ2", "gas, though never a plan file"},
      {2, fp2, 16, racine + L".AR2", "other networks"},
      {2, fp2, 1, L"", "bit 1 names no file of a three-file plan"},
      {2, fp2, 6, L"", "two bits at once name no file"},
      {2, L"C:\\D.X\\LIVRE\\ABCDEFGHIJKLMNOPQRSTUVWXY.FP2", 4, L"C:\\D.X\\LIVRE\\ABCDEFGHIJKLMNOPQRSTUVWXY.EL2",
       "a point in a folder name is not the extension"},
      {1, v2, 0, v2, "one-file plan: its own path for bit 0"},
      {1, v2, 4, v2, "one-file plan: its own path for every bit"},
      {1, v2, 16, v2, "one-file plan: its own path for every bit"},
      {0, v2, 4, L"", "no plan kind"},
      {3, fp2, 4, L"", "unknown plan kind"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::wstring chemin = L"ancien";
    const std::wstring& rendu = plan_fichierTheme(chemin, c.theme, planDeType(c.type, c.chemin));
    EXPECT_EQ(chemin, c.attendu);
    EXPECT_EQ(&rendu, &chemin);
  }
}

TEST(DossierChercherPlan, FindsTheFirstPlanOfTheUpperCasedName) {
  std::vector<verplaninfo> plans(3);
  plans[0].nomPlan = L"ABCDEFGH.DGN";
  plans[1].nomPlan = L"ÉTUDE123.DGN";
  plans[2].nomPlan = L"ABCDEFGH.DGN";
  EXPECT_EQ(dossier_chercherPlan(L"ABCDEFGH.DGN", plans), 0);
  EXPECT_EQ(dossier_chercherPlan(L"abcdefgh.dgn", plans), 0);
  EXPECT_EQ(dossier_chercherPlan(L"étude123.dgn", plans), 1);
  EXPECT_EQ(dossier_chercherPlan(L"ABCDEFGH", plans), -1);
  EXPECT_EQ(dossier_chercherPlan(L"", plans), -1);
  EXPECT_EQ(dossier_chercherPlan(L"ABCDEFGH.DGN", {}), -1);
}

}  // namespace
