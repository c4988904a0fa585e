// The title-block code: the decision table on its own, then through verif_actualiserCartouche
// on one-file and three-file plans whose previous version is validly signed or not.
#include "engine/cartouche_quadrigramme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/fixture/livraison_fixture.h"
#include "engine/halvorn.h"
#include "host/config.h"
#include "host/fixture/chemins.h"
#include "host/model_ref.h"
#include "host/views.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t refus = 0x8000;

TEST(CartoucheQuadrigramme, DecisionTable) {
  const struct {
    const wchar_t* livre;
    bool valide;
    const wchar_t* origine;
    std::int32_t resultat;
    const wchar_t* code;
    const char* pourquoi;
  } cas[] = {
      {L"ALF0", false, L"", refus, L"", "ALF0 delivered is never changed"},
      {L"ALF1", true, L"TALV", refus, L"", "nor ALF1, whatever the previous version holds"},
      {L"TALV", false, L"ALF0", refus, L"", "TALV without a valid previous version"},
      {L"TALV", true, L"ALF0", 0, L"ALF0", "TALV takes the previous ALF0"},
      {L"TALV", true, L"ALF1", 0, L"ALF1", "TALV takes the previous ALF1"},
      {L"TALV", true, L"TALV", refus, L"", "TALV over TALV"},
      {L"TALV", true, L"QR44", 0, L"    ", "TALV over another producer's code: four blanks"},
      {L"TALV", true, L"", 0, L"    ", "TALV over an empty code: four blanks"},
      {L"QR4", false, L"ALF0", 0, L"TALV", "a three-character code, no valid previous version"},
      {L"", false, L"", 0, L"TALV", "an empty code, no valid previous version"},
      {L"talv", false, L"", 0, L"TALV", "the producer code in lower case is not the producer code"},
      {L"TALV ", false, L"", 0, L"TALV", "five characters are no code"},
      {L"", true, L"ALF0", 0, L"ALF0", "an empty code over ALF0"},
      {L"QR44", true, L"TALV", 0, L"TALV", "another code over TALV"},
      {L"QR44", true, L"talv", refus, L"", "lower case in the previous version"},
      {L"QR44", true, L"", refus, L"", "nothing to take"},
      {L"QR44", true, L"ALF", refus, L"", "a three-character previous code"},
      {L"\u0153\u20ac\u00ff\u00e9", true, L"ALF\u0153", refus, L"", "characters above U+00FF"},
      {L"\u0153\u20ac", false, L"", 0, L"TALV", "characters above U+00FF, no valid previous version"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    std::wstring code = L"XXXX";
    EXPECT_EQ(cartouche_deciderQuadrigramme(code, c.livre, c.valide, c.origine), c.resultat);
    EXPECT_EQ(code, c.code);
    if (c.resultat == 0) {
      EXPECT_EQ(code.size(), 4u);
    }
  }
}

// A folder set up through verif_initialiserDossier; each case delivers a one-file and a
// three-file plan with given producer codes and their previous versions, signed or not.
class ActualiserCartouche : public ::testing::Test {
 protected:
  fs::path racine, livraison, livre, origine;
  std::size_t ouvertsAvant = 0;

  void SetUp() override {
    racine = fs::absolute(fs::path("cartouche_quadrigramme") / ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(racine);
    livraison = racine / "LIVRAISON";
    livre = livraison / "Livre";
    origine = livraison / "Origine";
    ASSERT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(racine / "Param")));
    host::config::set(L"TOLVEK_PARAM", host::fixture::large(racine / "Param"));
    host::views::reset();
    ouvertsAvant = host::openWorkFileCount();
  }
  void TearDown() override {
    host::config::unset(L"TOLVEK_PARAM");
    EXPECT_EQ(host::openWorkFileCount(), ouvertsAvant);
  }

  // The two plans with `codeLivre` in Livre and `codeOrigine` in Origine. With `signe` the
  // signature list is written after the previous versions (valid); otherwise before them (no
  // entry: status 4).
  void livrer(const std::wstring& codeLivre, const std::wstring& codeOrigine, bool signe) {
    fs::remove_all(livraison);
    fs::create_directories(origine);
    if (!signe) {
      ASSERT_TRUE(plan_fixture::ecrireListeSignature(host::fixture::large(origine)));
    }
    for (const auto& [dossier, code] : {std::pair{livre, codeLivre}, std::pair{origine, codeOrigine}}) {
      plan_fixture::PlanUnique unique = plan_fixture::planUnique();
      unique.champs[plan_fixture::texteOrigine] = code;
      ASSERT_FALSE(plan_fixture::enregistrer(unique, host::fixture::large(dossier)).empty());
      plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
      trois.idFichEL2[3] = code;
      ASSERT_FALSE(plan_fixture::enregistrer(trois, host::fixture::large(dossier)).el2.empty());
    }
    if (signe) {
      ASSERT_TRUE(plan_fixture::ecrireListeSignature(host::fixture::large(origine)));
    }
  }
};

