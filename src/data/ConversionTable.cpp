#include "data/ConversionTable.h"

#include "data/HistoricalData.h"
#include "data/PairList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "domain/Helpers.h"
#include "domain/Missing.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"

#include <stdexcept>

TConversionTable* conversionTable = nullptr;

TConversionTable::TConversionTable() {
    const std::string fileName = getConversionRateFileName();
    if (fileExists(fileName)) {
        loadFromFile(fileName);
    }
}

TConversionTable::TConversionTable(const std::string& fileName) {
    loadFromFile(fileName);
}

void TConversionTable::loadFromFile(const std::string& fileName) {
    const std::vector<std::string> lines = loadTextLines(fileName);
    items_.reserve(lines.size());
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::vector<std::string> items = splitCommaText(lines[n]);
        const std::string where = "\"" + fileName + "\" line " + std::to_string(n + 1);
        if (items.size() < 7) {
            throw FileError(where + ": 7 items expected, " + std::to_string(items.size()) + " found");
        }
        TConversionTableRecord r;
        try {
            r.day = parseInt(trimText(items[0]));
            for (int c = 0; c < crossCount; ++c) {
                r.rates[static_cast<size_t>(c)] = parseInt(trimText(items[static_cast<size_t>(c) + 1]));
            }
        } catch (const std::invalid_argument& e) {
            throw FileError(where + ": " + e.what());
        }
        items_.push_back(r);
    }
    computeFirstAndLast();
}

void TConversionTable::computeFirstAndLast() {
    for (size_t c = 0; c < crossCount; ++c) {
        firstRate_[c] = 0;
        lastRate_[c] = 0;
        for (const auto& r : items_) {
            if (hasValue(r.rates[c])) {
                firstRate_[c] = r.rates[c];
                break;
            }
        }
        for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
            if (hasValue(it->rates[c])) {
                lastRate_[c] = it->rates[c];
                break;
            }
        }
    }
}

int TConversionTable::columnOf(TPair cross) {
    for (int c = 0; c < crossCount; ++c) {
        if (crosses[static_cast<size_t>(c)] == cross.getSerial()) {
            return c;
        }
    }
    return -1;
}

std::int32_t TConversionTable::getDayIndex(std::int32_t time) const {
    if (items_.empty()) {
        return 0;
    }
    return (dateStampOf(time) - items_.front().day) / minutesPerDay;
}

std::int32_t TConversionTable::getRateValue(TPair cross, std::int32_t time) const {
    const int c = columnOf(cross);
    if (c < 0) {
        throw std::out_of_range(cross.getToString() + " is not a yen cross");
    }
    const auto col = static_cast<size_t>(c);
    if (items_.empty()) {
        return 0;
    }
    const std::int32_t k = getDayIndex(time);
    if (k < 0) {
        return firstRate_[col];
    }
    if (k < getCount() && hasValue(items_[static_cast<size_t>(k)].rates[col])) {
        return items_[static_cast<size_t>(k)].rates[col];
    }
    return lastRate_[col];
}

double TConversionTable::getConversionRate(TPair pair, std::int32_t time) const {
    if (pair.getQuoteCurrency() == "JPY") {
        return 1.0;
    }
    TPair cross;
    cross.setStr(pair.getBaseCurrency() + "JPY");
    return getPrice(cross, getRateValue(cross, time));
}

void TConversionRateBuilder::addCross(TPair cross, const THistoricalData& history) {
    const int c = TConversionTable::columnOf(cross);
    if (c < 0) {
        throw std::out_of_range(cross.getToString() + " is not a yen cross");
    }
    auto& days = lastCloses_[static_cast<size_t>(c)];
    days.clear();
    for (const THistoricalRecord& bar : history.items()) {
        if (isMissing(bar.close)) {
            continue;
        }
        const std::int32_t day = dateStampOf(bar.time);
        if (!days.empty() && days.back().first == day) {
            days.back().second = bar.close;
        } else {
            days.emplace_back(day, bar.close);
        }
    }
}

std::string TConversionRateBuilder::toText() const {
    std::int32_t first = INT32_MAX;
    std::int32_t last = INT32_MIN;
    for (const auto& days : lastCloses_) {
        if (!days.empty()) {
            first = std::min(first, days.front().first);
            last = std::max(last, days.back().first);
        }
    }
    std::string text;
    if (first > last) {
        return text;
    }
    std::array<size_t, TConversionTable::crossCount> next{};
    for (std::int32_t day = first; day <= last; day += minutesPerDay) {
        text += std::to_string(day);
        for (size_t c = 0; c < TConversionTable::crossCount; ++c) {
            const auto& days = lastCloses_[c];
            std::int32_t rate = missingValue;
            if (next[c] < days.size() && days[next[c]].first == day) {
                rate = days[next[c]++].second;
            }
            text += "," + std::to_string(rate);
        }
        text += "\r\n";
    }
    return text;
}
