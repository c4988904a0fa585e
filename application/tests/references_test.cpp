// Plan files attached to the working drawing, placed in the folder's coordinate system, and the
// plan-information record of a plan.
#include "application/references.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "engine/plan_fichier.h"
#include "host/coordinate_system.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;

namespace {

class References : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModels();
    dir = fs::absolute(std::string("references_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "livre");
    fx::DesignBuilder plan;
    plan.add(fx::line({1354950000, 6234050000, 0}, {1355050000, 6234150000, 0}));
    ASSERT_TRUE(plan.save(host::fixture::large(dir / "livre" / "p0123.el2")));
    ASSERT_TRUE(fx::DesignBuilder().save(host::fixture::large(dir / "Tolvek.dgn")));
    ASSERT_EQ(host::openActiveFile(host::fixture::large(dir / "Tolvek.dgn")), host::kSuccess);
  }
  void TearDown() override { host::resetModels(); }
  std::wstring fichier() const { return host::fixture::large(dir / "LIVRE" / "P0123.EL2"); }  // as the engine names it
  static std::vector<host::ModelRef> references() { return host::references(host::activeModel()); }
  fs::path dir;
  // The plan's range, UORs of C47 (1000 per metre).
  const host::Range3d etendue = host::Range3d::from({1354950000, 6234050000, 0}, {1355050000, 6234150000, 0});
};

TEST_F(References, AttachesAPlanFileOncePerPrefixWhateverTheCaseOfItsName) {
  ASSERT_EQ(ref_attacherPlan(fichier(), L"VERLIV", etendue, L"", L""), 0);
  ASSERT_EQ(references().size(), 1u);
  const host::ReferenceAttachment* a = host::attachment(references()[0]);
  EXPECT_EQ(a->logicalName, L"VERLIVP0123EL2");
  EXPECT_EQ(a->transform, host::Transform::identity());
  EXPECT_TRUE(host::isValid(references()[0]));  // the lower-case file is the one attached

  EXPECT_EQ(ref_attacherPlan(fichier(), L"VERLIV", etendue, L"", L""), 0);
  EXPECT_EQ(ref_attacherPlan(host::fixture::large(dir / "livre" / "p0123.el2"), L"verliv", etendue, L"", L""), 0);
  EXPECT_EQ(references().size(), 1u);
  EXPECT_EQ(ref_attacherPlan(fichier(), L"VERORI", etendue, L"", L""), 0);
  ASSERT_EQ(references().size(), 2u);
  EXPECT_EQ(host::attachment(references()[1])->logicalName, L"VERORIP0123EL2");

  // A file that is not there attaches nothing.
  EXPECT_EQ(ref_attacherPlan(host::fixture::large(dir / "LIVRE" / "P0124.EL2"), L"VERLIV", etendue, L"", L""), 0x8000);
  EXPECT_EQ(references().size(), 2u);
}

TEST_F(References, APlanInAnotherSystemIsPlacedByTheLocalTransformAtItsCentre) {
  struct Cas {
    const wchar_t* dossier;
    const wchar_t* plan;
    bool identite;
    const char* pourquoi;
  } cas[] = {
      {L"", L"RGF93.CC47", true, "no folder system"},
      {L"RGF93.CC47", L"", true, "no plan system"},
      {L"RGF93.CC47", L"INCONNU", true, "a system the host does not know"},
      {L"RGF93.CC48", L"RGF93.CC47", false, "two systems"},
  };
  for (const auto& c : cas) {
    for (host::ModelRef r : references()) host::detachReference(r);
    ASSERT_EQ(ref_attacherPlan(fichier(), L"VERLIV", etendue, c.dossier, c.plan), 0) << c.pourquoi;
    const host::Transform t = host::attachment(references()[0])->transform;
    if (c.identite) {
      EXPECT_EQ(t, host::Transform::identity()) << c.pourquoi;
      continue;
    }
    // The plan's centre lands where reprojecting it puts it.
    std::vector<host::Point3d> centre{{1355000000, 6234100000, 0}};
    const host::Point3d place = t.apply(centre[0]);
    ASSERT_TRUE(host::reprojectUors(centre, *host::CoordinateSystem::create(c.plan),
                                    *host::CoordinateSystem::create(c.dossier), 1000.0));
    EXPECT_NEAR(place.x, centre[0].x, 1.0) << c.pourquoi;
    EXPECT_NEAR(place.y, centre[0].y, 1.0) << c.pourquoi;
    EXPECT_GT(std::abs(place.y - 6234100000.0), 1000.0) << c.pourquoi;  // really moved
  }
}

TEST_F(References, PlanInfoHoldsTheMainFileNamesScaleAndTheElectricityTheme) {
  struct Cas {
    std::int32_t type, version;
    const wchar_t* nom;
    std::uint32_t typeAttendu, versionAttendue;
    const wchar_t* chemin;
    const wchar_t* nomFichier;
    const char* pourquoi;
  } cas[] = {
      {1, 1, L"44010450.109", 1, 1, L"/d/Livre/44010450.109", L"44010450.109", "one-file plan: its own file"},
      {2, 2, L"QRL-47-00193-01246-03-D-D", 2, 2, L"/d/Livre/QRL-47-00193-01246-03-D-D.FP2",
       L"QRL-47-00193-01246-03-D-D.FP2", "three-file plan: its background file"},
      {3, 7, L"X", 0, 0, L"", L"", "another kind or scale: none"},
  };
  for (const auto& c : cas) {
    verplan plan;
    plan.nom = c.nom;
    plan.type = c.type;
    plan.version = c.version;
    plan.projection = L"RGF93.CC47";
    plan.lectureSeule = true;
    verplaninfo info;
    info.index = 12;
    info.nomPlan = L"ancien";
    plan_construireInfo(info, plan, L"/d/Livre/");
    EXPECT_EQ(info.type, c.typeAttendu) << c.pourquoi;
    EXPECT_EQ(info.version, c.versionAttendue) << c.pourquoi;
    EXPECT_EQ(info.chemin, c.chemin) << c.pourquoi;
    EXPECT_EQ(info.nomFichier, c.nomFichier) << c.pourquoi;
    EXPECT_EQ(info.nomPlan, c.nom) << c.pourquoi;
    EXPECT_EQ(info.masqueTheme, 62u) << c.pourquoi;
    EXPECT_EQ(info.masqueReseau, 0u) << c.pourquoi;  // the theme only
    EXPECT_EQ(info.index, -1) << c.pourquoi;         // the rest as new
    EXPECT_FALSE(info.lectureSeule) << c.pourquoi;
    EXPECT_TRUE(info.projection.cleSysteme.empty()) << c.pourquoi;
  }
  verplan trois;
  trois.nom = L"QRL-47-00193-01246-03-D-24";
  trois.type = 2;
  verplaninfo info;
  std::wstring chemin;
  plan_construireInfo(info, trois, L"/d/Livre");
  EXPECT_EQ(plan_fichierTheme(chemin, 16, info), L"/d/Livre/QRL-47-00193-01246-03-D-24.AR2");
}

}  // namespace
