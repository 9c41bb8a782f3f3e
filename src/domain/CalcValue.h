#pragma once
// The kinds and periods of the precomputed indicator values.
#include "domain/Serial.h"

#include <string>

class TCalcValueType : public TSerial<TCalcValueType> {
public:
    static constexpr int close = 0, range = 1, body = 2, standardDeviation = 3, closeMinusMean = 4, closeMinusMax = 5,
                         closeMinusMin = 6, none = 7;
    using TSerial::TSerial;
    // 0: no period; 1: bar periods only; 2: bar or day periods.
    int getPeriodGroup() const;
};

class TCalcPeriod : public TSerial<TCalcPeriod> {
public:
    static constexpr int count = 16;
    static constexpr int barPeriodCount = 6;
    using TSerial::TSerial;
    // Bars for serials 0 to 5, days for 6 to 15.
    int getPeriodValue() const;
    std::string getToString() const;
    bool getIsBarPeriod() const;
};
