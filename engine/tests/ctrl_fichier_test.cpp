// File checks of a plan's DGN files: one fault of a clean file per case, the order of several
// faults, and the gas file beside a three-file plan.
#include "engine/ctrl_fichier.h"

#include <gtest/gtest.h>

#include <functional>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace {

using host::fixture::DesignBuilder;

class CtrlFichier : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const boost::filesystem::path dossier = boost::filesystem::current_path() / "CtrlFichier" / test;
    boost::filesystem::remove_all(dossier);
    boost::filesystem::create_directories(dossier);
    racine_ = host::paths::fromNative(dossier) + L"/";
    ouvertsAvant_ = host::openWorkFileCount();
  }
  void TearDown() override { EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant_); }

  // A clean plan file changed by `defaut`, saved under `nom`; its file record.
  verfichier fichier(const std::wstring& nom, const std::function<void(DesignBuilder&)>& defaut) const {
    DesignBuilder b;
    b.add(host::fixture::line({0, 0, 0}, {1000, 0, 0}));
    defaut(b);
    EXPECT_TRUE(b.save(racine_ + nom));
    verfichier f;
    f.chemin = racine_ + nom;
    f.existe = true;
    return f;
  }

  static std::vector<std::uint32_t> codes(const std::vector<vererreur>& erreurs) {
    std::vector<std::uint32_t> c;
    for (const vererreur& e : erreurs) c.push_back(e.code);
    return c;
  }

  std::wstring racine_;
  std::size_t ouvertsAvant_ = 0;
};

TEST_F(CtrlFichier, OneFaultOfACleanFileGivesItsCode) {
  const struct {
    const char* pourquoi;
    std::function<void(DesignBuilder&)> defaut;
    std::vector<std::uint32_t> attendus;
  } cas[] = {
      {"clean file", [](DesignBuilder&) {}, {}},
      {"format other than V8", [](DesignBuilder& b) { b.header().fileFormat = 3; }, {1007}},
      {"3D file", [](DesignBuilder& b) { b.header().is3d = true; }, {1004}},
      {"sub-units 1000.05 are within the tolerance", [](DesignBuilder& b) { b.header().subPerMaster = 1000.05; }, {}},
      {"sub-units 1000.2 are not", [](DesignBuilder& b) { b.header().subPerMaster = 1000.2; }, {1001}},
      {"UORs per sub-unit 10", [](DesignBuilder& b) { b.header().uorPerSub = 10.0; }, {1001}},
      {"two models", [](DesignBuilder& b) { b.model(L"Second"); }, {1010}},
      {"origin (0.5, 0.5) is near enough", [](DesignBuilder& b) { b.header().globalOrigin = {0.5, 0.5, 0}; }, {}},
      {"origin (1.0, 0.5) is not", [](DesignBuilder& b) { b.header().globalOrigin = {1.0, 0.5, 0}; }, {1003}},
      {"origin far in z only", [](DesignBuilder& b) { b.header().globalOrigin = {0, 0, 50}; }, {}},
      {"every fault at once, in the check's order",
       [](DesignBuilder& b) {
         b.header().globalOrigin = {5, 0, 0};
         b.model(L"Second");
         b.header().uorPerSub = 2.0;
         b.header().is3d = true;
         b.header().fileFormat = 1;
       },
       {1007, 1004, 1001, 1010, 1003}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verfichier f = fichier(L"abcd1234.dgn", c.defaut);
    std::vector<vererreur> erreurs(1);  // a finding already there is kept and not counted
    EXPECT_EQ(ctrl_fichier(erreurs, f), c.attendus.empty() ? 0 : 0x8000);
    erreurs.erase(erreurs.begin());
    EXPECT_EQ(codes(erreurs), c.attendus);
    for (const vererreur& e : erreurs) {
      EXPECT_EQ(e.fichier, L"ABCD1234.DGN");
      EXPECT_EQ(e.complement, f.chemin);
      EXPECT_EQ(e.idElement, 0u);
      EXPECT_FALSE(e.aPosition);
      EXPECT_TRUE(e.objet.empty());
    }
  }
}

TEST_F(CtrlFichier, AFileThatDoesNotOpenGivesOnly2012AndAMissingOneNothing) {
  verfichier illisible;
  illisible.chemin = racine_ + L"ABCD1234.DGN";
  illisible.existe = true;
  { boost::filesystem::ofstream(host::paths::toNative(illisible.chemin)) << "pas un dessin"; }
  std::vector<vererreur> erreurs;
  EXPECT_EQ(ctrl_fichier(erreurs, illisible), 0x8000);
  EXPECT_EQ(codes(erreurs), std::vector<std::uint32_t>{2012});

  verfichier absent;
  absent.chemin = racine_ + L"ABSENT12.DGN";
  erreurs.clear();
  EXPECT_EQ(ctrl_fichier(erreurs, absent), 0);
  EXPECT_TRUE(erreurs.empty());
}

TEST_F(CtrlFichier, ReadOnlyFilesAreChecked) {
  verfichier f = fichier(L"ABCD1234.DGN", [](DesignBuilder& b) { b.header().is3d = true; });
  boost::filesystem::permissions(host::paths::toNative(f.chemin), boost::filesystem::owner_read);
  std::vector<vererreur> erreurs;
  EXPECT_EQ(ctrl_fichier(erreurs, f), 0x8000);
  EXPECT_EQ(codes(erreurs), std::vector<std::uint32_t>{1004});
}

TEST_F(CtrlFichier, GasFileBesideAThreeFilePlanIsFoundWhateverItsCase) {
  const std::wstring stem = L"ABC-47-00120-00650-07-B-13";
  fichier(L"abc-47-00120-00650-07-b-13.gz2", [](DesignBuilder&) {});
  verplanfichiers plan;
  plan.type = 2;
  plan.fichiers[0].chemin = racine_ + stem + L".FP2";
  std::vector<vererreur> erreurs;
  EXPECT_EQ(ctrl_fichierGaz(erreurs, plan), 0x8000);
  ASSERT_EQ(codes(erreurs), std::vector<std::uint32_t>{1008});
  EXPECT_EQ(erreurs[0].fichier, stem + L".FP2");
  EXPECT_EQ(erreurs[0].complement, racine_ + L"abc-47-00120-00650-07-b-13.gz2") << "the path as it stands on disk";

  erreurs.clear();
  plan.type = 1;  // a one-file plan never has a gas file
  EXPECT_EQ(ctrl_fichierGaz(erreurs, plan), 0);
  plan.type = 2;
  plan.fichiers[0].chemin = racine_ + L"ABC-47-00120-00650-07-B-14.FP2";
  EXPECT_EQ(ctrl_fichierGaz(erreurs, plan), 0);
  EXPECT_TRUE(erreurs.empty());
}

}  // namespace
