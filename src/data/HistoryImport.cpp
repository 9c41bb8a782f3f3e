#include "data/HistoryImport.h"

#include "domain/DateTime.h"
#include "domain/Helpers.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace {

constexpr size_t maxProblemsKept = 5;

std::vector<std::string> splitOn(const std::string& line, char separator) {
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t at = line.find(separator, start);
        items.push_back(trimText(line.substr(start, at == std::string::npos ? std::string::npos : at - start)));
        if (at == std::string::npos) {
            return items;
        }
        start = at + 1;
    }
}

bool allDigits(const std::string& s, size_t from, size_t count) {
    if (s.size() < from + count) {
        return false;
    }
    for (size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) {
            return false;
        }
    }
    return true;
}

int number(const std::string& s, size_t from, size_t count) {
    return std::stoi(s.substr(from, count));
}

// Minute stamp of a calendar minute, or false for a date or time that does not exist.
bool stampOf(int y, int mo, int d, int h, int mi, std::int32_t& stamp) {
    if (!isValidDate(y, mo, d) || h < 0 || h > 23 || mi < 0 || mi > 59) {
        return false;
    }
    const std::int64_t minutes = (encodeDay(y, mo, d) - 36526) * 1440 + h * 60 + mi;
    if (minutes < INT32_MIN / 2 || minutes > INT32_MAX / 2) {
        return false;
    }
    stamp = static_cast<std::int32_t>(minutes);
    return true;
}

// "20070102 090000"
bool parseHistDataTime(const std::string& s, std::int32_t& stamp) {
    return s.size() >= 13 && allDigits(s, 0, 8) && s[8] == ' ' && allDigits(s, 9, 4) &&
           stampOf(number(s, 0, 4), number(s, 4, 2), number(s, 6, 2), number(s, 9, 2), number(s, 11, 2), stamp);
}

// "2007.01.02" and "09:00"
bool parseMetaTraderTime(const std::string& date, const std::string& time, std::int32_t& stamp) {
    return date.size() == 10 && allDigits(date, 0, 4) && date[4] == '.' && allDigits(date, 5, 2) && date[7] == '.' &&
           allDigits(date, 8, 2) && time.size() >= 5 && allDigits(time, 0, 2) && time[2] == ':' &&
           allDigits(time, 3, 2) &&
           stampOf(number(date, 0, 4), number(date, 5, 2), number(date, 8, 2), number(time, 0, 2), number(time, 3, 2),
                   stamp);
}

// "02.01.2007 09:00:00.000"
bool parseDukascopyTime(const std::string& s, std::int32_t& stamp) {
    return s.size() >= 16 && allDigits(s, 0, 2) && s[2] == '.' && allDigits(s, 3, 2) && s[5] == '.' &&
           allDigits(s, 6, 4) && s[10] == ' ' && allDigits(s, 11, 2) && s[13] == ':' && allDigits(s, 14, 2) &&
           stampOf(number(s, 6, 4), number(s, 3, 2), number(s, 0, 2), number(s, 11, 2), number(s, 14, 2), stamp);
}

// "2007-01-02 09:00" or "2007-01-02 09:00:00"
bool parseGenericTime(const std::string& s, std::int32_t& stamp) {
    return s.size() >= 16 && allDigits(s, 0, 4) && s[4] == '-' && allDigits(s, 5, 2) && s[7] == '-' &&
           allDigits(s, 8, 2) && (s[10] == ' ' || s[10] == 'T') && allDigits(s, 11, 2) && s[13] == ':' &&
           allDigits(s, 14, 2) &&
           stampOf(number(s, 0, 4), number(s, 5, 2), number(s, 8, 2), number(s, 11, 2), number(s, 14, 2), stamp);
}

bool parsePrices(const std::vector<std::string>& items, size_t first, TImportBar& bar, std::string& reason) {
    if (items.size() < first + 4) {
        reason = "too few fields";
        return false;
    }
    try {
        bar.open = parseDouble(items[first]);
        bar.high = parseDouble(items[first + 1]);
        bar.low = parseDouble(items[first + 2]);
        bar.close = parseDouble(items[first + 3]);
    } catch (const std::invalid_argument& e) {
        reason = e.what();
        return false;
    }
    return true;
}

bool looksLikeHeader(const std::string& line) {
    const std::string t = trimText(line);
    return !t.empty() && !std::isdigit(static_cast<unsigned char>(t[0]));
}

} // namespace

bool parseImportFormat(const std::string& name, ImportFormat& format) {
    const std::pair<const char*, ImportFormat> names[] = {{"auto", ImportFormat::Auto},
                                                          {"histdata", ImportFormat::HistData},
                                                          {"metatrader", ImportFormat::MetaTrader},
                                                          {"dukascopy", ImportFormat::Dukascopy},
                                                          {"generic", ImportFormat::Generic}};
    for (const auto& [text, value] : names) {
        if (name == text) {
            format = value;
            return true;
        }
    }
    return false;
}

std::string importFormatName(ImportFormat format) {
    switch (format) {
    case ImportFormat::HistData:
        return "histdata";
    case ImportFormat::MetaTrader:
        return "metatrader";
    case ImportFormat::Dukascopy:
        return "dukascopy";
    case ImportFormat::Generic:
        return "generic";
    case ImportFormat::Auto:
        break;
    }
    return "auto";
}

