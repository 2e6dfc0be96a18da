#include "platform/date_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace xs {
namespace {

TEST(DateText, DecodeDateTimeGivesTheCalendarParts) {
  const struct {
    double date_time;
    int year, month, day, hour, minute, second, ms;
  } cases[] = {
      {0, 1899, 12, 30, 0, 0, 0, 0},
      {2, 1900, 1, 1, 0, 0, 0, 0},
      {60, 1900, 2, 28, 0, 0, 0, 0},
      {61, 1900, 3, 1, 0, 0, 0, 0},  // 1900 is no leap year
      {36585, 2000, 2, 29, 0, 0, 0, 0},
      {45365.5, 2024, 3, 14, 12, 0, 0, 0},
      {45365.25 + 1.0 / 86400 * 3723.5, 2024, 3, 14, 7, 2, 3, 500},
      {45365.9999999999, 2024, 3, 15, 0, 0, 0, 0},  // rounds up into the next day
      {-1.25, 1899, 12, 29, 6, 0, 0, 0},
      {-693593, 1, 1, 1, 0, 0, 0, 0},
      {2958465, 9999, 12, 31, 0, 0, 0, 0},
      {1e12, 1899, 12, 30, 0, 0, 0, 0},
      {NAN, 1899, 12, 30, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    TDateTimeParts p = DecodeDateTime(c.date_time);
    EXPECT_EQ((std::array<int, 7>{p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.Millisecond}),
              (std::array<int, 7>{c.year, c.month, c.day, c.hour, c.minute, c.second, c.ms}))
        << c.date_time;
  }
}

TEST(DateText, ShortDateAndLongTime) {
  std::string text = DateTimeText(45365.25 + 1.0 / 86400 * 3723);
#ifdef _WIN32
  // The user's locale decides the layout; the year and the minutes show.
  EXPECT_NE(text.find("2024"), std::string::npos) << text;
  EXPECT_NE(text.find("02"), std::string::npos) << text;
#else
  EXPECT_EQ(text, "3/14/2024 7:02:03 AM");
  EXPECT_EQ(DateTimeText(45365.5), "3/14/2024 12:00:00 PM");
  EXPECT_EQ(DateTimeText(45365), "3/14/2024 12:00:00 AM");
#endif
}

}  // namespace
}  // namespace xs
