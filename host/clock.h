#pragma once
// The host's clock: local date and time. Tests and the shell may set it to a fixed value, so
// that dated outputs are reproducible; otherwise it reads the system clock.
#include <ctime>

namespace host::clock {

// The current local date and time (fields as std::tm: year since 1900, month 0 to 11).
std::tm now();

// Fixes the clock at a local date and time; false (and the clock unchanged) when the fields do
// not make a valid date and time.
bool setFixed(int year, int month, int day, int hour, int minute, int second);

// Back to the system clock.
void useSystem();

// True while the clock is fixed.
bool isFixed();

}  // namespace host::clock
