#include "toolbox/stb_vue.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/locate.h"
#include "host/model_ref.h"
#include "host/view_display.h"
#include "host/views.h"
#include "host/fixture/chemins.h"

namespace fs = boost::filesystem;
namespace fx = host::fixture;

namespace {

class StbVue : public ::testing::Test {
 protected:
  void SetUp() override {
    reinitialiser();
    dir = fs::current_path() / (std::string("vue_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder travail;
    point = travail.add(fx::line({500, 700, 0}, {500, 700, 0}));
    boite = travail.add(fx::rectangle({1000, 2000, 0}, {1100, 2040, 0}));
    ASSERT_TRUE(travail.save(host::fixture::large(dir / "Tolvek.dgn")));
    fx::DesignBuilder plan;
    dansPlan = plan.add(fx::rectangle({0, 0, 0}, {20, 30, 0}));
    ASSERT_TRUE(plan.save(host::fixture::large(dir / "Plan.dgn")));
    ASSERT_EQ(host::openActiveFile(host::fixture::large(dir / "Tolvek.dgn")), host::kSuccess);
  }
  void TearDown() override { reinitialiser(); }
  static void reinitialiser() {
    host::resetModels();
    host::views::reset();
    host::views::resetDisplay();
    host::locate::clearHilite();
  }
  fs::path dir;
  host::ElementId point = 0, boite = 0, dansPlan = 0;
};

TEST_F(StbVue, TheViewShowsTheElementAtLeastTenByTenZoomedAboutItsCentre) {
  const host::ModelRef actif = host::activeModel();
  host::ReferenceAttachment a;
  a.logicalName = L"VERLIVPlandgn";
  a.fileName = host::fixture::large(dir / "Plan.dgn");
  a.transform.translation = {10000, 20000, 0};
  const host::ModelRef reference = host::attachReference(actif, a);
  ASSERT_TRUE(host::isValid(reference));
  struct Cas {
    host::ElementId id;
    host::ModelRef modele;
    double facteur;
    host::Range3d attendue;
    const char* pourquoi;
  } cas[] = {
      // Every area is then grown along its short side to the view's shape (4 wide by 3 high).
      {point, actif, 1.0, host::Range3d::from({500 - 20.0 / 3, 695, 0}, {500 + 20.0 / 3, 705, 0}),
       "a point gets 10 by 10 around it"},
      {boite, actif, 1.0, host::Range3d::from({1000, 1982.5, 0}, {1100, 2057.5, 0}), "a box is shown whole"},
      {boite, actif, 1.2, host::Range3d::from({990, 1975, 0}, {1110, 2065, 0}), "the factor grows it about its centre"},
      {dansPlan, reference, 1.0, host::Range3d::from({9990, 20000, 0}, {10030, 20030, 0}),
       "a reference's element is placed by its transform"},
  };
  for (const auto& c : cas) {
    host::views::setArea(0, host::Range3d::from({0, 0, 0}, {1, 1, 0}));
    const int mises = host::views::updateCount(0);
    stbElem_surligner(c.id, c.modele, 0, c.facteur, false);
    const host::Range3d vue = host::views::area(0);
    EXPECT_NEAR(vue.low.x, c.attendue.low.x, 1e-6) << c.pourquoi;
    EXPECT_NEAR(vue.low.y, c.attendue.low.y, 1e-6) << c.pourquoi;
    EXPECT_NEAR(vue.high.x, c.attendue.high.x, 1e-6) << c.pourquoi;
    EXPECT_NEAR(vue.high.y, c.attendue.high.y, 1e-6) << c.pourquoi;
    EXPECT_EQ(host::views::updateCount(0), mises + 1) << c.pourquoi;
  }
  EXPECT_TRUE(host::locate::hilited().empty());
}

TEST_F(StbVue, ViewMinusOneIsTheFirstOpenViewAndNoneOpenDoesNothing) {
  const host::ModelRef actif = host::activeModel();
  host::views::close(0);
  host::views::open(2);
  const host::Range3d avant = host::views::area(3);
  stbElem_surligner(point, actif, -1, 1.0, true);
  EXPECT_NEAR(host::views::area(2).low.y, 695.0, 1e-6);
  EXPECT_EQ(host::views::area(3), avant);
  EXPECT_TRUE(host::locate::isHilited(actif, host::readElement(actif, point)->filePosition));

  host::locate::clearHilite();
  stbElem_surligner(boite, actif, 5, 1.0, true);  // a closed view
  EXPECT_TRUE(host::locate::hilited().empty());
  host::views::close(2);
  stbElem_surligner(boite, actif, -1, 1.0, true);
  EXPECT_TRUE(host::locate::hilited().empty());
  for (int v = 0; v < host::views::kCount; ++v) EXPECT_EQ(host::views::updateCount(v), v == 2 ? 1 : 0) << v;
}

}  // namespace
