#include "engine/fixture/parametres_fixture.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "engine/projection.h"
#include "engine/projection_table.h"
#include "host/model_ref.h"
#include "toolbox/stb_fichier.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;

namespace {

class ParametresFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    dir = fs::current_path() / (std::string("param_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir)));
  }
  void TearDown() override { host::resetModels(); }
  std::wstring chemin(const std::wstring& nom) const { return host::fixture::large(dir / host::paths::toNative(nom)); }
  fs::path dir;
};

bool contient(const host::Range3d& r, double x, double y) {
  return x >= r.low.x && x <= r.high.x && y >= r.low.y && y <= r.high.y;
}

TEST_F(ParametresFixture, ProjectionsFollowTheFixedTable) {
  std::vector<verprojection> projections;
  projection_lireFichier(projections, chemin(L"Emprise_Projection.ini"));
  const auto& table = projection_tableCodes();
  ASSERT_EQ(projections.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(projections[i].codeCourt, table[i].codeCourt) << i;
    EXPECT_FALSE(projections[i].libelle.empty()) << i;
    EXPECT_LT(projections[i].domaine.low.x, projections[i].domaine.high.x) << i;
    EXPECT_LT(projections[i].domaine.low.y, projections[i].domaine.high.y) << i;
  }
  EXPECT_EQ(projections.back().libelle, L"UTM 40 Sud R\u00e9union") << "written and read as ISO 8859-1";
}

TEST_F(ParametresFixture, EveryDepartmentLiesInsideItsProjection) {
  std::vector<verprojection> projections;
  std::vector<verdeptproj> relations;
  projection_lireFichier(projections, chemin(L"Emprise_Projection.ini"));
  deptproj_lireFichier(relations, chemin(L"Emprise_Dept_Proj.ini"));
  ASSERT_EQ(relations.size(), plan_fixture::lignesDepartements().size() - 1) << "all but the comment line";
  for (const verdeptproj& r : relations) {
    const verprojection* p = nullptr;
    for (const verprojection& q : projections)
      if (q.codeCourt == r.codeProjection) p = &q;
    ASSERT_NE(p, nullptr) << r.departement;
    EXPECT_TRUE(contient(p->domaine, r.etendue.low.x, r.etendue.low.y) &&
                contient(p->domaine, r.etendue.high.x, r.etendue.high.y))
        << r.departement << " " << r.codeProjection;
  }
  const verdeptproj* nantes = nullptr;
  for (const verdeptproj& r : relations)
    if (r.departement == L"44" && r.codeProjection == L"C47") nantes = &r;
  ASSERT_NE(nantes, nullptr);
  EXPECT_TRUE(contient(nantes->etendue, plan_fixture::kNantesC47X, plan_fixture::kNantesC47Y));
}

TEST_F(ParametresFixture, PrototypeAndPrefixesAreThere) {
  host::ModelRef m;
  ASSERT_EQ(host::openWorkFile(&m, nullptr, nullptr, chemin(L"Prototype.dgn"), L"", true), host::kSuccess);
  EXPECT_EQ(host::coordinateSystemKey(m), L"");
  EXPECT_DOUBLE_EQ(host::masterToUor(m, 1.0), 1000.0);
  host::closeWorkFile(m);
  std::vector<std::wstring> prefixes;
  EXPECT_EQ(stbFichier_lireLignes(prefixes, chemin(L"Prefixe_Texte_Valide.ini")), plan_fixture::prefixesTexte());
  // Written again over an existing folder.
  EXPECT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(dir)));
}

}  // namespace
