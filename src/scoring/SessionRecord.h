#pragma once
// One question of a test: the window of bars shown, the prices at entry and exit, and the user's answer.
#include "domain/Pair.h"
#include "domain/Position.h"
#include "domain/TimeStep.h"

#include <cstdint>
#include <string>

// Bars looked ahead and bar group of a session number (1 to 20): 10/20/30/40 bars, groups 0 to 3.
std::int32_t getBarsAhead(std::int32_t sessionNumber);
std::int32_t getBarGroup(std::int32_t sessionNumber);

struct TSessionRecord {
    TPair pair;
    TTimeStep timeStep;
    std::int32_t entryPrice = 0;
    std::int32_t entryTime = 0;
    std::int32_t answerTime = 0;
    std::int32_t exitPrice = 0;
    std::int32_t exitTime = 0;
    TPosition answer{TPosition::Undefined};
    std::int32_t sessionNumber = 0;
    std::int32_t chartStartTime = 0;

    bool getIsAnswered() const { return answer.getSerial() != TPosition::Undefined; }
    std::int32_t getBarsAhead() const { return ::getBarsAhead(sessionNumber); }
    std::int32_t getBarGroup() const { return ::getBarGroup(sessionNumber); }
    std::int32_t getPoints() const;
    std::int32_t getNetPoints() const;
    // Profits in yen per unit: points × point size × the yen rate of the exit day.
    float getProfit() const;
    float getNetProfit() const;
    bool getIsWin() const;
    bool getIsLoss() const;
    bool getIsEven() const;
    bool getIsNetWin() const;
    bool getIsNetLoss() const;
    bool getIsNetEven() const;
    std::string getEntryPriceString() const;
    std::string getExitPriceString() const;
    // The pair and time step lie inside their tables (an edited score file may hold others).
    bool getIsInTables() const { return pair.getIsValid() && timeStep.getIsValid(); }

private:
    float profitOf(std::int32_t points) const;
};
