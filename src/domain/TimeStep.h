#pragma once
// Bar lengths, their units, the six lengths a user may choose, and the arithmetic of the bar grid.
#include "domain/Serial.h"

#include <cstdint>
#include <string>

class TTimeUnit : public TSerial<TTimeUnit> {
public:
    static constexpr int minute = 0, hour = 1, day = 2;
    using TSerial::TSerial;
    std::string getToString() const;
    std::string getToString2() const;
};

class TTimeStep : public TSerial<TTimeStep> {
public:
    static constexpr int count = 14;
    static constexpr int oneMinute = 0, fiveMinutes = 2, thirtyMinutes = 4, oneHour = 5, sixHours = 7, oneDay = 9;
    using TSerial::TSerial;

    std::int32_t getMinute() const;
    TTimeUnit getTimeUnit() const;
    std::int32_t getTimeValue() const;
    std::string getToCandleString() const;
    std::string getToString() const;
    bool getIsValid() const { return serial_ < count; }
};

// The six bar lengths a test can use.
class TQuorvaneTimeStep : public TSerial<TQuorvaneTimeStep> {
public:
    static constexpr int count = 6;
    using TSerial::TSerial;
    TTimeStep getTimeStep() const;
    std::string getToString() const { return getTimeStep().getToString(); }
};

// 0 → 0, 2 → 1, 4 → 2, 5 → 3, 7 → 4, 9 → 5; any other step is reported (and gives 0).
int timeStepSerialToQuorvaneTimeStepSerial(int timeStepSerial);
// Like the above but without a report: −1 for a step that is not selectable.
int quorvaneTimeStepSerialOf(int timeStepSerial);

std::int32_t timeToIndex(std::int32_t time, TTimeStep timeStep, std::int32_t origin);
std::int32_t indexToTime(std::int32_t index, TTimeStep timeStep, std::int32_t origin);
std::int32_t alignTime(std::int32_t time, TTimeStep timeStep);
