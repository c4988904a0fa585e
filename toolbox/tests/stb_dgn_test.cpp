#include "toolbox/stb_dgn.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;

namespace {

class StbDgn : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    // Tests run in parallel processes: each has a folder of its own.
    dir = fs::current_path() / (std::string("dgn_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder b;
    b.level(L"Fond");
    for (int i = 0; i < 120; ++i) b.add(fx::line({i * 10.0, 0, 0}, {i * 10.0 + 5, 5, 0}));
    b.add(fx::data({1, 2, 3}));
    ASSERT_TRUE(b.save(chemin(L"Plan.dgn")));
  }
  void TearDown() override { host::resetModels(); }
  std::wstring chemin(const std::wstring& nom) const { return host::fixture::large(dir / host::paths::toNative(nom)); }
  fs::path dir;
};

TEST_F(StbDgn, OuvrirFichierRefusesWhatIsNotAPlanFile) {
  fx::DesignBuilder v7;
  v7.header().fileFormat = 5;
  ASSERT_TRUE(v7.save(chemin(L"Format5.dgn")));
  std::ofstream((dir / "Texte.dgn").string()) << "pas un fichier";
  fx::DesignBuilder lecture;
  ASSERT_TRUE(lecture.save(chemin(L"Lecture.dgn")));
  fs::permissions(dir / "Lecture.dgn", fs::owner_read | fs::group_read | fs::others_read);
  struct Cas {
    const wchar_t* nom;
    bool lectureSeuleAcceptee;
    int attendu;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {L"PLAN.DGN", false, 0, "a writable plan, name without case"},
      {L"Format5.dgn", true, 0x8000, "format outside 1 to 4"},
      {L"Texte.dgn", true, 0x8000, "not a design file"},
      {L"Absent.dgn", true, 0x8000, "missing"},
      {L"Lecture.dgn", false, 0x8000, "read-only file that must be writable"},
      {L"Lecture.dgn", true, 0, "read-only file accepted"},
  };
  for (const auto& c : cas) {
    host::ModelRef modele;
    std::uint32_t format = 0;
    bool est3d = true;
    EXPECT_EQ(stbDgn_ouvrirFichier(&modele, &format, &est3d, chemin(c.nom), L"", c.lectureSeuleAcceptee), c.attendu)
        << c.pourquoi;
    EXPECT_EQ(host::openWorkFileCount(), c.attendu == 0 ? 1u : 0u) << c.pourquoi;
    if (c.attendu == 0) {
      EXPECT_TRUE(stbDgn_modeleValide(modele));
      EXPECT_EQ(format, 2u);
      EXPECT_FALSE(est3d);
      EXPECT_EQ(stbDgn_fermerFichier(modele), 0);
      EXPECT_EQ(stbDgn_fermerFichier(modele), 0x8000) << "closed twice";
    }
  }
  EXPECT_EQ(stbDgn_fermerFichier(host::ModelRef{}), 0x8000);
  EXPECT_FALSE(stbDgn_modeleValide(host::ModelRef{}));
  EXPECT_EQ(stbDgn_ouvrirFichier(nullptr, nullptr, nullptr, chemin(L"Plan.dgn"), L"", true), 0);
}

TEST_F(StbDgn, TheActiveFileIsReusedAndNeverClosed) {
  ASSERT_EQ(host::openActiveFile(chemin(L"Plan.dgn")), host::kSuccess);
  host::ModelRef modele;
  std::uint32_t format = 0;
  ASSERT_EQ(stbDgn_ouvrirFichier(&modele, &format, nullptr, chemin(L"PLAN.DGN"), L"", false), 0);
  EXPECT_EQ(modele, host::activeModel());
  EXPECT_EQ(format, 2u);
  EXPECT_EQ(host::openWorkFileCount(), 0u);
  EXPECT_EQ(stbDgn_fermerFichier(modele), 0);
  EXPECT_TRUE(stbDgn_modeleValide(host::activeModel()));
}

TEST_F(StbDgn, ScannerListsEveryElementOnceInFileOrder) {
  host::ModelRef modele;
  ASSERT_EQ(stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin(L"Plan.dgn"), L"", true), 0);
  std::vector<host::ElementId> ids{999};
  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Line};
  stbDgn_scanner(ids, criteres, modele);
  ASSERT_EQ(ids.size(), 120u);
  for (std::size_t i = 1; i < ids.size(); ++i) EXPECT_LT(ids[i - 1], ids[i]);
  stbDgn_scanner(ids, criteres, host::ModelRef{});
  EXPECT_TRUE(ids.empty());

  host::Range3d etendue;
  ASSERT_EQ(stbDgn_etendueModele(etendue, modele), 0);
  EXPECT_EQ(etendue, host::Range3d::from({0, 0, 0}, {1195, 5, 0}));  // the data element has no range
  fx::DesignBuilder vide;
  vide.add(fx::data({1}));
  ASSERT_TRUE(vide.save(chemin(L"Vide.dgn")));
  host::ModelRef sansDessin;
  ASSERT_EQ(stbDgn_ouvrirFichier(&sansDessin, nullptr, nullptr, chemin(L"Vide.dgn"), L"", true), 0);
  EXPECT_EQ(stbDgn_etendueModele(etendue, sansDessin), 0x8000);
  EXPECT_TRUE(etendue.isNull());
}

