// Opening the file of a plan's theme, with deliveries whose names differ in case from the
// upper-cased paths the engine composes.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "engine/plan_fichier.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "toolbox/stb_str.h"
#include "host/fixture/chemins.h"

namespace {

constexpr std::uint32_t echec = 0x8000;

// A delivery folder "Dossier/Livre" written in mixed and lower case: a three-file plan without
// AR2 file, with a gas file, and a one-file plan.
class PlanOuvrir : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per test: ctest runs the tests of this fixture side by side.
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const boost::filesystem::path livre = boost::filesystem::current_path() / "PlanOuvrir" / test / "Dossier" / "Livre";
    boost::filesystem::remove_all(livre.parent_path());
    boost::filesystem::create_directories(livre);
    racine_ = host::paths::fromNative(livre) + L"/";
    host::fixture::DesignBuilder fichier;
    fichier.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}));
    for (const wchar_t* nom : {L"abcdefghijklmnopqrstuvwxy.fp2", L"abcdefghijklmnopqrstuvwxy.el2",
                               L"abcdefghijklmnopqrstuvwxy.gz2", L"abcd1234.dgn", L"prototype.dgn"})
      ASSERT_TRUE(fichier.save(racine_ + nom));
    ouvertsAvant_ = host::openWorkFileCount();
  }

  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_); }

  // The record as the folder listing makes it: the whole path upper-cased.
  verplaninfo plan(std::uint32_t type, const std::wstring& nom, std::uint32_t masque) const {
    verplaninfo p;
    p.type = type;
    p.chemin = racine_ + nom;
    stbStr_majuscules(p.chemin);
    p.masqueTheme = masque;
    p.masqueReseau = masque;
    return p;
  }

  static std::wstring nomOuvert(host::ModelRef modele) {
    return host::fixture::large(host::paths::toNative(host::fileName(modele)).filename());
  }

  std::wstring racine_;
  std::size_t ouvertsAvant_ = 0;
};

TEST_F(PlanOuvrir, OpensTheThemeFileOfAThreeFilePlanWhateverTheCaseOnDisk) {
  const struct {
    std::uint32_t masque;
    const wchar_t* ouvert;
  } cas[] = {{62, L"abcdefghijklmnopqrstuvwxy.el2"}, {1984, L"abcdefghijklmnopqrstuvwxy.gz2"}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.masque);
    verplaninfo p = plan(2, L"ABCDEFGHIJKLMNOPQRSTUVWXY.FP2", c.masque);
    ASSERT_EQ(plan_ouvrir(p), 0u);
    ASSERT_TRUE(host::isValid(p.modeleTheme));
    EXPECT_TRUE(host::isReadOnly(p.modeleTheme));
    EXPECT_EQ(nomOuvert(p.modeleTheme), c.ouvert);
    EXPECT_EQ(host::closeWorkFile(p.modeleTheme), 0);
  }
}

TEST_F(PlanOuvrir, OtherNetworksThemeOrMissingFileFailsAndDropsTheHeldThemeModel) {
  for (const std::uint32_t masque : {6144u, 0u, 62u}) {
    SCOPED_TRACE(masque);
    // With 62 the EL2 file is looked for beside an FP2 file whose plan has no EL2 file.
    verplaninfo p = plan(2, masque == 62 ? L"ZZZZZZZZZZZZZZZZZZZZZZZZZ.FP2" : L"ABCDEFGHIJKLMNOPQRSTUVWXY.FP2", masque);
    host::ModelRef tenu;
    ASSERT_EQ(host::openWorkFile(&tenu, nullptr, nullptr, racine_ + L"prototype.dgn", L"", true), 0);
    p.modeleTheme = tenu;
    p.modelePrincipal = tenu;
    EXPECT_EQ(plan_ouvrir(p), echec);
    EXPECT_FALSE(p.modeleTheme);
    EXPECT_FALSE(host::isValid(tenu));
    EXPECT_EQ(p.modelePrincipal, tenu);  // only a one-file plan's main model is cleared
  }
}

TEST_F(PlanOuvrir, OneFilePlanOpensItsOwnFileAndAMissingOneClearsBothModels) {
  verplaninfo p = plan(1, L"ABCD1234.DGN", 0);
  ASSERT_EQ(plan_ouvrir(p), 0u);
  EXPECT_EQ(nomOuvert(p.modeleTheme), L"abcd1234.dgn");
  EXPECT_EQ(plan_typeFichierModele(p.modeleTheme), 1u);
  EXPECT_EQ(host::closeWorkFile(p.modeleTheme), 0);

  verplaninfo absent = plan(1, L"ABSENT12.DGN", 62);
  absent.modelePrincipal = host::ModelRef{42};
  EXPECT_EQ(plan_ouvrir(absent), echec);
  EXPECT_FALSE(absent.modeleTheme);
  EXPECT_FALSE(absent.modelePrincipal);
}

TEST_F(PlanOuvrir, OtherPlanKindsOpenNothingAndSucceed) {
  verplaninfo p = plan(0, L"ABCD1234.DGN", 62);
  EXPECT_EQ(plan_ouvrir(p), 0u);
  EXPECT_FALSE(p.modeleTheme);
}

TEST_F(PlanOuvrir, FileLayoutOfAnOpenModelComesFromItsFileName) {
  const struct {
    const wchar_t* nom;
    std::uint32_t disposition;
  } cas[] = {{L"abcdefghijklmnopqrstuvwxy.el2", 2}, {L"abcd1234.dgn", 1}, {L"prototype.dgn", 0}};
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.nom)));
    host::ModelRef modele;
    ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, racine_ + c.nom, L"", true), 0);
    EXPECT_EQ(plan_typeFichierModele(modele), c.disposition);
    EXPECT_EQ(host::closeWorkFile(modele), 0);
  }
  EXPECT_EQ(plan_typeFichierModele(host::ModelRef{}), 0u);
}

}  // namespace
