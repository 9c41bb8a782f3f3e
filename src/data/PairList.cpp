#include "data/PairList.h"

#include "domain/Folders.h"
#include "domain/Helpers.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <stdexcept>

TPairList* pairList = nullptr;

TPairList::TPairList() {
    const std::string fileName = getPairInfoFileName();
    if (fileExists(fileName)) {
        loadFromFile(fileName);
    }
}

TPairList::TPairList(const std::string& fileName) {
    loadFromFile(fileName);
}

void TPairList::loadFromFile(const std::string& fileName) {
    const std::vector<std::string> lines = loadTextLines(fileName);
    for (size_t n = 0; n < lines.size(); ++n) {
        std::vector<std::string> items = splitCommaText(lines[n]);
        const std::string where = "\"" + fileName + "\" line " + std::to_string(n + 1);
        if (items.size() < 6) {
            throw FileError(where + ": 6 items expected, " + std::to_string(items.size()) + " found");
        }
        for (auto& item : items) {
            item = trimText(item);
        }
        try {
            TPairRecord r;
            r.serial = parseInt(items[0]);
            r.name = items[1];
            r.priceFormat = items[2];
            r.pointSize = parseDouble(items[3]);
            r.extraValue = parseInt(items[4]);
            r.spread = parseInt(items[5]);
            items_.push_back(std::move(r));
        } catch (const std::invalid_argument& e) {
            throw FileError(where + ": " + e.what());
        }
    }
}

const TPairRecord& TPairList::getItem(int i) const {
    if (i < 0 || i >= getCount()) {
        throw std::out_of_range("pair information has no entry " + std::to_string(i));
    }
    return items_[static_cast<size_t>(i)];
}

namespace {
const TPairRecord& recordOf(TPair pair) {
    if (pairList == nullptr) {
        throw std::out_of_range("no pair information is loaded");
    }
    return pairList->getItem(pair.getSerial());
}
} // namespace

double getPointSize(TPair pair) {
    return recordOf(pair).pointSize;
}
std::string getPriceFormat(TPair pair) {
    return recordOf(pair).priceFormat;
}
std::int32_t getSpread(TPair pair) {
    return recordOf(pair).spread;
}
double getPrice(TPair pair, std::int32_t value) {
    return getPointSize(pair) * value;
}

std::string getPriceString(TPair pair, std::int32_t value) {
    const TPairRecord& r = recordOf(pair);
    return formatFloat(r.priceFormat, static_cast<long double>(value) * static_cast<long double>(r.pointSize));
}

std::string formatFloat(const std::string& format, long double value) {
    const size_t dot = format.find('.');
    const std::string integerPart = format.substr(0, dot);
    const std::string fractionPart = dot == std::string::npos ? std::string() : format.substr(dot + 1);
    int minIntegerDigits = 0;
    for (char c : integerPart) {
        minIntegerDigits += c == '0';
    }
    int maxDecimals = 0;
    int minDecimals = 0;
    for (char c : fractionPart) {
        if (c == '0' || c == '#') {
            ++maxDecimals;
            if (c == '0') {
                minDecimals = maxDecimals;
            }
        }
    }
    // Eighteen significant digits, then round the decimal digits half away from zero.
    const bool negative = value < 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", negative ? -value : value);
    std::string mantissa;
    int exponent = 0;
    {
        const char* p = buffer;
        for (; *p != 'e'; ++p) {
            if (*p != '.') {
                mantissa += *p;
            }
        }
        exponent = std::atoi(p + 1);
    }
    // digits = mantissa with the decimal point after position exponent + 1.
    int pointPos = exponent + 1;
    if (pointPos <= 0) {
        mantissa.insert(0, static_cast<size_t>(1 - pointPos), '0');
        pointPos = 1;
    }
    const size_t keep = static_cast<size_t>(pointPos + maxDecimals);
    if (mantissa.size() < keep + 1) {
        mantissa.append(keep + 1 - mantissa.size(), '0');
    }
    const bool roundUp = mantissa[keep] >= '5';
    mantissa.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && mantissa[static_cast<size_t>(i)] == '9') {
            mantissa[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            mantissa.insert(0, "1");
            ++pointPos;
        } else {
            ++mantissa[static_cast<size_t>(i)];
        }
    }
    std::string intDigits = mantissa.substr(0, static_cast<size_t>(pointPos));
    std::string decimals = mantissa.substr(static_cast<size_t>(pointPos));
    while (intDigits.size() > 1 && intDigits.front() == '0') {
        intDigits.erase(0, 1);
    }
    if (intDigits == "0" && minIntegerDigits == 0) {
        intDigits.clear();
    }
    while (static_cast<int>(intDigits.size()) < minIntegerDigits) {
        intDigits.insert(0, "0");
    }
    while (static_cast<int>(decimals.size()) > minDecimals && !decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    std::string result = intDigits;
    if (!decimals.empty()) {
        result += "." + decimals;
    }
    const bool isZero = result.find_first_not_of("0.") == std::string::npos;
    if (negative && !isZero) {
        result.insert(0, "-");
    }
    return result.empty() ? "0" : result;
}
