#include "domain/DateTime.h"

#include "domain/Helpers.h"
#include "domain/Messages.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace {

// Days from 1970-01-01 of a civil date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

constexpr std::int64_t epochOffset = 25569; // 1970-01-01 as a day count from 1899-12-30
constexpr double msPerDay = 86400000.0;

std::string twoDigits(int v) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", v % 100);
    return buffer;
}

} // namespace

std::int64_t encodeDay(int year, int month, int day) {
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + epochOffset;
}

TDateTime encodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    double fraction = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / msPerDay;
    return static_cast<double>(encodeDay(year, month, day)) + fraction;
}

bool isValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

CalendarTime decodeDateTime(TDateTime dt) {
    // Work in whole milliseconds so that a time a hair below a boundary is not split wrongly.
    auto totalMs = static_cast<std::int64_t>(std::llround(dt * msPerDay));
    std::int64_t days = totalMs >= 0 ? totalMs / 86400000 : -((-totalMs + 86399999) / 86400000);
    std::int64_t msOfDay = totalMs - days * 86400000;
    CalendarTime t;
    civilFromDays(days - epochOffset, t.year, t.month, t.day);
    t.hour = static_cast<int>(msOfDay / 3600000);
    t.minute = static_cast<int>(msOfDay / 60000 % 60);
    t.second = static_cast<int>(msOfDay / 1000 % 60);
    t.millisecond = static_cast<int>(msOfDay % 1000);
    return t;
}

int dayOfWeek(TDateTime dt) {
    auto days = static_cast<std::int64_t>(std::floor(dt));
    // 1899-12-30 was a Saturday.
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

std::int64_t myTimeBetween(TDateTime start, TDateTime end) {
    if (start > end) {
        showMessage(MessageKind::Error, "myTimeBetween の起点と終点の設定が不正です。");
    }
    double s = start - 5.0 / msPerDay;
    return static_cast<std::int64_t>(std::fabs(end - s) * minutesPerDay);
}

std::int32_t dateTimeToMinute(TDateTime dt) {
    return static_cast<std::int32_t>(myTimeBetween(day2000, dt));
}

TDateTime minuteToDateTime(std::int32_t stamp) {
    return (day2000 * minutesPerDay + stamp) / minutesPerDay;
}

std::string formatShortDateTime(TDateTime dt) {
    CalendarTime t = decodeDateTime(dt);
    return twoDigits(t.year) + "/" + twoDigits(t.month) + "/" + twoDigits(t.day) + " " + twoDigits(t.hour) + ":" +
           twoDigits(t.minute);
}

std::string formatDate(TDateTime dt) {
    CalendarTime t = decodeDateTime(dt);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", t.year, t.month, t.day);
    return buffer;
}

std::string formatTime(TDateTime dt) {
    // Fractions of a second are dropped, not rounded.
    double fraction = dt - std::floor(dt);
    auto seconds = static_cast<std::int64_t>(std::floor(fraction * 86400.0 + 1e-6));
    if (seconds >= 86400) {
        seconds = 86399;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return buffer;
}

TDateTime parseDateTime(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    int fields = std::sscanf(text.c_str(), "%d/%d/%d %d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &tail);
    bool ok = (fields == 5 || fields == 6) && isValidDate(y, mo, d) && h >= 0 && h < 24 && mi >= 0 && mi < 60 &&
              s >= 0 && s < 60;
    if (!ok) {
        throw std::invalid_argument("'" + text + "' is not a valid date and time");
    }
    return encodeDateTime(y, mo, d, h, mi, s);
}

TDateTime nowDateTime() {
    std::timespec ts{};
    std::timespec_get(&ts, TIME_UTC);
    std::tm local{};
    localtime_r(&ts.tv_sec, &local);
    return encodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec, static_cast<int>(ts.tv_nsec / 1000000));
}

TDateTime TIDateTime::getDate() const {
    CalendarTime t = decodeDateTime(getDateTime());
    return static_cast<double>(encodeDay(t.year, t.month, t.day));
}

std::int32_t TIDateTime::getDateStamp() const {
    return dateStampOf(stamp);
}

void TIDateTime::setStr(const std::string& text) {
    stamp = parseInt(text);
}
