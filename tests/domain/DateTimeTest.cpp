#include "domain/DateTime.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(DateTimeTest, ReferenceStamps) {
    EXPECT_EQ(encodeDay(2000, 1, 1), 36526);
    EXPECT_EQ(dateTimeToMinute(encodeDateTime(2007, 1, 1)), 3682080);
    EXPECT_EQ(dateTimeToMinute(encodeDateTime(2011, 1, 1)), 5785920);
    EXPECT_DOUBLE_EQ(minuteToDateTime(3682080), encodeDateTime(2007, 1, 1));
}

TEST(DateTimeTest, FiveMillisecondTolerance) {
    EXPECT_EQ(dateTimeToMinute(encodeDateTime(2007, 1, 1, 0, 0, 59, 999)), 3682081);
    EXPECT_EQ(dateTimeToMinute(encodeDateTime(2007, 1, 1, 0, 0, 59, 990)), 3682080);
}

TEST(DateTimeTest, StampsRoundTripThroughDateTimes) {
    for (std::int32_t stamp = stamp2007; stamp <= stamp2011; stamp += 997) {
        ASSERT_EQ(dateTimeToMinute(minuteToDateTime(stamp)), stamp);
    }
}

TEST(DateTimeTest, CalendarArithmetic) {
    CalendarTime t = decodeDateTime(encodeDateTime(2008, 2, 29, 23, 59, 58, 500));
    EXPECT_EQ(t.year, 2008);
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 58);
    EXPECT_EQ(t.millisecond, 500);
    EXPECT_EQ(dayOfWeek(encodeDateTime(2007, 1, 1)), 2);   // a Monday
    EXPECT_EQ(dayOfWeek(encodeDateTime(2010, 12, 25)), 7); // a Saturday
    for (std::int32_t stamp = stamp2007 - 3000; stamp < stamp2007 + 20 * 1440; stamp += 397) {
        ASSERT_EQ(dayOfWeekOfStamp(stamp), dayOfWeek(minuteToDateTime(stamp))) << stamp;
    }
    EXPECT_FALSE(isValidDate(2009, 2, 29));
    EXPECT_TRUE(isValidDate(2000, 2, 29));
}

TEST(DateTimeTest, DateStampsAndTexts) {
    TIDateTime t{3682080 + 1439};
    EXPECT_EQ(t.getDateStamp(), 3682080);
    EXPECT_DOUBLE_EQ(t.getDate(), encodeDateTime(2007, 1, 1));
    EXPECT_EQ(TIDateTime{3682080 + 1440}.getDateStamp(), 3682080 + 1440);
    EXPECT_EQ(TIDateTime{dateTimeToMinute(encodeDateTime(2010, 12, 31, 23, 59))}.getToDateTimeString(),
              "10/12/31 23:59");
    TDateTime dt = encodeDateTime(2009, 3, 7, 8, 5, 9, 900);
    EXPECT_EQ(formatDate(dt), "2009/03/07");
    EXPECT_EQ(formatTime(dt), "08:05:09");
    EXPECT_DOUBLE_EQ(parseDateTime(formatDate(dt) + " " + formatTime(dt)), encodeDateTime(2009, 3, 7, 8, 5, 9));
    EXPECT_THROW(parseDateTime("2009/13/07 08:05:09"), std::invalid_argument);
    EXPECT_THROW(parseDateTime("yesterday"), std::invalid_argument);
}

TEST(DateTimeTest, ReversedSpanIsReportedAndStillMeasured) {
    MessageRecorder recorder;
    // The 5 ms are taken off the start, which here is the later end: one day less 5 ms.
    EXPECT_EQ(myTimeBetween(encodeDateTime(2000, 1, 2), encodeDateTime(2000, 1, 1)), 1439);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{"myTimeBetween の起点と終点の設定が不正です。"});
}
