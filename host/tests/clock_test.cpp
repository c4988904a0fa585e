#include "host/clock.h"

#include <gtest/gtest.h>

namespace {

class HostClock : public ::testing::Test {
 protected:
  void TearDown() override { host::clock::useSystem(); }
};

TEST_F(HostClock, FixedValueIsReturnedWithConsistentWeekAndYearDays) {
  ASSERT_TRUE(host::clock::setFixed(2021, 3, 5, 10, 20, 30));
  EXPECT_TRUE(host::clock::isFixed());
  const std::tm t = host::clock::now();
  EXPECT_EQ(t.tm_year, 121);
  EXPECT_EQ(t.tm_mon, 2);
  EXPECT_EQ(t.tm_mday, 5);
  EXPECT_EQ(t.tm_hour, 10);
  EXPECT_EQ(t.tm_min, 20);
  EXPECT_EQ(t.tm_sec, 30);
  EXPECT_EQ(t.tm_wday, 5);   // a Friday
  EXPECT_EQ(t.tm_yday, 63);  // 31 + 28 + 4
  char text[32];
  ASSERT_GT(std::strftime(text, sizeof text, "%A %j", &t), 0u);
  EXPECT_STREQ(text, "Friday 064");
}

TEST_F(HostClock, InvalidFieldsAreRefusedAndLeaveTheClockAsItWas) {
  struct Case { int y, mo, d, h, mi, s; bool ok; const char* why; };
  const Case cases[] = {
      {2020, 2, 29, 0, 0, 0, true, "leap day"},
      {2021, 2, 29, 0, 0, 0, false, "not a leap year"},
      {1900, 2, 29, 0, 0, 0, false, "century not divisible by 400"},
      {2000, 2, 29, 23, 59, 59, true, "divisible by 400"},
      {2021, 13, 1, 0, 0, 0, false, "month 13"},
      {2021, 4, 31, 0, 0, 0, false, "April has 30 days"},
      {2021, 1, 1, 24, 0, 0, false, "hour 24"},
      {2021, 1, 1, 0, -1, 0, false, "negative minute"},
  };
  for (const Case& c : cases) {
    host::clock::useSystem();
    EXPECT_EQ(host::clock::setFixed(c.y, c.mo, c.d, c.h, c.mi, c.s), c.ok) << c.why;
    EXPECT_EQ(host::clock::isFixed(), c.ok) << c.why;
  }
  host::clock::useSystem();
  EXPECT_GE(host::clock::now().tm_year, 120);  // the system clock
}

}  // namespace
