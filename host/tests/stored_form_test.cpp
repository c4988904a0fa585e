#include "host/stored_form.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "host/application.h"
#include "host/dialog_variable.h"
#include "host/open_resources.h"

namespace {

namespace fs = boost::filesystem;
namespace rs = host::resources;
namespace sf = host::stored_form;

// Definition 7: int16[3], int32, text[3], double; in memory 6 + pad 2 + 4 + 3 + pad 5 + 8 = 32.
struct Rec {
  std::int16_t w[3];
  std::int32_t n;
  char t[3];
  double d;
};

const char* resourceText = R"({"format": "cadhost-resource", "version": 1, "dataDefinitions": [
  {"type": "rec", "number": 7, "fields": [{"name": "w", "kind": "int16", "count": 3}, {"name": "n", "kind": "int32"},
                                          {"name": "t", "kind": "text", "count": 3}, {"name": "d", "kind": "double"}]},
  {"type": "other", "fields": [{"name": "a", "kind": "int32"}]}]})";

class HostStoredForm : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::current_path() / "stored_form" / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(dir);
    write("rec.json", resourceText);
    handle = rs::openFile((dir / "rec.json").wstring());
    ASSERT_NE(handle, 0u);
  }
  void TearDown() override { rs::closeFile(handle); }
  void write(const char* name, const std::string& text) { std::ofstream((dir / name).string()) << text; }
  fs::path dir;
  std::uint32_t handle = 0;
};

// Stored form of Rec{{1, -2, 0x1234}, -100000, "ab", 2.5}: 6 + 4 + 3 + 8 = 21 bytes, little-endian.
std::vector<std::uint8_t> storedRec() {
  std::vector<std::uint8_t> b = {0x01, 0x00, 0xFE, 0xFF, 0x34, 0x12, 0x60, 0x79, 0xFE, 0xFF, 'a', 'b', 0};
  std::uint64_t bits = 0;
  const double d = 2.5;
  std::memcpy(&bits, &d, 8);
  for (int i = 0; i < 8; ++i) b.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  return b;
}

TEST_F(HostStoredForm, ConvertsAPackedLittleEndianBufferOntoTheStruct) {
  const rs::ResourceFile* rf = rs::openedFile(handle);
  ASSERT_TRUE(rf);
  ASSERT_TRUE(rf->dataDefinition(7));
  EXPECT_FALSE(rf->dataDefinition(0));  // 0 names no definition, not the unnumbered one
  EXPECT_EQ(sf::storedSize(*rf->dataDefinition(7)), 21u);
  EXPECT_EQ(host::dialog_variable::layoutOf(*rf->dataDefinition(7)).size, sizeof(Rec));
  EXPECT_EQ(host::dialog_variable::layoutOf(*rf->dataDefinition(7)).fields[1].offset, offsetof(Rec, n));

  auto bytes = storedRec();
  bytes.push_back(0xAA);  // bytes past the stored form are not read
  Rec r{};
  ASSERT_EQ(sf::bufferFromFileFormat(&r, sizeof r, handle, 7, bytes.data(), bytes.size()), sf::kSuccess);
  EXPECT_EQ(r.w[0], 1);
  EXPECT_EQ(r.w[1], -2);
  EXPECT_EQ(r.w[2], 0x1234);
  EXPECT_EQ(r.n, -100000);
  EXPECT_STREQ(r.t, "ab");
  EXPECT_EQ(r.d, 2.5);
}

TEST_F(HostStoredForm, RefusesWhatItCannotConvertAndWritesNothing) {
  const auto bytes = storedRec();
  struct Case {
    std::uint32_t handle;
    int definition;
    std::size_t stored;
    std::size_t record;
    int status;
    const char* why;
  } cases[] = {
      {0, 7, 21, sizeof(Rec), sf::kNoResourceFile, "0 is never a handle"},
      {handle + 1000, 7, 21, sizeof(Rec), sf::kNoResourceFile, "unknown handle"},
      {handle, 3, 21, sizeof(Rec), sf::kNoDefinition, "no definition 3"},
      {handle, 0, 21, sizeof(Rec), sf::kNoDefinition, "the unnumbered definition is not 0"},
      {handle, 7, 20, sizeof(Rec), sf::kShortBuffer, "one byte short"},
      {handle, 7, 0, sizeof(Rec), sf::kShortBuffer, "nothing stored"},
      {handle, 7, 21, sizeof(Rec) - 1, sf::kRecordTooSmall, "struct too small for the layout"},
  };
  for (const Case& c : cases) {
    Rec r{};
    std::memset(&r, 0x5A, sizeof r);
    EXPECT_EQ(sf::bufferFromFileFormat(&r, c.record, c.handle, c.definition, bytes.data(), c.stored), c.status) << c.why;
    EXPECT_EQ(r.w[0], 0x5A5A) << c.why;
  }
}

TEST_F(HostStoredForm, HandlesAreNeverZeroNeverGivenTwiceAndClosedFilesAreGone) {
  const auto count = rs::openFileCount();
  const std::uint32_t second = rs::openFile((dir / "rec.json").wstring());
  EXPECT_GT(second, handle);
  EXPECT_EQ(rs::openFileCount(), count + 1);
  EXPECT_TRUE(rs::closeFile(second));
  EXPECT_FALSE(rs::closeFile(second));
  EXPECT_FALSE(rs::openedFile(second));
  EXPECT_GT(rs::openFile((dir / "rec.json").wstring()), second);
  rs::closeFile(second + 1);

  write("broken.json", "{ not json");
  write("noformat.json", "{}");
  std::wstring error;
  for (const fs::path& p : {dir / "broken.json", dir / "noformat.json", dir / "absent.json", dir})
    EXPECT_EQ(rs::openFile(p.wstring(), &error), 0u) << p;
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(rs::openFile(L""), 0u);
}

TEST_F(HostStoredForm, AnApplicationsFilesCloseWhenItUnloads) {
  const int id = host::application::registerInProcess((dir / "libowner.so").wstring());
  std::uint32_t owned = 0;
  {
    host::application::CallScope scope(id);
    owned = rs::openFile((dir / "rec.json").wstring());
  }
  ASSERT_NE(owned, 0u);
  std::wstring error;
  ASSERT_TRUE(host::application::unloadId(id, host::application::reasonRequest, error));
  EXPECT_FALSE(rs::openedFile(owned));
  EXPECT_TRUE(rs::openedFile(handle));  // opened without an application: the host's
}

TEST(HostInt16Field, ReadsAndWritesAPublishedInt16WithinItsRange) {
  rs::DataDefinition def{L"v16", {{L"a", rs::FieldKind::Int16, 2}}};
  struct {
    std::int16_t a[2];
  } v{{0, 0}};
  host::dialog_variable::publish(L"V16", host::dialog_variable::layoutOf(def), &v, 0);
  auto ref = host::dialog_variable::find(L"V16.a[1]");
  ASSERT_TRUE(ref);
  EXPECT_TRUE(host::dialog_variable::write(*ref, L"-32768"));
  EXPECT_EQ(v.a[1], -32768);
  EXPECT_EQ(host::dialog_variable::read(*ref), L"-32768");
  EXPECT_FALSE(host::dialog_variable::write(*ref, L"32768"));  // out of range: nothing written
  EXPECT_FALSE(host::dialog_variable::write(*ref, L"1x"));
  EXPECT_EQ(v.a[1], -32768);
  EXPECT_EQ(v.a[0], 0);
  host::dialog_variable::unpublish(L"V16");
}

}  // namespace
