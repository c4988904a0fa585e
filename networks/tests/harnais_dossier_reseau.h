#pragma once
// A delivery folder for the cable-topology stage: the one-file network plan with its east
// neighbour in Livre and, when wanted, its previous version in Origine with the signature list,
// set up through verif_initialiserDossier and verified through the per-plan driver. Every
// verification proves that the delivered and previous files were left as they were, that no work
// file stays open and that Temp holds only the footprint drawing. The folder is the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/dossier.h"
#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture_reseau.h"
#include "engine/halvorn.h"
#include "engine/plan_verifier.h"
#include "engine/vercontexte.h"
#include "host/clock.h"
#include "host/config.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace harnais {

class DossierReseau : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    dossier_ = verdossier{};
    contexte_ = vercontexte{};
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    racine_ = std::filesystem::absolute(std::filesystem::path(test->test_suite_name()) / test->name());
    std::filesystem::remove_all(racine_);
    livraison_ = racine_ / "Livraison";
    std::filesystem::create_directories(livraison_ / "Livre");
    std::filesystem::create_directories(livraison_ / "Origine");
    ASSERT_TRUE(plan_fixture::ecrireParametres(chemin(racine_ / "Parametres")));
    host::config::set(L"TOLVEK_PARAM", chemin(racine_ / "Parametres"));
    ASSERT_TRUE(host::clock::setFixed(2026, 6, 1, 12, 0, 0));
  }
  void TearDown() override {
    host::config::unset(L"TOLVEK_PARAM");
    host::clock::useSystem();
    EXPECT_EQ(host::openWorkFileCount(), 0u) << "a file was left open";
    std::filesystem::remove_all(racine_);
  }

  static std::wstring chemin(const std::filesystem::path& p) { return host::paths::fromNative(p.string()); }
  std::filesystem::path livre() const { return livraison_ / "Livre"; }
  std::filesystem::path origine() const { return livraison_ / "Origine"; }
  std::filesystem::path temp() const { return livraison_ / "Temp"; }

  // Saves a file into a folder of the delivery.
  static void deposer(const host::fixture::DesignBuilder& fichier, const std::filesystem::path& dossier,
                      const std::wstring& nom) {
    ASSERT_TRUE(plan_fixture::sauver(fichier, chemin(dossier) + L"/" + nom));
  }

  // The folder set up (the signature list written first when Origine holds a file) and the engine's
  // record of it.
  void initialiser() {
    if (!std::filesystem::is_empty(origine())) {
      ASSERT_TRUE(plan_fixture::ecrireListeSignature(chemin(origine())));
    }
    std::wstring message;
    ASSERT_EQ(verif_initialiserDossier(dossier_, message, chemin(livraison_)), verifSucces)
        << std::string(message.begin(), message.end());
    ASSERT_EQ(dossier_initialiser(contexte_, message, dossier_, dossierReconstruire), 0);
  }

  // The plan of that name verified in `mode`; the folder is set up first unless it was.
  verplan verifier(const std::wstring& nom, std::int32_t mode = 1) {
    if (!contexte_.initialise) initialiser();
    verplan plan;
    for (const verplan& p : dossier_.plans)
      if (p.nom == nom) plan = p;
    EXPECT_EQ(plan.nom, nom) << "plan not listed";
    const plan_fixture::Empreintes avant = plan_fixture::empreintes({livre(), origine()});
    plan_verifier(plan, mode, contexte_, 0);
    EXPECT_EQ(plan.statuts[1], 2) << "the plan reached the network checks";
    EXPECT_TRUE(plan_fixture::empreintes({livre(), origine()}) == avant) << "a delivered or previous file changed";
    EXPECT_EQ(host::openWorkFileCount(), 0u) << "a work file was left open";
    EXPECT_EQ(nomsTemp(), std::set<std::string>{"Emprises.dgn"});
    return plan;
  }

  // The names of Temp's files.
  std::set<std::string> nomsTemp() const {
    std::set<std::string> noms;
    std::error_code erreur;
    for (const auto& f : std::filesystem::directory_iterator(temp(), erreur)) noms.insert(f.path().filename().string());
    return noms;
  }

  std::filesystem::path racine_;
  std::filesystem::path livraison_;
  verdossier dossier_;
  vercontexte contexte_;
};

}  // namespace harnais
