#pragma once
// The local date and time and the locale's texts, injected so that tests fix them.
#include <string>

namespace varnloft {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;  // month 1..12
  int hour = 0, minute = 0, second = 0;
  int weekday = 6;  // 0 = Sunday .. 6 = Saturday
};

// Day and month names and the thousands separator of the user's locale.
struct LocaleTexts {
  std::string dayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
  std::string monthNames[12] = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
  std::string thousandsSeparator = ",";
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

// The weekday of a calendar date (proleptic Gregorian), 0 = Sunday.
int WeekdayOf(int year, int month, int day);

// Parses "YYYY-MM-DDTHH:MM:SS"; false when the text is not such a valid date and time.
bool ParseDateTime(const std::string& text, LocalDateTime& out);

// "DDDD,  mmmm d, yyyy": full weekday, comma, two blanks, full month, day, comma, year.
std::string FormatLongDate(const LocalDateTime& t, const LocaleTexts& locale);

}  // namespace varnloft
