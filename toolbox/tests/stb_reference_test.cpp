#include "toolbox/stb_reference.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;

namespace {

class StbReference : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    dir = fs::current_path() / (std::string("ref_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder plan;
    plan.add(fx::line({0, 0, 0}, {10, 10, 0}));
    ASSERT_TRUE(plan.save(chemin(L"P0123.EL2")));
    fx::DesignBuilder travail;
    ASSERT_TRUE(travail.save(chemin(L"Tolvek.dgn")));
    ASSERT_EQ(host::openActiveFile(chemin(L"Tolvek.dgn")), host::kSuccess);
  }
  void TearDown() override { host::resetModels(); }
  std::wstring chemin(const std::wstring& nom) const { return host::fixture::large(dir / host::paths::toNative(nom)); }
  host::ModelRef attacher(const std::wstring& nomLogique, bool ignoree = false, const std::wstring& fichier = L"P0123.EL2",
                          const std::wstring& modele = L"") {
    host::ReferenceAttachment a;
    a.logicalName = nomLogique;
    a.fileName = chemin(fichier);
    a.modelName = modele;
    a.skip = ignoree;
    const host::ModelRef r = host::attachReference(host::activeModel(), a);
    EXPECT_TRUE(r);
    return r;
  }
  std::vector<std::wstring> nomsRestants() const {
    std::vector<std::wstring> noms;
    for (host::ModelRef r : host::references(host::activeModel())) noms.push_back(host::attachment(r)->logicalName);
    return noms;
  }
  fs::path dir;
};

TEST_F(StbReference, DetachesEveryReferenceOfThePrefixWhateverItsCase) {
  attacher(L"VERLIVP0123EL2");
  attacher(L"VERIFEmprisesdgn");
  attacher(L"verlivP0123FP2");
  attacher(L"VERORIP0123EL2");
  attacher(L"VERLIVP0123AR2", true);  // skipped by walks, still detached by its name
  attacher(L"AUTRE");
  stbDgn_detacherReferences(L"VERLIV");
  EXPECT_EQ(nomsRestants(), (std::vector<std::wstring>{L"VERIFEmprisesdgn", L"VERORIP0123EL2", L"AUTRE"}));
  stbDgn_detacherReferences(L"VERLIV");  // nothing left of that prefix
  EXPECT_EQ(nomsRestants().size(), 3u);
}

TEST_F(StbReference, AnEmptyPrefixDetachesEveryDirectReference) {
  attacher(L"VERIFEmprisesdgn");
  attacher(L"AUTRE");
  stbDgn_detacherReferences(L"");
  EXPECT_TRUE(nomsRestants().empty());
}

TEST_F(StbReference, WithoutActiveModelNothingHappens) {
  host::closeActiveFile();
  stbDgn_detacherReferences(L"VERIF");
  EXPECT_FALSE(host::activeModel());
}

TEST_F(StbReference, ChercherAttachementTakesTheFirstThatMeetsEveryCriterion) {
  fx::DesignBuilder emprises;
  emprises.model(L"Second");
  ASSERT_TRUE(emprises.save(chemin(L"Emprises.dgn")));
  attacher(L"VERLIVP0123EL2", true);                 // skipped: passed over
  attacher(L"VERLIVABSENTEL2", false, L"ABSENT.EL2");  // file missing: passed over
  const host::ModelRef liv = attacher(L"verlivP0123FP2");
  const host::ModelRef ori = attacher(L"VERORIP0123EL2");
  const host::ModelRef second = attacher(L"VERIFEmprisesdgn", false, L"Emprises.dgn", L"Second");
  const host::ModelRef sansModele = attacher(L"VERIFX", false, L"Emprises.dgn", L"Absent");
  ASSERT_FALSE(host::isValid(sansModele));
  const std::wstring fichierMajuscules = host::fixture::large(dir / "P0123.el2");
  struct Cas {
    std::wstring fichier, modele, prefixe;
    host::ModelRef attendu;
    const char* pourquoi;
  } cas[] = {
      {L"", L"", L"", liv, "no criterion: the first whose file and model are there"},
      {L"", L"", L"VERLIV", liv, "the prefix without case"},
      {L"", L"", L"VERORI", ori, "another prefix"},
      {fichierMajuscules, L"", L"VERORI", ori, "file and prefix together, the file without case"},
      {chemin(L"Emprises.dgn"), L"second", L"", second, "model name without case"},
      {chemin(L"Emprises.dgn"), L"Default", L"", host::ModelRef{}, "the default model is not attached"},
      {L"", L"", L"VERLIVABSENT", host::ModelRef{}, "a missing file is never found"},
      {L"", L"", L"VERLIVP0123EL2", host::ModelRef{}, "a skipped one is never found"},
  };
  for (const auto& c : cas) {
    host::ModelRef trouve{12345};
    EXPECT_EQ(stbDgn_chercherAttachement(&trouve, c.fichier, c.modele, c.prefixe, host::activeModel()),
              c.attendu ? 0 : 0x8000)
        << c.pourquoi;
    EXPECT_EQ(trouve, c.attendu ? c.attendu : host::ModelRef{12345}) << c.pourquoi;  // untouched when none
  }
  EXPECT_EQ(stbDgn_chercherAttachement(nullptr, L"", L"", L"VERORI", host::activeModel()), 0);
  EXPECT_EQ(stbDgn_chercherAttachement(nullptr, L"", L"", L"", liv), 0x8000);  // a reference without references
}

TEST_F(StbReference, AttacherModeleAttachesOnceUnderItsLogicalName) {
  fx::DesignBuilder emprises;
  emprises.model(L"Second");
  ASSERT_TRUE(emprises.save(chemin(L"Emprises.dgn")));
  const host::ModelRef actif = host::activeModel();
  host::ModelRef premier, encore, autre;
  ASSERT_EQ(stbDgn_attacherModele(&premier, chemin(L"Emprises.dgn"), L"", L"VERIF", L"", actif), 0);
  EXPECT_EQ(nomsRestants(), std::vector<std::wstring>{L"VERIFEmprisesdgn"});
  EXPECT_TRUE(host::isValid(premier));
  // The same file under the same prefix, even named in another case: handed back, not attached again.
  ASSERT_EQ(stbDgn_attacherModele(&encore, host::fixture::large(dir / "EMPRISES.DGN"), L"", L"verif", L"", actif), 0);
  EXPECT_EQ(encore, premier);
  EXPECT_EQ(nomsRestants().size(), 1u);
  // Another prefix or another model is another attachment.
  ASSERT_EQ(stbDgn_attacherModele(&autre, chemin(L"Emprises.dgn"), L"", L"VERORI", L"", actif), 0);
  EXPECT_NE(autre, premier);
  ASSERT_EQ(stbDgn_attacherModele(nullptr, chemin(L"Emprises.dgn"), L"Second", L"VERIF", L"", actif), 0);
  EXPECT_EQ(nomsRestants(), (std::vector<std::wstring>{L"VERIFEmprisesdgn", L"VERORIEmprisesdgn", L"VERIFEmprisesdgn"}));
  EXPECT_EQ(host::modelName(host::references(actif)[2]), L"Second");

  // A missing file or model attaches nothing, and its message is not shown.
  host::messages::clearLog();
  host::ModelRef rate{777};
  EXPECT_EQ(stbDgn_attacherModele(&rate, chemin(L"Absent.dgn"), L"", L"VERIF", L"", actif), 0x8000);
  EXPECT_EQ(stbDgn_attacherModele(&rate, chemin(L"Emprises.dgn"), L"Troisieme", L"VERIF", L"", actif), 0x8000);
  EXPECT_EQ(rate, host::ModelRef{777});
  EXPECT_EQ(nomsRestants().size(), 3u);
  EXPECT_TRUE(host::messages::log().empty());
}

TEST_F(StbReference, NomLogiqueOfReferencesOnly) {
  const host::ModelRef r = attacher(L"VERLIVP0123EL2");
  const host::ModelRef saute = attacher(L"VERLIVP0123FP2", true);
  std::wstring nom = L"x";
  EXPECT_EQ(stbDgn_nomLogique(nom, r), L"VERLIVP0123EL2");
  EXPECT_EQ(stbDgn_nomLogique(nom, saute), L"");
  nom = L"x";
  EXPECT_EQ(stbDgn_nomLogique(nom, host::activeModel()), L"");
  EXPECT_EQ(stbDgn_nomLogique(nom, host::ModelRef{}), L"");
}

}  // namespace
