#include "scoring/SessionRecord.h"

#include "data/ConversionTable.h"
#include "data/PairList.h"
#include "domain/Missing.h"

#include <stdexcept>

std::int32_t getBarsAhead(std::int32_t sessionNumber) {
    return 10 * getBarGroup(sessionNumber) + 10;
}

std::int32_t getBarGroup(std::int32_t sessionNumber) {
    if (sessionNumber <= 5) {
        return 0;
    }
    if (sessionNumber <= 10) {
        return 1;
    }
    return sessionNumber <= 15 ? 2 : 3;
}

std::int32_t TSessionRecord::getPoints() const {
    switch (answer.getSerial()) {
    case TPosition::Long:
        return exitPrice - entryPrice;
    case TPosition::Short:
        return entryPrice - exitPrice;
    default:
        return 0;
    }
}

std::int32_t TSessionRecord::getNetPoints() const {
    switch (answer.getSerial()) {
    case TPosition::Long:
    case TPosition::Short:
        return getPoints() - getSpread(pair);
    default:
        return 0; // a Stay never costs the spread
    }
}

float TSessionRecord::profitOf(std::int32_t points) const {
    if (points == 0) {
        return 0.0f;
    }
    double rate = 1.0;
    if (pair.getQuoteCurrency() != "JPY") {
        if (conversionTable == nullptr) {
            throw std::logic_error("no conversion table is loaded");
        }
        rate = conversionTable->getConversionRate(pair, exitTime);
    }
    const auto rateSingle = static_cast<float>(rate);
    return static_cast<float>(static_cast<long double>(points) * static_cast<long double>(getPointSize(pair)) *
                              static_cast<long double>(rateSingle));
}

float TSessionRecord::getProfit() const {
    return profitOf(getPoints());
}
float TSessionRecord::getNetProfit() const {
    return profitOf(getNetPoints());
}

bool TSessionRecord::getIsWin() const {
    const float p = getProfit();
    return isNonZeroF(p) && p > 0;
}
bool TSessionRecord::getIsLoss() const {
    const float p = getProfit();
    return isNonZeroF(p) && p < 0;
}
bool TSessionRecord::getIsEven() const {
    return isZeroF(getProfit());
}
bool TSessionRecord::getIsNetWin() const {
    const float p = getNetProfit();
    return isNonZeroF(p) && p > 0;
}
bool TSessionRecord::getIsNetLoss() const {
    const float p = getNetProfit();
    return isNonZeroF(p) && p < 0;
}
bool TSessionRecord::getIsNetEven() const {
    return isZeroF(getNetProfit());
}

std::string TSessionRecord::getEntryPriceString() const {
    return getPriceString(pair, entryPrice);
}
std::string TSessionRecord::getExitPriceString() const {
    return getPriceString(pair, exitPrice);
}