TEST_F(ActualiserCartouche, EveryRowForBothKindsOfPlanAndBothSignatures) {
  const struct {
    const wchar_t* livre;
    const wchar_t* origine;
    const wchar_t* signe;    // code when the previous version is validly signed ("" refused)
    const wchar_t* nonSigne; // code when it is not
  } cas[] = {
      {L"ALF1", L"TALV", L"", L""},
      {L"ALF0", L"ALF1", L"", L""},
      {L"TALV", L"ALF0", L"ALF0", L""},
      {L"TALV", L"TALV", L"", L""},
      {L"TALV", L"QR44", L"    ", L""},
      {L"talv", L"ALF1", L"ALF1", L"TALV"},
      {L"QR4", L"TALV", L"TALV", L"TALV"},
      {L"", L"ALF0", L"ALF0", L"TALV"},
      {L"QR44", L"", L"", L"TALV"},
  };
  for (const auto& c : cas) {
    for (const bool signe : {true, false}) {
      SCOPED_TRACE(testing::Message() << fs::path(c.livre) << " over " << fs::path(c.origine) << (signe ? " signed" : ""));
      livrer(c.livre, c.origine, signe);
      verdossier dossier;
      std::wstring message;
      ASSERT_EQ(verif_initialiserDossier(dossier, message, host::fixture::large(livraison)), verifSucces);
      ASSERT_EQ(dossier.plans.size(), 2u);
      const std::wstring attendu = signe ? c.signe : c.nonSigne;
      for (verplan& plan : dossier.plans) {
        SCOPED_TRACE(testing::Message() << "kind " << plan.type);
        std::wstring code = L"XXXX";
        EXPECT_EQ(verif_actualiserCartouche(code, plan, dossier, 0), attendu.empty() ? refus : 0);
        EXPECT_EQ(code, attendu);
        // The signature statuses are refreshed: the one-file plan's [2], the EL2 file's [4].
        EXPECT_EQ(plan.statuts[plan.type == 1 ? 2 : 4], signe ? 0 : 4);
      }
    }
  }
}

TEST_F(ActualiserCartouche, PreviousVersionMissingOrUnreadable) {
  livrer(L"QR44", L"ALF0", true);
  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(verif_initialiserDossier(dossier, message, host::fixture::large(livraison)), verifSucces);
  // No Origine at all: status 1, the delivered code is not a fixed one: TALV.
  fs::remove_all(origine);
  std::wstring code;
  EXPECT_EQ(verif_actualiserCartouche(code, dossier.plans[0], dossier, 0), 0);
  EXPECT_EQ(code, L"TALV");
  EXPECT_EQ(dossier.plans[0].statuts[2], 1);
  // Flag 1: an existing previous version is valid unread; one that is no drawing gives an empty
  // code, so nothing to take.
  fs::create_directories(origine);
  std::ofstream(origine / "44010450.109") << "pas un dessin";
  EXPECT_EQ(verif_actualiserCartouche(code, dossier.plans[0], dossier, drapeauSansSignature), refus);
  EXPECT_TRUE(code.empty());
  EXPECT_EQ(dossier.plans[0].statuts[2], 0);
}

TEST(CartoucheLireChamp, ReadsTheProducerCodeAndClosesWhatItOpened) {
  const fs::path dossier = fs::absolute("cartouche_lire_champ");
  fs::remove_all(dossier);
  const std::wstring unique = plan_fixture::enregistrer(plan_fixture::planUnique(), host::fixture::large(dossier));
  const plan_fixture::CheminsTroisFichiers trois =
      plan_fixture::enregistrer(plan_fixture::planTroisFichiers(), host::fixture::large(dossier));
  const std::size_t avant = host::openWorkFileCount();
  std::wstring code = L"avant";
  cartouche_lireChamp(code, unique, host::ModelRef{}, 1);
  EXPECT_EQ(code, L"QR44");
  cartouche_lireChamp(code, trois.el2, host::ModelRef{}, 2);
  EXPECT_EQ(code, L"QR44");
  cartouche_lireChamp(code, trois.fp2, host::ModelRef{}, 1);  // no one-file title block there
  EXPECT_TRUE(code.empty());
  cartouche_lireChamp(code, unique, host::ModelRef{}, 3);
  EXPECT_TRUE(code.empty());
  cartouche_lireChamp(code, host::fixture::large(dossier / "absent"), host::ModelRef{}, 1);
  EXPECT_TRUE(code.empty());
  EXPECT_EQ(host::openWorkFileCount(), avant);
  // A model given is read and left open.
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, unique, L"", true), host::kSuccess);
  cartouche_lireChamp(code, L"", modele, 1);
  EXPECT_EQ(code, L"QR44");
  EXPECT_TRUE(host::isValid(modele));
  host::closeWorkFile(modele);
}

}  // namespace
