#include "host/clipboard.h"

#include <gtest/gtest.h>

namespace {

namespace cb = host::clipboard;

class HostClipboard : public ::testing::Test {
 protected:
  void TearDown() override {
    cb::setUnavailable(false);
    cb::clear();
  }
};

TEST_F(HostClipboard, UnicodeTextRoundTripsThroughTheApplicationsCalls) {
  const std::u16string text = u"<gml:pos>2.35 48.85</gml:pos> \u00e9\u20ac\U0001F600";
  ASSERT_TRUE(cb::open());
  EXPECT_FALSE(cb::open());  // already open
  EXPECT_TRUE(cb::empty());
  EXPECT_TRUE(cb::setData(cb::formatUnicodeText, text.c_str(), (text.size() + 1) * 2));
  EXPECT_FALSE(cb::setData(1, "x", 2));  // only Unicode text is kept
  void* data = nullptr;
  std::size_t bytes = 0;
  ASSERT_TRUE(cb::getData(cb::formatUnicodeText, &data, &bytes));
  EXPECT_EQ(bytes, (text.size() + 1) * 2);
  EXPECT_EQ(std::u16string(static_cast<const char16_t*>(data)), text);
  cb::freeMemory(data);
  cb::close();
  EXPECT_EQ(cb::text(), L"<gml:pos>2.35 48.85</gml:pos> \u00e9\u20ac\U0001F600");
}

TEST_F(HostClipboard, NothingIsReadOrWrittenUnlessOpened) {
  cb::setText(L"avant");
  void* data = nullptr;
  EXPECT_FALSE(cb::getData(cb::formatUnicodeText, &data, nullptr));
  EXPECT_FALSE(cb::empty());
  EXPECT_FALSE(cb::setData(cb::formatUnicodeText, u"x", 4));
  cb::setUnavailable(true);
  EXPECT_FALSE(cb::open());
  EXPECT_EQ(cb::text(), L"avant");
  cb::setUnavailable(false);
  ASSERT_TRUE(cb::open());
  EXPECT_TRUE(cb::empty());
  EXPECT_FALSE(cb::getData(cb::formatUnicodeText, &data, nullptr));  // emptied: no text
  cb::close();
}

}  // namespace
