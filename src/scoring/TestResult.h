#pragma once
// One test: 20 sessions of one pair and time step, and the totals derived from their answers.
#include "domain/DateTime.h"
#include "scoring/SessionRecord.h"

#include <array>
#include <cstdint>

class TTestResult {
public:
    static constexpr int sessionCount = 20;

    TTimeStep timeStep;
    TPair pair;
    TDateTime startTime = 0;
    float netWinRate = 0;
    std::int32_t evenCount = 0;
    float netProfitFactor = 0;
    float netWinProfit = 0;
    std::int32_t lossCount = 0;
    std::int32_t winCount = 0;
    float lossProfit = 0;
    float winRate = 0;
    float rating = 0;
    float netTotalProfit = 0;
    float profitFactor = 0;
    float winProfit = 0;
    std::int32_t netEvenCount = 0;
    std::int32_t netLossCount = 0;
    std::int32_t netWinCount = 0;
    float netLossProfit = 0;
    float totalProfit = 0;
    float totalAbsProfit = 0;
    std::array<TSessionRecord, sessionCount> sessions{};
    std::array<float, 4> barRatings{};

    // The highest session number that is answered (sessions are answered in order).
    std::int32_t getAnsweredCount() const;
    bool getIsFinished() const { return getAnsweredCount() == sessionCount; }
    // The test and every session lie inside the tables of pairs and selectable time steps.
    bool getIsInTables() const;
    // Recomputes every total from the answered sessions.
    void calculate();
};

// Quotients of single values in extended precision, stored as single.
float singleQuotient(long double numerator, long double denominator);
// The share of the winning profit in all profit moved: (sum + abs) / (2 × abs), 0 when abs is zero.
float ratingOf(float sum, float absSum);
