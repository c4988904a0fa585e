#include "host/coordinate_system.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/coordinate_system_keys.h"
#include "host/fixture/design_builder.h"
#include "host/paths.h"

using host::CoordinateSystem;
using host::Point3d;

namespace {

constexpr double kUors = 1000.0;  // UORs per metre of the standard plan

std::shared_ptr<const CoordinateSystem> cs(const wchar_t* key) {
  auto sys = CoordinateSystem::create(key);
  EXPECT_TRUE(sys) << "unknown key";
  return sys;
}

TEST(HostCoordinateSystem, EveryKeyOfTheTableIsKnownToProj) {
  ASSERT_EQ(host::coordinateSystemKeys().size(), 19u);
  for (const auto& row : host::coordinateSystemKeys()) {
    const auto sys = CoordinateSystem::create(row.key);
    ASSERT_TRUE(sys);
    EXPECT_EQ(sys->epsg(), row.epsg);
    EXPECT_EQ(sys->displayName(), row.key);
  }
  EXPECT_EQ(host::epsgOfKey(L"RGF93.CC47"), 3947);
  EXPECT_EQ(host::epsgOfKey(L"NTF.Lambert-E"), 27572);
  EXPECT_TRUE(cs(L"EPSG:4326")->isGeographic());
  EXPECT_FALSE(cs(L"IGN-RGF93")->isGeographic());
}

TEST(HostCoordinateSystem, UnknownKeysGiveNoSystem) {
  for (const wchar_t* key : {L"", L"RGF93.CC51", L"rgf93.cc47", L"EPSG:", L"EPSG:12x", L"EPSG:999999", L"EPSG:-5"})
    EXPECT_FALSE(CoordinateSystem::create(key)) << std::wstring(key).size();
  EXPECT_EQ(cs(L"EPSG:2056")->epsg(), 2056);  // a code PROJ knows, outside the table
}

TEST(HostCoordinateSystem, ReprojectsKnownPointsEastingFirst) {
  const auto wgs84 = cs(L"EPSG:4326");
  struct Case {
    const wchar_t* key;
    Point3d projected;  // metres
    double lon, lat;
  } cases[] = {
      {L"IGN-RGF93", {700000, 6600000, 0}, 3.0, 46.5},
      {L"RGF93.CC47", {1700000, 6200000, 0}, 3.0, 47.0},
  };
  for (const auto& c : cases) {
    std::vector<Point3d> pts = {c.projected * kUors};
    pts[0].z = 123;
    ASSERT_TRUE(host::reprojectUors(pts, *cs(c.key), *wgs84, kUors));
    EXPECT_NEAR(pts[0].x / kUors, c.lon, 1e-9);
    EXPECT_NEAR(pts[0].y / kUors, c.lat, 1e-9);
    EXPECT_EQ(pts[0].z, 123);
    ASSERT_TRUE(host::reprojectUors(pts, *wgs84, *cs(c.key), kUors));
    EXPECT_NEAR(pts[0].x, c.projected.x * kUors, 1.0);  // within a millimetre
    EXPECT_NEAR(pts[0].y, c.projected.y * kUors, 1.0);
  }
}

TEST(HostCoordinateSystem, LambertZoneTwoRoundTripStaysWithinAMillimetre) {
  const auto lz2 = cs(L"NTF.Lambert-2"), l93 = cs(L"IGN-RGF93");
  const std::vector<Point3d> start = {{600000 * kUors, 200000 * kUors, 0}, {650000 * kUors, 150000 * kUors, 0}};
  std::vector<Point3d> pts = start;
  ASSERT_TRUE(host::reprojectUors(pts, *lz2, *l93, kUors));
  EXPECT_GT(pts[0].y, 6'000'000 * kUors);  // Lambert 93 northings
  ASSERT_TRUE(host::reprojectUors(pts, *l93, *lz2, kUors));
  for (size_t i = 0; i < pts.size(); ++i) EXPECT_LT(pts[i].distance(start[i]), 1.0);
}

TEST(HostCoordinateSystem, FailedReprojectionLeavesPointsUnchanged) {
  std::vector<Point3d> pts = {{1, 2, 3}, {NAN, 0, 0}};
  const auto before = pts[0];
  EXPECT_FALSE(host::reprojectUors(pts, *cs(L"IGN-RGF93"), *cs(L"EPSG:4326"), kUors));
  EXPECT_EQ(pts[0], before);
}

TEST(HostCoordinateSystem, LocalTransformMatchesTheReprojectionNearby) {
  const auto l93 = cs(L"IGN-RGF93"), cc47 = cs(L"RGF93.CC47");
  const Point3d at{700000 * kUors, 6600000 * kUors, 0};
  const auto t = host::localTransform(*l93, *cc47, at, kUors);
  ASSERT_TRUE(t);
  const Point3d nearby = at + Point3d{500 * kUors, -300 * kUors, 0};
  std::vector<Point3d> exact = {nearby};
  ASSERT_TRUE(host::reprojectUors(exact, *l93, *cc47, kUors));
  EXPECT_LT(t->apply(nearby).distanceXY(exact[0]), 5.0);  // 5 mm over 600 m
}

}  // namespace

namespace {

TEST(HostCoordinateSystem, SystemOfAModelIsNamedByItsFileKey) {
  host::resetModels();
  const auto dir = boost::filesystem::current_path() / "coordinate_system_model";
  boost::filesystem::create_directories(dir);
  struct Case {
    std::optional<std::wstring> key;
    bool known;
  } cases[] = {{L"RGF93.CC47", true}, {L"Inconnu", false}, {std::nullopt, false}};
  for (const auto& c : cases) {
    host::fixture::DesignBuilder b;
    b.header().coordinateSystem = c.key;
    const std::wstring path = host::paths::fromNative(dir / "Plan.dgn");
    ASSERT_TRUE(b.save(path));
    host::ModelRef model;
    ASSERT_EQ(host::openWorkFile(&model, nullptr, nullptr, path, L"", true), host::kSuccess);
    const auto sys = host::coordinateSystemOfModel(model);
    EXPECT_EQ(sys != nullptr, c.known);
    if (sys) {
      EXPECT_EQ(sys->displayName(), *c.key);
    }
    host::closeWorkFile(model);
  }
  EXPECT_FALSE(host::coordinateSystemOfModel({}));
  host::resetModels();
}

}  // namespace