TEST_F(StbDgn, TrouverReferenceByFileModelAndLogicalName) {
  fx::DesignBuilder fond;
  fond.model(L"Second");
  ASSERT_TRUE(fond.save(chemin(L"Fond.dgn")));
  ASSERT_EQ(host::openActiveFile(chemin(L"Plan.dgn")), host::kSuccess);
  const host::ModelRef maitre = host::activeModel();
  const auto identite = host::Transform::identity();
  const host::ModelRef saute = host::attachReference(maitre, {L"Emprises", chemin(L"Fond.dgn"), L"", identite, true, {}});
  const host::ModelRef r1 = host::attachReference(maitre, {L"Fond-1", chemin(L"Fond.dgn"), L"", identite, false, {}});
  const host::ModelRef r2 = host::attachReference(maitre, {L"Emprises", chemin(L"Fond.dgn"), L"Second", identite, false, {}});
  struct Cas {
    const wchar_t* fichier;
    const wchar_t* modele;
    const wchar_t* prefixe;
    host::ModelRef attendu;
    const char* pourquoi;
  };
  const std::wstring fichierMajuscules = chemin(L"FOND.DGN");
  const Cas cas[] = {
      {L"", L"", L"", r1, "no criterion: the first reference not skipped"},
      {L"", L"", L"emp", r2, "logical-name prefix without case; the skipped one is passed over"},
      {L"", L"SECOND", L"", r2, "model name without case"},
      {fichierMajuscules.c_str(), L"Default", L"", r1, "file name without case"},
      {L"", L"", L"Fond-2", host::ModelRef{}, "no match"},
  };
  for (const auto& c : cas) {
    host::ModelRef trouve{12345};
    EXPECT_EQ(stbDgn_trouverReference(trouve, c.fichier, c.modele, c.prefixe, maitre), c.attendu ? 0 : 0x8000) << c.pourquoi;
    if (c.attendu) {
      EXPECT_EQ(trouve, c.attendu) << c.pourquoi;
    }
  }
  std::wstring nom = L"x";
  EXPECT_EQ(stbDgn_nomFichier(nom, saute), L"");
  EXPECT_EQ(stbDgn_nomModele(nom, saute), L"");
  EXPECT_EQ(stbDgn_nomModele(nom, r1), L"Default");
  EXPECT_EQ(stbDgn_nomFichier(nom, r1), chemin(L"Fond.dgn"));
  EXPECT_EQ(stbDgn_nomFichier(nom, maitre), chemin(L"Plan.dgn"));
  EXPECT_EQ(stbDgn_nomModele(nom, host::ModelRef{}), L"");
}

TEST(StbGeom, PlageAutourPointIsAtZeroHeight) {
  host::Range3d plage;
  stbGeom_plageAutourPoint(plage, {100, 200, 35}, 2.5);
  EXPECT_EQ(plage, host::Range3d::from({97.5, 197.5, -2.5}, {102.5, 202.5, 2.5}));
}

}  // namespace
