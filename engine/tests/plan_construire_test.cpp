// The file set of a plan and the plan record of a theme made from it.
#include "engine/plan_construire.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/paths.h"

namespace {

class PlanConstruire : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const boost::filesystem::path livre = boost::filesystem::current_path() / "PlanConstruire" / test / "Livre";
    boost::filesystem::remove_all(livre.parent_path());
    boost::filesystem::create_directories(livre);
    livre_ = host::paths::fromNative(livre) + L"/";
  }
  void ecrire(const std::wstring& nom) const {
    host::fixture::DesignBuilder b;
    ASSERT_TRUE(b.save(livre_ + nom));
  }
  std::wstring livre_;
};

// The plan's name is upper-cased; its files' paths are as they stand on disk, so that a report
// names a file that exists.
TEST_F(PlanConstruire, OneFilePlanHasOneUpperCasedSlotThatExists) {
  ecrire(L"abcd1234.dgn");
  verplanfichiers f;
  f.codeOrigine = L"reste";
  plan_construire(f, L"abcd1234.dgn", 1, 2, L"RGF93.CC47", livre_);
  EXPECT_EQ(f.nom, L"ABCD1234.DGN");
  EXPECT_EQ(f.type, 1);
  EXPECT_EQ(f.version, 2);
  EXPECT_TRUE(f.codeOrigine.empty());
  EXPECT_EQ(f.projection.cleSysteme, L"RGF93.CC47");
  EXPECT_EQ(f.projection.codeCourt, L"C47");
  EXPECT_EQ(f.fichiers[0].chemin, livre_ + L"abcd1234.dgn");
  EXPECT_EQ(f.fichiers[0].nomFichier, L"ABCD1234.DGN");
  EXPECT_TRUE(f.fichiers[0].existe);
  EXPECT_FALSE(f.fichiers[0].lectureSeule);
  EXPECT_EQ(f.fichiers[0].role, 1u);
  EXPECT_EQ(f.fichiers[0].mode, 1u);
  EXPECT_FALSE(f.fichiers[0].modele);
  for (std::size_t i : {1u, 2u}) {
    EXPECT_TRUE(f.fichiers[i].chemin.empty());
    EXPECT_FALSE(f.fichiers[i].existe);
  }
}

TEST_F(PlanConstruire, ThreeFilePlanHasItsThemeFilesWithExistenceAndReadOnly) {
  const std::wstring stem = L"ABC-47-00120-00650-07-B-13";
  ecrire(L"abc-47-00120-00650-07-b-13.fp2");
  ecrire(L"ABC-47-00120-00650-07-B-13.AR2");
  boost::filesystem::permissions(host::paths::toNative(livre_ + stem + L".AR2"), boost::filesystem::owner_read);
  verplanfichiers f;
  plan_construire(f, L"abc-47-00120-00650-07-b-13", 2, 1, L"", livre_);
  const struct {
    const wchar_t* extension;
    std::uint32_t role;
    bool existe;
    bool lectureSeule;
    const wchar_t* surDisque;  // a missing file keeps the path composed
  } attendus[] = {{L"FP2", 2, true, false, L"abc-47-00120-00650-07-b-13.fp2"},
                  {L"EL2", 3, false, false, L"ABC-47-00120-00650-07-B-13.EL2"},
                  {L"AR2", 4, true, true, L"ABC-47-00120-00650-07-B-13.AR2"}};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(f.fichiers[i].chemin, livre_ + attendus[i].surDisque);
    EXPECT_EQ(f.fichiers[i].nomFichier, stem + L"." + attendus[i].extension);
    EXPECT_EQ(f.fichiers[i].role, attendus[i].role);
    EXPECT_EQ(f.fichiers[i].existe, attendus[i].existe);
    EXPECT_EQ(f.fichiers[i].lectureSeule, attendus[i].lectureSeule);
  }
  EXPECT_TRUE(f.projection.cleSysteme.empty());
}

TEST(PlanCopierIdentite, ThemeModelFollowsThePlanKindAndTheMask) {
  verplanfichiers f;
  f.nom = L"ABC-47-00120-00650-07-B-13";
  f.version = 1;
  f.projection.codeCourt = L"C47";
  f.fichiers[0].chemin = L"/L/" + f.nom + L".FP2";
  f.fichiers[0].nomFichier = f.nom + L".FP2";
  for (std::size_t i = 0; i < 3; ++i) f.fichiers[i].modele = host::ModelRef{10 + i};
  f.fichiers[2].lectureSeule = true;
  const struct {
    std::int32_t type;
    std::uint32_t masque;
    std::uint64_t theme;
  } cas[] = {{2, 62, 11}, {2, 6144, 12}, {2, 1984, 0}, {2, 0, 0}, {1, 6144, 10}, {1, 0, 10}};
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.masque);
    f.type = c.type;
    verplaninfo p;
    p.index = 7;  // the record is made anew
    plan_copierIdentite(p, f, c.masque);
    EXPECT_EQ(p.modeleTheme.handle, c.theme);
    EXPECT_EQ(p.modelePrincipal.handle, 10u);
    EXPECT_EQ(p.type, static_cast<std::uint32_t>(c.type));
    EXPECT_EQ(p.version, 1u);
    EXPECT_EQ(p.masqueTheme, c.masque);
    EXPECT_EQ(p.masqueReseau, c.masque);
    EXPECT_EQ(p.nomPlan, f.nom);
    EXPECT_EQ(p.libelleEmprise, f.nom);
    EXPECT_EQ(p.chemin, f.fichiers[0].chemin);
    EXPECT_EQ(p.nomFichier, f.fichiers[0].nomFichier);
    EXPECT_EQ(p.projection.codeCourt, L"C47");
    EXPECT_TRUE(p.lectureSeule);
    EXPECT_EQ(p.index, -1);
  }
}

}  // namespace
