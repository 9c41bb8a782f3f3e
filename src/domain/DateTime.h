#pragma once
// Minute stamps (whole minutes since 2000-01-01 00:00 local time) and calendar date-times (days since
// 1899-12-30 with the time as the fraction of a day). The calendar arithmetic is our own: it never
// depends on the machine's time zone or locale.
#include <cstdint>
#include <string>

using TDateTime = double;

constexpr std::int32_t stamp2007 = 3682080; // 2007-01-01 00:00
constexpr std::int32_t stamp2011 = 5785920; // 2011-01-01 00:00
constexpr std::int32_t minutesPerDay = 1440;
constexpr double day2000 = 36526.0; // 2000-01-01 as a date-time

struct CalendarTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Day count of a calendar date (proleptic Gregorian), day 0 = 1899-12-30.
std::int64_t encodeDay(int year, int month, int day);
TDateTime encodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                         int millisecond = 0);
// Splits a date-time into its parts, rounded to the millisecond.
CalendarTime decodeDateTime(TDateTime dt);
bool isValidDate(int year, int month, int day);
// 1 = Sunday … 7 = Saturday.
int dayOfWeek(TDateTime dt);

// Whole minutes from start to end; a start later than end is reported and the absolute span returned.
std::int64_t myTimeBetween(TDateTime start, TDateTime end);
std::int32_t dateTimeToMinute(TDateTime dt);
TDateTime minuteToDateTime(std::int32_t stamp);

// Formats "yy/mm/dd hh:nn", "yyyy/mm/dd" and "hh:nn:ss" with "/" and ":" as separators.
std::string formatShortDateTime(TDateTime dt);
std::string formatDate(TDateTime dt);
std::string formatTime(TDateTime dt);
// Parses "yyyy/mm/dd hh:nn:ss" (also "yyyy/m/d h:n:s", seconds optional). Throws std::invalid_argument.
TDateTime parseDateTime(const std::string& text);

// The current local date and time.
TDateTime nowDateTime();

// A minute stamp held by the caller.
struct TIDateTime {
    std::int32_t stamp = 0;

    void setDateTime(TDateTime dt) { stamp = dateTimeToMinute(dt); }
    TDateTime getDateTime() const { return minuteToDateTime(stamp); }
    TDateTime getDate() const;
    std::int32_t getDateStamp() const;
    std::string getToString() const { return std::to_string(stamp); }
    void setStr(const std::string& text);
    std::string getToDateTimeString() const { return formatShortDateTime(getDateTime()); }
};

// Day of the week of a minute stamp: 1 = Sunday … 7 = Saturday (2000-01-01 was a Saturday).
constexpr int dayOfWeekOfStamp(std::int32_t stamp) {
    const std::int32_t days = (stamp >= 0 ? stamp : stamp - (minutesPerDay - 1)) / minutesPerDay;
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

// Midnight of the stamp's day as a minute stamp.
constexpr std::int32_t dateStampOf(std::int32_t stamp) {
    std::int32_t r = stamp % minutesPerDay;
    return stamp - (r < 0 ? r + minutesPerDay : r);
}
