// The clock's texts: the --now date and time, the weekday, the long date of titles and plan
// sheets, and the notice line with its year.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include "platform/web_address.h"

namespace varnloft {
namespace {

TEST(ParseDateTime, ReadsAValidStampWithItsWeekday) {
  LocalDateTime t;
  ASSERT_TRUE(ParseDateTime("2026-12-07T09:05:07", t));
  EXPECT_EQ(t.year, 2026);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 7);
  EXPECT_EQ(t.hour, 9);
  EXPECT_EQ(t.minute, 5);
  EXPECT_EQ(t.second, 7);
  EXPECT_EQ(t.weekday, 1);                               // a Monday
  ASSERT_TRUE(ParseDateTime("2000-02-29T23:59:59", t));  // 2000 is a leap year
  EXPECT_EQ(t.weekday, 2);
  ASSERT_TRUE(ParseDateTime("0001-01-01T00:00:00", t));
  EXPECT_EQ(t.weekday, 1);
}

TEST(ParseDateTime, RefusesAnythingElseAndKeepsTheOldValue) {
  for (const char* bad :
       {"", "yesterday", "2026-12-07", "2026-12-07 09:05:07", "2026-12-07T09:05:07Z",
        "2026-12-7T09:05:07", "+026-12-07T09:05:07", "2026-12-07T09:05:0x", "2026-1 -07T09:05:07",
        "0000-01-01T00:00:00", "2026-00-07T09:05:07", "2026-13-07T09:05:07", "2026-12-00T09:05:07",
        "2026-04-31T09:05:07", "1900-02-29T09:05:07", "2027-02-29T09:05:07", "2026-12-07T24:00:00",
        "2026-12-07T09:60:07", "2026-12-07T09:05:60"}) {
    LocalDateTime t{1999, 3, 4, 5, 6, 7, 4};
    EXPECT_FALSE(ParseDateTime(bad, t)) << bad;
    EXPECT_EQ(t.year, 1999) << bad;
    EXPECT_EQ(t.weekday, 4) << bad;
  }
}

TEST(WeekdayOf, KnownDates) {
  EXPECT_EQ(WeekdayOf(2007, 1, 5), 5);    // Friday
  EXPECT_EQ(WeekdayOf(1970, 1, 1), 4);    // Thursday
  EXPECT_EQ(WeekdayOf(2000, 3, 1), 3);    // Wednesday, the day after a leap day
  EXPECT_EQ(WeekdayOf(1900, 3, 1), 4);    // Thursday, no leap day before it
  EXPECT_EQ(WeekdayOf(2024, 12, 31), 2);  // Tuesday
}

TEST(FormatLongDate, WeekdayCommaTwoBlanksMonthDayCommaYear) {
  LocalDateTime t;
  ASSERT_TRUE(ParseDateTime("2026-12-07T09:05:07", t));
  EXPECT_EQ(FormatLongDate(t, LocaleTexts{}), "Monday,  December 7, 2026");
  ASSERT_TRUE(ParseDateTime("2007-01-05T00:00:00", t));
  EXPECT_EQ(FormatLongDate(t, LocaleTexts{}), "Friday,  January 5, 2007");

  LocaleTexts german;
  german.dayNames[5] = "Freitag";
  german.monthNames[0] = "Januar";
  EXPECT_EQ(FormatLongDate(t, german), "Freitag,  Januar 5, 2007");
}

TEST(NoticeTextForYear, TheYearInFourDigits) {
  EXPECT_EQ(NoticeTextForYear(2026),
            "Copyright (c) 2026 Tellwick Picnic Tables. All rights reserved.");
  EXPECT_EQ(NoticeTextForYear(987),
            "Copyright (c) 0987 Tellwick Picnic Tables. All rights reserved.");
}

}  // namespace
}  // namespace varnloft
