#pragma once
// Plans delivered alone in a folder of their own and verified by the per-plan driver: the fixture
// of the tests that run the drawing checks through the driver. The folder is named after the test
// suite and the test, under the working directory.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <boost/algorithm/string/split.hpp>
#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/plan_verifier.h"
#include "engine/rapport.h"
#include "host/clock.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "toolbox/stb_fichier.h"

namespace harnais {

// A row of the errors CSV, as its fields.
inline std::vector<std::wstring> champs(const std::wstring& ligne) {
  std::vector<std::wstring> c;
  boost::algorithm::split(c, ligne, [](wchar_t x) { return x == L';'; });
  return c;
}

class PlanLivre : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    racine_ = boost::filesystem::current_path() / test->test_suite_name() / test->name();
    boost::filesystem::remove_all(racine_);
    boost::filesystem::create_directories(racine_ / "Livre");
    contexte_.repertoire = host::paths::fromNative(racine_) + L"/";
    contexte_.repLivre = contexte_.repertoire + L"Livre/";
    ASSERT_TRUE(plan_fixture::parametrerContexte(contexte_, contexte_.repertoire + L"Parametres"));
    ASSERT_TRUE(host::clock::setFixed(2026, 6, 1, 12, 0, 0));
  }
  void TearDown() override {
    host::clock::useSystem();
    EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open";
    boost::filesystem::remove_all(racine_);
  }

  // The one-file plan built, changed by `changer`, delivered alone and verified in mode 1.
  verplan livrer(const plan_fixture::PlanUnique& p,
                 const std::function<void(plan_fixture::PlanUniqueConstruit&)>& changer = {}) {
    boost::filesystem::remove_all(host::paths::toNative(contexte_.repLivre));
    plan_fixture::PlanUniqueConstruit c = plan_fixture::construire(p);
    if (changer) changer(c);
    return verifier(p.nomFichier, 1, p.version, plan_fixture::sauver(c.fichier, contexte_.repLivre + p.nomFichier));
  }

  // The three-file plan built, changed by `changer`, delivered alone and verified in mode 1.
  verplan livrer(const plan_fixture::PlanTroisFichiers& p,
                 const std::function<void(plan_fixture::PlanTroisFichiersConstruit&)>& changer = {}) {
    boost::filesystem::remove_all(host::paths::toNative(contexte_.repLivre));
    plan_fixture::PlanTroisFichiersConstruit c = plan_fixture::construire(p);
    if (changer) changer(c);
    return verifier(p.nom, 2, p.version, !plan_fixture::enregistrer(c, p.nom, contexte_.repLivre).fp2.empty());
  }

  // A delivered plan with its errors CSV read back, without its header.
  struct Verifie {
    verplan plan;
    std::vector<std::wstring> lignes;
  };
  template <typename Plan, typename Changer>
  Verifie livrerAvecErreurs(const Plan& p, const Changer& changer) {
    Verifie v;
    v.plan = livrer(p, changer);
    rapport_ecrireErreurs(v.plan, contexte_.repertoire);
    if (!v.plan.erreurs.empty()) {
      stbFichier_lireLignes(v.lignes, v.plan.fichierErreurs);
      if (!v.lignes.empty()) v.lignes.erase(v.lignes.begin());
    }
    return v;
  }

  boost::filesystem::path racine_;
  vercontexte contexte_;

 private:
  verplan verifier(const std::wstring& nom, std::int32_t type, std::uint32_t version, bool livre) {
    verplan plan;
    plan.nom = nom;
    plan.type = type;
    plan.version = static_cast<std::int32_t>(version);
    if (!livre) {
      ADD_FAILURE() << "plan not saved";
      return plan;
    }
    plan_verifier(plan, 1, contexte_, 0);
    return plan;
  }
};

}  // namespace harnais
