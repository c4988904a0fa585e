#include "host/view_display.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/svg_view.h"
#include "host/tools.h"
#include "host/views.h"
#include "host/paths.h"

namespace fs = boost::filesystem;
using namespace host;
namespace fx = host::fixture;

namespace {

// An active plan with a line from (0,0) to (1000,500) and a reference shifted by (5000, 0)
// holding a line from (0,0) to (100,100).
class HostViewDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    resetModels();
    views::reset();
    views::resetDisplay();
    dir = fs::current_path() / (std::string("views_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder plan;
    plan.add(fx::line({0, 0, 0}, {1000, 500, 0}));
    ASSERT_TRUE(plan.save(host::paths::fromNative(dir / "Plan.dgn")));
    fx::DesignBuilder fond;
    fond.add(fx::line({0, 0, 0}, {100, 100, 0}));
    ASSERT_TRUE(fond.save(host::paths::fromNative(dir / "Fond.dgn")));
    ASSERT_EQ(openActiveFile(host::paths::fromNative(dir / "Plan.dgn")), kSuccess);
    ref = attachReference(activeModel(), {L"F", host::paths::fromNative(dir / "Fond.dgn"), L"", {RotMatrix::identity(), {5000, 0, 0}}, false, {}});
    ASSERT_TRUE(isValid(ref));
  }
  void TearDown() override {
    views::resetDisplay();
    resetModels();
  }
  fs::path dir;
  ModelRef ref;
};

// Areas keep the views' shape, 4 wide by 3 high: each grows along its short side about its centre.
TEST_F(HostViewDisplay, AreasStartOnTheActiveModelThenFollowSetZoomAndFit) {
  EXPECT_EQ(views::area(0), Range3d::from({0, -125, 0}, {1000, 625, 0}));
  views::setArea(1, Range3d::from({10, 15, 0}, {30, 30, 0}));
  EXPECT_EQ(views::area(1), Range3d::from({10, 15, 0}, {30, 30, 0}));  // of the view's shape already
  views::zoom(2, 1, {0, 0, 0}, 2.0);  // view 3 takes view 2's extent doubled, about the origin
  EXPECT_EQ(views::area(2), Range3d::from({-20, -15, 0}, {20, 15, 0}));
  views::zoom(2, 1, {0, 0, 0}, 0.0);  // refused
  EXPECT_EQ(views::extent(2), (Point3d{40, 30, 0}));
  ASSERT_TRUE(views::fit(3, {activeModel(), ref}));
  // The reference through its transform.
  EXPECT_EQ(views::area(3), Range3d::from({0, 250 - 5100 * 0.375, 0}, {5100, 250 + 5100 * 0.375, 0}));
  EXPECT_FALSE(views::fit(3, {ModelRef{}}));
  views::setArea(9, Range3d::from({0, 0, 0}, {1, 1, 0}));  // no view 10: nothing happens
}

TEST_F(HostViewDisplay, AnAreaOfAnotherShapeGrowsAlongItsShortSide) {
  const struct {
    Range3d given, shown;
    const char* why;
  } cases[] = {
      {Range3d::from({0, 0, 0}, {4000, 10, 0}), Range3d::from({0, -1495, 0}, {4000, 1505, 0}),
       "a nearly horizontal line: the height grows"},
      {Range3d::from({0, 0, 0}, {4000, 0, 0}), Range3d::from({0, -1500, 0}, {4000, 1500, 0}), "a horizontal line"},
      {Range3d::from({5, 0, 0}, {5, 300, 0}), Range3d::from({-195, 0, 0}, {205, 300, 0}),
       "a vertical line: the width grows"},
      {Range3d::from({7, 8, 0}, {7, 8, 0}), Range3d::from({7, 8, 0}, {7, 8, 0}), "a point has no side to grow"},
  };
  for (const auto& c : cases) {
    views::setArea(1, c.given);
    EXPECT_EQ(views::area(1), c.shown) << c.why;
  }
  // An area that cannot take the shape without overflowing is ignored, as one that is not finite.
  views::setArea(1, Range3d::from({-1e308, 0, 0}, {1e308, 1, 0}));
  EXPECT_EQ(views::area(1), cases[3].shown);
}

int updatedViews[8];
int updatedCount = 0;
int onUpdate(int count, const int* v) {
  for (int i = 0; i < count; ++i) updatedViews[updatedCount++ % 8] = v[i];
  return 0;
}

int substitute(std::optional<Element>* out, ModelRef, const Element* e, int) {
  *out = *e;
  (*out)->colour = 3;
  return 0;
}

TEST_F(HostViewDisplay, ViewFunctionsSeeRedrawsAndReplaceDrawnElements) {
  updatedCount = 0;
  EXPECT_EQ(views::setUpdatePostFunction(onUpdate), nullptr);
  views::update(7);
  EXPECT_EQ(updatedCount, 1);
  EXPECT_EQ(updatedViews[0], 7);
  EXPECT_EQ(views::updateCount(7), 1);
  EXPECT_EQ(views::setUpdatePostFunction(nullptr), onUpdate);
  views::update(7);
  EXPECT_EQ(updatedCount, 1);

  const Element* line = model(activeModel())->elements()[0];
  EXPECT_EQ(views::drawnElement(activeModel(), *line, 0).colour, line->colour);
  views::setSubstituteFunction(substitute);
  EXPECT_EQ(views::drawnElement(activeModel(), *line, 0).colour, 3u);
}

// A dynamics function drawing a line from the origin to the cursor.
void lineToCursor(const Point3d* p, int view) { views::drawDynamics(view, fx::line({0, 0, 0}, *p)); }
void noDataPoint(const Point3d*, int) {}
void noReset() {}

TEST_F(HostViewDisplay, DynamicsLastUntilTheNextMotionOrTheToolsEnd) {
  tools::startPrimitive(noDataPoint, noReset, 0, 0);
  tools::setDynamicsFunction(lineToCursor);
  tools::motion(1, {300, 400, 0});
  ASSERT_EQ(views::dynamicsInView(1).size(), 1u);
  EXPECT_TRUE(views::dynamicsInView(0).empty());  // only in the cursor's view
  EXPECT_NE(svg::viewPicture(1).find("class=\"dynamics\""), std::string::npos);
  EXPECT_EQ(svg::viewPicture(0).find("class=\"dynamics\""), std::string::npos);

  tools::motion(1, {600, 100, 0});  // the first position's line is gone
  ASSERT_EQ(views::dynamicsInView(1).size(), 1u);
  EXPECT_EQ(views::dynamicsInView(1)[0].points.back(), (Point3d{600, 100, 0}));
  tools::motion(9, {1, 1, 0});  // no such view: nothing drawn, the last line erased
  EXPECT_TRUE(views::dynamicsInView(1).empty());

  tools::motion(2, {1, 1, 0});
  tools::startDefaultCommand();
  EXPECT_TRUE(views::dynamicsInView(2).empty());
  EXPECT_EQ(svg::viewPicture(2).find("class=\"dynamics\""), std::string::npos);
}

}  // namespace
