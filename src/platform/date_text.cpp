// The calendar arithmetic every platform shares.
#include "platform/date_text.h"

#include <cmath>

namespace xs {

TDateTimeParts DecodeDateTime(double date_time) {
  // Years 1 to 9999 only; anything else (NaN included) is the zero date.
  if (!(date_time > -693594.0 && date_time < 2958466.0)) date_time = 0;
  double whole_days = std::trunc(date_time);
  auto days = static_cast<int64_t>(whole_days);
  auto ms = static_cast<int64_t>(std::llround(std::fabs(date_time - whole_days) * 86400000.0));
  if (ms >= 86400000) {
    ms -= 86400000;
    ++days;
  }
  // Days since 1 March 0000 of the proleptic Gregorian calendar, then
  // 400-year eras, as in the usual civil-from-days conversion.
  int64_t z = days + 693899;  // 1899-12-30 is day 693899 after 0000-03-01
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  TDateTimeParts p;
  p.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  p.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  p.Year = static_cast<int>(yoe + era * 400 + (p.Month <= 2));
  p.Hour = static_cast<int>(ms / 3600000);
  p.Minute = static_cast<int>(ms / 60000 % 60);
  p.Second = static_cast<int>(ms / 1000 % 60);
  p.Millisecond = static_cast<int>(ms % 1000);
  return p;
}

}  // namespace xs
