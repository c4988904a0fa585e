#include "engine/dossier.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/emprise_dessin.h"
#include "engine/emprise_polygone.h"
#include "engine/fixture/plan_fixture.h"
#include "host/design_file.h"
#include "host/fixture/chemins.h"

namespace fs = std::filesystem;

namespace {

// A delivery folder with the fixture's parameter folder and an empty Livre.
struct DossierPlans {
  fs::path dossier, parametres, livre;
  explicit DossierPlans(const std::string& nom) {
    const fs::path racine = fs::absolute(fs::path("dossier_cadre_test") / nom);
    fs::remove_all(racine);
    dossier = racine / "LIVRAISON";
    parametres = racine / "Param";
    livre = dossier / "Livre";
    fs::create_directories(livre);
    EXPECT_TRUE(plan_fixture::ecrireParametres(host::fixture::large(parametres)));
  }
  std::int32_t charger(verdossier& d, std::wstring& message) const {
    return dossier_charger(d, message, host::fixture::large(dossier), host::fixture::large(parametres));
  }
};

TEST(DossierListerFichiers, CleanPlansCarryTheirFrameData) {
  const DossierPlans d("propres");
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), host::fixture::large(d.livre)).empty());
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planTroisFichiers(), host::fixture::large(d.livre)).fp2.empty());
  std::vector<verplaninfo> plans;
  std::wstring livre = host::fixture::large(d.livre) + L"/";
  dossier_listerFichiers(plans, livre);
  ASSERT_EQ(plans.size(), 2u);
  const verplaninfo& unique = plans[0];
  EXPECT_EQ(unique.nomPlan, L"44010450.109");
  EXPECT_EQ(unique.nomFichier, L"44010450.109");
  EXPECT_EQ(unique.libelleEmprise, L"44010450.109");
  EXPECT_EQ(unique.type, 1u);
  EXPECT_EQ(unique.version, 1u);
  EXPECT_TRUE(unique.georeference);
  EXPECT_EQ(unique.projection.codeCourt, L"C47");
  EXPECT_EQ(unique.origineCadre, plan_fixture::uor(plan_fixture::planUnique().origineCadre));
  EXPECT_FALSE(unique.etendue.isNull());
  const verplaninfo& trois = plans[1];
  EXPECT_EQ(trois.nomPlan, L"QRL-47-00193-01246-03-D-24");
  EXPECT_EQ(trois.nomFichier, L"QRL-47-00193-01246-03-D-24.FP2");
  EXPECT_EQ(trois.type, 2u);
  EXPECT_EQ(trois.version, 1u);
  EXPECT_EQ(trois.projection.codeCourt, L"C47");
}

// The frame pass works out the footprint polygon of the plans the footprint pass is to draw, so
// that the file is loaded once: the polygon and the result are those of the file read alone.
TEST(DossierListerFichiers, FootprintPolygonsOfTheWantedPlansAsTheFileGivesThem) {
  const DossierPlans d("polygones");
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), host::fixture::large(d.livre)).empty());
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planTroisFichiers(), host::fixture::large(d.livre)).fp2.empty());
  const std::wstring livre = host::fixture::large(d.livre) + L"/";
  std::vector<verplaninfo> plans;
  dossier_listerFichiers(plans, livre, [](const std::wstring& chemin) { return chemin.find(L"FP2") == std::wstring::npos; });
  ASSERT_EQ(plans.size(), 2u);
  ASSERT_TRUE(plans[0].polygoneEmprise.has_value());
  std::vector<host::Point3d> seul;
  EXPECT_EQ(plans[0].polygoneEmprise->first, emprise_calculerPolygone(seul, plans[0].chemin));
  EXPECT_EQ(plans[0].polygoneEmprise->second, seul);
  EXPECT_EQ(seul.size(), 5u);
  EXPECT_FALSE(plans[1].polygoneEmprise.has_value()) << "not wanted";
  plans.clear();
  dossier_listerFichiers(plans, livre);
  ASSERT_EQ(plans.size(), 2u);
  EXPECT_FALSE(plans[0].polygoneEmprise.has_value()) << "none wanted";
}

