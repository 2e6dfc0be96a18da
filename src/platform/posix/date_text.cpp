// The emulated machine's user writes US English dates and times.
#include "platform/date_text.h"

#include <cstdio>

namespace xs {

std::string DateTimeText(double date_time) {
  TDateTimeParts p = DecodeDateTime(date_time);
  int hour12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
  char text[64];
  std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d:%02d %s", p.Month, p.Day, p.Year, hour12, p.Minute,
                p.Second, p.Hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace xs
