#pragma once
// Indicator colours, the indicator kinds a user can put on a chart, and the lines they draw.
#include "domain/Serial.h"

#include <cstdint>
#include <string>

class TChartColor : public TSerial<TChartColor> {
public:
    static constexpr int count = 15;
    using TSerial::TSerial;
    // A Windows colour value: red in the lowest byte, blue in the third, top byte zero.
    std::uint32_t getColor() const;
};

// 0 close, 1 moving average, 2 minimum, 3 maximum, 4 moving average + 1 SD, 5 + 2 SD, 6 + 3 SD,
// 7 − 1 SD, 8 − 2 SD, 9 − 3 SD.
using TLineType = int;

class TChartValueType : public TSerial<TChartValueType> {
public:
    static constexpr int count = 7;
    using TSerial::TSerial;
    std::string getToString() const;
    bool getIsTwoLines() const;
    TLineType getLine1() const;
    TLineType getLine2() const;
    int getPeriodGroup() const;
};
