#include "host/clock.h"

#include <mutex>
#include <optional>

namespace host::clock {
namespace {

std::mutex& guard() {
  static std::mutex m;
  return m;
}

std::optional<std::tm>& fixed() {
  static std::optional<std::tm> value;
  return value;
}

bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

// Day of the week (0 Sunday), Zeller-style, and day of the year (0 based), so that every
// strftime directive of a fixed time is right.
int weekDay(int y, int m, int d) {
  static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (m < 3) y -= 1;
  return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

}  // namespace

std::tm now() {
  {
    std::lock_guard lock(guard());
    if (fixed()) return *fixed();
  }
  std::time_t t = std::time(nullptr);
  std::tm local{};
  if (!localtime_r(&t, &local)) local = std::tm{};
  return local;
}

bool setFixed(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return false;
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_wday = weekDay(year, month, day);
  int yday = day - 1;
  for (int m = 1; m < month; ++m) yday += daysInMonth(year, m);
  tm.tm_yday = yday;
  tm.tm_isdst = 0;
  std::lock_guard lock(guard());
  fixed() = tm;
  return true;
}

void useSystem() {
  std::lock_guard lock(guard());
  fixed().reset();
}

bool isFixed() {
  std::lock_guard lock(guard());
  return fixed().has_value();
}

}  // namespace host::clock
