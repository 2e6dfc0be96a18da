#include "platform/date_text.h"

#include <windows.h>

namespace xs {

std::string DateTimeText(double date_time) {
  TDateTimeParts p = DecodeDateTime(date_time);
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(p.Year);
  st.wMonth = static_cast<WORD>(p.Month);
  st.wDay = static_cast<WORD>(p.Day);
  st.wHour = static_cast<WORD>(p.Hour);
  st.wMinute = static_cast<WORD>(p.Minute);
  st.wSecond = static_cast<WORD>(p.Second);
  st.wMilliseconds = static_cast<WORD>(p.Millisecond);
  char date[128] = {}, time[128] = {};
  if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date)) date[0] = '\0';
  if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time)) time[0] = '\0';
  return std::string(date) + " " + time;
}

}  // namespace xs
