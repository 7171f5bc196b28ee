#include "platform/clock.h"

#include <cstdio>

namespace varnloft {

int WeekdayOf(int year, int month, int day) {
  // Sakamoto's method.
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

bool ParseDateTime(const std::string& text, LocalDateTime& out) {
  LocalDateTime t;
  char tail = 0;
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':')
    return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (i != 4 && i != 7 && i != 10 && i != 13 && i != 16 && (text[i] < '0' || text[i] > '9'))
      return false;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                  &t.minute, &t.second, &tail) != 6)
    return false;
  static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > days[t.month - 1] ||
      t.hour > 23 || t.minute > 59 || t.second > 59)
    return false;
  bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  if (t.month == 2 && t.day == 29 && !leap) return false;
  t.weekday = WeekdayOf(t.year, t.month, t.day);
  out = t;
  return true;
}

std::string FormatLongDate(const LocalDateTime& t, const LocaleTexts& locale) {
  return locale.dayNames[t.weekday] + ",  " + locale.monthNames[t.month - 1] + " " +
         std::to_string(t.day) + ", " + std::to_string(t.year);
}

}  // namespace varnloft