// Which plans the footprint pass is to draw, by the drawing's date: all with no drawing, else
// those changed since it was written.
TEST(EmprisePolygonesUtiles, WantedByTheDrawingsDate) {
  const DossierPlans d("dates");
  const fs::path dessin = d.dossier / "Emprises.dgn", ancien = d.livre / "ANCIEN.109", recent = d.livre / "RECENT.109";
  for (const fs::path& f : {ancien, recent}) std::ofstream(f) << "{}";
  const auto utiles = [&] { return emprise_polygonesUtiles(host::fixture::large(dessin)); };
  EXPECT_TRUE(utiles()(host::fixture::large(ancien)));
  std::ofstream(dessin) << "{}";
  const auto maintenant = fs::last_write_time(dessin);
  fs::last_write_time(ancien, maintenant - std::chrono::hours(2));
  fs::last_write_time(recent, maintenant + std::chrono::hours(2));
  EXPECT_FALSE(utiles()(host::fixture::large(ancien)));
  EXPECT_TRUE(utiles()(host::fixture::large(recent)));
  EXPECT_TRUE(utiles()(host::fixture::large(d.livre / "ABSENT.109"))) << "a date that cannot be read";
}

TEST(DossierListerFichiers, AFrameOfTheOtherKindLeavesThePlanToTheCompletionPass) {
  const DossierPlans d("autre_cadre");
  // A one-file frame in an FP2 file, a three-file frame in a one-file plan's file, a 1:500 plan.
  auto unique = plan_fixture::construire(plan_fixture::planUnique());
  ASSERT_TRUE(plan_fixture::sauver(unique.fichier, host::fixture::large(d.livre / "QRL-47-00193-01246-03-D-24.FP2")));
  auto trois = plan_fixture::construire(plan_fixture::planTroisFichiers());
  ASSERT_TRUE(plan_fixture::sauver(trois.fp2, host::fixture::large(d.livre / "44010451.109")));
  auto p500 = plan_fixture::planUnique(2);
  p500.nomFichier = L"44010452.109";
  ASSERT_FALSE(plan_fixture::enregistrer(p500, host::fixture::large(d.livre)).empty());
  verdossier dossier;
  std::wstring message;
  ASSERT_EQ(d.charger(dossier, message), 0) << std::string(message.begin(), message.end());
  ASSERT_EQ(dossier.plans.size(), 3u);
  // The frame pass first (1:500 plan), then the completion pass in listing order.
  EXPECT_EQ(dossier.plans[0].nom, L"44010452.109");
  EXPECT_EQ(dossier.plans[0].version, 2);
  EXPECT_FALSE(dossier.plans[0].emprise.isNull());
  EXPECT_FALSE(dossier.plans[0].projection.empty());
  EXPECT_EQ(dossier.plans[1].nom, L"44010451.109");
  EXPECT_EQ(dossier.plans[1].type, 1);
  EXPECT_EQ(dossier.plans[1].version, 1);
  EXPECT_TRUE(dossier.plans[1].emprise.isNull());
  EXPECT_TRUE(dossier.plans[1].projection.empty());
  EXPECT_EQ(dossier.plans[2].nom, L"QRL-47-00193-01246-03-D-24");
  EXPECT_EQ(dossier.plans[2].type, 2);
  EXPECT_EQ(dossier.plans[2].version, 1);
  EXPECT_TRUE(dossier.plans[2].emprise.isNull());
}

TEST(DossierCharger, PlansInTwoProjectionFamiliesAreRefused) {
  const DossierPlans d("projections");
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), host::fixture::large(d.livre)).empty());
  auto autre = plan_fixture::planUnique();
  autre.nomFichier = L"44010451.109";
  autre.texteProjection = L"PRJ=U20";
  ASSERT_FALSE(plan_fixture::enregistrer(autre, host::fixture::large(d.livre)).empty());
  verdossier dossier;
  std::wstring message;
  EXPECT_EQ(d.charger(dossier, message), -2);
  EXPECT_EQ(message, L"Incoh\u00e9rences sur les projections des plans du dossier.");
  EXPECT_TRUE(dossier.plans.empty());
}

}  // namespace