ImportFormat detectImportFormat(const std::vector<std::string>& lines) {
    for (const std::string& raw : lines) {
        const std::string line = trimText(raw);
        if (line.empty()) {
            continue;
        }
        if (line.rfind("Gmt time", 0) == 0) {
            return ImportFormat::Dukascopy;
        }
        if (looksLikeHeader(line)) {
            continue; // a header of the generic format: judge by the first data line
        }
        std::int32_t stamp;
        if (parseHistDataTime(line, stamp) && line.find(';') != std::string::npos) {
            return ImportFormat::HistData;
        }
        const auto items = splitOn(line, ',');
        if (items.size() >= 2 && parseMetaTraderTime(items[0], items[1], stamp)) {
            return ImportFormat::MetaTrader;
        }
        if (parseDukascopyTime(items[0], stamp)) {
            return ImportFormat::Dukascopy;
        }
        if (parseGenericTime(items[0], stamp)) {
            return ImportFormat::Generic;
        }
        return ImportFormat::Auto;
    }
    return ImportFormat::Auto;
}

bool parseImportLine(ImportFormat format, const std::string& line, TImportBar& bar, std::string& reason) {
    reason.clear();
    if (looksLikeHeader(line)) {
        return false;
    }
    bool timeOk = false;
    size_t firstPrice = 1;
    std::vector<std::string> items;
    switch (format) {
    case ImportFormat::HistData:
        items = splitOn(line, ';');
        timeOk = parseHistDataTime(items[0], bar.time);
        break;
    case ImportFormat::MetaTrader:
        items = splitOn(line, ',');
        timeOk = items.size() >= 2 && parseMetaTraderTime(items[0], items[1], bar.time);
        firstPrice = 2;
        break;
    case ImportFormat::Dukascopy:
        items = splitOn(line, ',');
        timeOk = parseDukascopyTime(items[0], bar.time);
        break;
    case ImportFormat::Generic:
    case ImportFormat::Auto:
        items = splitOn(line, ',');
        timeOk = parseGenericTime(items[0], bar.time);
        break;
    }
    if (!timeOk) {
        reason = "no valid date and time";
        return false;
    }
    if (!parsePrices(items, firstPrice, bar, reason)) {
        return false;
    }
    if (bar.open <= 0 || bar.high <= 0 || bar.low <= 0 || bar.close <= 0) {
        reason = "a price is zero or negative";
        return false;
    }
    if (bar.high < bar.low) {
        reason = "high below low";
        return false;
    }
    if (bar.open > bar.high || bar.open < bar.low || bar.close > bar.high || bar.close < bar.low) {
        reason = "open or close outside the high-low range";
        return false;
    }
    return true;
}

THistoryImport::THistoryImport(TPair pair, double pointSize, int shiftHours)
    : pair_(pair), pointSize_(pointSize), shiftMinutes_(shiftHours * 60) {
    if (!(pointSize > 0)) {
        throw std::invalid_argument("the point size of " + pair.getToString() + " must be positive");
    }
}

void THistoryImport::addFile(const std::string& fileName, ImportFormat format) {
    const std::vector<std::string> lines = loadTextLines(fileName);
    if (format == ImportFormat::Auto) {
        format = detectImportFormat(lines);
        if (format == ImportFormat::Auto) {
            throw FileError("\"" + fileName + "\": the format cannot be told; name it with --format");
        }
    }
    auto toPoints = [&](double price) { return static_cast<std::int32_t>(std::llround(price / pointSize_)); };
    for (size_t n = 0; n < lines.size(); ++n) {
        if (trimText(lines[n]).empty()) {
            continue;
        }
        TImportBar bar;
        std::string reason;
        if (!parseImportLine(format, lines[n], bar, reason)) {
            if (reason.empty()) {
                continue; // a header
            }
            ++rowsRead_;
            ++rowsRejected_;
            if (problems_.size() < maxProblemsKept) {
                problems_.push_back(fileName + ":" + std::to_string(n + 1) + ": " + reason);
            }
            continue;
        }
        ++rowsRead_;
        rows_.push_back({bar.time + shiftMinutes_, static_cast<std::int64_t>(rows_.size()), toPoints(bar.open),
                         toPoints(bar.high), toPoints(bar.low), toPoints(bar.close)});
    }
}

THistoricalData THistoryImport::build() const {
    if (rows_.empty()) {
        throw FileError("no valid row was read for " + pair_.getToString());
    }
    std::vector<Row> sorted = rows_;
    std::sort(sorted.begin(), sorted.end(),
              [](const Row& a, const Row& b) { return a.time != b.time ? a.time < b.time : a.order < b.order; });
    THistoricalData series;
    series.pair = pair_;
    series.timeStep = TTimeStep(TTimeStep::oneMinute);
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i + 1 < sorted.size() && sorted[i + 1].time == sorted[i].time) {
            continue; // the later row of the same minute wins
        }
        const Row& r = sorted[i];
        series.append({r.time, r.low, r.high, r.open, r.close});
    }
    series.expand(series.getFirstTime(), series.getLastTime() + 1);
    return series;
}

double THistoryImport::weekdayCoverage(const THistoricalData& series) {
    long weekdayMinutes = 0;
    long covered = 0;
    for (const THistoricalRecord& r : series.items()) {
        const int dow = dayOfWeekOfStamp(r.time);
        if (dow == 1 || dow == 7) {
            continue;
        }
        ++weekdayMinutes;
        covered += r.getIsValid() ? 1 : 0;
    }
    return weekdayMinutes == 0 ? 0.0 : static_cast<double>(covered) / weekdayMinutes;
}
