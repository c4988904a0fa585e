#include "toolbox/stb_date.h"

#include <string>

#include <gtest/gtest.h>

#include "host/clock.h"

namespace {

class StbDate : public ::testing::Test {
 protected:
  void TearDown() override { host::clock::useSystem(); }
};

TEST_F(StbDate, MaintenantReadsTheHostClock) {
  ASSERT_TRUE(host::clock::setFixed(2021, 3, 5, 9, 8, 7));
  std::wstring s = L"stale";
  EXPECT_EQ(stbDate_maintenant(s, "%d/%m/%Y"), L"05/03/2021");
  EXPECT_EQ(stbDate_maintenant(s, "%H:%M:%S"), L"09:08:07");
  EXPECT_EQ(stbDate_maintenant(s, ""), L"");
  EXPECT_EQ(stbDate_maintenant(s, std::string(40, 'x') + "%Y%Y%Y%Y%Y%Y%Y%Y%Y%Y"), L"");  // does not fit 80 bytes
  host::clock::useSystem();
  EXPECT_EQ(stbDate_maintenant(s, "%d/%m/%Y").size(), 10u);
}

TEST_F(StbDate, ComparerLetsDatesDecideThenTimes) {
  struct Case { std::wstring d1, d2, h1, h2; int res; const char* why; };
  const Case cases[] = {
      {L"05/03/2021", L"04/03/2021", L"", L"", 1, "later day"},
      {L"01/01/2020", L"31/12/2021", L"23:00:00", L"00:00:00", -1, "the dates decide"},
      {L"31/01/2021", L"01/02/2021", L"", L"", -1, "month before day"},
      {L"01/12/2020", L"01/01/2021", L"", L"", -1, "year before month"},
      {L"", L"", L"10:00:01", L"10:00:00", 1, "empty dates, times decide"},
      {L"2021-03-05", L"2021-03-04", L"", L"", 0, "dashes are not three fields: equal"},
      {L"05/03/2021", L"05/03/2021", L"10:01:00", L"10:00:59", 1, "equal dates, minutes decide"},
      {L"05/03/2021", L"", L"09:00:00", L"10:00:00", -1, "one empty date"},
      {L"5/3/21", L"05/03/2021", L"", L"", -1, "fields read as numbers"},
      {L"", L"", L"10:00", L"09:00", 0, "times of two fields count as equal"},
      {L"a/b/c", L"01/01/2021", L"", L"", -1, "unreadable fields read as 0"},
      {L"", L"", L"", L"", 0, "nothing"},
  };
  for (const Case& c : cases) EXPECT_EQ(stbDate_comparer(c.d1, c.d2, c.h1, c.h2), c.res) << c.why;
}

}  // namespace
