// Date-times as the user reads them.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

// A date-time's calendar parts.
struct TDateTimeParts {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// A date-time (days since 30 December 1899, the time of day as fraction)
// split into its parts, rounded to the millisecond. The fraction of a
// negative date-time counts forward from midnight like a positive one's:
// -1.25 is 29 December 1899, 6:00. Outside the years 1 to 9999 it gives the
// parts of 0.
TDateTimeParts DecodeDateTime(double date_time);

// A local date-time in the user's short date and long time format, for
// example "3/14/2024 9:26:53 AM" in US English. Windows follows the user's
// locale; the POSIX emulation always writes US English.
std::string DateTimeText(double date_time);

}  // namespace xs
