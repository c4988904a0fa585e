#include "host/locate.h"

#include <gtest/gtest.h>

#include <fstream>

#include <boost/filesystem.hpp>

#include "host/color_palette.h"
#include "host/fixture/design_builder.h"
#include "host/text.h"
#include "host/svg_view.h"
#include "host/tools.h"
#include "host/transients.h"
#include "host/view_display.h"
#include "host/views.h"
#include "host/paths.h"

namespace fs = boost::filesystem;
using namespace host;
namespace fx = host::fixture;

namespace {

// Active plan: a line on level 1 along y = 0 and a text on level 2. Reference "FOND" shifted by
// (1000, 0): a shape from (0,0) to (100,100) on level 5 and a line on level 6.
class HostLocate : public ::testing::Test {
 protected:
  void SetUp() override {
    resetModels();
    views::reset();
    views::resetDisplay();
    tools::startDefaultCommand();
    locate::clearHilite();
    selection::freeAll();
    transients::clear();
    dir = fs::current_path() / (std::string("locate_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fx::DesignBuilder plan;
    plan.level(L"Reseau", 1);
    plan.level(L"Textes", 2);
    lineId = plan.add(fx::line({0, 0, 0}, {500, 0, 0}).level(1).colour(3));
    textId = plan.add(fx::text(L"P<1>", {0, 200, 0}, 40, 30).level(2));
    ASSERT_TRUE(plan.save(host::paths::fromNative(dir / "Plan.dgn")));
    fx::DesignBuilder fond;
    fond.level(L"Emprise", 5);
    fond.level(L"Autre", 6);
    shapeId = fond.add(fx::rectangle({0, 0, 0}, {100, 100, 0}).level(5));
    fond.add(fx::line({0, 50, 0}, {100, 50, 0}).level(6));
    ASSERT_TRUE(fond.save(host::paths::fromNative(dir / "Fond.dgn")));
    ASSERT_EQ(openActiveFile(host::paths::fromNative(dir / "Plan.dgn")), kSuccess);
    ref = attachReference(activeModel(), {L"FOND", host::paths::fromNative(dir / "Fond.dgn"), L"", {RotMatrix::identity(), {1000, 0, 0}}, false, {}});
    ASSERT_TRUE(isValid(ref));
    views::setArea(0, Range3d::from({0, 0, 0}, {2000, 1000, 0}));  // tolerance 10 UORs
    accepted.clear();
    seen.clear();
  }
  void TearDown() override {
    tools::startDefaultCommand();
    transients::clear();
    views::resetDisplay();
    resetModels();
  }
  fs::path dir;
  ModelRef ref;
  ElementId lineId = 0, textId = 0, shapeId = 0;
  static std::vector<ElementId> accepted, seen;
  static bool rejectAll;

  static void accept(const Point3d*, int) {
    auto path = locate::currentPath();
    accepted.push_back(path ? path->element : 0);
  }
  static void restart() {}
  static int filter(int, const Element* e, ModelRef, std::uint32_t, const Point3d*, int, const locate::HitPath*, std::wstring*) {
    seen.push_back(e ? e->id : 0);
    return rejectAll || !e || e->type == ElementType::Line ? locate::filterReject : locate::filterAccept;
  }
  void startCommand(bool locked) {
    tools::startModifyCommand(restart, accept, nullptr, nullptr, 2, 1, false, 0);
    locate::enableAutoLocate(true);
    if (locked) locate::allowLocked();
    locate::setPostLocateFunction(filter);
    locate::init();
  }
};
std::vector<ElementId> HostLocate::accepted, HostLocate::seen;
bool HostLocate::rejectAll = false;

TEST_F(HostLocate, TheFilterSeesEachCandidateAndTheFirstAcceptedReachesAccept) {
  rejectAll = false;
  std::wstring error;
  startCommand(true);
  // On the reference's line, one unit from its shape's outline: the line comes first and the
  // filter rejects lines.
  EXPECT_TRUE(tools::dataPoint(0, {1001, 50, 0}, error));
  ASSERT_EQ(accepted.size(), 1u);
  EXPECT_EQ(accepted[0], shapeId);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(locate::currentPath()->model, ref);
  // Far from everything: nothing located, accept not called.
  EXPECT_TRUE(tools::dataPoint(0, {700, 700, 0}, error));
  EXPECT_EQ(accepted.size(), 1u);
  EXPECT_FALSE(locate::currentPath());
}

TEST_F(HostLocate, ReferencesNeedLockedElementsAllowedAndSettingsEndWithTheTool) {
  rejectAll = false;
  std::wstring error;
  startCommand(false);
  EXPECT_TRUE(tools::dataPoint(0, {1001, 50, 0}, error));
  EXPECT_TRUE(accepted.empty());  // the reference is not searched
  EXPECT_TRUE(tools::dataPoint(0, {10, 205, 0}, error));
  ASSERT_EQ(accepted.size(), 1u);
  EXPECT_EQ(accepted[0], textId);
  // A new tool that enables nothing accepts every point without locating.
  tools::startModifyCommand(restart, accept, nullptr, nullptr, 2, 1, false, 0);
  EXPECT_TRUE(tools::dataPoint(0, {700, 700, 0}, error));
  EXPECT_EQ(accepted.size(), 2u);
  EXPECT_EQ(accepted[1], 0u);
}

TEST_F(HostLocate, HiddenLevelsAreNotLocatedAndHitsComeNearestFirst) {
  views::setLevelDisplayed(0, ref, 5, false);
  auto hits = locate::hitsAt(0, {1001, 52, 0}, true);
  ASSERT_EQ(hits.size(), 1u);  // the shape's level is hidden in view 1
  EXPECT_NE(hits[0].element, shapeId);
  EXPECT_TRUE(locate::hitsAt(4, {1001, 52, 0}, true).size() == 2u);  // view 5 shows both
  EXPECT_TRUE(locate::hitsAt(8, {1001, 52, 0}, true).empty());
}

TEST_F(HostLocate, SelectionAndHighlightHoldElementsByModelAndPosition) {
  const std::uint32_t pos = model(activeModel())->find(lineId)->filePosition;
  EXPECT_TRUE(selection::addElement(activeModel(), pos));
  EXPECT_TRUE(selection::addElement(activeModel(), pos));
  EXPECT_EQ(selection::members().size(), 1u);
  EXPECT_FALSE(selection::addElement(activeModel(), 9999));
  EXPECT_FALSE(selection::contains(ref, pos));
  selection::freeAll();
  EXPECT_TRUE(selection::members().empty());
  locate::hilite(ref, model(ref)->find(shapeId)->filePosition);
  EXPECT_TRUE(locate::isHilited(ref, model(ref)->find(shapeId)->filePosition));
  locate::clearHilite();
  EXPECT_TRUE(locate::hilited().empty());
}

TEST_F(HostLocate, TheSvgPictureShowsModelReferencesTransientsAndHighlights) {
  views::setLevelDisplayed(0, activeModel(), 2, false);
  locate::hilite(ref, model(ref)->find(shapeId)->filePosition);
  Element cross = *model(activeModel())->find(lineId);
  cross.id = 0;
  transients::Transient* t = transients::addElement(nullptr, cross, transients::drawHighlighted, 1u << 3);
  std::wstring error;
  const std::wstring file = host::paths::fromNative(dir / "vue.svg");
  ASSERT_TRUE(svg::writeView(0, file, error));
  std::ifstream in((dir / "vue.svg").string());
  const std::string picture((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string red = "class=\"element\" stroke=\"" + host::text::toUtf8(colors::hex(colors::tableColor(3))) + "\"";
  EXPECT_NE(picture.find(red), std::string::npos);
  EXPECT_NE(picture.find("data-id=\"" + std::to_string(lineId) + "\""), std::string::npos);
  EXPECT_EQ(picture.find("P&lt;1&gt;"), std::string::npos);  // level 2 hidden in view 1
  EXPECT_NE(picture.find("class=\"reference\""), std::string::npos);
  EXPECT_NE(picture.find("data-file=\"Fond.dgn\""), std::string::npos);
  EXPECT_NE(picture.find("class=\"highlight\""), std::string::npos);
  EXPECT_EQ(picture.find("class=\"transient\""), std::string::npos);  // shown in view 4 only
  EXPECT_NE(svg::viewPicture(3).find("class=\"transient\""), std::string::npos);
  EXPECT_NE(svg::viewPicture(3).find("P&lt;1&gt;"), std::string::npos);
  transients::free(t);
  EXPECT_EQ(svg::viewPicture(3).find("class=\"transient\""), std::string::npos);
  EXPECT_FALSE(svg::writeView(5, file, error));  // view 6 is closed
}

// A centred label is drawn centred on its origin, where the host's range of it (and so a locate)
// is centred: the picture and the locate range agree.
TEST_F(HostLocate, TheSvgPictureDrawsTextsByTheirJustification) {
  fx::DesignBuilder b;
  const struct {
    std::uint32_t justification;
    const char *anchor, *baseline;
  } cases[] = {{7, "middle", "central"}, {2, "start", "alphabetic"}, {12, "end", "text-before-edge"}};
  std::vector<ElementId> ids;
  for (const auto& c : cases) ids.push_back(b.add(fx::text(L"AB12", {1000, 500, 0}, 40, 30).justification(c.justification)));
  ASSERT_TRUE(b.save(host::paths::fromNative(dir / "Etiquettes.dgn")));
  ASSERT_EQ(openActiveFile(host::paths::fromNative(dir / "Etiquettes.dgn")), kSuccess);
  const std::string picture = svg::viewPicture(0);
  for (const auto& c : cases)
    EXPECT_NE(picture.find(std::string("text-anchor=\"") + c.anchor + "\" dominant-baseline=\"" + c.baseline + "\""),
              std::string::npos)
        << c.justification;
  // The centred label's range is centred on its origin, where the picture anchors it.
  const Element* centre = model(activeModel())->find(ids[0]);
  ASSERT_NE(centre, nullptr);
  const Range3d r = elementRange(*centre);
  EXPECT_DOUBLE_EQ((r.low.x + r.high.x) / 2, 1000.0);
  EXPECT_DOUBLE_EQ((r.low.y + r.high.y) / 2, 500.0);
}

}  // namespace
