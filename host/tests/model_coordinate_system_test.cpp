// The coordinate-system key that a model's design file carries.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/paths.h"

namespace fs = boost::filesystem;
using namespace host;

namespace {

class HostModelCoordinateSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    resetModels();
    dir = fs::current_path() / (std::string("modelcs_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fixture::DesignBuilder b;
    b.header().coordinateSystem = L"RGF93.CC47";
    b.add(fixture::line({0, 0, 0}, {1000, 0, 0}));
    ASSERT_TRUE(b.save(file()));
  }
  void TearDown() override { resetModels(); }
  std::wstring file() const { return host::paths::fromNative(dir / "Plan.dgn"); }
  fs::path dir;
};

TEST_F(HostModelCoordinateSystem, AKeyWrittenIsSavedWithTheWorkFile) {
  ModelRef m;
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, file(), L"", false), kSuccess);
  EXPECT_EQ(coordinateSystemKey(m), L"RGF93.CC47");
  ASSERT_EQ(setCoordinateSystemKey(m, L"EPSG:2975"), kSuccess);
  EXPECT_EQ(coordinateSystemKey(m), L"EPSG:2975");
  ASSERT_EQ(closeWorkFile(m), kSuccess);
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, file(), L"", true), kSuccess);
  EXPECT_EQ(coordinateSystemKey(m), L"EPSG:2975");
  ASSERT_EQ(closeWorkFile(m), kSuccess);
  // An empty key removes it.
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, file(), L"", false), kSuccess);
  ASSERT_EQ(setCoordinateSystemKey(m, L""), kSuccess);
  ASSERT_EQ(closeWorkFile(m), kSuccess);
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, file(), L"", true), kSuccess);
  EXPECT_EQ(coordinateSystemKey(m), L"");
  closeWorkFile(m);
}

TEST_F(HostModelCoordinateSystem, ReadOnlyAndUnknownModelsAreRefused) {
  ModelRef m;
  ASSERT_EQ(openWorkFile(&m, nullptr, nullptr, file(), L"", true), kSuccess);
  EXPECT_EQ(setCoordinateSystemKey(m, L"EPSG:2975"), kReadOnly);
  EXPECT_EQ(coordinateSystemKey(m), L"RGF93.CC47");
  closeWorkFile(m);
  EXPECT_EQ(setCoordinateSystemKey(ModelRef{}, L"EPSG:2975"), kBadModel);
  EXPECT_EQ(coordinateSystemKey(ModelRef{}), L"");
}

}  // namespace
