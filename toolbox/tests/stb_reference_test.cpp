#include "toolbox/stb_reference.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/model_ref.h"

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
  std::wstring chemin(const std::wstring& nom) const { return (dir / fs::path(nom)).wstring(); }
  void attacher(const std::wstring& nomLogique, bool ignoree = false) {
    host::ReferenceAttachment a;
    a.logicalName = nomLogique;
    a.fileName = chemin(L"P0123.EL2");
    a.skip = ignoree;
    ASSERT_TRUE(host::attachReference(host::activeModel(), a));
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

}  // namespace
